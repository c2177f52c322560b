// Numbers as text: the general format and number masks. Both work on the
// 15-significant-digit decimal form of the value, so that 1,005 shows as
// it was typed and rounds as a clerk expects, not as its binary
// approximation 1,00499999... would.

#include "Formato.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace Funcion {

namespace {

constexpr int kCifras = 15;

// |x| (finite, non-zero) as 15 significant digits and the decimal exponent
// of the first one: 1234,5 gives "123450000000000" and 3.
void Descomponer(double x, std::string &cifras, int &exponente)
{
    char buf[64];
    // to_chars never looks at the C locale, unlike printf.
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x),
                                   std::chars_format::scientific, kCifras - 1);
    const std::string t(buf, res.ptr);
    const auto e = t.find('e');
    cifras.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (t[i] != '.')
            cifras += t[i];
    exponente = std::stoi(t.substr(e + 1));
}

QString Latin(const std::string &s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// |x| rounded half away from zero to dec decimals of its 15-digit form:
// integer digits without leading zeros ("" for 0) and exactly dec decimals.
void RedondearDecimal(double x, int dec, std::string &entera, std::string &fraccion)
{
    entera.clear();
    fraccion.assign(std::size_t(dec), '0');
    if (x == 0)
        return;

    std::string cifras;
    int exponente;
    Descomponer(x, cifras, exponente);
    int largoEntero = exponente + 1;
    const long long corte = (long long)largoEntero + dec;
    if (corte < 0)
        return;
    if (corte < kCifras) {
        const bool subir = cifras[std::size_t(corte)] >= '5';
        cifras.resize(std::size_t(corte));
        if (subir) {
            int i = int(corte) - 1;
            while (i >= 0 && cifras[std::size_t(i)] == '9')
                cifras[std::size_t(i--)] = '0';
            if (i >= 0) {
                ++cifras[std::size_t(i)];
            } else {
                cifras.insert(cifras.begin(), '1');
                ++largoEntero;
            }
        }
    }
    const long long total = (long long)largoEntero + dec;
    if ((long long)cifras.size() < total)
        cifras.append(std::size_t(total - (long long)cifras.size()), '0');

    if (largoEntero > 0) {
        entera = cifras.substr(0, std::size_t(largoEntero));
        fraccion = cifras.substr(std::size_t(largoEntero), std::size_t(dec));
    } else {
        fraccion = std::string(std::size_t(-largoEntero), '0') + cifras;
        fraccion.resize(std::size_t(dec));
    }
    const auto primera = entera.find_first_not_of('0');
    entera.erase(0, primera == std::string::npos ? entera.size() : primera);
}

struct Elemento {
    enum Tipo { Entero, Decimal, Coma, Literal } tipo;
    bool obligatorio = false; // "0" rather than "#"
    QString texto;            // for literals
};

struct Mascara {
    std::vector<Elemento> elementos;
    bool millares = false;
    int huecosEnteros = 0;
    int huecosDecimales = 0;
    int minimoEnteros = 0;   // digits from the first integer "0" on
    int minimoDecimales = 0; // decimals up to the last decimal "0"
    bool tieneComa = false;
};

Mascara LeerMascara(const QString &m)
{
    Mascara r;
    bool enDecimales = false;
    int primerCeroEntero = -1;
    for (qsizetype i = 0; i < m.size(); ++i) {
        const QChar c = m.at(i);
        if (c == u'"' || c == u'\'') {
            const qsizetype cierre = m.indexOf(c, i + 1);
            const qsizetype fin = cierre < 0 ? m.size() : cierre;
            r.elementos.push_back({Elemento::Literal, false, m.mid(i + 1, fin - i - 1)});
            i = fin;
        } else if (c == u'0' || c == u'#') {
            const bool cero = c == u'0';
            if (enDecimales) {
                ++r.huecosDecimales;
                if (cero)
                    r.minimoDecimales = r.huecosDecimales;
                r.elementos.push_back({Elemento::Decimal, cero, {}});
            } else {
                if (cero && primerCeroEntero < 0)
                    primerCeroEntero = r.huecosEnteros;
                ++r.huecosEnteros;
                r.elementos.push_back({Elemento::Entero, cero, {}});
            }
        } else if (c == u'.') {
            // Only the first point places the decimal comma; a later one
            // (the tape appends one for values in exponent form) just lets
            // the decimal section go on.
            if (!enDecimales) {
                enDecimales = true;
                r.tieneComa = true;
                r.elementos.push_back({Elemento::Coma, false, {}});
            }
        } else if (c == u',') {
            r.millares = true;
        } else {
            r.elementos.push_back({Elemento::Literal, false, QString(c)});
        }
    }
    if (primerCeroEntero >= 0)
        r.minimoEnteros = r.huecosEnteros - primerCeroEntero;
    return r;
}

} // namespace

QString FormatoGeneral(double x)
{
    if (!std::isfinite(x) || x == 0)
        return QStringLiteral("0");

    std::string cifras;
    int exponente;
    Descomponer(x, cifras, exponente);
    cifras.erase(cifras.find_last_not_of('0') + 1);

    std::string r = x < 0 ? "-" : "";
    if (exponente >= kCifras || exponente < -5) {
        r += cifras[0];
        if (cifras.size() > 1)
            r += ',' + cifras.substr(1);
        r += 'E' + std::to_string(exponente);
    } else if (exponente < 0) {
        r += "0," + std::string(std::size_t(-exponente - 1), '0') + cifras;
    } else {
        const std::size_t largoEntero = std::size_t(exponente) + 1;
        if (cifras.size() <= largoEntero) {
            r += cifras + std::string(largoEntero - cifras.size(), '0');
        } else {
            r += cifras.substr(0, largoEntero) + ',' + cifras.substr(largoEntero);
        }
    }
    return Latin(r);
}

QString FormatearNumero(double x, const QString &mascara)
{
    // Beyond 18 integer digits a mask has nothing sensible to show.
    if (mascara.isEmpty() || !std::isfinite(x) || std::fabs(x) >= 1e18)
        return FormatoGeneral(x);

    const Mascara m = LeerMascara(mascara);
    std::string entera, fraccion;
    RedondearDecimal(x, m.huecosDecimales, entera, fraccion);
    const bool esCero = entera.empty() && fraccion.find_first_not_of('0') == std::string::npos;

    std::size_t largoFraccion = fraccion.size();
    while (largoFraccion > std::size_t(m.minimoDecimales) && fraccion[largoFraccion - 1] == '0')
        --largoFraccion;
    fraccion.resize(largoFraccion);
    if (entera.size() < std::size_t(m.minimoEnteros))
        entera.insert(0, std::size_t(m.minimoEnteros) - entera.size(), '0');

    QString r;
    if (x < 0 && !esCero)
        r += u'-';

    const long long n = (long long)entera.size();
    auto ponerCifra = [&](long long j) {
        r += QChar::fromLatin1(entera[std::size_t(j)]);
        const long long quedan = n - 1 - j;
        if (m.millares && quedan > 0 && quedan % 3 == 0)
            r += u'.';
    };
    // The integer digits fill the integer placeholders from the right; any
    // that do not fit go in front, at the first placeholder.
    const long long desfase = n - m.huecosEnteros;
    int hueco = 0;
    int decimal = 0;
    for (const Elemento &e : m.elementos) {
        switch (e.tipo) {
        case Elemento::Entero:
            for (long long j = hueco == 0 ? 0 : desfase + hueco; j <= desfase + hueco; ++j)
                if (j >= 0)
                    ponerCifra(j);
            ++hueco;
            break;
        case Elemento::Coma:
            if (m.huecosEnteros == 0)
                for (long long j = 0; j < n; ++j)
                    ponerCifra(j);
            if (!fraccion.empty())
                r += u',';
            break;
        case Elemento::Decimal:
            if (std::size_t(decimal) < fraccion.size())
                r += QChar::fromLatin1(fraccion[std::size_t(decimal)]);
            ++decimal;
            break;
        case Elemento::Literal:
            r += e.texto;
            break;
        }
    }
    return r;
}

} // namespace Funcion
