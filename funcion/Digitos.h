#pragma once
// Control characters of Spanish identifiers and bank accounts.

#include <QString>
#include <cstdint>

namespace Funcion {

// Remainder of x (a whole number held in a double) divided by divisor.
int64_t RestoReal(int32_t divisor, double x);
// The control letter of a DNI/NIE number given as text; one blank when none.
QString LetraNIF(const QString &valor);
// The NIF with thousands points, a hyphen and its letter.
QString FormatoNIF(const QString &valor);
// Two control digits.
QString ControlDNI(int32_t numero);
QString ControlNAF(int32_t provincia, int32_t numero);
// "OK", the two correct control digits, or "**".
QString ControlCCC(const QString &cuenta);
// Two digits, or empty.
QString ControlExpediente(int32_t provincia, int32_t anyo, int32_t numero);
// The two IBAN check digits of an account of any length.
QString CalculaCodIBAN(const QString &pais, const QString &cuenta);
bool ComprobarCIF(const QString &cif);

} // namespace Funcion
