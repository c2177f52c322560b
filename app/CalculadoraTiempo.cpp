// Time mode: durations typed as hours, minutes and seconds add up past one
// day, and two times of day give the time between them. Every step goes to
// the time tape.

#include "Calculadora.h"
#include "FechaHora.h"
#include "Funcion.h"
#include "Interfaz.h"
#include "LineasTira.h"
#include "TotalHoras.h"

#include <cmath>

using namespace Funcion;

namespace {

const QChar DosPuntos(QLatin1Char(':'));

QString Reloj(double t) { return FormatearFecha(t, QStringLiteral("hh:mm:ss")); }

// Day fractions do not add up exactly (24 times 1/24 falls short of one
// day, and the total would lose that day); every time typed is a whole
// number of milliseconds, so the total is kept as one.
double SumarHoras(double total, double t)
{
    constexpr double MsDia = 86400000.0;
    return std::round((total + t) * MsDia) / MsDia;
}

} // namespace

void TFormCalculadora::VerPantalla2() { TextoPantalla2->setText(EntradaHora); }

void TFormCalculadora::AnadirCaracter2(const QString &c)
{
    if (c.isEmpty())
        return;
    const bool separador = c == QString(DosPuntos);
    if (separador && NuevaEntrada) {
        // A separator typed first starts a new time as a digit does, so that
        // ":15" after a sum is a quarter of an hour and not 15 hours.
        NuevaEntrada = false;
        EntradaHora.clear();
    }
    if (EntradaHora.length() > 7)
        return;
    if (separador) {
        // Complete the part typed so far: "7" is hour 07, "12:3" minute 03.
        const int n = EntradaHora.length();
        if (n <= 2)
            EntradaHora = EnteroConCeros(TextoAEntero(EntradaHora), 2);
        else if (n == 3)
            EntradaHora += QStringLiteral("00");
        else if (n == 4)
            EntradaHora.insert(3, QLatin1Char('0'));
    }
    const int n = EntradaHora.length();
    EntradaHora += c;
    if ((n == 1 || n == 4) && !separador)
        EntradaHora += DosPuntos;
    LNumCar2->setText(EntradaHora);
    VerPantalla2();
}

void TFormCalculadora::SumarHora()
{
    if (EntradaHora.isEmpty())
        return;
    if (EntradaHora.endsWith(DosPuntos))
        EntradaHora.chop(1);
    NuevaEntrada = true;
    HoraInicio = HoraFin = 0;
    HoraInicioFijada = HoraFinFijada = false;
    double t = 0;
    if (!TextoAHora(EntradaHora, t)) {
        VerPantalla2();
        SuperioresBajados guarda(ui_);
        ui_.Aviso(QStringLiteral("Hora incorrecta  entre las 00:00 y las 23:59"));
        return;
    }
    SumandoHoras = t;
    EntradaHora = Reloj(t);
    TotalHoras = SumarHoras(TotalHoras, t);
    TiraPapel2(EntradaHora, QLatin1Char('+'));
    VerPantalla2();
    ++SumandosHora;
    LSumandos->setText(QString::number(SumandosHora));
    LRe1->setText(VerTotalHoras(TotalHoras));
    EntradaHora.clear();
    VerPantalla2();
    Multiplicando = Multiplicador = Dividendo = Divisor = 0;
}

void TFormCalculadora::DiferenciaHoras()
{
    if (EntradaHora.endsWith(DosPuntos))
        EntradaHora.chop(1);
    NuevaEntrada = true;
    double t = 0;
    const bool valida = TextoAHora(EntradaHora, t);
    if (!valida) {
        VerPantalla2();
        SuperioresBajados guarda(ui_);
        ui_.Aviso(QStringLiteral("Hora errónea  (Valores entre 00:00:00 y 23:59:59)"));
    }
    if (HoraInicioFijada) {
        HoraFinFijada = valida;
        HoraFin = valida ? t : 0;
        if (valida)
            TiraPapel2(EntradaHora, QLatin1Char('H'));
    } else {
        HoraInicioFijada = valida;
        HoraInicio = valida ? t : 0;
        if (valida) {
            EntradaHora = Reloj(t);
            VerPantalla2();
            TiraPapel2(QString(), QLatin1Char(' '));
            TiraPapel2(EntradaHora, QLatin1Char('H'));
        }
    }
    if (!HoraFinFijada)
        return;
    // An end before the start is on the next day: 22:00 to 02:00 is four hours.
    double diferencia = HoraFin - HoraInicio;
    if (diferencia < 0)
        diferencia += 1;
    EntradaHora = FormatearFecha(diferencia, QStringLiteral("h:mm:ss"));
    TiraPapel2(QString(), QLatin1Char('_'));
    TiraPapel2(EntradaHora, QLatin1Char('R'));
    VerPantalla2();
    TiraPapel2(QString(), QLatin1Char('_'));
    HoraInicio = HoraFin = 0;
    HoraInicioFijada = HoraFinFijada = false;
    NuevaEntrada = true;
}

void TFormCalculadora::TotalHora()
{
    if (SumandosHora <= 0)
        return;
    LNumCar2->setText(FormatearFecha(TotalHoras, QStringLiteral("h:mm:ss")));
    TiraPapel2(QString(), QLatin1Char('_'));
    TiraPapel2(QString(), QLatin1Char('T'));
    TiraPapel2(QString(), QLatin1Char('F'));
    LSumandos->setText(QString::number(SumandosHora));
    SumandosHora = 0;
    const QString total = VerTotalHoras(TotalHoras);
    LRe1->setText(total);
    TextoPantalla2->setText(total);
    TotalHoras = 0;
    EntradaHora.clear();
}

void TFormCalculadora::SubtotalHora()
{
    if (SumandosHora <= 0)
        return;
    const QString total = VerTotalHoras(TotalHoras);
    TiraPapel2(QString(), QLatin1Char('_'));
    TiraPapel2(QString(), QLatin1Char('N'));
    EscribirLineas(Papel2, LPapel2, {Tira::LineaSubtotalHoras(total)}, total);
    TiraPapel2(QString(), QLatin1Char('_'));
    LRe1->setText(total);
}

void TFormCalculadora::BorrarUnoHora()
{
    if (!EntradaHora.isEmpty()) {
        if (EntradaHora.endsWith(DosPuntos))
            EntradaHora.chop(1);
        EntradaHora.chop(1);
    }
    LNumCar2->setText(EntradaHora);
    VerPantalla2();
}
