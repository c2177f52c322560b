#include <QTest>

#include <limits>

#include "Formato.h"

using namespace Funcion;

class TestFormato : public QObject
{
    Q_OBJECT

private slots:
    void formatoGeneral_data();
    void formatoGeneral();
    void formatearNumero_data();
    void formatearNumero();
};

void TestFormato::formatoGeneral_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("cero") << 0.0 << "0";
    QTest::newRow("menos cero") << -0.0 << "0";
    QTest::newRow("entero") << 1234567.0 << "1234567";
    QTest::newRow("decimales") << 1234.5 << "1234,5";
    QTest::newRow("negativo") << -0.25 << "-0,25";
    // 0,1 + 0,2 is 0,30000000000000004: 15 digits hide the binary noise.
    QTest::newRow("quince cifras") << 0.1 + 0.2 << "0,3";
    QTest::newRow("redondeo a 15") << 2.0 / 3.0 << "0,666666666666667";
    QTest::newRow("justo debajo de 1E15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1E15") << 1e15 << "1E15";
    QTest::newRow("mantisa") << 1.5e20 << "1,5E20";
    QTest::newRow("redondea a 1E15") << 999999999999999.9 << "1E15";
    QTest::newRow("1E-5") << 1e-5 << "0,00001";
    QTest::newRow("1E-6") << 1e-6 << "1E-6";
    QTest::newRow("negativo pequeno") << -2.5e-7 << "-2,5E-7";
    QTest::newRow("grande") << 1e300 << "1E300";
    QTest::newRow("infinito") << std::numeric_limits<double>::infinity() << "0";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "0";
}

void TestFormato::formatoGeneral()
{
    QFETCH(double, x);
    QFETCH(QString, esperado);
    QCOMPARE(FormatoGeneral(x), esperado);
}

void TestFormato::formatearNumero_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("miles y decimales") << 1234.5 << "#,##0.00" << "1.234,50";
    QTest::newRow("rellena decimales") << 3.0 << "#,##0.00" << "3,00";
    QTest::newRow("cero con ceros") << 0.0 << "#,##0.00" << "0,00";
    QTest::newRow("nunca -0,00") << -0.001 << "#,##0.00" << "0,00";
    // 1,005 is 1,00499999... in binary; its decimal form rounds up.
    QTest::newRow("mitad decimal") << 1.005 << "0.00" << "1,01";
    QTest::newRow("mitad negativa") << -2.5 << "0" << "-3";
    QTest::newRow("acarreo") << 999.996 << "#,##0.00" << "1.000,00";
    QTest::newRow("acarreo a cifra nueva") << 0.6 << "#" << "1";
    QTest::newRow("decimales opcionales") << 1234.567 << "#,##0.###" << "1.234,567";
    QTest::newRow("opcionales sobrantes") << 1234.5 << "#,##0.####" << "1.234,5";
    QTest::newRow("opcionales recortan") << 1234.5678 << "#,##0.##" << "1.234,57";
    QTest::newRow("sin cero miles") << 0.0 << "#,###" << "";
    QTest::newRow("sin cero") << 0.0 << "####" << "";
    QTest::newRow("sin cero decimales") << 0.0 << "###.##" << "";
    QTest::newRow("redondea a nada") << 0.001 << "###.##" << "";
    QTest::newRow("un cero") << 5.0 << "#0" << "5";
    QTest::newRow("cero y decimal") << 0.5 << "#0.##" << "0,5";
    QTest::newRow("sin entero") << 0.5 << "###.##" << ",5";
    QTest::newRow("sin miles") << 1234.0 << "####" << "1234";
    QTest::newRow("mas cifras que huecos") << 1234567.0 << "#,###" << "1.234.567";
    QTest::newRow("negativo") << -1234.5 << "#,##0.00" << "-1.234,50";
    QTest::newRow("ceros a la izquierda") << 7.0 << "#,#00.00" << "07,00";
    QTest::newRow("diez decimales") << 0.123456789 << "##0.##########" << "0,123456789";
    QTest::newRow("decimal obligatorio") << 1.5 << "0.0##" << "1,5";
    QTest::newRow("literal detras") << 2.5 << "0.00 €" << "2,50 €";
    QTest::newRow("literal delante") << 12.0 << "Total: #,##0" << "Total: 12";
    QTest::newRow("literal en medio") << 1234.0 << "00-00" << "12-34";
    QTest::newRow("literal entre comillas") << 3.0 << "0 \"uds.\"" << "3 uds.";
    QTest::newRow("sin huecos enteros") << 12.5 << ".00" << "12,50";
    // The tape extends the decimals of a value in exponent form with a
    // second point: its placeholders keep counting as decimals.
    QTest::newRow("segundo punto") << 1.5e-7 << "#,##0.####.#######" << "0,00000015";
    QTest::newRow("mascara vacia") << 1234.5 << "" << "1234,5";
    QTest::newRow("enorme") << 1e20 << "#,##0.00" << "1E20";
    QTest::newRow("casi 1E18") << 123456789012345678.0 << "#,##0" << "123.456.789.012.346.000";
    QTest::newRow("infinito") << std::numeric_limits<double>::infinity() << "#,##0.00" << "0";
}

void TestFormato::formatearNumero()
{
    QFETCH(double, x);
    QFETCH(QString, mascara);
    QFETCH(QString, esperado);
    QCOMPARE(FormatearNumero(x, mascara), esperado);
}

QTEST_APPLESS_MAIN(TestFormato)
#include "test_formato.moc"
