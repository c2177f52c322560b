#include "Rescate.h"

#include "FechaHora.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <cmath>
#include <cstring>
#include <optional>

// The layout read here is SQLite's documented database file format
// (https://www.sqlite.org/fileformat.html): a 100-byte header on page 1,
// table b-tree interior pages (type 5) and leaf pages (type 13).

namespace Rescate {

namespace {

constexpr quint8 kInteriorTabla = 0x05;
constexpr quint8 kHojaTabla = 0x0D;

// Bounds-checked reader over the whole file.
class Bytes {
public:
    explicit Bytes(const QByteArray &b) : b_(b) {}
    qsizetype Tamano() const { return b_.size(); }
    bool Hay(qsizetype pos, qsizetype n) const { return pos >= 0 && n >= 0 && pos + n <= b_.size(); }
    quint8 U8(qsizetype pos) const { return quint8(b_[pos]); }
    quint32 U16(qsizetype pos) const { return (quint32(U8(pos)) << 8) | U8(pos + 1); }
    quint32 U32(qsizetype pos) const { return (U16(pos) << 16) | U16(pos + 2); }
    const char *Datos(qsizetype pos) const { return b_.constData() + pos; }

    // A varint ending before fin; advances pos.
    std::optional<qint64> Varint(qsizetype &pos, qsizetype fin) const
    {
        quint64 v = 0;
        for (int i = 0; i < 9; ++i) {
            if (pos >= fin)
                return std::nullopt;
            const quint8 c = U8(pos++);
            if (i == 8)
                return qint64((v << 8) | c);
            v = (v << 7) | (c & 0x7F);
            if (!(c & 0x80))
                return qint64(v);
        }
        return std::nullopt;
    }

private:
    const QByteArray &b_;
};

// Bytes a value of this serial type takes in a record; -1 when the type is reserved.
qint64 Longitud(qint64 tipo)
{
    static const int fijas[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
    if (tipo < 0 || tipo == 10 || tipo == 11)
        return -1;
    if (tipo < 10)
        return fijas[tipo];
    return (tipo - 12 - (tipo & 1)) / 2;
}

qint64 Entero(const Bytes &f, qsizetype pos, qint64 n)
{
    qint64 v = (f.U8(pos) & 0x80) ? -1 : 0;
    for (qint64 i = 0; i < n; ++i)
        v = qint64(quint64(v) << 8) | f.U8(pos + i);
    return v;
}

struct Contexto {
    const Bytes &f;
    quint32 tamPagina;
    quint32 utiles;      // page size less the reserved tail
    quint32 codificacion; // 1 UTF-8, 2 UTF-16le, 3 UTF-16be
    const Esquema &esquema;
    qint64 fechaMinima;
    qint64 fechaMaxima;
};

std::optional<qint64> FechaDe(const Contexto &c, qint64 tipo, qsizetype pos, qint64 rowid)
{
    if (tipo == 0)
        return c.esquema.fechaEsRowid ? std::optional<qint64>(rowid) : std::nullopt;
    if (tipo >= 1 && tipo <= 6)
        return Entero(c.f, pos, Longitud(tipo));
    if (tipo == 8 || tipo == 9)
        return tipo - 8;
    if (tipo == 7) {
        const quint64 bits = quint64(Entero(c.f, pos, 8));
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
            return qint64(v);
    }
    return std::nullopt;
}

std::optional<QChar> CodigoDe(const Contexto &c, qint64 tipo, qsizetype pos)
{
    if (tipo < 13 || !(tipo & 1))
        return std::nullopt;
    const qint64 n = Longitud(tipo);
    QString texto;
    if (c.codificacion == 2 || c.codificacion == 3) {
        if (n % 2)
            return std::nullopt;
        for (qint64 i = 0; i < n; i += 2) {
            const quint32 a = c.f.U8(pos + i), b = c.f.U8(pos + i + 1);
            texto += QChar(char16_t(c.codificacion == 2 ? (b << 8) | a : (a << 8) | b));
        }
    } else {
        texto = QString::fromUtf8(c.f.Datos(pos), n);
    }
    if (texto.size() != 1 || texto[0].isSurrogate() || texto[0] == QChar::ReplacementCharacter
        || texto[0].unicode() < 0x20)
        return std::nullopt;
    return texto[0];
}

// One leaf cell at pos, within a page whose usable bytes end at fin.
void LeerCelda(const Contexto &c, qsizetype pos, qsizetype fin, QMap<qint64, QChar> &filas)
{
    const std::optional<qint64> carga = c.f.Varint(pos, fin);
    const std::optional<qint64> rowid = c.f.Varint(pos, fin);
    // A row of a calendar is a handful of bytes: one that spills onto
    // overflow pages is not one of ours.
    if (!carga || !rowid || *carga < 1 || *carga > qint64(c.utiles) - 35 || pos + *carga > fin)
        return;
    const qsizetype finRegistro = pos + *carga;

    qsizetype cabecera = pos;
    const std::optional<qint64> tamCabecera = c.f.Varint(cabecera, finRegistro);
    if (!tamCabecera || *tamCabecera < 1 || *tamCabecera > *carga)
        return;
    const qsizetype finCabecera = pos + *tamCabecera;
    qsizetype valor = finCabecera;
    std::optional<qint64> fecha;
    std::optional<QChar> codigo;
    for (int columna = 0; cabecera < finCabecera; ++columna) {
        const std::optional<qint64> tipo = c.f.Varint(cabecera, finCabecera);
        const qint64 n = tipo ? Longitud(*tipo) : -1;
        if (n < 0 || valor + n > finRegistro)
            return;
        if (columna == c.esquema.columnaFecha)
            fecha = FechaDe(c, *tipo, valor, *rowid);
        else if (columna == c.esquema.columnaCodigo)
            codigo = CodigoDe(c, *tipo, valor);
        valor += n;
    }
    if (valor != finRegistro || !fecha || !codigo || *fecha < c.fechaMinima || *fecha > c.fechaMaxima)
        return;
    if (!filas.contains(*fecha))
        filas.insert(*fecha, *codigo);
}

// Pages on the free list: they may still hold rows deleted long ago.
QSet<quint32> PaginasLibres(const Bytes &f, quint32 tamPagina, quint32 paginas)
{
    QSet<quint32> libres;
    QSet<quint32> troncos;
    quint32 tronco = f.U32(32);
    while (tronco >= 1 && tronco <= paginas && !troncos.contains(tronco)) {
        troncos.insert(tronco);
        libres.insert(tronco);
        const qsizetype base = qsizetype(tronco - 1) * tamPagina;
        const quint32 hojas = f.U32(base + 4);
        for (quint32 i = 0; i < hojas && 8 + 4 * qsizetype(i) + 4 <= tamPagina; ++i)
            libres.insert(f.U32(base + 8 + 4 * qsizetype(i)));
        tronco = f.U32(base);
    }
    return libres;
}

} // namespace

QMap<qint64, QChar> Filas(const QByteArray &fichero, const Esquema &esquema)
{
    QMap<qint64, QChar> filas;
    const Bytes f(fichero);
    if (!f.Hay(0, 100))
        return filas;
    quint32 tamPagina = f.U16(16);
    if (tamPagina == 1)
        tamPagina = 65536;
    if (tamPagina < 512 || (tamPagina & (tamPagina - 1)) || f.U8(20) >= tamPagina - 480)
        return filas;
    const quint32 paginas = quint32(f.Tamano() / tamPagina);
    const Contexto c{f,
                     tamPagina,
                     tamPagina - f.U8(20),
                     f.U32(56),
                     esquema,
                     qint64(Funcion::FechaASerial(QDate(1, 1, 1))),
                     qint64(Funcion::FechaASerial(QDate(9999, 12, 31)))};

    const QSet<quint32> libres = PaginasLibres(f, tamPagina, paginas);
    QSet<quint32> vistas;
    QList<quint32> pendientes{esquema.raiz};
    while (!pendientes.isEmpty()) {
        const quint32 pagina = pendientes.takeLast();
        if (pagina < 1 || pagina > paginas || vistas.contains(pagina) || libres.contains(pagina))
            continue;
        vistas.insert(pagina);
        const qsizetype base = qsizetype(pagina - 1) * tamPagina;
        const qsizetype fin = base + c.utiles;
        const qsizetype cabecera = base + (pagina == 1 ? 100 : 0);
        const quint8 tipo = f.U8(cabecera);
        if (tipo != kInteriorTabla && tipo != kHojaTabla)
            continue;
        const qsizetype punteros = cabecera + (tipo == kInteriorTabla ? 12 : 8);
        const quint32 celdas = f.U16(cabecera + 3);
        if (tipo == kInteriorTabla)
            pendientes.append(f.U32(cabecera + 8));
        for (quint32 i = 0; i < celdas && punteros + 2 * qsizetype(i) + 2 <= fin; ++i) {
            const qsizetype celda = base + f.U16(punteros + 2 * qsizetype(i));
            if (celda < punteros + 2 * qsizetype(celdas) || celda >= fin)
                continue;
            if (tipo == kHojaTabla)
                LeerCelda(c, celda, fin, filas);
            else if (celda + 4 <= fin)
                pendientes.append(f.U32(celda));
        }
    }
    return filas;
}

} // namespace Rescate
