// Amounts in Spanish words, in capitals and without accents, as they are
// written on receipts and cheques.

#include "Letras.h"

#include <QStringList>

#include <cmath>

namespace Funcion {

namespace {

constexpr int32_t kMaximo = 999999999;

const char *const kUnidades[] = {"",     "UNA",  "DOS",   "TRES",  "CUATRO",
                                 "CINCO", "SEIS", "SIETE", "OCHO",  "NUEVE"};
const char *const kDiezMas[] = {"DIEZ",    "ONCE",      "DOCE",       "TRECE",     "CATORCE",
                                "QUINCE",  "DIECISEIS", "DIECISIETE", "DIECIOCHO", "DIECINUEVE"};
const char *const kDecenas[] = {"",        "",        "VEINTE",  "TREINTA", "CUARENTA",
                                "CINCUENTA", "SESENTA", "SETENTA", "OCHENTA", "NOVENTA"};
const char *const kCentenas[] = {"",           "CIENTO",    "DOSCIENTOS", "TRESCIENTOS",
                                 "CUATROCIENTOS", "QUINIENTOS", "SEISCIENTOS", "SETECIENTOS",
                                 "OCHOCIENTOS", "NOVECIENTOS"};

enum class Grupo { Millones, Miles, Unidades };

// Words of one three-digit group (0..999) followed by its group name; empty
// for 0. A thousands group of exactly 1 is plain "MIL", never "UN MIL", but
// any other value keeps its "UN" (CIENTO UN MIL, VEINTIUN MIL).
QString TresCifrasALetras(int valor, Grupo grupo)
{
    if (valor == 0)
        return QString();
    if (grupo == Grupo::Miles && valor == 1)
        return QStringLiteral("MIL");

    const int c = valor / 100;
    const int d = valor / 10 % 10;
    const int u = valor % 10;

    QString palabras;
    if (c == 1 && d == 0 && u == 0)
        palabras = QStringLiteral("CIEN");
    else
        palabras = QLatin1String(kCentenas[c]);

    QString resto;
    if (d == 0)
        resto = QLatin1String(kUnidades[u]);
    else if (d == 1)
        resto = QLatin1String(kDiezMas[u]);
    else if (d == 2)
        resto = u == 0 ? QStringLiteral("VEINTE") : QStringLiteral("VEINTI") + QLatin1String(kUnidades[u]);
    else
        resto = QLatin1String(kDecenas[d]) + (u == 0 ? QString() : QStringLiteral(" Y ") + QLatin1String(kUnidades[u]));

    if (!resto.isEmpty())
        palabras += (palabras.isEmpty() ? QString() : QStringLiteral(" ")) + resto;
    // The units table is feminine; every unit this program writes is masculine.
    palabras.replace(QStringLiteral("UNA"), QStringLiteral("UN"));

    switch (grupo) {
    case Grupo::Millones:
        return palabras + QStringLiteral(" ") + (valor == 1 ? QStringLiteral("MILLON") : Plural(QStringLiteral("MILLON")));
    case Grupo::Miles:
        return palabras + QStringLiteral(" MIL");
    case Grupo::Unidades:
        break;
    }
    return palabras;
}

} // namespace

QString Plural(const QString &palabra)
{
    const QString p = palabra.toUpper();
    const QChar ultima = p.isEmpty() ? QChar() : p.back();
    if (ultima == u'A' || ultima == u'E' || ultima == u'I' || ultima == u'O' || ultima == u'U')
        return p + QStringLiteral("S");
    return p + QStringLiteral("ES");
}

QString NumeroALetras(int32_t n, const QString &unidad)
{
    // Outside this range the groups cannot hold the number.
    if (n < 1 || n > kMaximo)
        return QString();

    QStringList grupos;
    for (const QString &g : {TresCifrasALetras(n / 1000000, Grupo::Millones),
                             TresCifrasALetras(n / 1000 % 1000, Grupo::Miles),
                             TresCifrasALetras(n % 1000, Grupo::Unidades)})
        if (!g.isEmpty())
            grupos << g;
    QString r = grupos.join(u' ');

    const QString u = unidad.toUpper();
    if (!u.isEmpty()) {
        if (n % 1000000 == 0)
            r += QStringLiteral(" DE");
        r += QStringLiteral(" ") + (n == 1 ? u : Plural(u));
    }
    return r;
}

QString ImporteALetras(double x)
{
    if (!std::isfinite(x) || x <= 0 || x >= kMaximo + 1.0)
        return QString();

    const int64_t euros = int64_t(std::trunc(x));
    // Cents round half to even after the euros have been cut off, so 1,999
    // reads one euro and a hundred cents: the euros are never rounded up.
    const int64_t centimos = int64_t(std::nearbyint((x - double(euros)) * 100.0));

    QString r;
    if (euros >= 1)
        r = NumeroALetras(int32_t(euros), QStringLiteral("EURO"));
    if (centimos > 0) {
        if (euros > 0)
            r += QStringLiteral(" CON ");
        r += NumeroALetras(int32_t(centimos), QStringLiteral("CENTIMO"));
        if (euros < 1)
            r += QStringLiteral(" DE EURO");
    }
    return r;
}

} // namespace Funcion
