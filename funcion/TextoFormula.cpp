// Text helpers of the @functions: accents and case of the code-page-1252
// letters, personal names, age, scrambling and the MD5 digest.

#include "FechaHora.h"
#include "FuncionesFormula.h"
#include "Funcion.h"

#include <QCryptographicHash>
#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <stdexcept>

namespace Funcion {

namespace {

// Small and capital forms of the accented vowels, in matching order.
const QString kConAcentoMin = QStringLiteral(u"áàéèíìóòúù");
const QString kConAcentoMay = QStringLiteral(u"ÁÀÉÈÍÌÓÒÚÙ");
const QString kSinAcentoMin = QStringLiteral(u"aaeeiioouu");
const QString kSinAcentoMay = QStringLiteral(u"AAEEIIOOUU");

// Replaces every character of s found in de by the one at the same index of a.
QString Traducir(const QString &s, const QString &de, const QString &a)
{
    QString r = s;
    for (QChar &c : r) {
        const qsizetype i = de.indexOf(c);
        if (i >= 0)
            c = a.at(i);
    }
    return r;
}

// Alphabet of the clear text and alphabet of the scrambled text.
const QString kAlfabetoA = QStringLiteral(u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                          u" !\"#$%&'()*+,-./:;<=>?@_ÑÇ");
const QString kAlfabetoB = QStringLiteral(u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                          u"abcdefghijklmnopqrstuvwxyz");

// The code-page-1252 byte of a character; "?" for one the code page lacks,
// as the encoder writes it. The table comes from Qt's own decoder.
int Codigo1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    static const QHash<char16_t, int> fueraDeLatin1 = [] {
        QHash<char16_t, int> h;
        QStringDecoder dec("windows-1252");
        for (int b = 0x80; b < 0xA0; ++b) {
            const char byte = char(b);
            const QString t = dec.decode(QByteArrayView(&byte, 1));
            if (t.size() == 1 && t.at(0).unicode() >= 0x100)
                h.insert(t.at(0).unicode(), b);
        }
        return h;
    }();
    return fueraDeLatin1.value(u, '?');
}

} // namespace

QString QuitarAcentos(const QString &s)
{
    return Traducir(Traducir(s, kConAcentoMin, kSinAcentoMin), kConAcentoMay, kSinAcentoMay);
}

QString Mayusculas(const QString &s, bool sinAcentos)
{
    QString r = sinAcentos ? QuitarAcentos(s) : Traducir(s, kConAcentoMin, kConAcentoMay);
    for (QChar &c : r) {
        if (c == u'ñ')
            c = u'Ñ';
        else if (c == u'ç')
            c = u'Ç';
        else if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return r;
}

QString Minusculas(const QString &s)
{
    QString r = Traducir(s, kConAcentoMay, kConAcentoMin);
    for (QChar &c : r) {
        if (c == u'Ñ')
            c = u'ñ';
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return r;
}

QString NombreApellidos(const QString &s)
{
    const QString t = CompactarEspacios(s);
    qsizetype corte = t.indexOf(u',');
    if (corte < 0) {
        const qsizetype primero = t.indexOf(u' ');
        const qsizetype segundo = primero < 0 ? -1 : t.indexOf(u' ', primero + 1);
        corte = segundo < 0 ? t.size() : segundo + 1;
    }
    QString r = t.mid(corte) + u' ' + t.left(corte);
    r.remove(u',');
    return QuitarEspacios(r);
}

QString ApellidosNombre(const QString &s, bool conComa)
{
    const QString t = CompactarEspacios(s);
    const qsizetype ultimo = t.lastIndexOf(u' ');
    const qsizetype corte = ultimo <= 0 ? -1 : t.lastIndexOf(u' ', ultimo - 1);
    // Without a name part there is nothing to separate: no dangling ", ".
    if (corte < 0)
        return t;
    return t.mid(corte + 1) + (conComa ? QStringLiteral(", ") : QStringLiteral(" ")) + t.left(corte);
}

int Edad(const QDate &nacimiento, const QDate &hoy)
{
    int anos = hoy.year() - nacimiento.year();
    if (hoy.month() < nacimiento.month()
        || (hoy.month() == nacimiento.month() && hoy.day() < nacimiento.day()))
        --anos;
    return anos;
}

int Edad(double fecha)
{
    const QDate d = SerialAFecha(fecha);
    if (!d.isValid())
        throw std::invalid_argument("fecha no válida");
    return Edad(d, SerialAFecha(Hoy()));
}

QString ClaveEncriptado(int s)
{
    // A text whose last character is not a scrambled one gives s = 0, and
    // the product keeps its eleven digits then too.
    const QString producto = QString::number((qint64(s) + kBaseEncriptado) * kMultiplicadorEncriptado);
    return producto.mid(2, 8);
}

QString Encriptar(const QString &s)
{
    const QString t = Mayusculas(s, true);
    qint64 suma = 0;
    for (qsizetype i = 0; i < t.size(); ++i)
        suma += i + 3 * Codigo1252(t.at(i)) + 1;
    const int control = int(suma % 62) + 1;
    const QString clave = ClaveEncriptado(control);

    QString r;
    r.reserve(t.size() + 1);
    for (qsizetype i = 0; i < t.size(); ++i) {
        const qsizetype p = kAlfabetoA.indexOf(t.at(i)) + 1;
        if (p == 0) {
            r += u'^';
            continue;
        }
        const int d = clave.at((i + 1) % 8).digitValue();
        r += kAlfabetoB.at((d + i + p + 17) % 62);
    }
    r += kAlfabetoB.at(control - 1);
    return r;
}

QString Desencriptar(const QString &s)
{
    if (s.isEmpty())
        return QString();
    const int control = int(kAlfabetoB.indexOf(s.back()) + 1);
    const QString clave = ClaveEncriptado(control);

    QString r;
    r.reserve(s.size() - 1);
    for (qsizetype i = 1; i < s.size(); ++i) {
        const qsizetype q = kAlfabetoB.indexOf(s.at(i - 1)) + 1;
        if (q == 0) {
            r += u'^';
            continue;
        }
        const int d = clave.at(i % 8).digitValue();
        qint64 k = (q + 44 - i - d) % 62;
        if (k < 0)
            k += 62;
        r += kAlfabetoA.at(k);
    }
    return r;
}

QString EncriptarMD5(const QString &s)
{
    QStringEncoder enc("windows-1252");
    const QByteArray bytes = enc.encode(QuitarEspacios(s));
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toUpper());
}

} // namespace Funcion
