// The table of @functions. Each one works on arguments already evaluated
// and never lets an error out: a failure gives the empty text.

#include "Digitos.h"
#include "FechaHora.h"
#include "Formato.h"
#include "FuncionesFormula.h"
#include "Funcion.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace Funcion {

namespace {

const QString kMascaraNumero = QStringLiteral("##0.##########");

// Thrown by a function that cannot give a value; the dispatcher turns it
// into the empty text like any other failure.
struct SinValor : std::runtime_error {
    SinValor() : std::runtime_error("sin valor") {}
};

struct Valor {
    QString texto;
    bool numerico;
};

Valor Texto(const QString &t) { return {t, false}; }
Valor Numero(const QString &t) { return {t, true}; }

// Refuses a result of `largo` characters before it is built.
void ComprobarLargo(qint64 largo)
{
    if (largo > kLargoMaximoFormula)
        throw SinValor();
}

// The leading zeros of @STRZERO and @CONTADOR, with a width that fits.
QString Ceros(qint64 n, qint64 ancho)
{
    ComprobarLargo(ancho);
    return EnteroConCeros(n, int(ancho));
}

using Argumentos = QStringList;
using Implementacion = std::function<Valor(const Argumentos &, int)>;

// The argument a (1-based), empty when the call gave fewer.
QString Arg(const Argumentos &args, int a)
{
    return a <= args.size() ? args.at(a - 1) : QString();
}

int Int(const Argumentos &args, int a) { return TextoAEntero(Arg(args, a)); }
double Num(const Argumentos &args, int a) { return TextoANumero(Arg(args, a)); }

Valor Naf(const Argumentos &args, int)
{
    const QString a = Arg(args, 1);
    const qsizetype barra = a.indexOf(u'/');
    int32_t provincia;
    int32_t numero;
    if (barra >= 0) {
        provincia = TextoAEntero(a.left(barra));
        numero = TextoAEntero(a.mid(barra + 1, 8));
    } else {
        provincia = TextoAEntero(a.left(2));
        numero = TextoAEntero(a.mid(2, 8));
    }
    return Texto(ControlNAF(provincia, numero));
}

Valor Sustituye(const Argumentos &args, int)
{
    const QString s = Arg(args, 1);
    const QString viejo = Arg(args, 2);
    const QString nuevo = Arg(args, 3);
    if (!viejo.isEmpty() && nuevo.size() > viejo.size()) {
        qint64 veces = 0;
        for (qsizetype p = s.indexOf(viejo); p >= 0; p = s.indexOf(viejo, p + viejo.size()))
            ++veces;
        ComprobarLargo(s.size() + veces * (nuevo.size() - viejo.size()));
    }
    return Texto(ReemplazarTexto(s, viejo, nuevo));
}

Valor Substring(const Argumentos &args, int)
{
    const QString s = Arg(args, 1);
    const qint64 inicio = std::max<qint64>(Int(args, 2), 1);
    const qint64 largo = Int(args, 3);
    if (largo <= 0 || inicio > s.size())
        return Texto(QString());
    return Texto(s.mid(qsizetype(inicio - 1), qsizetype(largo)));
}

Valor Repite(const Argumentos &args, int)
{
    const QString s = Arg(args, 1);
    const int veces = Int(args, 2);
    if (veces > 0)
        ComprobarLargo(qint64(s.size()) * veces);
    return Texto(RepetirTexto(s, veces));
}

Valor Resto(const Argumentos &args, int)
{
    const int32_t divisor = Int(args, 2);
    if (divisor == 0)
        throw SinValor();
    return Numero(QString::number(qlonglong(RestoReal(divisor, double(Int(args, 1))))));
}

Valor Redondea(const Argumentos &args, int)
{
    // No double has a significant digit beyond the 340th decimal, so a
    // longer mask would only add placeholders that stay empty.
    const int decimales = std::clamp(Int(args, 2), 0, 340);
    const QString mascara = decimales == 0 ? QStringLiteral("#0")
                                           : QStringLiteral("#0.") + RepetirTexto(QStringLiteral("#"), decimales);
    return Numero(FormatearNumero(Num(args, 1), mascara));
}

Valor EdadFuncion(const Argumentos &args, int)
{
    double fecha;
    if (!TextoAFecha(Arg(args, 1), fecha))
        throw SinValor();
    return Texto(QString::number(Edad(fecha)));
}

Valor Si(const Argumentos &args, int)
{
    const QString valor = Arg(args, 1);
    const QString casos = Arg(args, 2);
    const qsizetype separador = casos.indexOf(u';');
    bool igual;
    if (separador < 0)
        igual = valor == casos;
    else
        igual = valor == casos.left(separador) || valor == casos.mid(separador + 1);
    return Texto(ElegirValor(igual, Arg(args, 3), Arg(args, 4)).toString());
}

Valor Contador(const Argumentos &args, int contador)
{
    const QString mascara = Arg(args, 1);
    const qsizetype marca = mascara.indexOf(u'%');
    if (marca < 0)
        return Texto(QString());
    const qint64 n = qint64(Int(args, 2)) + contador - 1;
    const QString numero = Ceros(n, Int(args, 3));
    ComprobarLargo(qint64(mascara.size()) + numero.size());
    return Texto(mascara.left(marca) + numero + mascara.mid(marca + 1));
}

const QHash<QString, Implementacion> &Tabla()
{
    static const QHash<QString, Implementacion> tabla = {
        {"NULL", [](const Argumentos &, int) { return Texto(QString()); }},
        {"NIF", [](const Argumentos &a, int) { return Texto(LetraNIF(Arg(a, 1))); }},
        {"NAF", Naf},
        {"CCC", [](const Argumentos &a, int) { return Texto(ControlCCC(Arg(a, 1))); }},
        {"FORMATDNI", [](const Argumentos &a, int) { return Texto(FormatoNIF(Arg(a, 1))); }},
        {"TRIM", [](const Argumentos &a, int) { return Texto(CompactarEspacios(Arg(a, 1))); }},
        {"MAYUSCULAS", [](const Argumentos &a, int) { return Texto(Mayusculas(Arg(a, 1), false)); }},
        {"MINUSCULAS", [](const Argumentos &a, int) { return Texto(Minusculas(Arg(a, 1))); }},
        {"SINACENTOS", [](const Argumentos &a, int) { return Texto(QuitarAcentos(Arg(a, 1))); }},
        {"LONG", [](const Argumentos &a, int) { return Numero(QString::number(Arg(a, 1).size())); }},
        {"SUSTITUYE", Sustituye},
        {"PALABRA", [](const Argumentos &a, int) {
             return Texto(ExtraerCampos(Arg(a, 1), QStringLiteral(" "), Int(a, 2), Int(a, 3)));
         }},
        {"SUBSTRING", Substring},
        {"NOMAPE", [](const Argumentos &a, int) { return Texto(NombreApellidos(Arg(a, 1))); }},
        {"APENOM", [](const Argumentos &a, int) { return Texto(ApellidosNombre(Arg(a, 1), Arg(a, 2) == "1")); }},
        {"REPITE", Repite},
        {"STRZERO", [](const Argumentos &a, int) { return Texto(Ceros(Int(a, 1), Int(a, 2))); }},
        {"RESTO", Resto},
        {"ENTERO", [](const Argumentos &a, int) {
             return Numero(FormatearNumero(std::trunc(Num(a, 1)), kMascaraNumero));
         }},
        {"REDONDEA", Redondea},
        {"EDAD", EdadFuncion},
        {"SI", Si},
        {"CONTADOR", Contador},
        {"ENCRIPTA", [](const Argumentos &a, int) { return Texto(Encriptar(Arg(a, 1))); }},
        {"DESENCRIPTA", [](const Argumentos &a, int) { return Texto(Desencriptar(Arg(a, 1))); }},
        {"ENCRIPTAMD5", [](const Argumentos &a, int) { return Texto(EncriptarMD5(Arg(a, 1))); }},
    };
    return tabla;
}

} // namespace

QString AplicarFuncion(const QString &nombre, const QStringList &argumentos, int contador)
{
    const QString vacio = QStringLiteral("''");
    const auto f = Tabla().constFind(nombre);
    if (f == Tabla().constEnd())
        return vacio;
    try {
        const Valor v = (*f)(argumentos, contador);
        if (v.texto.size() + 2 > kLargoMaximoFormula)
            return vacio;
        return v.numerico ? v.texto : QLatin1Char('\'') + v.texto + QLatin1Char('\'');
    } catch (...) {
        // Whatever goes wrong inside a function, the formula goes on with
        // an empty value in its place.
        return vacio;
    }
}

} // namespace Funcion
