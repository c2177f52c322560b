#include "Registro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtEndian>
#include <bit>
#include <algorithm>

namespace {

const QString Cabecera = QStringLiteral("[Tallyra]");

QString ErrorTipo(const QString &nombre)
{
    return QStringLiteral("Invalid data type for '%1'").arg(nombre);
}

// Reads a quoted text starting at pos; pos ends after the closing quote.
bool LeerEntrecomillado(const QString &linea, qsizetype &pos, QString &texto)
{
    if (pos >= linea.size() || linea.at(pos) != QLatin1Char('"'))
        return false;
    texto.clear();
    for (++pos; pos < linea.size(); ++pos) {
        const QChar c = linea.at(pos);
        if (c == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (c != QLatin1Char('\\')) {
            texto += c;
            continue;
        }
        if (++pos >= linea.size())
            return false;
        switch (linea.at(pos).unicode()) {
        case '\\': texto += QLatin1Char('\\'); break;
        case '"': texto += QLatin1Char('"'); break;
        case 'n': texto += QLatin1Char('\n'); break;
        case 'r': texto += QLatin1Char('\r'); break;
        case 't': texto += QLatin1Char('\t'); break;
        default: return false;
        }
    }
    return false; // no closing quote
}

QString Entrecomillar(const QString &texto)
{
    QString r = QStringLiteral("\"");
    for (QChar c : texto) {
        switch (c.unicode()) {
        case '\\': r += QLatin1String("\\\\"); break;
        case '"': r += QLatin1String("\\\""); break;
        case '\n': r += QLatin1String("\\n"); break;
        case '\r': r += QLatin1String("\\r"); break;
        case '\t': r += QLatin1String("\\t"); break;
        default: r += c;
        }
    }
    return r + QLatin1Char('"');
}

bool EsHex(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool LeerHex(QStringView texto, qsizetype minimo, qsizetype maximo, quint32 &valor)
{
    if (texto.size() < minimo || texto.size() > maximo)
        return false;
    for (QChar c : texto)
        if (!EsHex(c))
            return false;
    bool ok = false;
    valor = texto.toUInt(&ok, 16);
    return ok;
}

} // namespace

Registro::Registro(QString ruta) : ruta_(std::move(ruta)) {}

std::optional<QList<Registro::Entrada>> Registro::Analizar(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString todo = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    QStringList lineas = todo.split(QLatin1Char('\n'));
    if (lineas.size() > 1 && lineas.constLast().isEmpty())
        lineas.removeLast(); // the newline that ends the last line
    for (QString &l : lineas)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (lineas.isEmpty() || lineas.constFirst() != Cabecera)
        return std::nullopt;

    QList<Entrada> entradas;
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const QString &l = lineas.at(i);
        if (l.trimmed().isEmpty() || l.startsWith(QLatin1Char(';')))
            continue;
        Entrada e;
        qsizetype pos = 0;
        if (l.startsWith(QLatin1Char('@')))
            pos = 1;
        else if (!LeerEntrecomillado(l, pos, e.nombre))
            return std::nullopt;
        if (pos >= l.size() || l.at(pos) != QLatin1Char('='))
            return std::nullopt;
        ++pos;
        const QStringView dato = QStringView(l).mid(pos);
        if (dato.startsWith(QLatin1Char('"')) || dato.startsWith(QLatin1String("expand:"))) {
            e.tipo = dato.startsWith(QLatin1Char('"')) ? Tipo::Texto : Tipo::TextoExpandible;
            if (e.tipo == Tipo::TextoExpandible)
                pos += 7;
            if (!LeerEntrecomillado(l, pos, e.texto) || pos != l.size())
                return std::nullopt;
        } else if (dato.startsWith(QLatin1String("dword:"))) {
            e.tipo = Tipo::Entero;
            if (!LeerHex(dato.mid(6), 1, 8, e.entero))
                return std::nullopt;
        } else if (dato.startsWith(QLatin1String("hex:"))) {
            e.tipo = Tipo::Binario;
            const QStringView octetos = dato.mid(4);
            if (!octetos.isEmpty()) {
                for (QStringView o : octetos.split(QLatin1Char(','))) {
                    quint32 b = 0;
                    if (!LeerHex(o, 2, 2, b))
                        return std::nullopt;
                    e.binario.append(char(b));
                }
            }
        } else {
            return std::nullopt;
        }
        const auto repetida = std::find_if(entradas.begin(), entradas.end(), [&](const Entrada &x) {
            return x.nombre.compare(e.nombre, Qt::CaseInsensitive) == 0;
        });
        if (repetida != entradas.end())
            *repetida = e;
        else
            entradas.append(e);
    }
    return entradas;
}

QByteArray Registro::Texto() const
{
    QString t = Cabecera + QLatin1Char('\n');
    for (const Entrada &e : entradas_) {
        t += e.nombre.isEmpty() ? QStringLiteral("@") : Entrecomillar(e.nombre);
        t += QLatin1Char('=');
        switch (e.tipo) {
        case Tipo::Texto:
            t += Entrecomillar(e.texto);
            break;
        case Tipo::TextoExpandible:
            t += QLatin1String("expand:") + Entrecomillar(e.texto);
            break;
        case Tipo::Entero:
            t += QStringLiteral("dword:%1").arg(e.entero, 8, 16, QLatin1Char('0'));
            break;
        case Tipo::Binario: {
            QStringList octetos;
            for (char b : e.binario)
                octetos << QStringLiteral("%1").arg(quint8(b), 2, 16, QLatin1Char('0'));
            t += QLatin1String("hex:") + octetos.join(QLatin1Char(','));
            break;
        }
        }
        t += QLatin1Char('\n');
    }
    return t.toUtf8();
}

Registro::Estado Registro::Cargar()
{
    entradas_.clear();
    cambiado_ = false;
    primerCambio_.clear();
    bloqueado_ = false;
    if (!QFileInfo::exists(ruta_))
        return Estado::Nuevo;

    QFile archivo(ruta_);
    std::optional<QList<Entrada>> leidas;
    QByteArray bytes;
    if (archivo.open(QIODevice::ReadOnly)) {
        bytes = archivo.readAll();
        if (archivo.error() == QFileDevice::NoError)
            leidas = Analizar(bytes);
    }
    if (leidas) {
        entradas_ = *leidas;
        return Estado::Leido;
    }

    // Whatever is in there may still matter to the user: keep a copy before
    // anything can replace it.
    QSaveFile copia(ruta_ + QStringLiteral(".bak"));
    const bool copiado = archivo.isOpen() && copia.open(QIODevice::WriteOnly)
        && copia.write(bytes) == bytes.size() && copia.commit();
    bloqueado_ = !copiado;
    return Estado::Danado;
}

void Registro::Guardar()
{
    if (!cambiado_)
        return;
    const QString error = QStringLiteral("Failed to set data for '%1'").arg(primerCambio_);
    if (bloqueado_)
        throw ErrorRegistro(error);
    QDir().mkpath(QFileInfo(ruta_).absolutePath());
    QSaveFile archivo(ruta_);
    const QByteArray bytes = Texto();
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size() || !archivo.commit())
        throw ErrorRegistro(error);
    cambiado_ = false;
    primerCambio_.clear();
}

const Registro::Entrada *Registro::Buscar(const QString &nombre) const
{
    for (const Entrada &e : entradas_)
        if (e.nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

void Registro::Poner(Entrada e)
{
    if (!cambiado_)
        primerCambio_ = e.nombre;
    cambiado_ = true;
    for (Entrada &x : entradas_) {
        if (x.nombre.compare(e.nombre, Qt::CaseInsensitive) == 0) {
            x = std::move(e);
            return;
        }
    }
    entradas_.append(std::move(e));
}

bool Registro::ExisteValor(const QString &nombre) const { return Buscar(nombre) != nullptr; }

QStringList Registro::Nombres() const
{
    QStringList nombres;
    for (const Entrada &e : entradas_)
        nombres << e.nombre;
    return nombres;
}

QString Registro::LeerTexto(const QString &nombre) const
{
    const Entrada *e = Buscar(nombre);
    if (!e)
        return {};
    if (e->tipo != Tipo::Texto && e->tipo != Tipo::TextoExpandible)
        throw ErrorRegistro(ErrorTipo(nombre));
    return e->texto;
}

qint32 Registro::LeerEntero(const QString &nombre) const
{
    const Entrada *e = Buscar(nombre);
    if (!e || e->tipo != Tipo::Entero)
        throw ErrorRegistro(ErrorTipo(nombre));
    return qint32(e->entero);
}

bool Registro::LeerBooleano(const QString &nombre) const { return LeerEntero(nombre) != 0; }

QByteArray Registro::LeerBinario(const QString &nombre) const
{
    const Entrada *e = Buscar(nombre);
    if (!e || e->tipo != Tipo::Binario)
        throw ErrorRegistro(ErrorTipo(nombre));
    return e->binario;
}

double Registro::LeerReal(const QString &nombre) const
{
    const QByteArray b = LeerBinario(nombre);
    if (b.size() != sizeof(double))
        throw ErrorRegistro(ErrorTipo(nombre));
    return std::bit_cast<double>(qFromLittleEndian<quint64>(b.constData()));
}

void Registro::EscribirTexto(const QString &nombre, const QString &valor)
{
    Entrada e;
    e.nombre = nombre;
    e.tipo = Tipo::Texto;
    e.texto = valor;
    Poner(std::move(e));
}

void Registro::EscribirEntero(const QString &nombre, qint32 valor)
{
    Entrada e;
    e.nombre = nombre;
    e.tipo = Tipo::Entero;
    e.entero = quint32(valor);
    Poner(std::move(e));
}

void Registro::EscribirBooleano(const QString &nombre, bool valor) { EscribirEntero(nombre, valor ? 1 : 0); }

void Registro::EscribirBinario(const QString &nombre, const QByteArray &valor)
{
    Entrada e;
    e.nombre = nombre;
    e.tipo = Tipo::Binario;
    e.binario = valor;
    Poner(std::move(e));
}

void Registro::EscribirReal(const QString &nombre, double valor)
{
    QByteArray b(sizeof(double), Qt::Uninitialized);
    qToLittleEndian<quint64>(std::bit_cast<quint64>(valor), b.data());
    EscribirBinario(nombre, b);
}

bool Registro::BorrarValor(const QString &nombre)
{
    for (qsizetype i = 0; i < entradas_.size(); ++i) {
        if (entradas_.at(i).nombre.compare(nombre, Qt::CaseInsensitive) == 0) {
            if (!cambiado_)
                primerCambio_ = nombre;
            cambiado_ = true;
            entradas_.removeAt(i);
            return true;
        }
    }
    return false;
}
