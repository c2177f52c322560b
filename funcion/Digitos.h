#pragma once
// Control characters of Spanish identifiers and bank accounts.

#include <QString>
#include <cstdint>

namespace Funcion {

// Remainder of x (a whole number held in a double) divided by divisor, with
// the sign of x. Throws std::domain_error for a zero divisor or a non-finite x.
int64_t RestoReal(int32_t divisor, double x);
// The control letter of a DNI/NIE number given as text; one blank when none.
QString LetraNIF(const QString &valor);
// The NIF with thousands points, a hyphen and its letter; "- " (after any
// NIE prefix) when the text holds no number.
QString FormatoNIF(const QString &valor);
// Two control digits; empty for a negative number.
QString ControlDNI(int32_t numero);
// Two control digits; empty when provincia is not 0..99 or numero not 0..99999999.
QString ControlNAF(int32_t provincia, int32_t numero);
// "OK", the two correct control digits, or "**".
QString ControlCCC(const QString &cuenta);
// Two digits, or empty when there is nothing to compute or a part does not
// fit its field (provincia 0..99, anyo 0..99 or 1900..9999, numero 0..999999).
QString ControlExpediente(int32_t provincia, int32_t anyo, int32_t numero);
// Two control digits of a Código Cuenta Cotización: provincia 0..99 and an
// account of 1 to 7 digits (shorter than 6 is zero-filled to 6); else empty.
QString ControlCuentaCotizacion(int32_t provincia, const QString &cuenta);
// The two IBAN check digits of an account of any length; empty unless pais
// is two letters and cuenta holds only letters, digits and blanks (skipped).
QString CalculaCodIBAN(const QString &pais, const QString &cuenta);
// A CIF of nine characters with the right control character: a letter after
// K, P, Q, S, C, L or M, a digit after anything else.
bool ComprobarCIF(const QString &cif);

} // namespace Funcion
