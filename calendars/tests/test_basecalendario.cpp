#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "BaseCalendario.h"
#include "Ficheros.h"

Q_DECLARE_METATYPE(std::function<void(const QString &)>)

namespace {

using Preparar = std::function<void(const QString &)>;

// A raw SQLite file, written without the store.
void CrearSqlite(const QString &ruta, const QString &sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prueba"));
        db.setDatabaseName(ruta);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(sql));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prueba"));
}

QString Integridad(const QString &ruta)
{
    QString resultado;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("integridad"));
        db.setDatabaseName(ruta);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA integrity_check"));
        while (q.next())
            resultado += q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("integridad"));
    return resultado;
}

QList<Festivo> Seguidos(double desde, int cuantos)
{
    QList<Festivo> filas;
    for (int i = 0; i < cuantos; ++i)
        filas.append({desde + i, QChar(u'0' + i % 3)});
    return filas;
}

} // namespace

class TestBaseCalendario : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rutas_data();
    void rutas();
    void noEsUnCalendario_data();
    void noEsUnCalendario();
    void filas();
    void operacionesSinTabla();
    void festivos_data();
    void festivos();
    void vaciarPideExclusivo();
    void exclusivoCierraElPaso();
    void copiarBase_data();
    void copiarBase();
    void copiarSobreSiMismo();
    void reconstruirSano();
    void reconstruirDanado();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString Ruta(const QString &nombre) const { return dir_->filePath(nombre); }
};

void TestBaseCalendario::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestBaseCalendario::rutas_data()
{
    QTest::addColumn<QString>("directorio");
    QTest::addColumn<QString>("ruta");
    QTest::newRow("sin separador") << "/datos/cal" << "/datos/cal/Calendar.udb";
    QTest::newRow("con barra") << "/datos/cal/" << "/datos/cal/Calendar.udb";
    QTest::newRow("con barra invertida") << "/datos/cal\\" << "/datos/cal/Calendar.udb";
    QTest::newRow("raíz") << "/" << "/Calendar.udb";
    QTest::newRow("vacío") << "" << "Calendar.udb";
}

void TestBaseCalendario::rutas()
{
    QFETCH(QString, directorio);
    QFETCH(QString, ruta);
    BaseCalendario bd;
    bd.FijarDirectorio(directorio);
    bd.FijarNombre(QStringLiteral("Calendar.udb"));
    QCOMPARE(bd.Ruta(), ruta);
}

void TestBaseCalendario::noEsUnCalendario_data()
{
    QTest::addColumn<Preparar>("preparar");
    QTest::newRow("no existe") << Preparar([](const QString &) {});
    QTest::newRow("texto") << Preparar([](const QString &r) {
        EscribirBytes(r, "FECHA;CODREDUC\r\n01/01/2024;0\r\n");
    });
    QTest::newRow("vacío") << Preparar([](const QString &r) { EscribirBytes(r, QByteArray()); });
    QTest::newRow("sin tabla Calendar") << Preparar([](const QString &r) {
        CrearSqlite(r, QStringLiteral("CREATE TABLE Otra (FECHA INTEGER, CODREDUC TEXT)"));
    });
    QTest::newRow("sin los campos") << Preparar([](const QString &r) {
        CrearSqlite(r, QStringLiteral("CREATE TABLE Calendar (DIA INTEGER, TIPO TEXT)"));
    });
}

// Connecting fails, and neither connecting nor a rebuild touches the file.
void TestBaseCalendario::noEsUnCalendario()
{
    QFETCH(Preparar, preparar);
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    preparar(ruta);
    const bool existia = QFile::exists(ruta);
    const QByteArray antes = Bytes(ruta);
    const QStringList carpeta = Contenido(dir_->path());

    BaseCalendario bd;
    bd.FijarDirectorio(dir_->path());
    bd.FijarNombre(QStringLiteral("Calendar.udb"));
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.Conectar());
    QVERIFY(!bd.Conectado());
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.Reconstruir());

    QCOMPARE(QFile::exists(ruta), existia);
    QCOMPARE(Bytes(ruta), antes);
    QCOMPARE(Contenido(dir_->path()), carpeta);
}

void TestBaseCalendario::filas()
{
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    BaseCalendario::CrearVacio(ruta);
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    bd.Conectar();
    bd.Abrir();
    QVERIFY(bd.Vacia());
    QVERIFY(!bd.Buscar(45352));
    QVERIFY(bd.CodigoActual().isNull());

    bd.Insertar(45352, QLatin1Char('1'));
    bd.Insertar(45360, QLatin1Char('0'));
    // Same day at another time of day: the row is replaced, not doubled.
    bd.Insertar(45352.75, QLatin1Char('2'));

    // Stored at once: a second connection sees the rows.
    QCOMPARE(Filas(ruta), (QMap<qint64, QChar>{{45352, u'2'}, {45360, u'0'}}));
    QCOMPARE(bd.NumeroFilas(), 2);
    QVERIFY(bd.EsFestivo(45352.3));
    QCOMPARE(bd.CodigoActual(), QLatin1Char('2'));

    bd.BorrarActual();
    QVERIFY(!bd.Buscar(45352));
    QVERIFY(bd.CodigoActual().isNull());
    // With no current row there is nothing to delete.
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.BorrarActual());
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.Insertar(45361, QChar()));
    QCOMPARE(Filas(ruta), (QMap<qint64, QChar>{{45360, u'0'}}));
}

void TestBaseCalendario::operacionesSinTabla()
{
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    CrearCalendario(ruta, {{45352, u'0'}});
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.Abrir());
    bd.Conectar();
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.EsFestivo(45352));
    bd.Abrir();
    QVERIFY(bd.EsFestivo(45352));
    // Disconnecting closes the table with it.
    bd.Desconectar();
    QVERIFY(!bd.Abierta());
    bd.Conectar();
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.NumeroFilas());
}

void TestBaseCalendario::festivos_data()
{
    // Serial 100 is a Monday, 105 a Saturday, 106 a Sunday, 110 a Thursday.
    QTest::addColumn<double>("desde");
    QTest::addColumn<double>("hasta");
    QTest::addColumn<QList<int>>("dias");
    QTest::addColumn<QList<int>>("semana"); // domingo .. sábado
    QTest::newRow("extremos incluidos") << 101.0 << 105.0 << QList<int>{101, 105} << QList<int>{0, 0, 1, 0, 0, 0, 1};
    QTest::newRow("entre dos festivos") << 102.0 << 104.0 << QList<int>{} << QList<int>(7, 0);
    QTest::newRow("con hora") << 105.9 << 110.2 << QList<int>{105, 106, 110} << QList<int>{1, 0, 0, 0, 1, 0, 1};
    QTest::newRow("un solo día") << 100.0 << 100.0 << QList<int>{100} << QList<int>{0, 1, 0, 0, 0, 0, 0};
    QTest::newRow("al revés") << 110.0 << 100.0 << QList<int>{} << QList<int>(7, 0);
    QTest::newRow("todo") << -1e6 << 1e6 << QList<int>{100, 101, 105, 106, 110} << QList<int>{1, 1, 1, 0, 1, 0, 1};
}

void TestBaseCalendario::festivos()
{
    QFETCH(double, desde);
    QFETCH(double, hasta);
    QFETCH(QList<int>, dias);
    QFETCH(QList<int>, semana);
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    const QMap<int, QChar> codigos{{100, u'0'}, {101, u'0'}, {105, u'1'}, {106, u'0'}, {110, u'2'}};
    CrearCalendario(ruta, {{110, u'2'}, {100, u'0'}, {105, u'1'}, {106, u'0'}, {101, u'0'}});
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    bd.Conectar();
    bd.Abrir();
    QList<int> obtenidos;
    for (const Festivo &f : bd.Festivos(desde, hasta)) {
        obtenidos << int(f.fecha);
        QCOMPARE(f.codigo, codigos.value(int(f.fecha)));
    }
    QCOMPARE(obtenidos, dias);
    const std::array<int, 7> porDia = bd.FestivosPorDiaSemana(desde, hasta);
    QCOMPARE(QList<int>(porDia.begin(), porDia.end()), semana);
}

void TestBaseCalendario::vaciarPideExclusivo()
{
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    CrearCalendario(ruta, Seguidos(45000, 20));
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    bd.FijarExclusivo(true); // not yet: only the next connection is exclusive
    bd.Conectar();
    bd.FijarExclusivo(false);
    QVERIFY(bd.Exclusivo());
    bd.Conectar();
    QVERIFY(!bd.Exclusivo());
    bd.Abrir();
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.Vaciar());
    QCOMPARE(bd.NumeroFilas(), 20);

    bd.FijarExclusivo(true);
    bd.Conectar();
    bd.Abrir();
    bd.Vaciar();
    QVERIFY(bd.Vacia());
    bd.Desconectar();
    QVERIFY(Filas(ruta).isEmpty());
}

// Exclusive access is real: while it lasts nobody else reads the file.
void TestBaseCalendario::exclusivoCierraElPaso()
{
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    CrearCalendario(ruta, Seguidos(45000, 3));
    BaseCalendario duenio, otro;
    duenio.FijarNombre(ruta);
    otro.FijarNombre(ruta);
    duenio.FijarExclusivo(true);
    duenio.Conectar();
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, otro.Conectar());
    duenio.Desconectar();
    otro.Conectar();
    otro.Abrir();
    QCOMPARE(otro.NumeroFilas(), 3);
}

void TestBaseCalendario::copiarBase_data()
{
    QTest::addColumn<bool>("existe");
    QTest::addColumn<bool>("sobrescribir");
    QTest::addColumn<bool>("copia");
    QTest::newRow("destino nuevo") << false << false << true;
    QTest::newRow("destino nuevo, sobrescribiendo") << false << true << true;
    QTest::newRow("existe, sin sobrescribir") << true << false << false;
    QTest::newRow("existe, sobrescribiendo") << true << true << true;
}

void TestBaseCalendario::copiarBase()
{
    QFETCH(bool, existe);
    QFETCH(bool, sobrescribir);
    QFETCH(bool, copia);
    const QList<Festivo> origen = Seguidos(45000, 50);
    const QString destino = Ruta(QStringLiteral("Madrid.udb"));
    CrearCalendario(Ruta(QStringLiteral("Calendar.udb")), origen);
    if (existe)
        CrearCalendario(destino, {{1, u'2'}});
    const QByteArray antes = Bytes(destino);

    // Connected, as the program copies it.
    BaseCalendario bd;
    bd.FijarDirectorio(dir_->path());
    bd.FijarNombre(QStringLiteral("Calendar.udb"));
    bd.Conectar();
    if (copia) {
        bd.CopiarBase(destino, sobrescribir);
        QCOMPARE(Filas(destino), ComoMapa(origen));
    } else {
        QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.CopiarBase(destino, sobrescribir));
        QCOMPARE(Bytes(destino), antes);
    }
    QVERIFY(bd.Conectado());
    QCOMPARE(Contenido(dir_->path()), (QStringList{QStringLiteral("Calendar.udb"), QStringLiteral("Madrid.udb")}));

    // A destination that cannot be written leaves nothing behind.
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.CopiarBase(Ruta(QStringLiteral("no/hay/Madrid.udb")), true));
    QCOMPARE(Contenido(dir_->path()).size(), 2);
}

void TestBaseCalendario::copiarSobreSiMismo()
{
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    CrearCalendario(ruta, Seguidos(45000, 5));
    const QByteArray antes = Bytes(ruta);
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    bd.Conectar();
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.CopiarBase(dir_->path() + QStringLiteral("/./Calendar.udb"), true));
    QCOMPARE(Bytes(ruta), antes);
}

void TestBaseCalendario::reconstruirSano()
{
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    CrearCalendario(ruta, Seguidos(45000, 30));
    const QByteArray antes = Bytes(ruta);
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    bd.Conectar();
    QVERIFY_THROWS_EXCEPTION(ErrorCalendario, bd.Reconstruir());
    bd.Desconectar();
    bd.Reconstruir();
    QCOMPARE(Bytes(ruta), antes);
    QCOMPARE(Contenido(dir_->path()), QStringList{QStringLiteral("Calendar.udb")});
}

// Bytes overwritten in the middle of one data page: the repair keeps every
// row SQLite could still read, on both sides of the damage, and no invented ones.
void TestBaseCalendario::reconstruirDanado()
{
    const QString ruta = Ruta(QStringLiteral("Calendar.udb"));
    const QList<Festivo> originales = Seguidos(40000, 5000);
    CrearCalendario(ruta, originales);
    const QMap<qint64, QChar> todas = ComoMapa(originales);

    QByteArray bytes = Bytes(ruta);
    const int tamPagina = (quint8(bytes[16]) << 8) | quint8(bytes[17]);
    QList<int> hojas; // table leaf pages, page 1 being the schema
    for (int p = 1; p < bytes.size() / tamPagina; ++p)
        if (quint8(bytes[p * tamPagina]) == 0x0D)
            hojas << p;
    QVERIFY(hojas.size() >= 5);
    const qsizetype danada = qsizetype(hojas[hojas.size() / 2]) * tamPagina;
    bytes.replace(danada + tamPagina / 2, 200, QByteArray(200, '\xFF'));
    EscribirBytes(ruta, bytes);
    QVERIFY(Integridad(ruta) != QLatin1String("ok"));

    QMap<qint64, QChar> legibles;
    {
        BaseCalendario bd;
        bd.FijarNombre(ruta);
        bd.Conectar();
        bd.Abrir();
        for (auto i = todas.cbegin(); i != todas.cend(); ++i) {
            try {
                if (bd.Buscar(double(i.key())))
                    legibles.insert(i.key(), bd.CodigoActual());
            } catch (const ErrorCalendario &) {
            }
        }
    }
    QVERIFY(legibles.size() < todas.size());

    BaseCalendario bd;
    bd.FijarDirectorio(dir_->path());
    bd.FijarNombre(QStringLiteral("Calendar.udb"));
    bd.Reconstruir();

    QCOMPARE(Integridad(ruta), QStringLiteral("ok"));
    const QMap<qint64, QChar> quedan = Filas(ruta);
    for (auto i = legibles.cbegin(); i != legibles.cend(); ++i)
        QVERIFY2(quedan.value(i.key()) == i.value(), qPrintable(QString::number(i.key())));
    for (auto i = quedan.cbegin(); i != quedan.cend(); ++i)
        QVERIFY2(todas.value(i.key()) == i.value(), qPrintable(QString::number(i.key())));
    // At most the one damaged page is lost.
    QVERIFY(quedan.size() < todas.size());
    QVERIFY(quedan.size() > todas.size() - tamPagina / 8);

    QCOMPARE(Bytes(ruta + QStringLiteral(".bak")), bytes);
    QCOMPARE(Contenido(dir_->path()),
             (QStringList{QStringLiteral("Calendar.udb"), QStringLiteral("Calendar.udb.bak")}));
    bd.Conectar();
    bd.Abrir();
    QCOMPARE(bd.NumeroFilas(), quedan.size());
}

QTEST_GUILESS_MAIN(TestBaseCalendario)
#include "test_basecalendario.moc"
