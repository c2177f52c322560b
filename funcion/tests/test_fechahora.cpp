#include <QTest>

#include <limits>

#include "FechaHora.h"

using namespace Funcion;

// QCOMPARE on doubles is fuzzy; these results must be the very same double.
#define COMPARAR_EXACTO(actual, esperado)                                                   \
    QVERIFY2((actual) == (esperado),                                                       \
             qPrintable(QString::number((actual), 'g', 17) + QStringLiteral(" != ")         \
                        + QString::number((esperado), 'g', 17)))

namespace {

double Ms(int h, int m, int s, int z)
{
    return (h * 3600000.0 + m * 60000.0 + s * 1000.0 + z) / 86400000.0;
}

} // namespace

class TestFechaHora : public QObject
{
    Q_OBJECT

private slots:
    void seriales_data();
    void seriales();
    void redondeoAlMilisegundo();
    void serialNoValido();
    void textoAFecha_data();
    void textoAFecha();
    void anioDeDosCifras_data();
    void anioDeDosCifras();
    void textoAHora_data();
    void textoAHora();
    void formatearFecha_data();
    void formatearFecha();
};

void TestFechaHora::seriales_data()
{
    QTest::addColumn<double>("serial");
    QTest::addColumn<QDate>("fecha");
    QTest::addColumn<int>("diaSemana");

    QTest::newRow("origen") << 0.0 << QDate(1899, 12, 30) << 7;
    QTest::newRow("uno") << 1.0 << QDate(1899, 12, 31) << 1;
    QTest::newRow("antes del origen") << -1.0 << QDate(1899, 12, 29) << 6;
    QTest::newRow("bisiesto") << 45351.0 << QDate(2024, 2, 29) << 5;
    QTest::newRow("marzo 2024") << 45352.0 << QDate(2024, 3, 1) << 6;
    QTest::newRow("año 1") << -693593.0 << QDate(1, 1, 1) << 2;
}

void TestFechaHora::seriales()
{
    QFETCH(double, serial);
    QFETCH(QDate, fecha);
    QFETCH(int, diaSemana);
    QCOMPARE(SerialAFecha(serial), fecha);
    QCOMPARE(SerialAFecha(serial + 0.75), fecha);
    COMPARAR_EXACTO(FechaASerial(fecha), serial);
    QCOMPARE(DiaSemana(serial + 0.5), diaSemana);
    COMPARAR_EXACTO(FechaHoraASerial(QDateTime(fecha, QTime(18, 0))), serial + 0.75);
}

void TestFechaHora::redondeoAlMilisegundo()
{
    // Half a day is noon exactly, not 11:59:59,999.
    QCOMPARE(SerialAHora(45352.5), QTime(12, 0));
    QCOMPARE(SerialAHora(Ms(9, 5, 7, 5)), QTime(9, 5, 7, 5));
    // A fraction a hair below midnight rounds into the next day, and the
    // date follows the time.
    const double casi = 45352 + (86400000 - 0.4) / 86400000.0;
    QCOMPARE(SerialAHora(casi), QTime(0, 0));
    QCOMPARE(SerialAFecha(casi), QDate(2024, 3, 2));
    QCOMPARE(DiaSemana(casi), 7);
}

void TestFechaHora::serialNoValido()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QVERIFY(!SerialAFecha(nan).isValid());
    QVERIFY(!SerialAFecha(inf).isValid());
    QVERIFY(!SerialAHora(nan).isValid());
    QCOMPARE(DiaSemana(inf), 0);
    QCOMPARE(FormatearFecha(nan, QStringLiteral("dd/mm/yyyy")), QString());
    QCOMPARE(FormatearFecha(-1e8, QStringLiteral("dd/mm/yyyy")), QString());
    QCOMPARE(FechaASerial(QDate()), 0.0);
}

void TestFechaHora::textoAFecha_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::addColumn<double>("serial");

    QTest::newRow("dd/mm/yyyy") << "01/03/2024" << true << 45352.0;
    QTest::newRow("d/m/yyyy") << "1/3/2024" << true << 45352.0;
    QTest::newRow("dos cifras") << "01/03/24" << true << 45352.0;
    QTest::newRow("blancos de mascara") << " 1/ 3/2024" << true << 45352.0;
    QTest::newRow("guiones de mascara") << "_1/_3/2024" << true << 45352.0;
    QTest::newRow("bisiesto") << "29/02/2024" << true << 45351.0;
    QTest::newRow("con hora") << "01/03/2024 12:00:00" << true << 45352.5;
    QTest::newRow("con hora corta") << "01/03/2024 18:00" << true << 45352.75;
    QTest::newRow("hora vacia de mascara") << "01/03/2024 __:__" << true << 45352.0;
    QTest::newRow("31 de febrero") << "31/02/2024" << false << 0.0;
    QTest::newRow("29 no bisiesto") << "29/02/2023" << false << 0.0;
    QTest::newRow("dia cero") << "00/01/2024" << false << 0.0;
    QTest::newRow("mes 13") << "01/13/2024" << false << 0.0;
    QTest::newRow("año cero") << "01/01/0000" << false << 0.0;
    QTest::newRow("vacio") << "" << false << 0.0;
    QTest::newRow("mascara vacia") << "__/__/____" << false << 0.0;
    QTest::newRow("letras") << "abc" << false << 0.0;
    QTest::newRow("falta el año") << "01/03" << false << 0.0;
    QTest::newRow("campo de mas") << "01/03/2024/1" << false << 0.0;
    QTest::newRow("dia de tres cifras") << "001/03/2024" << false << 0.0;
    QTest::newRow("año de cinco cifras") << "01/03/20245" << false << 0.0;
    QTest::newRow("hora pegada") << "01/03/202412:00" << false << 0.0;
    QTest::newRow("hora imposible") << "01/03/2024 25:00" << false << 0.0;
    QTest::newRow("basura detras") << "01/03/2024x" << false << 0.0;
}

void TestFechaHora::textoAFecha()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    QFETCH(double, serial);
    double r = -1;
    QCOMPARE(TextoAFecha(texto, r), valido);
    if (valido)
        COMPARAR_EXACTO(r, serial);
}

void TestFechaHora::anioDeDosCifras_data()
{
    QTest::addColumn<int>("desplazamiento");

    // The window runs from 50 years back to 49 ahead of the current year.
    QTest::newRow("este año") << 0;
    QTest::newRow("49 delante") << 49;
    QTest::newRow("50 detras") << -50;
    QTest::newRow("un año atras") << -1;
}

void TestFechaHora::anioDeDosCifras()
{
    QFETCH(int, desplazamiento);
    const int anio = QDate::currentDate().year() + desplazamiento;
    const QString texto = QStringLiteral("15/06/%1").arg(anio % 100, 2, 10, QChar(u'0'));
    double r = 0;
    QVERIFY(TextoAFecha(texto, r));
    QCOMPARE(SerialAFecha(r), QDate(anio, 6, 15));
}

void TestFechaHora::textoAHora_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::addColumn<double>("serial");

    QTest::newRow("hora sola") << "5" << true << 5 / 24.0;
    QTest::newRow("hh:mm") << "05:30" << true << Ms(5, 30, 0, 0);
    QTest::newRow("h:mm:ss") << "5:30:15" << true << Ms(5, 30, 15, 0);
    QTest::newRow("milisegundos") << "00:01:02:500" << true << Ms(0, 1, 2, 500);
    QTest::newRow("mascara") << "_9:_5:_7" << true << Ms(9, 5, 7, 0);
    QTest::newRow("blancos") << " 23:59:59 " << true << Ms(23, 59, 59, 0);
    QTest::newRow("medianoche") << "0" << true << 0.0;
    QTest::newRow("24 horas") << "24:00:00" << false << 0.0;
    QTest::newRow("minuto 60") << "10:60" << false << 0.0;
    QTest::newRow("segundo 60") << "10:00:60" << false << 0.0;
    QTest::newRow("mil ms") << "10:00:00:1000" << false << 0.0;
    QTest::newRow("vacio") << "" << false << 0.0;
    QTest::newRow("mascara vacia") << "__:__:__" << false << 0.0;
    QTest::newRow("campo vacio") << "5:" << false << 0.0;
    QTest::newRow("cinco campos") << "1:2:3:4:5" << false << 0.0;
    QTest::newRow("negativo") << "-1:00" << false << 0.0;
    QTest::newRow("letras") << "ab:cd" << false << 0.0;
}

void TestFechaHora::textoAHora()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    QFETCH(double, serial);
    double r = -1;
    QCOMPARE(TextoAHora(texto, r), valido);
    if (valido)
        COMPARAR_EXACTO(r, serial);
}

void TestFechaHora::formatearFecha_data()
{
    QTest::addColumn<double>("serial");
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<QString>("esperado");

    // Wednesday 03/07/2024 at 09:05:07,005.
    const double miercoles = 45476 + Ms(9, 5, 7, 5);

    QTest::newRow("dd/mm/yyyy") << miercoles << "dd/mm/yyyy" << "03/07/2024";
    QTest::newRow("d/m/yy") << miercoles << "d/m/yy" << "3/7/24";
    QTest::newRow("hh:mm:ss") << miercoles << "hh:mm:ss" << "09:05:07";
    QTest::newRow("h:mm:ss") << miercoles << "h:mm:ss" << "9:05:07";
    QTest::newRow("hhh:mm:ss") << miercoles << "hhh:mm:ss" << "09:05:07";
    QTest::newRow("hh:mm") << miercoles << "hh:mm" << "09:05";
    QTest::newRow("mm tras literal") << miercoles << "hh \"h\" mm" << "09 h 05";
    QTest::newRow("mm tras mm es mes") << miercoles << "hh:mm mm" << "09:05 07";
    QTest::newRow("mm/yyyy") << miercoles << "mm/yyyy" << "07/2024";
    QTest::newRow("zz") << miercoles << "hh:mm:ss:zz" << "09:05:07:05";
    QTest::newRow("zzz") << miercoles << "hh:mm:ss:zzz" << "09:05:07:005";
    QTest::newRow("z") << miercoles << "s:z" << "7:5";
    QTest::newRow("zz de tres cifras") << 45476 + Ms(0, 0, 0, 500) << "zz" << "500";
    QTest::newRow("nombre de fichero") << miercoles << "ddmmyy_nnss" << "030724_0507";
    QTest::newRow("nombres") << miercoles << "ddd dddd mmm mmmm" << "mié miércoles jul julio";
    QTest::newRow("mayusculas") << miercoles << "DD/MM/YYYY" << "03/07/2024";
    QTest::newRow("fecha corta") << miercoles << "ddddd" << "03/07/2024";
    QTest::newRow("mediodia") << 45352.5 << "hh:mm:ss" << "12:00:00";
    QTest::newRow("texto largo") << 46367.0 << "   dddd\",\"  d \"de\" mmmm \"de\" yyyy"
                                 << "   viernes,  11 de diciembre de 2026";
    QTest::newRow("comillas simples") << 46367.0 << "d 'de' mmm" << "11 de dic";
    QTest::newRow("sabado") << 45353.0 << "dddd ddd" << "sábado sáb";
    QTest::newRow("comilla sin cerrar") << 46367.0 << "d \"de" << "11 de";
    QTest::newRow("mascara vacia") << 46367.0 << "" << "";
}

void TestFechaHora::formatearFecha()
{
    QFETCH(double, serial);
    QFETCH(QString, mascara);
    QFETCH(QString, esperado);
    QCOMPARE(FormatearFecha(serial, mascara), esperado);
}

QTEST_APPLESS_MAIN(TestFechaHora)
#include "test_fechahora.moc"
