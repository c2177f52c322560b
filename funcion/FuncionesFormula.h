#pragma once
// The @functions of the formula language and the text helpers only they use:
// accents and case of the code-page-1252 letters, personal names, age,
// the reversible scrambling and the MD5 digest.

#include <QDate>
#include <QString>
#include <QStringList>

namespace Funcion {

// No text built by a formula grows beyond this many characters: a longer
// function result counts as a failure of the function, a longer formula
// or intermediate text as a faulty expression.
constexpr qsizetype kLargoMaximoFormula = 1 << 20;

// Up to this many arguments of a call are evaluated and passed on; the
// functions need four at most, further ones are ignored.
constexpr int kArgumentosMaximos = 10;

// The value of @nombre (upper case, without "@") applied to arguments that
// are already evaluated, as it goes back into the formula: numbers bare,
// texts in single quotes. Unknown names and failing functions give "''".
QString AplicarFuncion(const QString &nombre, const QStringList &argumentos, int contador);

// Á À É È Í Ì Ó Ò Ú Ù and their small forms lose the accent; Ñ, Ç, Ü stay.
QString QuitarAcentos(const QString &s);
// Capitals with the Spanish letters ñ and ç; accents kept as capitals, or
// dropped when sinAcentos is set. Other letters (ü, â...) stay as they are.
QString Mayusculas(const QString &s, bool sinAcentos);
// Small letters with the accented capitals and Ñ; Ç is not lowered.
QString Minusculas(const QString &s);

// "GARCIA LOPEZ, JUAN" or "GARCIA LOPEZ JUAN" to "JUAN GARCIA LOPEZ".
QString NombreApellidos(const QString &s);
// "JUAN GARCIA LOPEZ" to "GARCIA LOPEZ, JUAN" (conComa) or "GARCIA LOPEZ JUAN".
QString ApellidosNombre(const QString &s, bool conComa);

// Completed years from nacimiento to hoy; a birthday on hoy counts.
int Edad(const QDate &nacimiento, const QDate &hoy);
// Completed years from the date serial to today.
int Edad(double fecha);

// The scrambling key: the digits 3 to 10 of (s + base) * multiplier, where
// s (1..62) is a check value of the text. The product has eleven digits
// for every s, so those eight digits always exist.
constexpr qint64 kBaseEncriptado = 613;
constexpr qint64 kMultiplicadorEncriptado = 58372941;

// Reversible scrambling of a text into digits and ASCII letters, one
// character longer than the text; characters it cannot carry become "^".
QString Encriptar(const QString &s);
// The capitalised, unaccented text given to Encriptar.
QString Desencriptar(const QString &s);
// The eight key digits for the check value s.
QString ClaveEncriptado(int s);
// MD5 of the code-page-1252 bytes of the trimmed text, 32 capital hex digits.
QString EncriptarMD5(const QString &s);

} // namespace Funcion
