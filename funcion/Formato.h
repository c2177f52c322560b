#pragma once
// Number to text: the general format and number masks.

#include <QString>

namespace Funcion {

// Shortest text of up to 15 significant digits, decimal comma, no thousands
// points; exponent form ("1E15", "1,5E-7") at or above 1E15 and below 1E-5
// in magnitude. Never "-0". Non-finite values give "0".
QString FormatoGeneral(double x);

// x formatted with a number mask: "0" required digit, "#" optional digit,
// the first "." is the decimal comma (later ones are ignored, so their
// placeholders extend the decimals), a "," anywhere asks for thousands
// points, text inside "..." or '...' and anything else is literal. An empty
// mask, or a value of 1E18 or more in magnitude, gives the general format.
// A mask without any "0" gives the empty text for 0. Rounds half away from
// zero on the 15-significant-digit decimal form; never "-0,00".
QString FormatearNumero(double x, const QString &mascara);

} // namespace Funcion
