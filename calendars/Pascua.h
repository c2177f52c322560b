#pragma once
// The dates Spain keeps as holidays everywhere, year by year.

#include <QDate>
#include <QList>

namespace Calendarios {

// Easter Sunday of a Gregorian year (the anonymous Gregorian algorithm);
// invalid before 1583, when that calendar was not yet in use.
QDate DomingoDePascua(int anio);

// The nationwide holidays of a year, by date: 1 and 6 January, Good Friday,
// 1 May, 15 August, 12 October, 1 November, 6 and 8 December, 25 December.
// Empty when Easter cannot be computed for the year.
QList<QDate> FestivosNacionales(int anio);

} // namespace Calendarios
