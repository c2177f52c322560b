// Text to number conversions and the calculator's rounding.

#include "Formato.h"
#include "Funcion.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace Funcion {

namespace {

int ValorHex(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Powers of ten in extended precision, exact up to 10^27. Beyond +-4000
// the result leaves every double behind anyway, so the loop is capped.
long double Potencia10(int d)
{
    d = d < -4000 ? -4000 : (d > 4000 ? 4000 : d);
    long double p = 1.0L;
    for (int i = 0; i < (d < 0 ? -d : d); ++i)
        p *= 10.0L;
    return d < 0 ? 1.0L / p : p;
}

} // namespace

int32_t TextoAEntero(const QString &s)
{
    QString t = s;
    t.replace(u'X', u'Z');
    t.remove(u'.');
    t = QuitarEspacios(t);

    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-')) {
        negativo = t.at(i) == u'-';
        ++i;
    }
    int base = 10;
    if (i < t.size() && (t.at(i) == u'$' || t.at(i) == u'x')) {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t.at(i) == u'0' && t.at(i + 1) == u'x') {
        base = 16;
        i += 2;
    }
    if (i >= t.size())
        return 0;

    const int64_t tope = negativo ? int64_t(INT32_MAX) + 1 : INT32_MAX;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        const int digito = ValorHex(t.at(i));
        if (digito < 0 || digito >= base)
            return 0;
        v = v * base + digito;
        if (v > tope)
            return 0;
    }
    return int32_t(negativo ? -v : v);
}

double TextoANumero(const QString &s)
{
    if (QuitarEspacios(s).isEmpty())
        return 0;
    const QString t = QuitarEspacios(QString(s).remove(u'.'));

    // Check the grammar by hand, [sign] digits [, digits] [E [sign] digits],
    // and hand from_chars a C-style copy: it ignores the system locale and
    // never accepts "inf", "nan" or hexadecimal on its own.
    std::string c;
    qsizetype i = 0;
    auto digitos = [&]() {
        qsizetype n = 0;
        while (i < t.size() && t.at(i) >= u'0' && t.at(i) <= u'9') {
            c += char(t.at(i).unicode());
            ++i;
            ++n;
        }
        return n;
    };
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-')) {
        if (t.at(i) == u'-')
            c += '-';
        ++i;
    }
    qsizetype mantisa = digitos();
    if (i < t.size() && t.at(i) == u',') {
        c += '.';
        ++i;
        mantisa += digitos();
    }
    if (mantisa == 0)
        return 0;
    if (i < t.size() && (t.at(i) == u'E' || t.at(i) == u'e')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-'))
            c += char(t.at(i++).unicode());
        if (digitos() == 0)
            return 0;
    }
    if (i != t.size())
        return 0;

    double v = 0;
    const auto res = std::from_chars(c.data(), c.data() + c.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return 0;
    return v;
}

double Redondear(int d, const QString &modo, double x)
{
    const QChar m = modo.isEmpty() ? QChar() : modo.at(0);
    if ((m != u'0' && m != u'5' && m != u'9') || !std::isfinite(x))
        return x;

    const QString g = FormatoGeneral(x);
    const qsizetype coma = g.indexOf(u',');
    qsizetype e = g.indexOf(u'E');
    if (e < 0)
        e = g.size();
    const int k = coma < 0 ? 0 : int(e - coma - 1);

    // The arithmetic mirrors the x87 extended precision of the calculator
    // this program replaces: p is rounded to double once, the sums and the
    // final division are done in long double. Storing p matters: 2,675 is
    // 2,67499999... in binary, x * 100 only becomes 267,5 as a double, and
    // so rounds to 2,68.
    const long double potencia = Potencia10(d);
    const double p = double((long double)x * potencia);

    // Beyond 2^63 the 64-bit truncation has no meaning; such values have
    // no decimals left to round anyway.
    constexpr long double kLimite = 9223372036854775808.0L;
    if (!std::isfinite(p) || std::fabs((long double)p) + 1.0L >= kLimite)
        return x;

    // 0,99...9 with k nines, correctly rounded like the text read as a
    // number (both terms are exact in long double for k <= 19).
    long double c = 0.0L;
    if (k > 0) {
        const long double escala = Potencia10(k);
        c = (escala - 1.0L) / escala;
    }

    long double a = p;
    if (m == u'5')
        a = x >= 0 ? a + 0.5L : a - 0.5L;
    else if (m == u'9')
        a = x >= 0 ? a + c : a - c;
    const int64_t entero = int64_t(a);
    return double((long double)entero / potencia);
}

} // namespace Funcion
