// The keyboard: the window sees every key before the focused control and
// turns it into a press of the button it stands for.

#include "Calculadora.h"
#include "Euro.h"
#include "Formato.h"
#include "Funcion.h"

#include <QApplication>
#include <QKeyEvent>

using namespace Funcion;

namespace {

const QChar Nulo(0);
const QChar Intro(13);
const QChar Escape(27);
const QChar Retroceso(8);

bool Es(QChar c, char letra) { return c.toUpper() == QLatin1Char(letra); }

bool SoloModificador(Qt::KeyboardModifiers m, Qt::KeyboardModifier esperado)
{
    return (m & ~Qt::KeypadModifier) == esperado;
}

} // namespace

void TFormCalculadora::Pulsar(QToolButton *boton, void (TFormCalculadora::*manejador)())
{
    boton->setChecked(true);
    (this->*manejador)();
}

bool TFormCalculadora::eventFilter(QObject *obj, QEvent *ev)
{
    if (obj == EditCoef && TratarEditCoef(ev))
        return true;
    if (ev->type() != QEvent::KeyPress && ev->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(obj, ev);
    auto *w = qobject_cast<QWidget *>(obj);
    if (!w || w->window() != this || !KeyPreview)
        return QWidget::eventFilter(obj, ev);
    // An event ignored by a child travels on to its parents; act on it only
    // where it first arrives.
    QWidget *primero = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (w != primero)
        return false;
    auto *k = static_cast<QKeyEvent *>(ev);
    if (enTecla_) {
        // A key that arrives while another is still at work (its tape lines
        // let events through) waits for that one to finish.
        teclasEnEspera_.append(std::make_shared<QKeyEvent>(k->type(), k->key(), k->modifiers(), k->text(),
                                                           k->isAutoRepeat(), k->count()));
        return true;
    }
    enTecla_ = true;
    const bool tratada = TratarTecla(k);
    enTecla_ = false;
    while (!teclasEnEspera_.isEmpty()) {
        const std::shared_ptr<QKeyEvent> espera = teclasEnEspera_.takeFirst();
        QWidget *destino = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        QCoreApplication::sendEvent(destino, espera.get());
    }
    return tratada;
}

bool TFormCalculadora::TratarTecla(QKeyEvent *k)
{
    if (k->type() == QEvent::KeyRelease) {
        FormKeyUp();
        return false;
    }
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
        return false; // moving between fields stays the toolkit's
    FormKeyDown(k->key(), k->modifiers());
    const QString texto = k->text();
    const bool conAlt = k->modifiers() & Qt::AltModifier;
    if (texto.isEmpty() || conAlt || texto.at(0) == QChar(127))
        return true; // no key-down reaches the focused control
    QChar c = texto.at(0);
    FormKeyPress(c);
    QWidget *foco = QApplication::focusWidget();
    if (c == Nulo || !foco || foco == E || foco->window() != this)
        return true;
    if (foco == EditPtas) {
        EditPtasKeyPress(c);
        if (c == Nulo)
            return true;
        if (c != texto.at(0)) {
            EditPtas->insert(QString(c));
            return true;
        }
        return false;
    }
    return c != texto.at(0);
}

void TFormCalculadora::FormKeyUp() { Bkk->setChecked(true); }

void TFormCalculadora::EditPtasKeyPress(QChar &c)
{
    if (c == QLatin1Char('.'))
        c = QLatin1Char(',');
    if (c == QLatin1Char(',') && EditPtas->text().contains(QLatin1Char(',')))
        c = Nulo;
    else if (c != Retroceso && c != QLatin1Char(',') && !c.isDigit())
        c = Nulo;
}

void TFormCalculadora::FormKeyDown(int tecla, Qt::KeyboardModifiers mods)
{
    const bool derecha = tecla == Qt::Key_Right || tecla == Qt::Key_Up;
    const bool izquierda = tecla == Qt::Key_Left || tecla == Qt::Key_Down;

    if (tecla == Qt::Key_F12 || (tecla == Qt::Key_F4 && SoloModificador(mods, Qt::AltModifier))) {
        close();
        return;
    }
    if (tecla == Qt::Key_Delete) {
        QWidget *foco = QApplication::focusWidget();
        for (QLineEdit *campo : {EditPtas, EPesetas, EEuros, EditNumero, EditPor, EditResultado}) {
            if (foco == campo) {
                campo->clear();
                return;
            }
        }
        BBorrarUltimoClick();
        BBorrarUltimo->setChecked(true);
    }
    if (tecla >= Qt::Key_F6 && tecla <= Qt::Key_F10)
        TMemorias->setValue(5 * ModoActual + (tecla - Qt::Key_F6) + 1);
    if (SoloModificador(mods, Qt::ControlModifier)) {
        if (derecha)
            TTipo->setValue(TTipo->value() + 1);
        else if (izquierda)
            TTipo->setValue(TTipo->value() - 1);
    }
    if (SoloModificador(mods, Qt::ShiftModifier)) {
        if (derecha)
            TMemorias->setValue(TMemorias->value() + 1);
        else if (izquierda)
            TMemorias->setValue(TMemorias->value() - 1);
    }
    if (SoloModificador(mods, Qt::AltModifier)) {
        if (derecha)
            TDecimales->setValue(TDecimales->value() + 1);
        else if (izquierda)
            TDecimales->setValue(TDecimales->value() - 1);
    }
    if (tecla == Qt::Key_Right && ModoActual == 0 && EntradaCalc.length() < MaxDigitos) {
        EntradaCalc += QStringLiteral("00");
        ContarDigDec(EntradaCalc);
        RedibujarTrasDigito();
    }
}

void TFormCalculadora::FormKeyPress(QChar &c)
{
    switch (ModoActual) {
    case 0: TeclaCalculadora(c); break;
    case 1: TeclaFechas(c); break;
    case 2: TeclaTiempo(c); break;
    default: break;
    }
}

void TFormCalculadora::TeclaDigito(QChar c)
{
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
        Pulsar(BCOMA, &TFormCalculadora::BCOMAClick);
        return;
    }
    if (QToolButton *b = BotonDigito(c)) {
        b->setChecked(true);
        B1Click(b);
    }
}

void TFormCalculadora::TeclaCalculadora(QChar &c)
{
    if (Es(c, 'E'))
        return;
    if (c == Escape)
        return Pulsar(BBorrarTodo, &TFormCalculadora::BBorrarTodoClick);
    if (Es(c, 'G'))
        return Pulsar(BGM, &TFormCalculadora::BGMClick);
    if (Es(c, 'R'))
        return Pulsar(RM, &TFormCalculadora::RMClick);
    if (c == Retroceso || Es(c, 'C')) {
        if (EditPtas->hasFocus()) {
            EditPtas->clear();
            LPtas->clear();
            c = Nulo;
        } else {
            return Pulsar(BBorrarUno, &TFormCalculadora::BBorrarUnoClick);
        }
    }
    if (c == QLatin1Char('*') || Es(c, 'X'))
        return Pulsar(BPOR, &TFormCalculadora::BPORClick);
    if (Es(c, 'N'))
        return Pulsar(BCNT, &TFormCalculadora::BCNTClick);
    if (c == QLatin1Char('/'))
        return Pulsar(BDIV, &TFormCalculadora::BDIVClick);
    if (c == QLatin1Char('+'))
        return Pulsar(BMAS, &TFormCalculadora::BMASClick);
    if (c == QLatin1Char('-'))
        return Pulsar(BMENOS, &TFormCalculadora::BMENOSClick);
    QChar tecla = c;
    if (tecla == Intro) {
        if (UltimaOperacion.isEmpty())
            return;
        const QChar primera = UltimaOperacion.at(0);
        tecla = (primera == QLatin1Char('/') || primera == QLatin1Char('X')) ? QLatin1Char('=') : QLatin1Char('T');
    }
    if (tecla == QLatin1Char('='))
        return Pulsar(BIGUAL, &TFormCalculadora::BIGUALClick);
    if (Es(tecla, 'T')) {
        Pulsar(BTOTAL, &TFormCalculadora::BTOTALClick);
        if (EditPtas->hasFocus()) {
            E->setFocus(Qt::OtherFocusReason);
            const double pts = static_cast<double>(EurosAPesetas(TextoANumero(EntradaCalc)));
            {
                const QSignalBlocker bloqueo(EditPtas);
                EditPtas->setText(FormatoGeneral(pts));
            }
            LPtas->setText(FormatearNumero(pts, QStringLiteral("#,##0")));
            EditPtas->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (tecla == QLatin1Char('%'))
        return Pulsar(BPORCENT, &TFormCalculadora::BPORCENTClick);
    if (Es(tecla, 'S'))
        return Pulsar(BSS, &TFormCalculadora::BSSClick);
    if (tecla == QLatin1Char('&'))
        return Pulsar(BSIGNO, &TFormCalculadora::BSIGNOClick);
    if (NuevaEntrada) {
        NuevaEntrada = false;
        EntradaCalc = QStringLiteral("0");
        DigitosEntrada = DecimalesEntrada = 0;
    }
    TeclaDigito(tecla);
}

void TFormCalculadora::TeclaFechas(QChar &c)
{
    if (Es(c, 'G'))
        return Pulsar(BGM, &TFormCalculadora::BGMClick);
    if (Es(c, 'R'))
        return Pulsar(RM, &TFormCalculadora::RMClick);
    if (c == QLatin1Char('&'))
        return Pulsar(BSIGNO, &TFormCalculadora::BSIGNOClick);
    if (Es(c, 'S'))
        return Pulsar(BSS, &TFormCalculadora::BSSClick);
    QChar tecla = c;
    if (tecla == Intro)
        tecla = (EntradaFecha.contains(QLatin1Char('/')) || !PrimeraFecha.isEmpty()) ? QLatin1Char('*')
                                                                                     : QLatin1Char('T');
    if (tecla == QLatin1Char('*') || Es(tecla, 'X') || Es(tecla, 'F'))
        return Pulsar(BPOR, &TFormCalculadora::BPORClick);
    if (Es(tecla, 'T'))
        return Pulsar(BTOTAL, &TFormCalculadora::BTOTALClick);
    if (tecla == Escape)
        return Pulsar(BBorrarTodo, &TFormCalculadora::BBorrarTodoClick);
    if (tecla == Retroceso || Es(tecla, 'C'))
        return Pulsar(BBorrarUno, &TFormCalculadora::BBorrarUnoClick);
    if (tecla == QLatin1Char('+'))
        return Pulsar(BMAS, &TFormCalculadora::BMASClick);
    if (tecla == QLatin1Char('-'))
        return Pulsar(BMENOS, &TFormCalculadora::BMENOSClick);
    if (tecla == QLatin1Char(',') || tecla == QLatin1Char('.'))
        tecla = QLatin1Char('/');
    if (tecla == QLatin1Char('/'))
        return Pulsar(BDIV, &TFormCalculadora::BDIVClick);
    if (NuevaEntrada) {
        NuevaEntrada = false;
        EntradaFecha.clear();
    }
    if (QToolButton *b = BotonDigito(tecla)) {
        b->setChecked(true);
        B1Click(b);
    }
}

void TFormCalculadora::TeclaTiempo(QChar &c)
{
    if (Es(c, 'C'))
        return BotGoClick();
    if (Es(c, 'L') && BotLap->isEnabled())
        return BotLapClick();
    if (Es(c, 'M') && BotMarca->isEnabled())
        return BotMarcaClick();
    if (Es(c, 'S') && BotStop->isEnabled())
        return BotStopClick();
    if (Es(c, 'A'))
        return BotAlarmaClick();
    if (Es(c, 'Q')) {
        if (BotAlarmaON->isVisible())
            BotAlarmaONClick();
        else if (BotAlarmaOFF->isVisible())
            BotAlarmaOFFClick();
    }
    if (Es(c, 'R'))
        return BotCuentaAtrasClick();
    if (Es(c, 'W')) {
        if (BotCuentaAtrasON->isVisible())
            BotCuentaAtrasONClick();
        else if (BotCuentaAtrasOFF->isVisible())
            BotCuentaAtrasOFFClick();
    }
    if (Es(c, 'S'))
        return Pulsar(BSS, &TFormCalculadora::BSSClick);
    QChar tecla = c;
    if (tecla == Intro)
        tecla = (NuevaEntrada && EntradaHora.isEmpty()) ? QLatin1Char('T') : QLatin1Char('*');
    if (tecla == QLatin1Char('*') || Es(tecla, 'X') || Es(tecla, 'H'))
        return Pulsar(BPOR, &TFormCalculadora::BPORClick);
    if (Es(tecla, 'T'))
        return Pulsar(BTOTAL, &TFormCalculadora::BTOTALClick);
    if (tecla == QLatin1Char(',') || tecla == QLatin1Char('.'))
        tecla = QLatin1Char(':');
    if (tecla == QLatin1Char(':'))
        return Pulsar(BPORCENT, &TFormCalculadora::BPORCENTClick);
    if (tecla == Escape)
        return Pulsar(BBorrarTodo, &TFormCalculadora::BBorrarTodoClick);
    if (tecla == Retroceso)
        return Pulsar(BBorrarUno, &TFormCalculadora::BBorrarUnoClick);
    if (tecla == QLatin1Char('+'))
        return Pulsar(BMAS, &TFormCalculadora::BMASClick);
    if (tecla == QLatin1Char('-'))
        return Pulsar(BMENOS, &TFormCalculadora::BMENOSClick);
    if (tecla == QLatin1Char('/'))
        return Pulsar(BDIV, &TFormCalculadora::BDIVClick);
    if (NuevaEntrada) {
        NuevaEntrada = false;
        EntradaHora.clear();
    }
    if (QToolButton *b = BotonDigito(tecla)) {
        b->setChecked(true);
        B1Click(b);
    }
}

// Buttons whose meaning arrives with the timers.
void TFormCalculadora::BotGoClick() {}
void TFormCalculadora::BotLapClick() {}
void TFormCalculadora::BotMarcaClick() {}
void TFormCalculadora::BotStopClick() {}
void TFormCalculadora::BotAlarmaClick() {}
void TFormCalculadora::BotAlarmaONClick() {}
void TFormCalculadora::BotAlarmaOFFClick() {}
void TFormCalculadora::BotCuentaAtrasClick() {}
void TFormCalculadora::BotCuentaAtrasONClick() {}
void TFormCalculadora::BotCuentaAtrasOFFClick() {}
