#include <QTest>

#include "FechasPrueba.h"
#include "Periodo.h"

class TestPeriodo : public QObject
{
    Q_OBJECT

private slots:
    void calculaDMA_data();
    void calculaDMA();
    void fechasInvertidas();
};

void TestPeriodo::calculaDMA_data()
{
    QTest::addColumn<QString>("inicio");
    QTest::addColumn<QString>("fin");
    QTest::addColumn<QString>("texto");

    QTest::newRow("mismo día") << "01/01/2023" << "01/01/2023" << "1 dia";
    QTest::newRow("dos días") << "01/01/2023" << "02/01/2023" << "2 dias";
    QTest::newRow("enero entero") << "01/01/2023" << "31/01/2023" << "1 mes";
    QTest::newRow("febrero entero") << "01/02/2023" << "28/02/2023" << "1 mes";
    QTest::newRow("un día antes del mes") << "15/01/2023" << "14/02/2023" << "31 dias";
    QTest::newRow("mes y un día") << "15/01/2023" << "15/02/2023" << "1 mes,1 dia";
    QTest::newRow("31 de enero a fin de febrero") << "31/01/2023" << "28/02/2023" << "1 mes,1 dia";
    QTest::newRow("31 de enero a 30 de marzo") << "31/01/2023" << "30/03/2023" << "2 meses";
    QTest::newRow("mes y 16 días") << "15/03/2023" << "30/04/2023" << "1 mes,16 dias";
    QTest::newRow("año, meses y días") << "10/01/2023" << "25/03/2024" << "1 año,2 meses,16 dias";
    QTest::newRow("año natural") << "01/01/2023" << "31/12/2023" << "1 año";
    QTest::newRow("año de mayo a abril") << "01/05/2023" << "30/04/2024" << "1 año";
    QTest::newRow("dos años") << "01/01/2023" << "31/12/2024" << "2 años";
    QTest::newRow("29F a 28F") << "29/02/2020" << "28/02/2021" << "1 año,1 dia";
    QTest::newRow("29F a 29F") << "29/02/2020" << "29/02/2024" << "4 años,1 dia";
    QTest::newRow("29F a 28F bisiesto") << "29/02/2020" << "28/02/2024" << "3 años,11 meses,31 dias";
}

void TestPeriodo::calculaDMA()
{
    QFETCH(QString, inicio);
    QFETCH(QString, fin);
    QFETCH(QString, texto);
    QCOMPARE(CalculaDMA(Serial(inicio), Serial(fin)), texto);
}

// The window always passes the earlier date first; a swapped pair must not
// turn into a one-day period.
void TestPeriodo::fechasInvertidas()
{
    QCOMPARE(CalculaDMA(Serial("25/03/2024"), Serial("10/01/2023")),
             QStringLiteral("1 año,2 meses,16 dias"));
}

QTEST_APPLESS_MAIN(TestPeriodo)
#include "test_periodo.moc"
