#pragma once
// Dates and times as day serials: the whole part counts days since
// 30/12/1899, the fraction is the time of day.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace Funcion {

double FechaASerial(const QDate &d);
double FechaHoraASerial(const QDateTime &dt);
// The fraction is rounded to the millisecond before the split, so a time a
// hair before midnight belongs to the next day. Non-finite or absurd
// serials give an invalid date or time.
QDate SerialAFecha(double serial);
QTime SerialAHora(double serial);
// 1 Sunday .. 7 Saturday; 0 for a serial that is no date.
int DiaSemana(double serial);
// Today's date as a serial without time.
double Hoy();

// Date of a text "d/m/y" (1..4 digit year; years of one or two digits fall
// within 50 years back and 49 ahead of the current one), optionally followed
// by a blank and a time. Blanks and "_" of an entry mask are ignored.
// Impossible dates (31/02/2024) and the year 0 are refused.
bool TextoAFecha(const QString &s, double &serial);
// Time of day of a text "h", "h:m", "h:m:s" or "h:m:s:z" (z milliseconds);
// a bare number is whole hours. Refuses out-of-range parts.
bool TextoAHora(const QString &s, double &serial);

// Serial formatted with a date/time mask: d dd ddd dddd m mm mmm mmmm yy yyyy
// h hh n nn s ss z zz zzz (any case; ddddd is dd/mm/yyyy, zz pads the
// milliseconds to two digits), "m" after h/hh is minutes, "/" and ":"
// separators, text inside "..." or '...' literal. Spanish day and month
// names. Empty for a serial that is no date.
QString FormatearFecha(double serial, const QString &mascara);

} // namespace Funcion
