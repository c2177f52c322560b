// The operation keys. In calculator mode they work like an adding machine:
// "+" and "-" feed the adding register closed by "T"; "x", "/", "=" and "%"
// are chain operations whose result goes to the display.

#include "Calculadora.h"
#include "Formato.h"
#include "Funcion.h"

#include <cmath>

using namespace Funcion;

double TFormCalculadora::Redondeo(double x) const
{
    return Flotante() ? x : Redondear(Decimales(), ModoRedondeo, x);
}

void TFormCalculadora::ResultadoEnPantalla(double r, bool conMascara)
{
    EntradaCalc = conMascara ? FormatearNumero(r, Mascara) : FormatoGeneral(r);
    VerPantalla(EntradaCalc);
    if (FijaDec->isChecked())
        EntradaCalc = FormatoGeneral(TextoANumero(EntradaCalc) * std::pow(10.0, Decimales()));
}

void TFormCalculadora::Desbordamiento()
{
    // An overflowing result must never reach the registers or the screen.
    TiraPapel(QLatin1Char('E'), 0);
}

void TFormCalculadora::Sumar(QChar signo)
{
    const double v = ValorPantalla();
    const double nueva = signo == QLatin1Char('+') ? Suma + v : Suma - v;
    NuevaEntrada = true;
    if (!std::isfinite(nueva)) {
        Desbordamiento();
        return;
    }
    UltimaOperacion = QString(signo);
    Sumando = v;
    Suma = nueva;
    TiraPapel(signo, v);
    ++Sumandos;
    LSumandos->setText(QString::number(Sumandos));
    Multiplicando = Multiplicador = Dividendo = Divisor = 0;
}

void TFormCalculadora::BMASClick()
{
    Bkk->setChecked(true);
    if (ModoActual == 0)
        Sumar(QLatin1Char('+'));
    else if (ModoActual == 1)
        SumarDias(QLatin1Char('+'));
    else if (ModoActual == 2)
        SumarHora();
}

void TFormCalculadora::BMENOSClick()
{
    Bkk->setChecked(true);
    if (ModoActual == 0) {
        Sumar(QLatin1Char('-'));
    } else if (ModoActual == 1) {
        SumarDias(QLatin1Char('-'));
    } else if (ModoActual == 2) {
        // "-" has no meaning for times; it only drops a pending chain operation.
        Multiplicando = Multiplicador = Dividendo = Divisor = 0;
    }
}

// The first operand of "x" or "/": printed and kept; the other chain
// operation is dropped.
double TFormCalculadora::EmpezarCadena(QChar marca)
{
    LSumandos->setText(QString::number(Sumandos));
    const double v = ValorPantalla();
    NuevaEntrada = true;
    UltimaOperacion = QString(marca);
    TiraPapel(QLatin1Char(' '), 0);
    TiraPapel(marca, v);
    return v;
}

void TFormCalculadora::BPORClick()
{
    Bkk->setChecked(true);
    if (!BPOR->isEnabled())
        return;
    if (ModoActual == 1)
        return PorFecha();
    if (ModoActual == 2)
        return DiferenciaHoras();
    if (ModoActual != 0)
        return;
    Multiplicando = EmpezarCadena(QLatin1Char('X'));
    Dividendo = 0;
}

void TFormCalculadora::BDIVClick()
{
    Bkk->setChecked(true);
    if (!BDIV->isEnabled())
        return;
    if (ModoActual == 1) {
        if (!EntradaFecha.contains(QLatin1Char('-')))
            AnadirCaracter1(QStringLiteral("/"));
        return;
    }
    if (ModoActual != 0)
        return;
    Dividendo = EmpezarCadena(QLatin1Char('/'));
    Multiplicando = 0;
}

void TFormCalculadora::BIGUALClick()
{
    Bkk->setChecked(true);
    if (!BIGUAL->isEnabled() || ModoActual != 0)
        return;
    NuevaEntrada = true;
    const double v = ValorPantalla();
    if (Multiplicando != 0) {
        const double r = Redondeo(Multiplicando * v);
        if (!std::isfinite(r)) {
            Desbordamiento();
            return;
        }
        Multiplicador = v;
        TiraPapel(QLatin1Char('='), v);
        TiraPapel(QLatin1Char('R'), r);
        TiraPapel(QLatin1Char(' '), 0);
        ResultadoEnPantalla(r, false);
    }
    if (Dividendo != 0) {
        Divisor = v;
        TiraPapel(QLatin1Char('='), v);
        if (Divisor == 0) {
            TiraPapel(QLatin1Char('E'), 0);
            Bkk->setChecked(true);
            return;
        }
        const double r = Redondeo(Dividendo / Divisor);
        if (!std::isfinite(r)) {
            Desbordamiento();
            return;
        }
        TiraPapel(QLatin1Char('R'), r);
        TiraPapel(QLatin1Char(' '), 0);
        ResultadoEnPantalla(r, false);
    }
    Multiplicador = 0;
    Divisor = 0;
}

void TFormCalculadora::BPORCENTClick()
{
    Bkk->setChecked(true);
    if (!BPORCENT->isEnabled())
        return;
    if (ModoActual == 2)
        return AnadirCaracter2(QStringLiteral(":"));
    if (ModoActual != 0)
        return;
    NuevaEntrada = true;
    const double v = ValorPantalla();
    if (Multiplicando != 0) {
        const double a = Multiplicando;
        const double p = Redondeo(a * v / 100.0);
        const double q = Redondeo(a + p);
        if (!std::isfinite(p) || (PorcenAcum->isChecked() && !std::isfinite(q))) {
            Desbordamiento();
            return;
        }
        Multiplicador = v;
        TiraPapel(QLatin1Char('%'), v);
        ResultadoEnPantalla(p, true);
        TiraPapel(QLatin1Char('='), p);
        if (PorcenAcum->isChecked()) {
            ResultadoEnPantalla(q, true);
            TiraPapel(QLatin1Char('R'), q);
        }
        TiraPapel(QLatin1Char(' '), 0);
    } else if (Dividendo != 0) {
        const double a = Dividendo;
        const double q = Redondeo(a * 100.0 / (v + 100.0));
        const double p = a - q;
        if (!std::isfinite(q) || !std::isfinite(p)) {
            Desbordamiento();
            return;
        }
        Divisor = v;
        TiraPapel(QLatin1Char('%'), v);
        ResultadoEnPantalla(p, true);
        TiraPapel(QLatin1Char('='), p);
        if (PorcenAcum->isChecked()) {
            ResultadoEnPantalla(q, true);
            TiraPapel(QLatin1Char('R'), q);
        }
        TiraPapel(QLatin1Char(' '), 0);
    } else {
        Bkk->setChecked(true);
        return;
    }
    Multiplicador = 0;
    Divisor = 0;
}

void TFormCalculadora::BTOTALClick()
{
    Bkk->setChecked(true);
    if (ModoActual == 1)
        return TotalFechas();
    if (ModoActual == 2)
        return TotalHora();
    if (ModoActual != 0)
        return;
    LSumandos->setText(QString::number(Sumandos));
    Suma = Redondeo(Suma);
    EntradaCalc = FormatoGeneral(Suma);
    VerPantalla(EntradaCalc);
    TiraPapel(QLatin1Char('_'), 0);
    TiraPapel(QLatin1Char('T'), Suma);
    TiraPapel(QLatin1Char('F'), 0);
    Sumandos = 0;
    Sumando = 0;
    Suma = 0;
    if (FijaDec->isChecked()) {
        EntradaCalc = FormatoGeneral(TextoANumero(EntradaCalc) * std::pow(10.0, Decimales()));
    } else {
        EntradaCalc = FormatoGeneral(Redondeo(TextoANumero(EntradaCalc)));
        VerPantalla(EntradaCalc);
    }
}

void TFormCalculadora::BSSClick()
{
    Bkk->setChecked(true);
    if (ModoActual == 1)
        return SubtotalFechas();
    if (ModoActual == 2)
        return SubtotalHora();
    if (ModoActual != 0 || Sumandos == 0)
        return;
    TiraPapel(QLatin1Char('_'), 0);
    TiraPapel(QLatin1Char('N'), 0);
    TiraPapel(QLatin1Char('S'), Suma);
    TiraPapel(QLatin1Char('_'), 0);
}

void TFormCalculadora::BCNTClick()
{
    Bkk->setChecked(true);
    if (ModoActual == 0)
        TiraPapel(QLatin1Char('N'), 0);
    else if (ModoActual == 1)
        TiraPapel1(QString(), QLatin1Char('N'));
}

void TFormCalculadora::BSIGNOClick()
{
    Bkk->setChecked(true);
    if (!BSIGNO->isEnabled())
        return;
    if (ModoActual == 1)
        return SignoFecha();
    if (ModoActual != 0)
        return;
    if (EntradaCalc.startsWith(QLatin1Char('-'))) {
        EntradaCalc.remove(0, 1);
        if (EntradaCalc.isEmpty())
            EntradaCalc = QStringLiteral("0");
    } else {
        EntradaCalc.prepend(QLatin1Char('-'));
    }
    RedibujarTrasDigito();
}
