#include <QTest>

#include <cmath>
#include <limits>

#include "Letras.h"

using namespace Funcion;

class TestLetras : public QObject
{
    Q_OBJECT

private slots:
    void importeALetras_data();
    void importeALetras();
    void numeroALetras_data();
    void numeroALetras();
    void plural_data();
    void plural();
};

void TestLetras::importeALetras_data()
{
    QTest::addColumn<double>("importe");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("1") << 1.0 << "UN EURO";
    QTest::newRow("21") << 21.0 << "VEINTIUN EUROS";
    QTest::newRow("100") << 100.0 << "CIEN EUROS";
    QTest::newRow("101") << 101.0 << "CIENTO UN EUROS";
    QTest::newRow("1.000") << 1000.0 << "MIL EUROS";
    QTest::newRow("2.000") << 2000.0 << "DOS MIL EUROS";
    QTest::newRow("21.000") << 21000.0 << "VEINTIUN MIL EUROS";
    QTest::newRow("100.000") << 100000.0 << "CIEN MIL EUROS";
    QTest::newRow("1.000.000") << 1e6 << "UN MILLON DE EUROS";
    QTest::newRow("100.000.000") << 1e8 << "CIEN MILLONES DE EUROS";
    QTest::newRow("2.000.000") << 2e6 << "DOS MILLONES DE EUROS";
    QTest::newRow("1.001.000") << 1001000.0 << "UN MILLON MIL EUROS";
    QTest::newRow("1.234.567") << 1234567.0
                               << "UN MILLON DOSCIENTOS TREINTA Y CUATRO MIL QUINIENTOS SESENTA Y SIETE EUROS";
    QTest::newRow("2.500.000") << 2500000.0 << "DOS MILLONES QUINIENTOS MIL EUROS";
    QTest::newRow("999.999.999") << 999999999.0
                                 << "NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS NOVENTA Y NUEVE MIL "
                                    "NOVECIENTOS NOVENTA Y NUEVE EUROS";
    QTest::newRow("1.234,50") << 1234.5 << "MIL DOSCIENTOS TREINTA Y CUATRO EUROS CON CINCUENTA CENTIMOS";
    QTest::newRow("millon con centimos") << 1000000.5 << "UN MILLON DE EUROS CON CINCUENTA CENTIMOS";

    // A thousands group of more than one keeps its UN.
    QTest::newRow("101.000") << 101000.0 << "CIENTO UN MIL EUROS";
    QTest::newRow("201.001") << 201001.0 << "DOSCIENTOS UN MIL UN EUROS";
    QTest::newRow("31.000") << 31000.0 << "TREINTA Y UN MIL EUROS";
    QTest::newRow("21.000.000") << 21000000.0 << "VEINTIUN MILLONES DE EUROS";
    QTest::newRow("1.101.000") << 1101000.0 << "UN MILLON CIENTO UN MIL EUROS";
    QTest::newRow("101.101.101") << 101101101.0 << "CIENTO UN MILLONES CIENTO UN MIL CIENTO UN EUROS";

    QTest::newRow("0,5") << 0.5 << "CINCUENTA CENTIMOS DE EURO";
    QTest::newRow("0,01") << 0.01 << "UN CENTIMO DE EURO";
    QTest::newRow("1,01") << 1.01 << "UN EURO CON UN CENTIMO";
    QTest::newRow("2,10") << 2.10 << "DOS EUROS CON DIEZ CENTIMOS";
    QTest::newRow("centimos redondeados") << 3.456 << "TRES EUROS CON CUARENTA Y SEIS CENTIMOS";
    // Exact binary halves go to the even cent.
    QTest::newRow("medio centimo par") << 1.125 << "UN EURO CON DOCE CENTIMOS";
    QTest::newRow("medio centimo impar") << 1.375 << "UN EURO CON TREINTA Y OCHO CENTIMOS";
    // The cents are rounded after the euros are cut off and never carry.
    QTest::newRow("1,999") << 1.999 << "UN EURO CON CIEN CENTIMOS";
    QTest::newRow("0,999") << 0.999 << "CIEN CENTIMOS DE EURO";
    QTest::newRow("99,996") << 99.996 << "NOVENTA Y NUEVE EUROS CON CIEN CENTIMOS";
    QTest::newRow("menos de medio centimo") << 0.004 << "";

    QTest::newRow("cero") << 0.0 << "";
    QTest::newRow("negativo") << -5.0 << "";
    QTest::newRow("negativo con centimos") << -0.5 << "";
    QTest::newRow("mil millones") << 1e9 << "";
    QTest::newRow("enorme") << 1e300 << "";
    QTest::newRow("infinito") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestLetras::importeALetras()
{
    QFETCH(double, importe);
    QFETCH(QString, esperado);
    QCOMPARE(ImporteALetras(importe), esperado);
}

void TestLetras::numeroALetras_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("unidad");
    QTest::addColumn<QString>("esperado");

    // Every word of the tables, once.
    QTest::newRow("unidades") << 9 << "" << "NUEVE";
    QTest::newRow("10") << 10 << "" << "DIEZ";
    QTest::newRow("11") << 11 << "" << "ONCE";
    QTest::newRow("12") << 12 << "" << "DOCE";
    QTest::newRow("13") << 13 << "" << "TRECE";
    QTest::newRow("14") << 14 << "" << "CATORCE";
    QTest::newRow("15") << 15 << "" << "QUINCE";
    QTest::newRow("16") << 16 << "" << "DIECISEIS";
    QTest::newRow("17") << 17 << "" << "DIECISIETE";
    QTest::newRow("18") << 18 << "" << "DIECIOCHO";
    QTest::newRow("19") << 19 << "" << "DIECINUEVE";
    QTest::newRow("20") << 20 << "" << "VEINTE";
    QTest::newRow("22") << 22 << "" << "VEINTIDOS";
    QTest::newRow("23") << 23 << "" << "VEINTITRES";
    QTest::newRow("30") << 30 << "" << "TREINTA";
    QTest::newRow("44") << 44 << "" << "CUARENTA Y CUATRO";
    QTest::newRow("55") << 55 << "" << "CINCUENTA Y CINCO";
    QTest::newRow("66") << 66 << "" << "SESENTA Y SEIS";
    QTest::newRow("77") << 77 << "" << "SETENTA Y SIETE";
    QTest::newRow("88") << 88 << "" << "OCHENTA Y OCHO";
    QTest::newRow("91") << 91 << "" << "NOVENTA Y UN";
    QTest::newRow("centenas") << 200300400 << ""
                              << "DOSCIENTOS MILLONES TRESCIENTOS MIL CUATROCIENTOS";
    QTest::newRow("centenas irregulares") << 500600700 << ""
                                          << "QUINIENTOS MILLONES SEISCIENTOS MIL SETECIENTOS";
    QTest::newRow("800.900") << 800900 << "" << "OCHOCIENTOS MIL NOVECIENTOS";
    QTest::newRow("110") << 110 << "" << "CIENTO DIEZ";
    QTest::newRow("un millon sin unidad") << 1000000 << "" << "UN MILLON";

    QTest::newRow("unidad en minusculas") << 2 << "peseta" << "DOS PESETAS";
    QTest::newRow("unidad singular") << 1 << "centimo" << "UN CENTIMO";
    QTest::newRow("unidad consonante") << 3 << "mes" << "TRES MESES";
    QTest::newRow("millones de") << 3000000 << "DOLAR" << "TRES MILLONES DE DOLARES";
    QTest::newRow("millones con resto") << 3000001 << "DOLAR" << "TRES MILLONES UN DOLARES";

    // Outside 1..999.999.999 nothing can be written.
    QTest::newRow("cero") << 0 << "EURO" << "";
    QTest::newRow("negativo") << -5 << "EURO" << "";
    QTest::newRow("minimo") << int(std::numeric_limits<int32_t>::min()) << "EURO" << "";
    QTest::newRow("mil millones") << 1000000000 << "EURO" << "";
    QTest::newRow("maximo") << int(std::numeric_limits<int32_t>::max()) << "EURO" << "";
}

void TestLetras::numeroALetras()
{
    QFETCH(int, numero);
    QFETCH(QString, unidad);
    QFETCH(QString, esperado);
    QCOMPARE(NumeroALetras(numero, unidad), esperado);
}

void TestLetras::plural_data()
{
    QTest::addColumn<QString>("palabra");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("euro") << "EURO" << "EUROS";
    QTest::newRow("centimo") << "CENTIMO" << "CENTIMOS";
    QTest::newRow("millon") << "MILLON" << "MILLONES";
    QTest::newRow("vocales") << "casa" << "CASAS";
    QTest::newRow("e") << "nube" << "NUBES";
    QTest::newRow("i") << "taxi" << "TAXIS";
    QTest::newRow("u") << "tribu" << "TRIBUS";
    QTest::newRow("y no es vocal") << "rey" << "REYES";
    QTest::newRow("vacia") << "" << "ES";
}

void TestLetras::plural()
{
    QFETCH(QString, palabra);
    QFETCH(QString, esperado);
    QCOMPARE(Plural(palabra), esperado);
}

QTEST_APPLESS_MAIN(TestLetras)
#include "test_letras.moc"
