#include <QTest>

#include "BaseCalendario.h"
#include "FechaHora.h"
#include "Pascua.h"

using namespace Calendarios;

class TestPascua : public QObject
{
    Q_OBJECT

private slots:
    void domingoDePascua_data();
    void domingoDePascua();
    void antesDelCalendarioGregoriano();
    void festivosDeUnAnio();
    void plantilla();
};

void TestPascua::domingoDePascua_data()
{
    QTest::addColumn<QDate>("pascua");
    // Early and late extremes and years on both sides of a century.
    for (const QDate &d : {QDate(2000, 4, 23), QDate(2008, 3, 23), QDate(2011, 4, 24), QDate(2019, 4, 21),
                           QDate(2024, 3, 31), QDate(2038, 4, 25), QDate(1818, 3, 22), QDate(1900, 4, 15),
                           QDate(2100, 3, 28)})
        QTest::newRow(qPrintable(d.toString(Qt::ISODate))) << d;
}

void TestPascua::domingoDePascua()
{
    QFETCH(QDate, pascua);
    QCOMPARE(DomingoDePascua(pascua.year()), pascua);
}

void TestPascua::antesDelCalendarioGregoriano()
{
    QVERIFY(!DomingoDePascua(1582).isValid());
    QVERIFY(FestivosNacionales(1582).isEmpty());
    QCOMPARE(DomingoDePascua(1583), QDate(1583, 4, 10));
}

void TestPascua::festivosDeUnAnio()
{
    // Good Friday falls in March this year, before the May holiday.
    const QList<QDate> esperados{QDate(2024, 1, 1),   QDate(2024, 1, 6),   QDate(2024, 3, 29),
                                 QDate(2024, 5, 1),   QDate(2024, 8, 15),  QDate(2024, 10, 12),
                                 QDate(2024, 11, 1),  QDate(2024, 12, 6),  QDate(2024, 12, 8),
                                 QDate(2024, 12, 25)};
    QCOMPARE(FestivosNacionales(2024), esperados);
}

void TestPascua::plantilla()
{
    BaseCalendario bd;
    bd.FijarNombre(QStringLiteral(TALLYRA_PLANTILLA));
    bd.Conectar();
    bd.Abrir();
    QCOMPARE(bd.NumeroFilas(), 410);
    const QList<Festivo> filas = bd.Festivos(-1e7, 1e7);
    QCOMPARE(filas.size(), 410);
    for (const Festivo &f : filas)
        QCOMPARE(f.codigo, QLatin1Char('0'));
    QCOMPARE(Funcion::SerialAFecha(filas.first().fecha), QDate(2000, 1, 1));
    QCOMPARE(Funcion::SerialAFecha(filas.last().fecha), QDate(2040, 12, 25));
    for (const QDate &viernesSanto : {QDate(2000, 4, 21), QDate(2008, 3, 21), QDate(2038, 4, 23)})
        QVERIFY2(bd.EsFestivo(Funcion::FechaASerial(viernesSanto)), qPrintable(viernesSanto.toString()));
    QVERIFY(!bd.EsFestivo(Funcion::FechaASerial(QDate(2024, 4, 1))));
}

QTEST_GUILESS_MAIN(TestPascua)
#include "test_pascua.moc"
