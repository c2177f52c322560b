#include <QTest>

#include <cmath>
#include <limits>

#include "Funcion.h"

using namespace Funcion;

// QCOMPARE on doubles is fuzzy; these results must be the very same double.
#define COMPARAR_EXACTO(actual, esperado)                                                   \
    QVERIFY2((actual) == (esperado),                                                       \
             qPrintable(QString::number((actual), 'g', 17) + QStringLiteral(" != ")         \
                        + QString::number((esperado), 'g', 17)))

class TestNumeros : public QObject
{
    Q_OBJECT

private slots:
    void textoAEntero_data();
    void textoAEntero();
    void textoANumero_data();
    void textoANumero();
    void redondear_data();
    void redondear();
    void redondearFueraDeRango_data();
    void redondearFueraDeRango();
};

void TestNumeros::textoAEntero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("esperado");

    QTest::newRow("simple") << "42" << 42;
    QTest::newRow("puntos y blancos") << " 1.234 " << 1234;
    QTest::newRow("signo menos") << "-17" << -17;
    QTest::newRow("signo mas") << "+17" << 17;
    // An upper-case X, as in a foreign identity number, is no hex prefix.
    QTest::newRow("X mayuscula") << "X12" << 0;
    QTest::newRow("0X mayuscula") << "0X1F" << 0;
    QTest::newRow("hex dolar") << "$1F" << 31;
    QTest::newRow("hex x") << "x1f" << 31;
    QTest::newRow("hex 0x") << "0x1F" << 31;
    QTest::newRow("hex negativo") << "-$10" << -16;
    QTest::newRow("prefijo solo") << "$" << 0;
    QTest::newRow("hex no valido") << "$1G" << 0;
    QTest::newRow("coma") << "12,5" << 0;
    QTest::newRow("vacio") << "" << 0;
    QTest::newRow("blancos") << "   " << 0;
    QTest::newRow("signo solo") << "-" << 0;
    QTest::newRow("blanco interior") << "1 2" << 0;
    QTest::newRow("tab") << "\t12" << 0;
    QTest::newRow("letras") << "abc" << 0;
    QTest::newRow("maximo") << "2147483647" << 2147483647;
    QTest::newRow("minimo") << "-2.147.483.648" << int(-2147483647 - 1);
    QTest::newRow("desborda") << "2147483648" << 0;
    QTest::newRow("desborda negativo") << "-2147483649" << 0;
    QTest::newRow("desborda mucho") << "99999999999999999999999" << 0;
}

void TestNumeros::textoAEntero()
{
    QFETCH(QString, texto);
    QFETCH(int, esperado);
    QCOMPARE(TextoAEntero(texto), esperado);
}

void TestNumeros::textoANumero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("esperado");

    QTest::newRow("vacio") << "" << 0.0;
    QTest::newRow("blancos") << "   " << 0.0;
    QTest::newRow("letras") << "abc" << 0.0;
    QTest::newRow("miles y coma") << "-1.000,5" << -1000.5;
    QTest::newRow("punto de miles") << "1.234,56" << 1234.56;
    // The point is always a thousands point, never a decimal one.
    QTest::newRow("punto no decimal") << "1.5" << 15.0;
    QTest::newRow("blancos alrededor") << "  2,5  " << 2.5;
    QTest::newRow("signo mas") << "+3" << 3.0;
    QTest::newRow("coma inicial") << ",25" << 0.25;
    QTest::newRow("coma final") << "7," << 7.0;
    QTest::newRow("exponente") << "1,5E3" << 1500.0;
    QTest::newRow("exponente minusculo negativo") << "25e-1" << 2.5;
    QTest::newRow("exponente con signo") << "-1E+2" << -100.0;
    QTest::newRow("exponente sin cifras") << "1E" << 0.0;
    QTest::newRow("segunda coma") << "1,2,3" << 0.0;
    QTest::newRow("solo coma") << "," << 0.0;
    QTest::newRow("inf") << "inf" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("hex") << "0x10" << 0.0;
    QTest::newRow("blanco interior") << "1 000" << 0.0;
    QTest::newRow("desborda") << "1E400" << 0.0;
    QTest::newRow("basura detras") << "12abc" << 0.0;
}

void TestNumeros::textoANumero()
{
    QFETCH(QString, texto);
    QFETCH(double, esperado);
    COMPARAR_EXACTO(TextoANumero(texto), esperado);
}

void TestNumeros::redondear_data()
{
    QTest::addColumn<int>("decimales");
    QTest::addColumn<QString>("modo");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("esperado");

    QTest::newRow("5 positivo") << 2 << "5" << 2.345 << 2.35;
    QTest::newRow("5 negativo") << 2 << "5" << -2.345 << -2.35;
    // Both are just below the half in binary; x * 10^d rounded to a double
    // lands on the half and goes up.
    QTest::newRow("5 p como double") << 2 << "5" << 2.675 << 2.68;
    QTest::newRow("5 p como double pequeno") << 2 << "5" << 0.015 << 0.02;
    // Here even the double product stays below the half: the binary value
    // decides, unlike the number masks.
    QTest::newRow("5 binario manda") << 2 << "5" << 1.005 << 1.0;
    QTest::newRow("5 hacia abajo") << 2 << "5" << 2.344 << 2.34;
    QTest::newRow("5 sin decimales") << 0 << "5" << 2.5 << 3.0;
    QTest::newRow("5 sin decimales negativo") << 0 << "5" << -2.5 << -3.0;
    QTest::newRow("0 trunca") << 2 << "0" << 2.349 << 2.34;
    QTest::newRow("0 trunca negativo") << 2 << "0" << -2.349 << -2.34;
    QTest::newRow("9 sube") << 2 << "9" << 1.231 << 1.24;
    QTest::newRow("9 sube negativo") << 2 << "9" << -1.231 << -1.24;
    QTest::newRow("9 ya redondo") << 2 << "9" << 1.23 << 1.23;
    QTest::newRow("9 un decimal") << 1 << "9" << 7.01 << 7.1;
    QTest::newRow("9 sobran decimales") << 2 << "9" << 7.01 << 7.01;
    QTest::newRow("9 entero") << 0 << "9" << 7.5 << 8.0;
    QTest::newRow("9 valor entero") << 0 << "9" << 7.0 << 7.0;
    // The double arithmetic leaves 7,1 + 0,9 just below 8: kept on purpose,
    // it is what the calculator has always printed.
    QTest::newRow("9 frontera 7,1") << 0 << "9" << 7.1 << 7.0;
    QTest::newRow("9 frontera 7,01") << 0 << "9" << 7.01 << 7.0;
    QTest::newRow("9 exponente") << 7 << "9" << 1.5e-7 << 2e-7;
    QTest::newRow("modo desconocido") << 2 << "x" << 1.2345 << 1.2345;
    QTest::newRow("modo vacio") << 2 << "" << 1.2345 << 1.2345;
    QTest::newRow("solo cuenta el primero") << 2 << "5x" << 2.345 << 2.35;
    QTest::newRow("cero") << 2 << "5" << 0.0 << 0.0;
}

void TestNumeros::redondear()
{
    QFETCH(int, decimales);
    QFETCH(QString, modo);
    QFETCH(double, x);
    QFETCH(double, esperado);
    COMPARAR_EXACTO(Redondear(decimales, modo, x), esperado);
}

void TestNumeros::redondearFueraDeRango_data()
{
    QTest::addColumn<int>("decimales");
    QTest::addColumn<double>("x");

    // |x| * 10^d beyond 2^63 has no 64-bit truncation: x comes back as is.
    QTest::newRow("mas de 2^63") << 2 << 1e18;
    QTest::newRow("muchos decimales") << 300 << 1.5;
    QTest::newRow("negativo enorme") << 0 << -1e300;
    QTest::newRow("infinito") << 2 << std::numeric_limits<double>::infinity();
}

void TestNumeros::redondearFueraDeRango()
{
    QFETCH(int, decimales);
    QFETCH(double, x);
    for (const char *modo : {"0", "5", "9"})
        COMPARAR_EXACTO(Redondear(decimales, QString::fromLatin1(modo), x), x);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(std::isnan(Redondear(decimales, QStringLiteral("5"), nan)));
}

QTEST_APPLESS_MAIN(TestNumeros)
#include "test_numeros.moc"
