// Date mode: the keypad works with dates and numbers of days. Two dates give
// the days between them; a date and a number of days give the date reached;
// numbers of days add up like amounts. Every step goes to the date tape.

#include "Calculadora.h"
#include "EtiquetaPulsable.h"
#include "FechaHora.h"
#include "Formato.h"
#include "Funcion.h"
#include "Interfaz.h"
#include "Periodo.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <cmath>
#include <stdexcept>

using namespace Funcion;

namespace {

const QChar Barra(QLatin1Char('/'));

// A refused entry is a failed operation, not a reason to crash.
struct FechaIncorrecta : std::runtime_error {
    FechaIncorrecta() : std::runtime_error("fecha") {}
};

double LeerFecha(const QString &texto)
{
    double serial = 0;
    if (!TextoAFecha(texto, serial))
        throw FechaIncorrecta();
    return serial;
}

} // namespace

void TFormCalculadora::VerPantalla1() { TextoPantalla1->setText(EntradaFecha); }

void TFormCalculadora::AnadirCaracter1(const QString &c)
{
    if (EntradaFecha.length() > 9 || c.isEmpty())
        return;
    if (!MascaraFecha->isChecked()) {
        EntradaFecha += c;
        LNumCar1->setText(EntradaFecha);
        VerPantalla1();
        return;
    }
    const QChar ch = c.at(0);
    const int n = EntradaFecha.length();
    const bool rechazado = ch == Barra || (n == 0 && ch > QLatin1Char('3'))
                           || (n == 1 && (EntradaFecha + ch).toInt() > 31) || (n == 3 && ch > QLatin1Char('1'))
                           || (n == 4 && (QString(EntradaFecha.at(3)) + ch).toInt() > 12);
    if (rechazado)
        return;
    EntradaFecha += ch;
    if (n == 1 || n == 4)
        EntradaFecha += Barra;
    LNumCar1->setText(EntradaFecha);
    VerPantalla1();
}

void TFormCalculadora::ErrorFecha()
{
    SuperioresBajados guarda(ui_);
    if (MascaraFecha->isChecked())
        ui_.Aviso(QStringLiteral("Fecha incorrecta. Si quiere introducir días\n\rdeberá desactivar la opcion máscara fecha"));
    else
        ui_.Aviso(QStringLiteral("Fecha incorrecta"));
}

// The date key: a first date, a second date, or a number of days after a date.
void TFormCalculadora::PorFecha()
{
    if (!EntradaFecha.contains(Barra)) {
        double inicio = 0;
        if (!PrimeraFecha.isEmpty())
            TextoAFecha(PrimeraFecha, inicio);
        FechaMasDias(inicio);
        return;
    }
    try {
        const double fecha = LeerFecha(EntradaFecha);
        if (PrimeraFecha.isEmpty()) {
            TiraPapel1(QString(), QLatin1Char(' '));
            TiraPapel1(EntradaFecha, QLatin1Char('D'));
            PrimeraFecha = EntradaFecha;
            EntradaFecha.clear();
            VerPantalla1();
            return;
        }
        const double primera = LeerFecha(PrimeraFecha);
        // Counted before anything is printed, so a failure leaves the tape as it was.
        const double d = CalcularDias(primera, fecha);
        TiraPapel1(EntradaFecha, QLatin1Char('D'));
        SegundaFecha = EntradaFecha;
        EntradaFecha.clear();

        TiraPapel1(QString(), QLatin1Char('_'));
        TiraPapel1(FormatoGeneral(d), QLatin1Char('R'));
        EntradaFecha = FormatoGeneral(d);
        VerPantalla1();
        double c = 0;
        if (EditCoef->text() != QLatin1String("1")) {
            // Ties go to the even neighbour (182,5 days give 182).
            c = std::nearbyint(TextoANumero(EditCoef->text()) * d);
            TiraPapel1(FormatoGeneral(c), QLatin1Char('C'));
            EntradaFecha = FormatoGeneral(c);
            VerPantalla1();
        }
        if (Mult15->isChecked()) {
            double m = std::floor(c * 1.5 + 0.999);
            if (m > d)
                m = d;
            TiraPapel1(FormatoGeneral(m), QLatin1Char('M'));
            EntradaFecha = FormatoGeneral(m);
            VerPantalla1();
        }
        if (DMA->isChecked())
            TiraPapel1(CalculaDMA(int(std::min(primera, fecha)), int(std::max(primera, fecha))), QLatin1Char('K'));
        TiraPapel1(QString(), QLatin1Char('_'));
        if (DiasSeleccionados > 0)
            ImprimirDias();
        PrimeraFecha.clear();
        SegundaFecha.clear();
        SumandoDias = 0;
        NuevaEntrada = true;
    } catch (const std::exception &) {
        ErrorFecha();
    }
}

void TFormCalculadora::FechaMasDias(double inicio)
{
    const double n = std::trunc(TextoANumero(EntradaFecha));
    if (n == 0)
        return;
    if (PrimeraFecha.isEmpty()) {
        {
            SuperioresBajados guarda(ui_);
            ui_.Aviso(QStringLiteral("Introduzca primero la fecha y luego el nº de días"));
        }
        EntradaFecha.clear();
        VerPantalla1();
        return;
    }
    double r = 0;
    try {
        r = CalcularFecha(inicio, n);
    } catch (const std::exception &) {
        SuperioresBajados guarda(ui_);
        ui_.Aviso(QStringLiteral("Número Incorrecto"));
        return;
    }
    TiraPapel1(EntradaFecha, QLatin1Char('A'));
    EntradaFecha = FormatearFecha(r, QStringLiteral("dd/mm/yyyy"));
    VerPantalla1();
    LNumCar1->setText(EntradaFecha);
    TiraPapel1(QString(), QLatin1Char('_'));
    TiraPapel1(EntradaFecha, QLatin1Char('Q'));
    TiraPapel1(QString(), QLatin1Char('_'));
    NuevaEntrada = true;
    PrimeraFecha.clear();
    SegundaFecha.clear();
    SumandoDias = 0;
}

void TFormCalculadora::SumarDias(QChar signo)
{
    if (EntradaFecha.contains(Barra))
        return;
    if (signo == QLatin1Char('+') && EntradaFecha.isEmpty())
        return;
    NuevaEntrada = true;
    PrimeraFecha.clear();
    SegundaFecha.clear();
    SumandoDias = TextoANumero(EntradaFecha);
    SumaDias = signo == QLatin1Char('+') ? SumaDias + SumandoDias : SumaDias - SumandoDias;
    TiraPapel1(FormatoGeneral(SumandoDias), signo);
    ++SumandosFecha;
    LSumandos->setText(QString::number(SumandosFecha));
}

void TFormCalculadora::TotalFechas()
{
    if (SumandosFecha == 0)
        return;
    EntradaFecha = FormatoGeneral(SumaDias);
    LNumCar1->setText(EntradaFecha);
    VerPantalla1();
    TiraPapel1(QString(), QLatin1Char('_'));
    TiraPapel1(FormatoGeneral(SumaDias), QLatin1Char('T'));
    TiraPapel1(QString(), QLatin1Char('F'));
    SumandoDias = SumaDias = 0;
    SumandosFecha = 0;
    NuevaEntrada = true;
    PrimeraFecha.clear();
    SegundaFecha.clear();
}

void TFormCalculadora::SubtotalFechas()
{
    if (SumandosFecha == 0)
        return;
    TiraPapel1(QString(), QLatin1Char('_'));
    TiraPapel1(QString(), QLatin1Char('N'));
    TiraPapel1(FormatoGeneral(SumaDias), QLatin1Char('S'));
    TiraPapel1(QString(), QLatin1Char('_'));
}

void TFormCalculadora::SignoFecha()
{
    if (EntradaFecha.contains(Barra))
        return;
    if (EntradaFecha.startsWith(QLatin1Char('-')))
        EntradaFecha.remove(0, 1);
    else
        EntradaFecha.prepend(QLatin1Char('-'));
    VerPantalla1();
}

void TFormCalculadora::BorrarUnoFecha()
{
    if (!EntradaFecha.isEmpty()) {
        EntradaFecha.chop(1);
        if (MascaraFecha->isChecked() && (EntradaFecha.length() == 2 || EntradaFecha.length() == 5))
            EntradaFecha.chop(1);
    }
    VerPantalla1();
}

// ---- the coefficient field ----

void TFormCalculadora::CoefClick()
{
    QPalette p = EditCoef->palette();
    if (Coef->isChecked()) {
        EditCoef->setEnabled(true);
        p.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
        EditCoef->setPalette(p);
        EditCoef->setFocus();
    } else {
        EditCoef->setText(QStringLiteral("1"));
        p.setColor(QPalette::Base, QApplication::palette().color(QPalette::Light));
        EditCoef->setPalette(p);
        EditCoef->setEnabled(false);
        E->setFocus();
    }
}

void TFormCalculadora::EditCoefEnter() { KeyPreview = false; }

void TFormCalculadora::EditCoefExit()
{
    if (EditCoef->text().startsWith(QLatin1Char(',')))
        EditCoef->setText(QLatin1Char('0') + EditCoef->text());
    KeyPreview = true;
    E->setFocus();
}

void TFormCalculadora::EditCoefKeyPress(QChar &c)
{
    if (c == QLatin1Char('.')) {
        c = QLatin1Char(',');
    } else if (c == QLatin1Char('\r')) {
        EditCoefExit();
        c = QChar();
    } else if (c == QChar(27)) {
        E->setFocus();
        c = QChar();
    }
}

void TFormCalculadora::EditCoefChange()
{
    if (TextoANumero(EditCoef->text()) >= 1) {
        Mult15->setChecked(false);
        Mult15->hide();
    } else {
        Mult15->show();
    }
}

bool TFormCalculadora::TratarEditCoef(QEvent *ev)
{
    switch (ev->type()) {
    case QEvent::FocusIn:
        EditCoefEnter();
        return false;
    case QEvent::FocusOut: {
        // Tab moves on through the window; any other way out returns to the keypad.
        const Qt::FocusReason motivo = static_cast<QFocusEvent *>(ev)->reason();
        if (motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason)
            return false; // a message or a menu over the window: the field gets the focus back
        if (motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason) {
            if (EditCoef->text().startsWith(QLatin1Char(',')))
                EditCoef->setText(QLatin1Char('0') + EditCoef->text());
            KeyPreview = true;
        } else {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::focusWidget() != EditCoef)
                    EditCoefExit();
            });
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto *k = static_cast<QKeyEvent *>(ev);
        QChar c;
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            c = QLatin1Char('\r');
        else if (k->key() == Qt::Key_Escape)
            c = QChar(27);
        else if (!k->text().isEmpty())
            c = k->text().at(0);
        if (c.isNull())
            return false;
        const QChar original = c;
        EditCoefKeyPress(c);
        if (c.isNull())
            return true;
        if (c != original) {
            EditCoef->insert(QString(c));
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}
