// Number entry and the calculator display.

#include "Calculadora.h"
#include "Euro.h"
#include "Formato.h"
#include "Funcion.h"

#include <cmath>

using namespace Funcion;

namespace {

double Potencia10(int n) { return std::pow(10.0, n); }

} // namespace

int TFormCalculadora::Decimales() const { return TDecimales->value(); }

bool TFormCalculadora::Flotante() const { return TDecimales->value() == TDecimales->maximum(); }

double TFormCalculadora::ValorPantalla() const
{
    const double v = TextoANumero(EntradaCalc);
    return FijaDec->isChecked() ? v / Potencia10(Decimales()) : v;
}

QToolButton *TFormCalculadora::BotonDigito(QChar digito) const
{
    QToolButton *const digitos[] = {B0, B1, B2, B3, B4, B5, B6, B7, B8, B9};
    const int i = digito.unicode() - '0';
    return (i >= 0 && i <= 9) ? digitos[i] : nullptr;
}

void TFormCalculadora::VerPantalla(QString &t)
{
    if (t.length() > 1 && t.startsWith(QLatin1Char('0')) && t.at(1) != QLatin1Char(','))
        t.remove(0, 1);
    if (t == QLatin1String(","))
        t = QStringLiteral("0,");
    TextoPantalla->setText(t);
    if (!EditPtas->hasFocus()) {
        const double p = static_cast<double>(EurosAPesetas(TextoANumero(t)));
        const QSignalBlocker bloqueo(EditPtas);
        EditPtas->setText(FormatoGeneral(p));
        LPtas->setText(FormatearNumero(p, QStringLiteral("#,##0")));
    }
    LnumCar->setText(t);
}

void TFormCalculadora::ContarDigDec(const QString &t)
{
    const int coma = t.indexOf(QLatin1Char(','));
    DigitosEntrada = t.length();
    DecimalesEntrada = coma < 0 ? 0 : t.length() - coma - 1;
    LDigitos->setText(QString::number(DigitosEntrada));
    LDecimales->setText(QString::number(DecimalesEntrada));
}

// Shows EntradaCalc as a digit leaves it: scaled when decimals are fixed.
void TFormCalculadora::RedibujarTrasDigito()
{
    if (FijaDec->isChecked()) {
        QString copia = FormatoGeneral(TextoANumero(EntradaCalc) / Potencia10(Decimales()));
        VerPantalla(copia);
    } else {
        VerPantalla(EntradaCalc);
    }
}

void TFormCalculadora::AnadirCaracter(const QString &c)
{
    if (FijaDec->isChecked() && c == QLatin1String(","))
        return;
    if (EntradaCalc == QLatin1String("0") && c == QLatin1String("0")) {
        // No second leading zero, but a fresh "0" must still show.
        RedibujarTrasDigito();
        return;
    }
    if (EntradaCalc.length() > MaxDigitos + 1)
        return;
    EntradaCalc += c;
    ContarDigDec(EntradaCalc);
    RedibujarTrasDigito();
}

void TFormCalculadora::B1Click(QToolButton *sender)
{
    Bkk->setChecked(true);
    const QChar digito(sender->property("tag").toInt());
    switch (ModoActual) {
    case 0:
        if (NuevaEntrada) {
            NuevaEntrada = false;
            EntradaCalc = QStringLiteral("0");
            ContarDigDec(QString());
        }
        AnadirCaracter(QString(digito));
        break;
    case 1:
        if (NuevaEntrada) {
            NuevaEntrada = false;
            EntradaFecha.clear();
        }
        AnadirCaracter1(QString(digito));
        break;
    case 2:
        if (NuevaEntrada) {
            NuevaEntrada = false;
            EntradaHora.clear();
        }
        AnadirCaracter2(QString(digito));
        break;
    default:
        break;
    }
}

void TFormCalculadora::BCOMAClick()
{
    if (NuevaEntrada) {
        NuevaEntrada = false;
        EntradaCalc = QStringLiteral("0");
        ContarDigDec(QString());
    }
    if (!EntradaCalc.contains(QLatin1Char(',')))
        AnadirCaracter(QStringLiteral(","));
    Bkk->setChecked(true);
}

void TFormCalculadora::BBorrarUltimoClick()
{
    Bkk->setChecked(true);
    switch (ModoActual) {
    case 0:
        EntradaCalc = QStringLiteral("0");
        VerPantalla(EntradaCalc);
        ContarDigDec(QString());
        break;
    case 1:
        EntradaFecha.clear();
        VerPantalla1();
        break;
    case 2:
        EntradaHora.clear();
        VerPantalla2();
        break;
    default:
        break;
    }
}

void TFormCalculadora::BBorrarUnoClick()
{
    Bkk->setChecked(true);
    if (ModoActual == 1)
        return BorrarUnoFecha();
    if (ModoActual == 2)
        return BorrarUnoHora();
    if (ModoActual != 0 || EntradaCalc.isEmpty())
        return;
    EntradaCalc.chop(1);
    NuevaEntrada = false;
    DigitosEntrada = EntradaCalc.length();
    const int coma = EntradaCalc.indexOf(QLatin1Char(','));
    DecimalesEntrada = coma < 0 ? EntradaCalc.length() : EntradaCalc.length() - (coma + 1);
    LDigitos->setText(QString::number(DigitosEntrada));
    LDecimales->setText(QString::number(DecimalesEntrada));
    LnumCar->setText(EntradaCalc);
    // With fixed decimals the shortened digits keep their scale on screen.
    RedibujarTrasDigito();
}

void TFormCalculadora::TDecimalesChange()
{
    const int n = Decimales();
    Mascara = QStringLiteral("#,##0");
    if (n > 0)
        Mascara += QLatin1Char('.') + QString(n, QLatin1Char('0'));
    if (n == TDecimales->maximum())
        Mascara.clear();
    if (EntradaCalc.isEmpty())
        EntradaCalc = QStringLiteral("0");
    RedibujarTrasDigito();
    ContarDigDec(EntradaCalc);
    ReponerFoco();
}

void TFormCalculadora::BMASDECClick() { TDecimales->setValue(TDecimales->value() + 1); }
void TFormCalculadora::BMENOSDECClick() { TDecimales->setValue(TDecimales->value() - 1); }

void TFormCalculadora::FLClick()
{
    if (TDecimales->value() == TDecimales->maximum())
        TDecimalesChange();
    else
        TDecimales->setValue(TDecimales->maximum());
}

void TFormCalculadora::FijaDecClick() { TDecimalesChange(); }

void TFormCalculadora::RB0Click()
{
    ModoRedondeo = QStringLiteral("0");
    ReponerFoco();
}

void TFormCalculadora::RB5Click()
{
    ModoRedondeo = QStringLiteral("5");
    ReponerFoco();
}

void TFormCalculadora::RB9Click()
{
    ModoRedondeo = QStringLiteral("9");
    ReponerFoco();
}

void TFormCalculadora::CKPtasClick()
{
    QToolButton *const operaciones[] = {BPOR, BDIV, BIGUAL, BPORCENT, BSIGNO};
    if (CKPtas->isChecked()) {
        QPalette p = EditPtas->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Base));
        EditPtas->setPalette(p);
        EditPtas->show();
        EditPtas->setEnabled(true);
        LPtas->hide();
        for (QToolButton *b : operaciones)
            b->setEnabled(false);
        EditPtas->setFocus(Qt::OtherFocusReason);
        EditPtas->selectAll(); // the first digit replaces the equivalent shown
        return;
    }
    QPalette p = EditPtas->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Light));
    EditPtas->setPalette(p);
    EditPtas->hide();
    LPtas->show();
    for (QToolButton *b : operaciones)
        b->setEnabled(true);
    const double pts = static_cast<double>(EurosAPesetas(TextoANumero(EntradaCalc)));
    {
        const QSignalBlocker bloqueo(EditPtas);
        EditPtas->setText(FormatoGeneral(pts));
    }
    LPtas->setText(FormatearNumero(pts, QStringLiteral("#,##0")));
    ReponerFoco();
}

void TFormCalculadora::EditPtasChange()
{
    if (!EditPtas->hasFocus())
        return;
    EntradaCalc = FormatearNumero(TextoANumero(EditPtas->text()) / PesetasPorEuro, Mascara);
    if (EntradaCalc.isEmpty() && !Mascara.isEmpty())
        EntradaCalc = QStringLiteral("0");
    VerPantalla(EntradaCalc);
}
