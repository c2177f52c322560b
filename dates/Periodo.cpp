#include "Periodo.h"

#include "FechaHora.h"

#include <QDate>
#include <utility>

namespace {

// inicio's day of month in month mes of anio, or the last day of that month
// when it has fewer days: 31/01 gives 28/02 (or 29/02), then 31/03.
int Aniversario(const QDate &inicio, int mes, int anio)
{
    int dia = inicio.day();
    while (!QDate::isValid(anio, mes, dia))
        --dia;
    return int(Funcion::FechaASerial(QDate(anio, mes, dia)));
}

QString Parte(int n, const char *singular, const char *plural)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? singular : plural);
}

} // namespace

QString CalculaDMA(int inicio, int fin)
{
    if (inicio > fin)
        std::swap(inicio, fin);
    const QDate s = Funcion::SerialAFecha(inicio);
    const QDate e = Funcion::SerialAFecha(fin);

    // Whole years: anniversaries of s's month and day not after fin.
    int anios = 0;
    int resto = 0;
    int actual = inicio;
    int anio = s.year();
    while (actual <= fin) {
        resto = fin - actual;
        ++anio;
        actual = Aniversario(s, s.month(), anio);
        if (actual <= fin) {
            ++anios;
            resto = 0;
        }
    }

    // Whole months after the last whole year.
    int meses = 0;
    int mes = s.month();
    anio = s.year() + anios;
    actual = Aniversario(s, mes, anio);
    while (actual <= fin) {
        if (++mes > 12) {
            mes = 1;
            ++anio;
        }
        resto = fin - actual;
        actual = Aniversario(s, mes, anio);
        if (actual <= fin) {
            ++meses;
            resto = 0;
        }
    }

    ++resto; // both ends count
    // A remainder as long as a whole month (the start's own month when the
    // period ends in the same month of the year, or the end's month) is one.
    if ((resto == s.daysInMonth() && s.month() == e.month()) || resto == e.daysInMonth()) {
        resto = 0;
        if (++meses == 12) {
            meses = 0;
            ++anios;
        }
    }

    QString texto;
    if (anios >= 1) {
        texto += Parte(anios, "año", "años");
        if (meses > 0 || resto > 0)
            texto += QLatin1Char(',');
    }
    if (meses >= 1) {
        texto += Parte(meses, "mes", "meses");
        if (resto > 0)
            texto += QLatin1Char(',');
    }
    if (resto >= 1)
        texto += Parte(resto, "dia", "dias");
    return texto;
}
