#include "LineasTira.h"

#include "FechaHora.h"
#include "Formato.h"
#include "Funcion.h"

using namespace Funcion;

namespace Tira {

QString LineaBlanco() { return QStringLiteral(" "); }
QString LineaError() { return QString(16, QLatin1Char(' ')) + QStringLiteral("ERROR  "); }
QString LineaTilde() { return QStringLiteral("~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~"); }
QString LineaTildeHora() { return QStringLiteral("~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~"); }
QString LineaRaya() { return QStringLiteral("   ") + QString(21, QLatin1Char('_')); }
QString LineaRayaFecha() { return QString(8, QLatin1Char(' ')) + QString(16, QLatin1Char('_')); }
QString LineaCuenta(int sumandos) { return QStringLiteral("CNT: ") + QString::number(sumandos); }

QString Relleno(int k) { return RellenarDcha(QStringLiteral(" "), k, false); }

QString LineaValor(const QString &numero, QChar marca)
{
    return Relleno(Ancho - numero.length()) + numero + QLatin1Char(' ') + marca;
}

QString MascaraCompleta(const QString &g)
{
    QString mascara = QStringLiteral("#,##0");
    const int coma = g.indexOf(QLatin1Char(','));
    if (coma >= 0)
        mascara += QLatin1Char('.') + QString(g.length() - coma - 1, QLatin1Char('#'));
    const int e = g.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        const int k = TextoAEntero(g.mid(e + 2));
        mascara += QLatin1Char('.') + QString(qMax(0, k), QLatin1Char('#'));
    }
    return mascara;
}

QStringList LineasCalculadora(QChar marca, double valor, const EstadoCalculadora &estado)
{
    const QString g = FormatoGeneral(valor);
    switch (marca.unicode()) {
    case ' ': return {LineaBlanco()};
    case 'E': return {LineaError()};
    case 'F': return {LineaTilde()};
    case '_': return {LineaRaya()};
    case 'N': return {LineaCuenta(estado.sumandos)};
    case 'T': {
        const QString mascara = estado.flotante ? MascaraCompleta(g) : estado.mascara;
        return {LineaValor(FormatearNumero(valor, mascara), marca), LineaCuenta(estado.sumandos)};
    }
    default: {
        const int coma = g.indexOf(QLatin1Char(','));
        const bool todosLosDecimales = coma >= 0 && g.length() - coma - 1 >= estado.decimales;
        const QString mascara = (todosLosDecimales || estado.flotante) ? MascaraCompleta(g) : estado.mascara;
        return {LineaValor(FormatearNumero(valor, mascara), marca)};
    }
    }
}

QStringList LineasFechas(const QString &texto, QChar marca, const EstadoFechas &estado, double *fecha)
{
    double serial = 0;
    QString d;
    if (TextoAFecha(texto, serial))
        d = FormatearFecha(serial, QStringLiteral("dd/mm/yyyy"));
    else
        serial = 0;
    if (fecha)
        *fecha = serial;

    const QString e = FormatearNumero(TextoAEntero(texto), QStringLiteral("#,##0"));
    QString b;
    if (marca == QLatin1Char('C'))
        b = QStringLiteral("Cf.: ") + estado.coeficiente;
    else if (marca == QLatin1Char('K'))
        b = texto;
    else if (marca == QLatin1Char('M'))
        b = QStringLiteral("X 1,5 ");
    QString f;
    if (estado.ambosInc)
        f += QLatin1Char('A');
    if (estado.habiles)
        f += QLatin1Char('H');
    if (estado.sabadosNo)
        f += QLatin1Char('S');

    switch (marca.unicode()) {
    case ' ': return {LineaBlanco()};
    case 'B': return {Relleno(21) + QStringLiteral("0 C")};
    case 'C':
    case 'M': return {QLatin1Char(' ') + b + Relleno(Ancho - b.length() - e.length() - 1) + e + QLatin1Char(' ') + marca};
    case 'D': return {Relleno(Ancho - d.length()) + d + QStringLiteral(" F")};
    case 'E': return {LineaError()};
    case 'F': return {LineaTilde()};
    case 'K': return {Relleno(Ancho - b.length()) + b};
    case 'N': return {LineaCuenta(estado.sumandos)};
    case 'Q': return {f + Relleno(Ancho - d.length() - f.length()) + d + QStringLiteral(" F")};
    case 'R': return {f + Relleno(Ancho - e.length() - f.length()) + e + QStringLiteral(" R")};
    case 'T': return {Relleno(Ancho - e.length()) + e + QStringLiteral(" T"), QString(), LineaCuenta(estado.sumandos)};
    case '_': return {LineaRayaFecha()};
    default: return {LineaValor(e, marca)};
    }
}

QStringList LineasTiempo(const QString &texto, QChar marca, const EstadoTiempo &estado, QString *resultado)
{
    double hora = 0;
    if (!TextoAHora(texto, hora))
        hora = 0;
    const QString t = FormatearFecha(hora, QStringLiteral("hh:mm:ss"));
    QString r;
    if (marca == QLatin1Char('T'))
        r = estado.totalHoras;
    else if (marca == QLatin1Char('S') || marca == QLatin1Char('L') || marca == QLatin1Char('M'))
        r = texto;
    if (resultado)
        *resultado = r;

    switch (marca.unicode()) {
    case ' ': return {LineaBlanco()};
    case 'E': return {LineaError()};
    case 'F': return {LineaTildeHora()};
    case 'L': return {QStringLiteral("Lap  ") + Relleno(Ancho - r.length() - 5) + r + QStringLiteral(" L")};
    case 'M': {
        const QString i = QString::number(estado.marcas);
        return {QStringLiteral("Marca ") + Relleno(3 - i.length()) + i + QLatin1Char('=') + texto + QStringLiteral(" M")};
    }
    case 'N': return {LineaCuenta(estado.sumandos)};
    case 'S': return {QStringLiteral("Stop ") + Relleno(Ancho - r.length() - 5) + r + QStringLiteral(" S")};
    case 'T': return {Relleno(Ancho - r.length()) + r + QStringLiteral(" T"), LineaCuenta(estado.sumandos)};
    case '_': return {LineaRayaFecha()};
    default: return {LineaValor(t, marca)};
    }
}

QString LineaSubtotalHoras(const QString &totalHoras)
{
    return Relleno(Ancho - totalHoras.length()) + totalHoras + QStringLiteral(" S");
}

} // namespace Tira
