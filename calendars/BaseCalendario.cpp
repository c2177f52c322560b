#include "BaseCalendario.h"

#include "Rescate.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>
#include <QVariant>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// Ten retries 200 ms apart, as the store has always waited for a lock.
const char *const kOpciones = "QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000";

const char *const kCrearTabla =
    "CREATE TABLE Calendar (FECHA INTEGER NOT NULL PRIMARY KEY, "
    "CODREDUC TEXT NOT NULL CHECK (length(CODREDUC) = 1))";

QString NuevaConexion()
{
    static QAtomicInteger<quint64> contador;
    return QStringLiteral("calendario-%1").arg(contador.fetchAndAddRelaxed(1));
}

// SQLite is reached through a URI so that "rw" can forbid it to create a
// file that is not there.
QString Uri(const QString &ruta, const char *modo)
{
    return QUrl::fromLocalFile(QFileInfo(ruta).absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QStringLiteral("?mode=") + QLatin1String(modo);
}

qint64 Dia(double fecha)
{
    return qint64(std::floor(fecha));
}

QChar PrimerCaracter(const QVariant &v)
{
    const QString s = v.toString();
    return s.isEmpty() ? QChar() : s[0];
}

[[noreturn]] void Fallo(const QString &que, const QString &ruta, const QString &detalle = QString())
{
    QString texto = que + QStringLiteral(": ") + QDir::toNativeSeparators(ruta);
    if (!detalle.isEmpty())
        texto += QStringLiteral(" (") + detalle + QLatin1Char(')');
    throw ErrorCalendario(texto);
}

QSqlQuery Ejecutar(const QSqlDatabase &db, const QString &sql, const QVariantList &valores = {})
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool bien = q.prepare(sql);
    for (const QVariant &v : valores)
        q.addBindValue(v);
    bien = bien && q.exec();
    if (!bien)
        Fallo(QStringLiteral("Error en el calendario"), db.databaseName(), q.lastError().text());
    return q;
}

// A file SQLite will not take for a database is refused before SQLite sees it.
void ComprobarCabecera(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        Fallo(QStringLiteral("No se puede leer el calendario"), ruta, f.errorString());
    if (f.read(16) != QByteArray("SQLite format 3\0", 16))
        Fallo(QStringLiteral("El fichero no es un calendario"), ruta);
}

void ComprobarExiste(const QString &ruta)
{
    const QFileInfo fi(ruta);
    if (!fi.exists() || !fi.isFile())
        Fallo(QStringLiteral("No existe el calendario"), ruta);
}

// The table's layout, read from the schema; throws when there is no Calendar table.
Rescate::Esquema LeerEsquema(const QSqlDatabase &db, const QString &ruta)
{
    Rescate::Esquema e;
    QSqlQuery t = Ejecutar(db, QStringLiteral("SELECT rootpage, sql FROM sqlite_master "
                                              "WHERE type = 'table' AND name = 'Calendar' COLLATE NOCASE"));
    if (!t.next())
        Fallo(QStringLiteral("El fichero no tiene la tabla Calendar"), ruta);
    e.raiz = t.value(0).toUInt();
    const bool sinRowid = t.value(1).toString().contains(QLatin1String("WITHOUT ROWID"), Qt::CaseInsensitive);

    QSqlQuery c = Ejecutar(db, QStringLiteral("PRAGMA table_info(Calendar)"));
    int columna = 0, claves = 0;
    e.columnaFecha = e.columnaCodigo = -1;
    bool fechaEntera = false;
    for (; c.next(); ++columna) {
        const QString nombre = c.value(1).toString();
        if (c.value(5).toInt() > 0)
            ++claves;
        if (nombre.compare(QLatin1String("FECHA"), Qt::CaseInsensitive) == 0) {
            e.columnaFecha = columna;
            fechaEntera = c.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0
                && c.value(5).toInt() == 1;
        } else if (nombre.compare(QLatin1String("CODREDUC"), Qt::CaseInsensitive) == 0) {
            e.columnaCodigo = columna;
        }
    }
    if (e.columnaFecha < 0 || e.columnaCodigo < 0)
        Fallo(QStringLiteral("La tabla Calendar no tiene los campos FECHA y CODREDUC"), ruta);
    e.fechaEsRowid = fechaEntera && claves == 1 && !sinRowid;
    return e;
}

bool Integra(const QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")))
        return false;
    int filas = 0;
    bool bien = true;
    while (q.next()) {
        ++filas;
        bien = bien && q.value(0).toString() == QLatin1String("ok");
    }
    return bien && filas == 1 && !q.lastError().isValid();
}

// A connection of its own for the life of a scope.
class Conexion {
public:
    Conexion(const QString &ruta, const char *modo) : nombre_(NuevaConexion())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre_);
        db.setDatabaseName(Uri(ruta, modo));
        db.setConnectOptions(QLatin1String(kOpciones));
        if (!db.open()) {
            const QString detalle = db.lastError().text();
            Quitar();
            Fallo(QStringLiteral("No se puede abrir el calendario"), ruta, detalle);
        }
    }
    ~Conexion() { Quitar(); }
    Conexion(const Conexion &) = delete;
    Conexion &operator=(const Conexion &) = delete;

    QSqlDatabase Bd() const { return QSqlDatabase::database(nombre_, false); }
    void Cerrar() { Quitar(); }

private:
    void Quitar()
    {
        if (nombre_.isEmpty())
            return;
        QSqlDatabase::database(nombre_, false).close();
        QSqlDatabase::removeDatabase(nombre_);
        nombre_.clear();
    }
    QString nombre_;
};

// A free name for a scratch file beside destino; the file exists, empty.
QString Temporal(const QString &destino)
{
    QTemporaryFile t(destino + QStringLiteral(".XXXXXX.tmp"));
    t.setAutoRemove(false);
    if (!t.open())
        Fallo(QStringLiteral("No se puede crear un fichero temporal junto a"), destino, t.errorString());
    return t.fileName();
}

// Removes a scratch file unless it was put in place.
struct Borrador {
    QString ruta;
    ~Borrador()
    {
        if (!ruta.isEmpty())
            QFile::remove(ruta);
    }
};

// Puts a finished scratch file in the place of destino in one step.
void Sustituir(const QString &temporal, const QString &destino)
{
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(temporal.toStdU16String()),
                            std::filesystem::path(destino.toStdU16String()), ec);
    if (ec)
        Fallo(QStringLiteral("No se puede escribir el calendario"), destino, QString::fromStdString(ec.message()));
}

// Byte copy through a scratch file, so destino is either old or complete.
void CopiarFichero(const QString &origen, const QString &destino)
{
    QFile in(origen);
    if (!in.open(QIODevice::ReadOnly))
        Fallo(QStringLiteral("No se puede leer el calendario"), origen, in.errorString());
    QSaveFile out(destino);
    if (!out.open(QIODevice::WriteOnly))
        Fallo(QStringLiteral("No se puede escribir el calendario"), destino, out.errorString());
    while (!in.atEnd()) {
        const QByteArray bloque = in.read(1 << 16);
        if (bloque.isEmpty() && in.error() != QFileDevice::NoError)
            Fallo(QStringLiteral("No se puede leer el calendario"), origen, in.errorString());
        if (out.write(bloque) != bloque.size())
            Fallo(QStringLiteral("No se puede escribir el calendario"), destino, out.errorString());
    }
    if (!out.commit())
        Fallo(QStringLiteral("No se puede escribir el calendario"), destino, out.errorString());
}

void EscribirFilas(const QSqlDatabase &db, const QList<Festivo> &filas)
{
    for (const Festivo &f : filas) {
        Ejecutar(db, QStringLiteral("DELETE FROM Calendar WHERE FECHA = ?"), {Dia(f.fecha)});
        Ejecutar(db, QStringLiteral("INSERT INTO Calendar (FECHA, CODREDUC) VALUES (?, ?)"),
                 {Dia(f.fecha), f.codigo.isNull() ? QString() : QString(f.codigo)});
    }
}

// Runs cambios inside one transaction; nothing of it stays when it throws.
template <typename F>
void EnTransaccion(QSqlDatabase db, F cambios)
{
    if (!db.transaction())
        Fallo(QStringLiteral("Error en el calendario"), db.databaseName(), db.lastError().text());
    try {
        cambios();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString detalle = db.lastError().text();
        db.rollback();
        Fallo(QStringLiteral("Error en el calendario"), db.databaseName(), detalle);
    }
}

} // namespace

struct BaseCalendario::Privado {
    QString nombre;
    QString directorio;
    bool exclusivo = false;
    std::optional<Conexion> conexion;
    bool exclusivoActivo = false;
    bool abierta = false;
    bool hayActual = false;
    qint64 actual = 0;
    QChar codigoActual;

    QSqlDatabase Bd() const
    {
        if (!conexion)
            throw ErrorCalendario(QStringLiteral("El calendario no está conectado"));
        return conexion->Bd();
    }
    QSqlDatabase Tabla() const
    {
        if (!abierta)
            throw ErrorCalendario(QStringLiteral("La tabla Calendar no está abierta"));
        return Bd();
    }
};

BaseCalendario::BaseCalendario() : d(new Privado) {}

BaseCalendario::~BaseCalendario()
{
    Desconectar();
    delete d;
}

void BaseCalendario::FijarNombre(const QString &nombre) { d->nombre = nombre; }
void BaseCalendario::FijarDirectorio(const QString &directorio) { d->directorio = directorio; }
void BaseCalendario::FijarExclusivo(bool exclusivo) { d->exclusivo = exclusivo; }
QString BaseCalendario::Nombre() const { return d->nombre; }
QString BaseCalendario::Directorio() const { return d->directorio; }
QString BaseCalendario::Ruta() const { return UnirRuta(d->directorio, d->nombre); }

QString BaseCalendario::UnirRuta(const QString &directorio, const QString &nombre)
{
    if (directorio.isEmpty())
        return nombre;
    QString dir = directorio;
    // The settings may carry a directory written with Windows separators.
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    if (dir == QLatin1String("/"))
        return dir + nombre;
    return dir + QLatin1Char('/') + nombre;
}

void BaseCalendario::Conectar()
{
    Desconectar();
    const QString ruta = Ruta();
    ComprobarExiste(ruta);
    ComprobarCabecera(ruta);
    d->conexion.emplace(ruta, "rw");
    try {
        const QSqlDatabase db = d->conexion->Bd();
        if (d->exclusivo) {
            // Taking the write lock once keeps it for the life of the connection.
            Ejecutar(db, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
            Ejecutar(db, QStringLiteral("BEGIN EXCLUSIVE"));
            Ejecutar(db, QStringLiteral("COMMIT"));
        }
        LeerEsquema(db, ruta);
    } catch (...) {
        d->conexion.reset();
        throw;
    }
    d->exclusivoActivo = d->exclusivo;
}

void BaseCalendario::Desconectar()
{
    Cerrar();
    d->conexion.reset();
    d->exclusivoActivo = false;
}

bool BaseCalendario::Conectado() const { return d->conexion.has_value(); }
bool BaseCalendario::Exclusivo() const { return Conectado() && d->exclusivoActivo; }

void BaseCalendario::CopiarBase(const QString &destino, bool sobrescribir)
{
    const QString origen = Ruta();
    ComprobarExiste(origen);
    const QFileInfo fd(destino);
    if (fd.exists() && fd.canonicalFilePath() == QFileInfo(origen).canonicalFilePath())
        Fallo(QStringLiteral("No se puede copiar un calendario sobre sí mismo"), destino);
    if (fd.exists() && !sobrescribir)
        Fallo(QStringLiteral("Ya existe el calendario"), destino);
    if (!Conectado()) {
        CopiarFichero(origen, destino);
        return;
    }
    // A read transaction holds off any writer until the copy is complete.
    QSqlDatabase db = d->Bd();
    EnTransaccion(db, [&] {
        Ejecutar(db, QStringLiteral("SELECT count(*) FROM sqlite_master")).next();
        CopiarFichero(origen, destino);
    });
}

void BaseCalendario::Reconstruir()
{
    if (Conectado())
        throw ErrorCalendario(QStringLiteral("El calendario debe estar desconectado para reconstruirlo"));
    const QString ruta = Ruta();
    ComprobarExiste(ruta);
    ComprobarCabecera(ruta);

    Rescate::Esquema esquema;
    {
        Conexion c(ruta, "rw");
        esquema = LeerEsquema(c.Bd(), ruta);
        if (Integra(c.Bd()))
            return;
    }

    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        Fallo(QStringLiteral("No se puede leer el calendario"), ruta, f.errorString());
    const QByteArray averiado = f.readAll();
    f.close();
    const QMap<qint64, QChar> rescatadas = Rescate::Filas(averiado, esquema);

    Borrador nuevo{Temporal(ruta)};
    QFile::setPermissions(nuevo.ruta, QFileInfo(ruta).permissions());
    {
        Conexion c(nuevo.ruta, "rw");
        const QSqlDatabase db = c.Bd();
        QList<Festivo> filas;
        for (auto i = rescatadas.cbegin(); i != rescatadas.cend(); ++i)
            filas.append({double(i.key()), i.value()});
        EnTransaccion(db, [&] {
            Ejecutar(db, QLatin1String(kCrearTabla));
            EscribirFilas(db, filas);
        });
        if (!Integra(db))
            Fallo(QStringLiteral("No se ha podido reconstruir el calendario"), ruta);
    }
    CopiarFichero(ruta, ruta + QStringLiteral(".bak"));
    Sustituir(nuevo.ruta, ruta);
    nuevo.ruta.clear();
}

void BaseCalendario::CrearVacio(const QString &ruta)
{
    if (QFileInfo::exists(ruta))
        Fallo(QStringLiteral("Ya existe el calendario"), ruta);
    Borrador nuevo{Temporal(ruta)};
    // Scratch files are private; a calendar gets the permissions of any new file.
    QFile::setPermissions(nuevo.ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                          | QFile::ReadGroup | QFile::ReadOther);
    {
        Conexion c(nuevo.ruta, "rw");
        const QSqlDatabase db = c.Bd();
        EnTransaccion(db, [&] { Ejecutar(db, QLatin1String(kCrearTabla)); });
    }
    Sustituir(nuevo.ruta, ruta);
    nuevo.ruta.clear();
}

void BaseCalendario::Abrir()
{
    d->Bd();
    d->abierta = true;
    d->hayActual = false;
}

void BaseCalendario::Cerrar()
{
    d->abierta = false;
    d->hayActual = false;
}

bool BaseCalendario::Abierta() const { return d->abierta; }

int BaseCalendario::NumeroFilas() const
{
    QSqlQuery q = Ejecutar(d->Tabla(), QStringLiteral("SELECT count(*) FROM Calendar"));
    return q.next() ? q.value(0).toInt() : 0;
}

bool BaseCalendario::Vacia() const
{
    QSqlQuery q = Ejecutar(d->Tabla(), QStringLiteral("SELECT 1 FROM Calendar LIMIT 1"));
    return !q.next();
}

bool BaseCalendario::Buscar(double fecha)
{
    d->hayActual = false;
    QSqlQuery q = Ejecutar(d->Tabla(), QStringLiteral("SELECT CODREDUC FROM Calendar WHERE FECHA = ?"),
                           {Dia(fecha)});
    if (!q.next())
        return false;
    d->hayActual = true;
    d->actual = Dia(fecha);
    d->codigoActual = PrimerCaracter(q.value(0));
    return true;
}

bool BaseCalendario::EsFestivo(double fecha) { return Buscar(fecha); }

QChar BaseCalendario::CodigoActual() const { return d->hayActual ? d->codigoActual : QChar(); }

void BaseCalendario::Insertar(double fecha, QChar codigo) { InsertarVarios({{fecha, codigo}}); }

void BaseCalendario::InsertarVarios(const QList<Festivo> &filas)
{
    QSqlDatabase db = d->Tabla();
    for (const Festivo &f : filas)
        if (f.codigo.isNull() || !std::isfinite(f.fecha))
            throw ErrorCalendario(QStringLiteral("Fecha o tipo de festivo no válido"));
    EnTransaccion(db, [&] { EscribirFilas(db, filas); });
    if (!filas.isEmpty()) {
        d->hayActual = true;
        d->actual = Dia(filas.last().fecha);
        d->codigoActual = filas.last().codigo;
    }
}

void BaseCalendario::BorrarActual()
{
    QSqlDatabase db = d->Tabla();
    if (!d->hayActual)
        throw ErrorCalendario(QStringLiteral("No hay ninguna fecha seleccionada en el calendario"));
    EnTransaccion(db, [&] { Ejecutar(db, QStringLiteral("DELETE FROM Calendar WHERE FECHA = ?"), {d->actual}); });
    d->hayActual = false;
}

void BaseCalendario::Vaciar()
{
    QSqlDatabase db = d->Tabla();
    if (!d->exclusivoActivo)
        throw ErrorCalendario(QStringLiteral("Para vaciar el calendario se necesita acceso exclusivo"));
    EnTransaccion(db, [&] { Ejecutar(db, QStringLiteral("DELETE FROM Calendar")); });
    d->hayActual = false;
}

QList<Festivo> BaseCalendario::Festivos(double desde, double hasta) const
{
    QList<Festivo> lista;
    QSqlQuery q = Ejecutar(d->Tabla(),
                           QStringLiteral("SELECT FECHA, CODREDUC FROM Calendar "
                                          "WHERE FECHA >= ? AND FECHA <= ? ORDER BY FECHA"),
                           {Dia(desde), Dia(hasta)});
    while (q.next())
        lista.append({q.value(0).toDouble(), PrimerCaracter(q.value(1))});
    return lista;
}

std::array<int, 7> BaseCalendario::FestivosPorDiaSemana(double desde, double hasta) const
{
    // Serial 1 is a Sunday; the offset, a multiple of 7 plus 6, keeps every
    // date from 01/01/0100 on non-negative so % gives the weekday directly.
    std::array<int, 7> cuenta{};
    QSqlQuery q = Ejecutar(d->Tabla(),
                           QStringLiteral("SELECT (FECHA + 657446) % 7, COUNT(*) FROM Calendar "
                                          "WHERE FECHA >= ? AND FECHA <= ? GROUP BY 1"),
                           {Dia(desde), Dia(hasta)});
    while (q.next()) {
        const int dia = q.value(0).toInt();
        if (dia >= 0 && dia < 7)
            cuenta[dia] = q.value(1).toInt();
    }
    return cuenta;
}
