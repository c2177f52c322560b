// Text helpers of the function library. A blank is the space character
// only: tabs and other white space are ordinary characters here.

#include "Funcion.h"

namespace Funcion {

namespace {

const QChar kBlanco(u' ');

} // namespace

QString QuitarEspacios(const QString &s)
{
    qsizetype ini = 0;
    qsizetype fin = s.size();
    while (ini < fin && s.at(ini) == kBlanco)
        ++ini;
    while (fin > ini && s.at(fin - 1) == kBlanco)
        --fin;
    return s.mid(ini, fin - ini);
}

QString CompactarEspacios(const QString &s)
{
    const QString t = QuitarEspacios(s);
    QString r;
    r.reserve(t.size());
    bool trasBlanco = false;
    for (QChar c : t) {
        if (c == kBlanco) {
            if (trasBlanco)
                continue;
            trasBlanco = true;
        } else {
            trasBlanco = false;
        }
        r.append(c);
    }
    return r;
}

QString QuitarEspaciosDcha(const QString &s)
{
    qsizetype fin = s.size();
    while (fin > 0 && s.at(fin - 1) == kBlanco)
        --fin;
    return s.left(fin);
}

QString ExtraerCampos(const QString &s, const QString &sep, int first, int count)
{
    // An empty separator never "occurs", so no field can be picked.
    if (sep.isEmpty())
        return QString();

    QString resto = (sep == QString(kBlanco) ? CompactarEspacios(s) : QuitarEspaciosDcha(s)) + sep;

    // 64-bit counters: first + count must not overflow for callers asking
    // for "all the rest" with a huge count.
    qint64 i = 1;
    qsizetype pos;
    while (i < first && (pos = resto.indexOf(sep)) >= 0) {
        ++i;
        resto.remove(0, pos + sep.size());
    }
    if (i != first)
        return QString();

    QString r;
    const qint64 tope = qint64(first) + qint64(count);
    while (i < tope && (pos = resto.indexOf(sep)) >= 0) {
        ++i;
        if (!r.isEmpty())
            r += sep;
        r += resto.left(pos);
        resto.remove(0, pos + sep.size());
    }
    return r;
}

QString EnteroATexto(int64_t n, int width)
{
    const QString t = QString::number(qlonglong(n));
    return RellenarIzda(t, width);
}

QString EnteroConCeros(int64_t n, int width)
{
    if (width <= 0)
        return QString();
    QString t = EnteroATexto(n, width).left(width);
    t.replace(kBlanco, QChar(u'0'));
    return t;
}

QString RellenarDcha(const QString &s, int width, bool cut)
{
    QString r = s;
    if (cut)
        r = width > 0 ? r.left(width) : QString();
    if (r.size() < width)
        r.append(QString(width - r.size(), kBlanco));
    return r;
}

QString RellenarIzda(const QString &s, int width)
{
    if (s.size() >= width)
        return s;
    return QString(width - s.size(), kBlanco) + s;
}

QString RepetirTexto(const QString &s, int count)
{
    if (count <= 0)
        return QString();
    return s.repeated(count);
}

QString ReemplazarTexto(const QString &s, const QString &old, const QString &repl)
{
    // QString::replace would insert repl between every character for an
    // empty pattern; here an empty pattern means "nothing to replace".
    if (old.isEmpty())
        return s;
    QString r;
    qsizetype desde = 0;
    qsizetype pos;
    while ((pos = s.indexOf(old, desde, Qt::CaseSensitive)) >= 0) {
        r += QStringView(s).mid(desde, pos - desde);
        r += repl;
        desde = pos + old.size();
    }
    r += QStringView(s).mid(desde);
    return r;
}

QVariant ElegirValor(bool flag, const QVariant &a, const QVariant &b)
{
    return flag ? a : b;
}

} // namespace Funcion
