#include "LineasTira.h"

#include <QTest>

using namespace Tira;

namespace {
QString B(int n) { return QString(n, QLatin1Char(' ')); }

EstadoCalculadora Calc(int decimales, bool flotante, const QString &mascara, int sumandos = 0)
{
    EstadoCalculadora e;
    e.decimales = decimales;
    e.flotante = flotante;
    e.mascara = mascara;
    e.sumandos = sumandos;
    return e;
}
} // namespace

class TestLineasTira : public QObject {
    Q_OBJECT
private slots:
    void lineasFijas();
    void calculadora_data();
    void calculadora();
    void numeroLargoEmpujaLaMarca();
    void fechas_data();
    void fechas();
    void fechaLeidaSeDevuelve();
    void tiempo_data();
    void tiempo();
};

void TestLineasTira::lineasFijas()
{
    QCOMPARE(LineaError(), B(16) + "ERROR  ");
    QCOMPARE(LineaError().length(), 23);
    QCOMPARE(LineaTilde().count(QLatin1Char('~')), 13);
    QCOMPARE(LineaTildeHora().count(QLatin1Char('~')), 12);
    QCOMPARE(LineaRaya(), B(3) + QString(21, QLatin1Char('_')));
    QCOMPARE(LineaRayaFecha(), B(8) + QString(16, QLatin1Char('_')));
    QCOMPARE(LineaBlanco(), QStringLiteral(" "));
    QCOMPARE(Relleno(0), B(1));
    QCOMPARE(Relleno(-4), B(1));
}

void TestLineasTira::calculadora_data()
{
    QTest::addColumn<QChar>("marca");
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<bool>("flotante");
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<QStringList>("lineas");

    const QString m2 = QStringLiteral("#,##0.00");
    QTest::newRow("suma de 3 a dos decimales") << QChar('+') << 3.0 << 2 << false << m2 << QStringList{B(18) + "3,00 +"};
    QTest::newRow("menos decimales que n se rellenan") << QChar('-') << 1234.5 << 2 << false << m2 << QStringList{B(14) + "1.234,50 -"};
    QTest::newRow("mas decimales que n se imprimen todos") << QChar('X') << 1234.567 << 2 << false << m2 << QStringList{B(13) + "1.234,567 X"};
    QTest::newRow("flotante sin ceros") << QChar('=') << 1234.5 << 8 << true << QString() << QStringList{B(15) + "1.234,5 ="};
    QTest::newRow("flotante entero") << QChar('R') << 3.0 << 8 << true << QString() << QStringList{B(21) + "3 R"};
    QTest::newRow("total con su cuenta") << QChar('T') << 2.0 << 2 << false << m2 << QStringList{B(18) + "2,00 T", "CNT: 4"};
    QTest::newRow("total redondea con la mascara") << QChar('T') << 2.345 << 2 << false << m2 << QStringList{B(18) + "2,35 T", "CNT: 4"};
    QTest::newRow("total flotante") << QChar('T') << 2.345 << 8 << true << QString() << QStringList{B(17) + "2,345 T", "CNT: 4"};
    QTest::newRow("cuenta") << QChar('N') << 0.0 << 2 << false << m2 << QStringList{"CNT: 4"};
    QTest::newRow("error") << QChar('E') << 0.0 << 2 << false << m2 << QStringList{LineaError()};
    QTest::newRow("raya") << QChar('_') << 0.0 << 2 << false << m2 << QStringList{LineaRaya()};
    QTest::newRow("tilde") << QChar('F') << 0.0 << 2 << false << m2 << QStringList{LineaTilde()};
    QTest::newRow("borrado") << QChar('C') << 0.0 << 2 << false << m2 << QStringList{B(18) + "0,00 C"};
    QTest::newRow("negativo") << QChar('-') << -0.5 << 2 << false << m2 << QStringList{B(17) + "-0,50 -"};
}

void TestLineasTira::calculadora()
{
    QFETCH(QChar, marca);
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(bool, flotante);
    QFETCH(QString, mascara);
    QFETCH(QStringList, lineas);
    QCOMPARE(LineasCalculadora(marca, valor, Calc(decimales, flotante, mascara, 4)), lineas);
}

void TestLineasTira::numeroLargoEmpujaLaMarca()
{
    const QString veintidos(22, QLatin1Char('9'));
    const QString linea = LineaValor(veintidos, QLatin1Char('+'));
    QCOMPARE(linea.length(), 25);
    QCOMPARE(linea, " " + veintidos + " +");
    QCOMPARE(LineaValor(QString(21, QLatin1Char('9')), QLatin1Char('+')).length(), 24);
}

void TestLineasTira::fechas_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QChar>("marca");
    QTest::addColumn<bool>("ambos");
    QTest::addColumn<bool>("habiles");
    QTest::addColumn<bool>("sabados");
    QTest::addColumn<QStringList>("lineas");

    QTest::newRow("resultado con opciones") << "15" << QChar('R') << true << true << false << QStringList{"AH" + B(18) + "15 R"};
    QTest::newRow("resultado sin opciones") << "15" << QChar('R') << false << false << false << QStringList{B(20) + "15 R"};
    QTest::newRow("fecha tecleada") << "01/03/2024" << QChar('D') << false << false << false << QStringList{B(12) + "01/03/2024 F"};
    QTest::newRow("fecha resultante con opciones") << "1/3/2024" << QChar('Q') << true << false << true << QStringList{"AS" + B(10) + "01/03/2024 F"};
    QTest::newRow("no fecha queda vacia") << "abc" << QChar('D') << false << false << false << QStringList{B(22) + " F"};
    QTest::newRow("total, vacia y cuenta") << "1234" << QChar('T') << false << false << false << QStringList{B(17) + "1.234 T", QString(), "CNT: 3"};
    QTest::newRow("reinicio") << QString() << QChar('B') << false << false << false << QStringList{B(21) + "0 C"};
    QTest::newRow("coeficiente") << "15" << QChar('C') << false << false << false << QStringList{" Cf.: 0,5" + B(11) + "15 C"};
    QTest::newRow("factor 1,5") << "15" << QChar('M') << false << false << false << QStringList{" X 1,5 " + B(13) + "15 M"};
    QTest::newRow("texto libre sin marca") << "1 años 2 meses" << QChar('K') << false << false << false << QStringList{B(8) + "1 años 2 meses"};
    QTest::newRow("suma de dias") << "30" << QChar('+') << false << false << false << QStringList{B(20) + "30 +"};
    QTest::newRow("no numero es cero") << "x" << QChar('-') << false << false << false << QStringList{B(21) + "0 -"};
    QTest::newRow("raya") << QString() << QChar('_') << false << false << false << QStringList{LineaRayaFecha()};
}

void TestLineasTira::fechas()
{
    QFETCH(QString, texto);
    QFETCH(QChar, marca);
    QFETCH(bool, ambos);
    QFETCH(bool, habiles);
    QFETCH(bool, sabados);
    QFETCH(QStringList, lineas);
    EstadoFechas e;
    e.ambosInc = ambos;
    e.habiles = habiles;
    e.sabadosNo = sabados;
    e.coeficiente = QStringLiteral("0,5");
    e.sumandos = 3;
    QCOMPARE(LineasFechas(texto, marca, e), lineas);
}

void TestLineasTira::fechaLeidaSeDevuelve()
{
    double fecha = -1;
    LineasFechas(QStringLiteral("01/03/2024"), QLatin1Char('D'), EstadoFechas{}, &fecha);
    QCOMPARE(fecha, 45352.0);
    LineasFechas(QStringLiteral("31/02/2024"), QLatin1Char('D'), EstadoFechas{}, &fecha);
    QCOMPARE(fecha, 0.0);
}

void TestLineasTira::tiempo_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QChar>("marca");
    QTest::addColumn<QStringList>("lineas");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("marca del cronometro") << "00:01:02:500" << QChar('M') << QStringList{"Marca   7=00:01:02:500 M"} << "00:01:02:500";
    QTest::newRow("vuelta") << "00:00:10:100" << QChar('L') << QStringList{"Lap  " + B(5) + "00:00:10:100 L"} << "00:00:10:100";
    QTest::newRow("parada") << "00:00:10:100" << QChar('S') << QStringList{"Stop " + B(5) + "00:00:10:100 S"} << "00:00:10:100";
    QTest::newRow("numero suelto son horas") << "5" << QChar('+') << QStringList{B(14) + "05:00:00 +"} << QString();
    QTest::newRow("hora") << "10:30:15" << QChar('H') << QStringList{B(14) + "10:30:15 H"} << QString();
    QTest::newRow("no hora es cero") << "zz" << QChar('R') << QStringList{B(14) + "00:00:00 R"} << QString();
    QTest::newRow("reinicio") << "0" << QChar('C') << QStringList{B(14) + "00:00:00 C"} << QString();
    QTest::newRow("total y cuenta sin vacia") << QString() << QChar('T') << QStringList{B(10) + "27h 04m 05s  T", "CNT: 2"} << "27h 04m 05s ";
    QTest::newRow("tilde") << QString() << QChar('F') << QStringList{LineaTildeHora()} << QString();
}

void TestLineasTira::tiempo()
{
    QFETCH(QString, texto);
    QFETCH(QChar, marca);
    QFETCH(QStringList, lineas);
    QFETCH(QString, resultado);
    EstadoTiempo e;
    e.totalHoras = QStringLiteral("27h 04m 05s ");
    e.marcas = 7;
    e.sumandos = 2;
    QString r;
    QCOMPARE(LineasTiempo(texto, marca, e, &r), lineas);
    QCOMPARE(r, resultado);
}

QTEST_APPLESS_MAIN(TestLineasTira)
#include "test_lineastira.moc"
