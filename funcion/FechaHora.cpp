// Dates and times as day serials, and their texts.

#include "FechaHora.h"

#include <cmath>
#include <cstdint>

namespace Funcion {

namespace {

constexpr int64_t kMsDia = 86400000;

const QDate &Origen()
{
    static const QDate origen(1899, 12, 30);
    return origen;
}

// Whole days and milliseconds of the day of a serial. The fraction is
// rounded to the millisecond first, so 0,5 is exactly 12:00:00 and not
// 11:59:59,999. Fails for values no calendar date can have.
bool Partir(double serial, int64_t &dias, int64_t &ms)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 1e9)
        return false;
    const int64_t total = std::llround(serial * double(kMsDia));
    dias = total / kMsDia;
    ms = total % kMsDia;
    if (ms < 0) {
        ms += kMsDia;
        --dias;
    }
    return true;
}

const QString &NombreDia(int diaSemana)
{
    static const QString nombres[7] = {
        QStringLiteral("domingo"), QStringLiteral("lunes"),   QStringLiteral("martes"),
        QStringLiteral("miércoles"), QStringLiteral("jueves"), QStringLiteral("viernes"),
        QStringLiteral("sábado")};
    return nombres[diaSemana - 1];
}

const QString &NombreMes(int mes)
{
    static const QString nombres[12] = {
        QStringLiteral("enero"),      QStringLiteral("febrero"), QStringLiteral("marzo"),
        QStringLiteral("abril"),      QStringLiteral("mayo"),    QStringLiteral("junio"),
        QStringLiteral("julio"),      QStringLiteral("agosto"),  QStringLiteral("septiembre"),
        QStringLiteral("octubre"),    QStringLiteral("noviembre"), QStringLiteral("diciembre")};
    return nombres[mes - 1];
}

// A field of 1..maxCifras decimal digits, with the blanks of an entry
// mask around it; -1 when it is anything else.
int Campo(QStringView t, int maxCifras)
{
    while (!t.isEmpty() && t.front() == u' ')
        t = t.mid(1);
    while (!t.isEmpty() && t.back() == u' ')
        t.chop(1);
    if (t.isEmpty() || t.size() > maxCifras)
        return -1;
    int v = 0;
    for (QChar c : t) {
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c.unicode() - u'0');
    }
    return v;
}

// Years of one or two digits fall in the hundred years from 50 before to
// 49 after the current one.
int Siglo(int anio)
{
    const int actual = QDate::currentDate().year();
    int a = actual / 100 * 100 + anio;
    if (a < actual - 50)
        a += 100;
    else if (a > actual + 49)
        a -= 100;
    return a;
}

QString Cifras(int64_t v, int ancho)
{
    return QString::number(qlonglong(v)).rightJustified(ancho, u'0');
}

} // namespace

double FechaASerial(const QDate &d)
{
    return d.isValid() ? double(Origen().daysTo(d)) : 0.0;
}

double FechaHoraASerial(const QDateTime &dt)
{
    if (!dt.isValid())
        return 0.0;
    return FechaASerial(dt.date()) + double(dt.time().msecsSinceStartOfDay()) / double(kMsDia);
}

QDate SerialAFecha(double serial)
{
    int64_t dias, ms;
    if (!Partir(serial, dias, ms))
        return QDate();
    return Origen().addDays(dias);
}

QTime SerialAHora(double serial)
{
    int64_t dias, ms;
    if (!Partir(serial, dias, ms))
        return QTime();
    return QTime::fromMSecsSinceStartOfDay(int(ms));
}

int DiaSemana(double serial)
{
    int64_t dias, ms;
    if (!Partir(serial, dias, ms))
        return 0;
    // Serial 1 (31/12/1899) was a Sunday.
    return int(((dias - 1) % 7 + 7) % 7) + 1;
}

double Hoy()
{
    return FechaASerial(QDate::currentDate());
}

bool TextoAFecha(const QString &s, double &serial)
{
    QString t = s;
    t.replace(u'_', u' ');
    const QStringList partes = t.split(u'/');
    if (partes.size() != 3)
        return false;

    // The year field may carry a time after a blank.
    QStringView resto = QStringView(partes[2]);
    while (!resto.isEmpty() && resto.front() == u' ')
        resto = resto.mid(1);
    qsizetype n = 0;
    while (n < resto.size() && resto.at(n) >= u'0' && resto.at(n) <= u'9')
        ++n;
    const QStringView hora = resto.mid(n);
    if (!hora.isEmpty() && hora.front() != u' ')
        return false;

    const int dia = Campo(partes[0], 2);
    const int mes = Campo(partes[1], 2);
    int anio = Campo(resto.left(n), 4);
    if (dia < 0 || mes < 0 || anio < 0)
        return false;
    if (n <= 2)
        anio = Siglo(anio);
    if (anio < 1 || !QDate::isValid(anio, mes, dia))
        return false;

    double fraccion = 0;
    bool soloMascara = true;
    for (QChar c : hora)
        if (c != u' ' && c != u':')
            soloMascara = false;
    // An untouched time mask ("  :  ") means no time at all.
    if (!soloMascara && !TextoAHora(hora.toString(), fraccion))
        return false;

    serial = FechaASerial(QDate(anio, mes, dia)) + fraccion;
    return true;
}

bool TextoAHora(const QString &s, double &serial)
{
    QString t = s;
    t.replace(u'_', u' ');
    const QStringList partes = t.split(u':');
    if (partes.size() > 4)
        return false;

    static const int maxCifras[4] = {2, 2, 2, 3};
    static const int maximo[4] = {23, 59, 59, 999};
    int valores[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < partes.size(); ++i) {
        const int v = Campo(partes[i], maxCifras[i]);
        if (v < 0 || v > maximo[i])
            return false;
        valores[i] = v;
    }
    const int64_t ms = valores[0] * 3600000LL + valores[1] * 60000LL + valores[2] * 1000LL + valores[3];
    serial = double(ms) / double(kMsDia);
    return true;
}

QString FormatearFecha(double serial, const QString &mascara)
{
    int64_t dias, ms;
    if (!Partir(serial, dias, ms))
        return QString();
    const QDate fecha = Origen().addDays(dias);
    if (!fecha.isValid() || fecha.year() < 1)
        return QString();
    const int64_t hora = ms / 3600000;
    const int64_t minuto = ms / 60000 % 60;
    const int64_t segundo = ms / 1000 % 60;
    const int64_t milesima = ms % 1000;
    const int diaSemana = fecha.dayOfWeek() % 7 + 1;

    QString r;
    // "m" right after an hour (separators and literals between do not
    // count) is minutes, as in "hh:mm".
    bool trasHora = false;
    for (qsizetype i = 0; i < mascara.size();) {
        const QChar c = mascara.at(i);
        if (c == u'"' || c == u'\'') {
            const qsizetype cierre = mascara.indexOf(c, i + 1);
            const qsizetype fin = cierre < 0 ? mascara.size() : cierre;
            r += QStringView(mascara).mid(i + 1, fin - i - 1);
            i = fin + 1;
            continue;
        }
        const QChar letra = c.toLower();
        qsizetype n = 1;
        while (i + n < mascara.size() && mascara.at(i + n).toLower() == letra)
            ++n;

        if (letra == u'd') {
            if (n == 1)
                r += QString::number(fecha.day());
            else if (n == 2)
                r += Cifras(fecha.day(), 2);
            else if (n == 3)
                r += NombreDia(diaSemana).left(3);
            else if (n == 4)
                r += NombreDia(diaSemana);
            else if (n == 5)
                r += FormatearFecha(serial, QStringLiteral("dd/mm/yyyy"));
            else
                r += FormatearFecha(serial, QStringLiteral("dddd, d \"de\" mmmm \"de\" yyyy"));
            trasHora = false;
        } else if (letra == u'm') {
            if (trasHora && n <= 2)
                r += Cifras(minuto, int(n));
            else if (n == 1)
                r += QString::number(fecha.month());
            else if (n == 2)
                r += Cifras(fecha.month(), 2);
            else if (n == 3)
                r += NombreMes(fecha.month()).left(3);
            else
                r += NombreMes(fecha.month());
            trasHora = false;
        } else if (letra == u'y') {
            r += n <= 2 ? Cifras(fecha.year() % 100, 2) : Cifras(fecha.year(), 4);
            trasHora = false;
        } else if (letra == u'h') {
            r += Cifras(hora, n >= 2 ? 2 : 1);
            trasHora = true;
        } else if (letra == u'n') {
            r += Cifras(minuto, n >= 2 ? 2 : 1);
            trasHora = false;
        } else if (letra == u's') {
            r += Cifras(segundo, n >= 2 ? 2 : 1);
            trasHora = false;
        } else if (letra == u'z') {
            r += Cifras(milesima, n >= 3 ? 3 : int(n));
            trasHora = false;
        } else {
            // Separators and any other character are copied one by one.
            r += c;
            n = 1;
        }
        i += n;
    }
    return r;
}

} // namespace Funcion
