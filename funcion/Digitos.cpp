// Control characters of Spanish identifiers and bank accounts. The modulo-97
// controls work on the digit text itself, so no length can overflow.

#include "Digitos.h"

#include "Formato.h"
#include "Funcion.h"

#include <cmath>
#include <stdexcept>

namespace Funcion {

namespace {

const QString kLetrasNIF = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
const QString kLetrasCIF = QStringLiteral("KPQSCKLM");

bool EsDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool EsLetra(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// A text of decimal digits modulo 97, by long division in chunks of nine
// digits: the partial remainder times 10^9 plus a chunk stays within 64 bits.
int Resto97(const QString &cifras)
{
    int64_t resto = 0;
    for (qsizetype i = 0; i < cifras.size(); i += 9) {
        const QString trozo = cifras.mid(i, 9);
        int64_t valor = 0;
        int64_t escala = 1;
        for (const QChar c : trozo) {
            valor = valor * 10 + (c.unicode() - u'0');
            escala *= 10;
        }
        resto = (resto * escala + valor) % 97;
    }
    return int(resto);
}

// The control of a digit text: its remainder modulo 97 in two digits.
QString Control97(const QString &cifras)
{
    return EnteroConCeros(Resto97(cifras), 2);
}

// Weighted sum of bank-account digits (weights from the rightmost digit
// leftwards), folded into one control digit.
int DigitoCCC(const QString &cifras)
{
    static const int pesos[] = {6, 3, 7, 9, 10, 5, 8, 4, 2, 1};
    int suma = 0;
    for (qsizetype i = 0; i < cifras.size(); ++i)
        suma += TextoAEntero(cifras.at(cifras.size() - 1 - i)) * pesos[i];
    const int c = 11 - suma % 11;
    return c == 10 ? 1 : (c == 11 ? 0 : c);
}

} // namespace

int64_t RestoReal(int32_t divisor, double x)
{
    if (divisor == 0)
        throw std::domain_error("RestoReal: divisor 0");
    if (!std::isfinite(x))
        throw std::domain_error("RestoReal: dividendo no finito");
    // fmod is exact for every finite double, however large, and keeps the
    // sign of x; the result is below |divisor| and so fits.
    return int64_t(std::trunc(std::fmod(x, double(divisor))));
}

QString LetraNIF(const QString &valor)
{
    QString t = valor.toUpper();
    t.remove(u'-');
    t.remove(u'.');
    t.remove(u',');
    if (t.startsWith(QStringLiteral("0X")) || t.startsWith(QStringLiteral("0Y"))
        || t.startsWith(QStringLiteral("0Z")))
        t = t.mid(1, 10);
    // An NIE letter stands for a leading digit: X 0, Y 1, Z 2.
    if (t.startsWith(u'X'))
        t = t.mid(1, 10);
    else if (t.startsWith(u'Y'))
        t = QStringLiteral("1") + EnteroConCeros(TextoAEntero(t.mid(1, 10)), 7);
    else if (t.startsWith(u'Z'))
        t = QStringLiteral("2") + EnteroConCeros(TextoAEntero(t.mid(1, 10)), 7);

    const int32_t n = TextoAEntero(t);
    if (n <= 0 || n == 10000000 || n == 20000000)
        return QStringLiteral(" ");
    return kLetrasNIF.at(n % 23);
}

QString FormatoNIF(const QString &valor)
{
    QString t = valor.toUpper();
    QString r;
    QString prefijo;
    if (!t.isEmpty() && (t.at(0) == u'X' || t.at(0) == u'Y' || t.at(0) == u'Z')) {
        prefijo = t.left(1);
        r = prefijo + QStringLiteral("-");
        t = t.mid(1, 10);
    }
    for (const QChar c : {u'-', u'/', u'.', u','})
        t.remove(c);
    // A control letter typed by the user is replaced by the computed one.
    if (!t.isEmpty() && EsLetra(t.back()))
        t.chop(1);

    // An unreadable number leaves "#,###" empty and the letter blank, so the
    // result then reads "- " (or "X-- "), telling the caller there was none.
    return r + FormatearNumero(TextoAEntero(t), QStringLiteral("#,###")) + QStringLiteral("-")
        + LetraNIF(prefijo + t);
}

QString ControlDNI(int32_t numero)
{
    if (numero < 0)
        return QString();
    return EnteroConCeros(numero % 97, 2);
}

QString ControlNAF(int32_t provincia, int32_t numero)
{
    if (provincia < 0 || provincia > 99 || numero < 0 || numero > 99999999)
        return QString();
    return Control97(EnteroConCeros(provincia, 2)
                     + EnteroConCeros(numero, numero < 10000000 ? 7 : 8));
}

QString ControlCCC(const QString &cuenta)
{
    QString oficina;
    QString dc;
    QString numero;
    if (cuenta.size() == 20) {
        oficina = cuenta.left(8);
        dc = cuenta.mid(8, 2);
        numero = cuenta.mid(10, 10);
    } else if (cuenta.size() == 23) {
        // Three separators of any kind, at positions 5, 10 and 13.
        oficina = cuenta.left(4) + cuenta.mid(5, 4);
        dc = cuenta.mid(10, 2);
        numero = cuenta.mid(13, 10);
    } else {
        return QStringLiteral("**");
    }
    const QString calculado = QString::number(DigitoCCC(oficina)) + QString::number(DigitoCCC(numero));
    return calculado == dc ? QStringLiteral("OK") : calculado;
}

QString ControlExpediente(int32_t provincia, int32_t anyo, int32_t numero)
{
    const bool anyoValido = (anyo >= 0 && anyo <= 99) || (anyo >= 1900 && anyo <= 9999);
    if (provincia < 0 || provincia > 99 || numero < 0 || numero > 999999 || !anyoValido)
        return QString();

    if (anyo >= 1900 && anyo <= 1999)
        anyo -= 1900;
    // Years of the last century enter with two digits, from 2000 on with four:
    // 00 to 19 are 2000 to 2019, and a four-digit year is taken as it stands.
    QString parteAnyo;
    if (anyo >= 2000)
        parteAnyo = EnteroConCeros(anyo, 4);
    else if (anyo >= 20)
        parteAnyo = EnteroConCeros(anyo, 2);
    else
        parteAnyo = EnteroConCeros(anyo + 2000, 4);

    if (anyo == 0 && numero == 0)
        return QString();
    return Control97(EnteroConCeros(provincia, 2) + parteAnyo + EnteroConCeros(numero, 6));
}

QString ControlCuentaCotizacion(int32_t provincia, const QString &cuenta)
{
    const QString c = QuitarEspacios(cuenta);
    if (provincia < 0 || provincia > 99 || c.isEmpty() || c.size() > 7)
        return QString();
    for (const QChar ch : c)
        if (!EsDigito(ch))
            return QString();
    // The account keeps its own leading zeros; a short one is filled to six.
    const QString numero = c.size() < 6 ? QString(6 - c.size(), u'0') + c : c;
    return Control97(EnteroConCeros(provincia, 2) + numero);
}

QString CalculaCodIBAN(const QString &pais, const QString &cuenta)
{
    const QString p = pais.toUpper();
    if (p.size() != 2 || !EsLetra(p.at(0)) || !EsLetra(p.at(1)))
        return QString();

    // ISO 7064 MOD 97-10: the account, then the country, then "00" for the
    // check digits, every letter written as its value 10 (A) to 35 (Z).
    QString cifras;
    for (const QChar c : cuenta.toUpper()) {
        if (c == u' ')
            continue;
        if (EsDigito(c))
            cifras += c;
        else if (EsLetra(c))
            cifras += QString::number(c.unicode() - 55);
        else
            return QString();
    }
    for (const QChar c : p)
        cifras += QString::number(c.unicode() - 55);
    cifras += QStringLiteral("00");

    return EnteroConCeros(98 - Resto97(cifras), 2);
}

bool ComprobarCIF(const QString &cif)
{
    // The first character only chooses between a control letter and a
    // control digit; anything outside the letter set, a digit too, takes a digit.
    const QString t = cif.toUpper();
    if (t.size() != 9)
        return false;

    int suma = 0;
    for (int pos = 2; pos <= 8; ++pos) {
        const QChar c = t.at(pos - 1);
        if (!EsDigito(c))
            return false;
        const int d = c.unicode() - u'0';
        if (pos % 2 == 1) {
            suma += d;
        } else {
            const int doble = 2 * d;
            suma += doble % 10 + doble / 10;
        }
    }
    const int control = 10 - suma % 10;

    const QChar novena = t.at(8);
    if (kLetrasCIF.contains(t.at(0)))
        return novena == QChar(u'@' + control);
    return novena == QChar(u'0' + control % 10);
}

} // namespace Funcion
