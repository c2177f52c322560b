#pragma once
// Amounts written out in Spanish words, upper case.

#include <QString>
#include <cstdint>

namespace Funcion {

// n (1..999.999.999) in words followed by the unit name, upper-cased;
// empty outside that range.
QString NumeroALetras(int32_t n, const QString &unidad);
// An amount in euros and cents in words; empty for 0, negatives and from
// 1.000.000.000 on.
QString ImporteALetras(double x);
// The word in capitals plus "S" after a vowel A, E, I, O, U, else plus "ES".
QString Plural(const QString &palabra);

} // namespace Funcion
