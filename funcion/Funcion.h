#pragma once
// The program's function library: small text and number helpers shared by
// every window. Texts are QString (one QChar per code-page-1252 character),
// positions are 1-based, and numbers use the decimal comma.

#include <QString>
#include <QVariant>
#include <cstdint>

namespace Funcion {

// The text without leading and trailing blanks (space only, never tabs).
QString QuitarEspacios(const QString &s);
// Trimmed, with every inner run of blanks reduced to one blank.
QString CompactarEspacios(const QString &s);
// The text without trailing blanks.
QString QuitarEspaciosDcha(const QString &s);
// Fields first..first+count-1 of s split by sep, joined by sep; empty fields
// add nothing until a non-empty one has been taken. A one-blank sep splits
// words (runs of blanks count as one).
QString ExtraerCampos(const QString &s, const QString &sep, int first, int count);

// 32-bit integer of a text ("X" never a hex prefix, points dropped); 0 when not one.
int32_t TextoAEntero(const QString &s);
// Double of a text with the decimal comma (points dropped); 0 when not a number.
double TextoANumero(const QString &s);

// Decimal text right-aligned with blanks in a field of width (never cut).
QString EnteroATexto(int64_t n, int width);
// Decimal text with leading zeros, exactly width characters long.
QString EnteroConCeros(int64_t n, int width);
// s (cut to width first when cut is set) padded on the right with blanks to width.
QString RellenarDcha(const QString &s, int width, bool cut);
// s padded on the left with blanks to width.
QString RellenarIzda(const QString &s, int width);
// count copies of s; empty for count <= 0.
QString RepetirTexto(const QString &s, int count);
// Every non-overlapping occurrence of old replaced by repl, left to right.
QString ReemplazarTexto(const QString &s, const QString &old, const QString &repl);
// A copy of a when flag is set, else of b.
QVariant ElegirValor(bool flag, const QVariant &a, const QVariant &b);

// x rounded to d decimals: mode "0" truncates, "5" half away from zero,
// "9" away from zero; any other mode returns x unchanged.
double Redondear(int d, const QString &modo, double x);

} // namespace Funcion
