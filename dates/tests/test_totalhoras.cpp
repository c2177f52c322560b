// A time total that may pass one day, as hours, minutes and seconds.

#include "TotalHoras.h"

#include <QTest>
#include <limits>

class TestTotalHoras : public QObject {
    Q_OBJECT
private slots:
    void texto_data();
    void texto();
};

void TestTotalHoras::texto_data()
{
    QTest::addColumn<double>("dias");
    QTest::addColumn<QString>("texto");

    const double hora = 1.0 / 24, minuto = hora / 60, segundo = minuto / 60;
    QTest::newRow("cero") << 0.0 << "0h 00m 00s ";
    QTest::newRow("dos dias y medio") << 2.5 << "60h 00m 00s ";
    QTest::newRow("un dia tres horas") << 1 + 3 * hora + 4 * minuto + 5 * segundo << "27h 04m 05s ";
    QTest::newRow("media hora") << 30 * minuto << "0h 30m 00s ";
    QTest::newRow("un pelo menos de un dia es un dia") << 0.9999999999999999 << "24h 00m 00s ";
    QTest::newRow("fraccion de segundo se corta") << 59.6 * segundo << "0h 00m 59s ";
    QTest::newRow("negativo con signo delante") << -(hora + 30 * minuto) << "-1h 30m 00s ";
    QTest::newRow("no numero") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestTotalHoras::texto()
{
    QFETCH(double, dias);
    QFETCH(QString, texto);
    QCOMPARE(VerTotalHoras(dias), texto);
}

QTEST_GUILESS_MAIN(TestTotalHoras)
#include "test_totalhoras.moc"
