// The formula evaluator. It works on text: every intermediate value is
// written back into the formula and the rest is scanned on from there.
//
// Each stage (functions, parentheses, one pass per operator) is a single
// left-to-right walk that moves the text from an input to an output. A
// value that has to be scanned again is put back in front of the input
// instead of rebuilding the whole formula, and signs are reduced ("--" to
// "+", "+-" to "-") as they reach the output, so a long formula costs time
// in proportion to its length rather than to its length squared.
//
// Hostile input is bounded three ways: nesting of parentheses and calls
// (kProfundidadMaxima), the length of any text built (kLargoMaximoFormula)
// and the total work of one evaluation (kTrabajoMaximo). Passing a bound is
// a faulty expression, like a division by zero.

#include "Formato.h"
#include "Formula.h"
#include "FuncionesFormula.h"
#include "Funcion.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Funcion {

namespace {

constexpr int kProfundidadMaxima = 100;
// Work of one evaluation, nested ones included: a unit per character
// handled and kCostePaso per value computed. A formula a clerk types needs
// a few thousand; this allows well under a second of work.
constexpr qint64 kTrabajoMaximo = 20'000'000;
constexpr qint64 kCostePaso = 50;

const QString kMascaraNumero = QStringLiteral("##0.##########");
const QString kOperadores = QStringLiteral("^/*-+&");

bool EsOperador(QChar c)
{
    return kOperadores.contains(c);
}

bool EsComilla(QChar c)
{
    return c == u'\'' || c == u'"';
}

bool EsSigno(QChar c)
{
    return c == u'-' || c == u'+';
}

bool EsLetra(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool EsCifra(QChar c)
{
    return c >= u'0' && c <= u'9';
}

struct Contexto {
    int contador = 0;
    int profundidad = 0;
    qint64 trabajo = 0;

    void Gastar(qint64 n)
    {
        trabajo += n;
        if (trabajo > kTrabajoMaximo)
            throw ErrorFormula(QStringLiteral("Expresión demasiado compleja"));
    }
};

// One level deeper for the lifetime of the object.
class Nivel {
public:
    explicit Nivel(Contexto &ctx) : ctx_(ctx)
    {
        if (++ctx_.profundidad > kProfundidadMaxima)
            throw ErrorFormula(QStringLiteral("Expresión demasiado anidada"));
    }
    ~Nivel() { --ctx_.profundidad; }
    Nivel(const Nivel &) = delete;
    Nivel &operator=(const Nivel &) = delete;

private:
    Contexto &ctx_;
};

// The text still to be scanned. A value put back goes in front of it, into
// the room left by what has been read.
class Entrada {
public:
    explicit Entrada(const QString &t) : buf_(t) {}

    bool Fin() const { return pos_ >= buf_.size(); }
    qsizetype Quedan() const { return buf_.size() - pos_; }
    // The character k places ahead; only for k < Quedan().
    QChar Mira(qsizetype k) const { return buf_.at(pos_ + k); }
    QChar Toma() { return buf_.at(pos_++); }
    QString Toma(qsizetype n)
    {
        const QString r = buf_.mid(pos_, n);
        pos_ += n;
        return r;
    }
    void Salta(qsizetype n) { pos_ = std::min(pos_ + n, buf_.size()); }

    void Devuelve(QStringView v)
    {
        if (v.size() > pos_) {
            // Leave as much room again as the text holds, so that a run of
            // growing values does not copy the rest at every step.
            const qsizetype hueco = v.size() + Quedan();
            QString nuevo(hueco, QChar(u' '));
            nuevo += QStringView(buf_).mid(pos_);
            buf_ = nuevo;
            pos_ = hueco;
        }
        pos_ -= v.size();
        std::copy(v.begin(), v.end(), buf_.begin() + pos_);
    }

private:
    QString buf_;
    qsizetype pos_ = 0;
};

// The text already scanned and the scan state at its end.
class Salida {
public:
    QString texto;
    QChar comilla;                       // the open quote; null outside quotes
    int profundidad = 0;                 // parentheses outside quotes
    std::vector<qsizetype> operadores;   // where operators outside quotes stand

    bool FueraDeComillas() const { return comilla.isNull(); }

    void Agrega(QChar c)
    {
        if (!comilla.isNull()) {
            if (c == comilla)
                comilla = QChar();
        } else if (EsComilla(c)) {
            comilla = c;
        } else if (EsOperador(c)) {
            operadores.push_back(texto.size());
        } else if (c == u'(') {
            ++profundidad;
        } else if (c == u')') {
            --profundidad;
        }
        texto.append(c);
    }

    // A "-" about to be added outside quotes, reduced against the signs
    // that end the text ("--" is "+", "+-" is "-"); those signs are taken off.
    QChar Reducir(QChar c)
    {
        if (!FueraDeComillas())
            return c;
        while (c == u'-' && !operadores.empty() && operadores.back() == texto.size() - 1
               && EsSigno(texto.back())) {
            c = texto.back() == u'-' ? u'+' : u'-';
            texto.chop(1);
            operadores.pop_back();
        }
        return c;
    }

    void AgregaReducido(QChar c) { Agrega(Reducir(c)); }

    // Cuts the text back to n characters; n must lie outside quotes.
    void Trunca(qsizetype n)
    {
        texto.truncate(n);
        while (!operadores.empty() && operadores.back() >= n)
            operadores.pop_back();
    }
};

void ComprobarLargo(const Salida &out, const Entrada &in)
{
    if (out.texto.size() + in.Quedan() > kLargoMaximoFormula)
        throw ErrorFormula(QStringLiteral("Expresión demasiado larga"));
}

// The deepest parenthesis outside quotes.
int ProfundidadMaxima(const QString &t)
{
    int prof = 0;
    int maxima = 0;
    QChar comilla;
    for (QChar c : t) {
        if (!comilla.isNull()) {
            if (c == comilla)
                comilla = QChar();
        } else if (EsComilla(c)) {
            comilla = c;
        } else if (c == u'(') {
            maxima = std::max(maxima, ++prof);
        } else if (c == u')') {
            --prof;
        }
    }
    return maxima;
}

QString QuitarBlancos(const QString &t)
{
    QString r;
    r.reserve(t.size());
    QChar comilla;
    for (QChar c : t) {
        if (!comilla.isNull()) {
            if (c == comilla)
                comilla = QChar();
        } else if (EsComilla(c)) {
            comilla = c;
        } else if (c == u' ') {
            continue;
        }
        r.append(c);
    }
    return r;
}

QString NormalizarSignos(const QString &t)
{
    Salida out;
    out.texto.reserve(t.size());
    for (QChar c : t)
        out.AgregaReducido(c);
    return out.texto;
}

QString EvaluarTexto(const QString &formula, bool quitarComillas, Contexto &ctx);

// Evaluates a nested formula one level deeper.
QString EvaluarAnidado(const QString &formula, bool quitarComillas, Contexto &ctx)
{
    Nivel nivel(ctx);
    return EvaluarTexto(formula, quitarComillas, ctx);
}

// Reads a call from the input, which stands just after its "@": a name
// (a letter, then letters or digits), "(", the arguments and the closing
// ")" or the end of the text. False, with nothing read, when no call
// starts here.
bool LeerLlamada(Entrada &in, Contexto &ctx, QString &valor)
{
    if (in.Fin() || !EsLetra(in.Mira(0)))
        return false;
    qsizetype largo = 1;
    while (largo < in.Quedan() && (EsLetra(in.Mira(largo)) || EsCifra(in.Mira(largo))))
        ++largo;
    if (largo == in.Quedan() || in.Mira(largo) != u'(')
        return false;
    const QString nombre = in.Toma(largo).toUpper();
    in.Salta(1);

    QStringList crudos;
    QString actual;
    int prof = 1;
    QChar comilla;
    while (!in.Fin()) {
        const QChar c = in.Toma();
        if (!comilla.isNull()) {
            if (c == comilla)
                comilla = QChar();
        } else if (EsComilla(c)) {
            comilla = c;
        } else if (c == u'(') {
            ++prof;
        } else if (c == u')') {
            if (--prof == 0)
                break;
        } else if (c == u',' && prof == 1) {
            if (crudos.size() < kArgumentosMaximos)
                crudos.append(actual);
            actual.clear();
            continue;
        }
        if (crudos.size() < kArgumentosMaximos)
            actual.append(c);
    }
    if (crudos.size() < kArgumentosMaximos)
        crudos.append(actual);

    QStringList argumentos;
    for (const QString &a : std::as_const(crudos))
        argumentos.append(a.isEmpty() ? QString() : EvaluarAnidado(a, true, ctx));
    valor = AplicarFuncion(nombre, argumentos, ctx.contador);
    return true;
}

// Every "@" call, also one inside quotes, replaced by its value; the scan
// goes on from the second character of the value.
QString PasoFunciones(const QString &t, Contexto &ctx)
{
    if (!t.contains(u'@'))
        return t;
    ctx.Gastar(t.size());
    Entrada in(t);
    Salida out;
    while (!in.Fin()) {
        const QChar c = in.Toma();
        QString valor;
        if (c != u'@' || !LeerLlamada(in, ctx, valor)) {
            out.AgregaReducido(c);
            continue;
        }
        if (valor.isEmpty())
            continue;
        out.AgregaReducido(valor.at(0));
        in.Devuelve(QStringView(valor).mid(1));
        ctx.Gastar(kCostePaso + valor.size());
        ComprobarLargo(out, in);
    }
    return out.texto;
}

// Every parenthesis outside quotes at depth 0 replaced by the value of its
// contents (to the end of the text when it is never closed); the scan goes
// on at the first character of the value.
QString PasoParentesis(const QString &t, Contexto &ctx)
{
    if (!t.contains(u'('))
        return t;
    ctx.Gastar(t.size());
    Entrada in(t);
    Salida out;
    while (!in.Fin()) {
        const QChar c = in.Toma();
        if (c != u'(' || !out.FueraDeComillas() || out.profundidad != 0) {
            out.AgregaReducido(c);
            continue;
        }
        qsizetype k = 0;
        int prof = 1;
        bool cerrado = false;
        QChar comilla;
        for (; k < in.Quedan(); ++k) {
            const QChar d = in.Mira(k);
            if (!comilla.isNull()) {
                if (d == comilla)
                    comilla = QChar();
            } else if (EsComilla(d)) {
                comilla = d;
            } else if (d == u'(') {
                ++prof;
            } else if (d == u')' && --prof == 0) {
                cerrado = true;
                break;
            }
        }
        const QString interior = in.Toma(k);
        if (cerrado)
            in.Salta(1);
        const QString valor = EvaluarAnidado(interior, false, ctx);
        in.Devuelve(valor);
        ctx.Gastar(kCostePaso + valor.size());
        ComprobarLargo(out, in);
    }
    return out.texto;
}

QString Calcular(QChar op, double a, double b)
{
    double x = 0;
    switch (op.unicode()) {
    case u'^':
        x = std::pow(a, b);
        if (std::isnan(x))
            throw ErrorFormula(QStringLiteral("Potencia no calculable"));
        break;
    case u'/':
        if (b == 0)
            throw ErrorFormula(QStringLiteral("División por cero"));
        x = a / b;
        break;
    case u'*':
        x = a * b;
        break;
    case u'-':
        x = a - b;
        break;
    default:
        x = a + b;
        break;
    }
    if (!std::isfinite(x))
        throw ErrorFormula(QStringLiteral("Desbordamiento"));
    return FormatearNumero(x, kMascaraNumero);
}

// Applies one operator left to right. The left operand reaches back to the
// previous operator outside quotes (taking a "-" that opens the text), the
// right operand forward to the next one (taking a "-" right after the
// operator); the result is scanned again from its first character.
QString PasoOperador(const QString &t, QChar op, Contexto &ctx)
{
    if (!t.contains(op))
        return t;
    ctx.Gastar(t.size());
    Entrada in(t);
    Salida out;
    // out.texto[limpioIni, end) may hold a concatenation "'X'" where X has
    // no single quote. Scanning it again would find nothing, and as the
    // next left operand its value is X, so a chain of "&" grows it in place.
    qsizetype limpioIni = -1;
    while (!in.Fin()) {
        // A value put back may start with a "-" that merges with the sign
        // before it; the merged sign is then what the scan looks at.
        const QChar c = out.Reducir(in.Toma());
        if (c != op || !out.FueraDeComillas() || out.texto.isEmpty()) {
            out.Agrega(c);
            limpioIni = -1;
            continue;
        }

        qsizetype ini = out.operadores.empty() ? 0 : out.operadores.back() + 1;
        if (ini == 1 && out.texto.at(0) == u'-')
            ini = 0;
        // A "-" right after another operator is the sign of what follows.
        // Taken as a subtraction from nothing it would give back the same
        // "-" and the same text, and the scan would never move on.
        if (op == u'-' && ini == out.texto.size()) {
            out.Agrega(c);
            limpioIni = -1;
            continue;
        }

        qsizetype k = (in.Quedan() > 0 && in.Mira(0) == u'-') ? 1 : 0;
        QChar comilla;
        for (; k < in.Quedan(); ++k) {
            const QChar d = in.Mira(k);
            if (!comilla.isNull()) {
                if (d == comilla)
                    comilla = QChar();
            } else if (EsOperador(d)) {
                break;
            } else if (EsComilla(d)) {
                comilla = d;
            }
        }
        const QString derecho = EvaluarOperando(in.Toma(k), false);

        if (op == u'&') {
            const bool derechoLimpio = !derecho.contains(u'\'');
            if (derechoLimpio && ini == limpioIni) {
                ctx.Gastar(kCostePaso + derecho.size());
                out.texto.chop(1);
                out.texto += derecho;
                out.texto += u'\'';
                ComprobarLargo(out, in);
                continue;
            }
            const QString izquierdo = EvaluarOperando(out.texto.mid(ini), false);
            const QString valor = u'\'' + izquierdo + derecho + u'\'';
            out.Trunca(ini);
            ctx.Gastar(kCostePaso + valor.size());
            if (derechoLimpio && !izquierdo.contains(u'\'')) {
                out.texto += valor;
                limpioIni = ini;
                ComprobarLargo(out, in);
                continue;
            }
            limpioIni = -1;
            in.Devuelve(valor);
            ComprobarLargo(out, in);
            continue;
        }

        const QString izquierdo = EvaluarOperando(out.texto.mid(ini), false);
        const QString valor = Calcular(op, TextoANumero(izquierdo), TextoANumero(derecho));
        out.Trunca(ini);
        limpioIni = -1;
        in.Devuelve(valor);
        ctx.Gastar(kCostePaso + valor.size());
        ComprobarLargo(out, in);
    }
    return out.texto;
}

QString EvaluarTexto(const QString &formula, bool quitarComillas, Contexto &ctx)
{
    if (formula.size() > kLargoMaximoFormula)
        throw ErrorFormula(QStringLiteral("Expresión demasiado larga"));
    // Refuse deep nesting before any work is spent on it.
    if (ctx.profundidad + ProfundidadMaxima(formula) > kProfundidadMaxima)
        throw ErrorFormula(QStringLiteral("Expresión demasiado anidada"));
    ctx.Gastar(formula.size());

    QString t = QuitarBlancos(formula);
    const QString copia = t;
    t = NormalizarSignos(t);
    t = PasoFunciones(t, ctx);
    t = PasoParentesis(t, ctx);
    for (QChar op : kOperadores)
        t = PasoOperador(t, op, ctx);

    if (t == copia)
        t = EvaluarOperando(t, true);
    if (quitarComillas && !t.isEmpty() && EsComilla(t.at(0)))
        t.remove(t.at(0));
    return t;
}

} // namespace

QString Evaluar(const QString &formula, int contador, bool quitarComillas)
{
    Contexto ctx;
    ctx.contador = contador;
    return EvaluarTexto(formula, quitarComillas, ctx);
}

QString EvaluarOperando(const QString &texto, bool mantenerComillas)
{
    if (texto.isEmpty())
        return QString();
    const QChar c = texto.at(0);
    if (EsComilla(c))
        return mantenerComillas ? texto : QString(texto).remove(c);
    if (c == u'-' || EsCifra(c)) {
        QString t = texto;
        t.replace(u'.', u',');
        return FormatearNumero(TextoANumero(t), kMascaraNumero);
    }
    return QString();
}

QString EvaluarFuncion(const QString &texto, int contador)
{
    if (!texto.startsWith(u'@'))
        return texto;
    Contexto ctx;
    ctx.contador = contador;
    Entrada in(texto);
    in.Salta(1);
    QString valor;
    if (!LeerLlamada(in, ctx, valor))
        return texto;
    return valor + in.Toma(in.Quedan());
}

} // namespace Funcion
