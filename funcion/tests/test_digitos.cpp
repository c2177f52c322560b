#include <QTest>

#include <limits>
#include <stdexcept>

#include "Digitos.h"

using namespace Funcion;

class TestDigitos : public QObject
{
    Q_OBJECT

private slots:
    void restoReal_data();
    void restoReal();
    void restoRealSinResultado_data();
    void restoRealSinResultado();
    void letraNIF_data();
    void letraNIF();
    void formatoNIF_data();
    void formatoNIF();
    void controlDNI_data();
    void controlDNI();
    void controlNAF_data();
    void controlNAF();
    void controlCCC_data();
    void controlCCC();
    void controlExpediente_data();
    void controlExpediente();
    void controlCuentaCotizacion_data();
    void controlCuentaCotizacion();
    void calculaCodIBAN_data();
    void calculaCodIBAN();
    void comprobarCIF_data();
    void comprobarCIF();
};

void TestDigitos::restoReal_data()
{
    QTest::addColumn<int>("divisor");
    QTest::addColumn<double>("x");
    QTest::addColumn<qint64>("esperado");

    QTest::newRow("dni") << 97 << 12345678.0 << qint64(3);
    QTest::newRow("exacto") << 7 << 21.0 << qint64(0);
    QTest::newRow("cero") << 5 << 0.0 << qint64(0);
    // The remainder takes the sign of the dividend, never of the divisor.
    QTest::newRow("dividendo negativo") << 3 << -10.0 << qint64(-1);
    QTest::newRow("divisor negativo") << -3 << 10.0 << qint64(1);
    QTest::newRow("ambos negativos") << -3 << -10.0 << qint64(-1);
    QTest::newRow("fraccion truncada") << 3 << 10.5 << qint64(1);
    QTest::newRow("doce cifras") << 97 << 72005123456.0 << qint64(36);
    // Beyond 64 bits the quotient cannot be held, the remainder still can.
    QTest::newRow("1E20") << 97 << 1e20 << qint64(73);
    QTest::newRow("2^70") << 1000 << 1180591620717411303424.0 << qint64(424);
    QTest::newRow("divisor minimo") << int(std::numeric_limits<int32_t>::min()) << -4294967297.0
                                    << qint64(-1);
}

void TestDigitos::restoReal()
{
    QFETCH(int, divisor);
    QFETCH(double, x);
    QFETCH(qint64, esperado);
    QCOMPARE(RestoReal(divisor, x), esperado);
}

void TestDigitos::restoRealSinResultado_data()
{
    QTest::addColumn<int>("divisor");
    QTest::addColumn<double>("x");

    QTest::newRow("divisor cero") << 0 << 5.0;
    QTest::newRow("cero entre cero") << 0 << 0.0;
    QTest::newRow("infinito") << 97 << std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << 97 << std::numeric_limits<double>::quiet_NaN();
}

// The formula language turns this error into an empty result.
void TestDigitos::restoRealSinResultado()
{
    QFETCH(int, divisor);
    QFETCH(double, x);
    QVERIFY_THROWS_EXCEPTION(std::domain_error, RestoReal(divisor, x));
}

void TestDigitos::letraNIF_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("dni") << "12345678" << "Z";
    QTest::newRow("dni con puntos") << "12.345.678" << "Z";
    QTest::newRow("guiones y comas") << "12-345,678" << "Z";
    QTest::newRow("nie X") << "X1234567" << "L";
    QTest::newRow("nie x minuscula") << "x1234567" << "L";
    QTest::newRow("nie Y") << "Y1234567" << "X";
    QTest::newRow("nie Z") << "Z1234567" << "R";
    QTest::newRow("nie 0X") << "0X1234567" << "L";
    QTest::newRow("nie 0Y") << "0Y1234567" << "X";
    QTest::newRow("nie 0Z") << "0Z1234567" << "R";
    QTest::newRow("nie con guion") << "X-1234567" << "L";
    // Only seven digits follow the Y: the eighth is cut.
    QTest::newRow("Y con ocho cifras") << "Y12345678" << "X";
    QTest::newRow("cero") << "0" << " ";
    QTest::newRow("Y0000000") << "Y0000000" << " ";
    QTest::newRow("Z0000000") << "Z0000000" << " ";
    QTest::newRow("vacio") << "" << " ";
    QTest::newRow("solo X") << "X" << " ";
    // The letter left at the end makes the number unreadable.
    QTest::newRow("con letra") << "12345678Z" << " ";
    QTest::newRow("letras") << "abc" << " ";
    QTest::newRow("desborda") << "99999999999" << " ";
}

void TestDigitos::letraNIF()
{
    QFETCH(QString, valor);
    QFETCH(QString, esperado);
    QCOMPARE(LetraNIF(valor), esperado);
}

void TestDigitos::formatoNIF_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("dni con letra") << "12345678z" << "12.345.678-Z";
    QTest::newRow("dni sin letra") << "12345678" << "12.345.678-Z";
    QTest::newRow("letra equivocada") << "12345678A" << "12.345.678-Z";
    QTest::newRow("nie con guiones") << "x-1234567-l" << "X-1.234.567-L";
    QTest::newRow("nie Y") << "Y1234567" << "Y-1.234.567-X";
    QTest::newRow("nie Z") << "z1234567" << "Z-1.234.567-R";
    QTest::newRow("barras y puntos") << "12/345.678" << "12.345.678-Z";
    QTest::newRow("corto") << "123" << "123-P";
    // No readable number: an empty number, the hyphen and a blank letter.
    QTest::newRow("vacio") << "" << "- ";
    QTest::newRow("solo prefijo") << "Z" << "Z-- ";
    QTest::newRow("solo prefijo y letra") << "X-L" << "X-- ";
    QTest::newRow("letras") << "abc" << "- ";
    QTest::newRow("cero") << "0" << "- ";
}

void TestDigitos::formatoNIF()
{
    QFETCH(QString, valor);
    QFETCH(QString, esperado);
    QCOMPARE(FormatoNIF(valor), esperado);
}

void TestDigitos::controlDNI_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("dni") << 12345678 << "03";
    QTest::newRow("cero") << 0 << "00";
    QTest::newRow("96") << 96 << "96";
    QTest::newRow("97") << 97 << "00";
    QTest::newRow("maximo") << int(std::numeric_limits<int32_t>::max()) << "65";
    QTest::newRow("negativo") << -5 << "";
}

void TestDigitos::controlDNI()
{
    QFETCH(int, numero);
    QFETCH(QString, esperado);
    QCOMPARE(ControlDNI(numero), esperado);
}

void TestDigitos::controlNAF_data()
{
    QTest::addColumn<int>("provincia");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("ocho cifras") << 7 << 12345678 << "85";
    QTest::newRow("siete cifras") << 28 << 1234567 << "42";
    QTest::newRow("panel 07 1234567") << 7 << 1234567 << "95";
    // The number takes its eighth digit exactly at 10000000.
    QTest::newRow("ultimo de siete") << 7 << 9999999 << "25";
    QTest::newRow("primero de ocho") << 7 << 10000000 << "61";
    QTest::newRow("ceros") << 0 << 0 << "00";
    QTest::newRow("maximos") << 99 << 99999999 << "48";
    // Parts that do not fit their fields would be cut to another number.
    QTest::newRow("provincia 100") << 100 << 1234567 << "";
    QTest::newRow("provincia negativa") << -7 << 1234567 << "";
    QTest::newRow("numero de nueve cifras") << 7 << 123456789 << "";
    QTest::newRow("numero negativo") << 7 << -1 << "";
}

void TestDigitos::controlNAF()
{
    QFETCH(int, provincia);
    QFETCH(int, numero);
    QFETCH(QString, esperado);
    QCOMPARE(ControlNAF(provincia, numero), esperado);
}

void TestDigitos::controlCCC_data()
{
    QTest::addColumn<QString>("cuenta");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("correcta") << "21000418450200051332" << "OK";
    QTest::newRow("correcta con separadores") << "2100-0418-45-0200051332" << "OK";
    QTest::newRow("dc en blanco") << "2100/0418/  /0200051332" << "45";
    QTest::newRow("dc equivocado") << "21000418990200051332" << "45";
    QTest::newRow("dc medio acertado") << "21000418440200051332" << "45";
    QTest::newRow("separadores cualesquiera") << "2100x0418.99 0200051332" << "45";
    // Entidad 0001 weighs 10, so 11 - 10 = 1; the account's last digit weighs 6.
    QTest::newRow("suma sencilla") << "00010000  0000000001" << "15";
    // A raw 11 (sum 0) becomes 0 and a raw 10 (sum 1 mod 11) becomes 1.
    QTest::newRow("ceros correctos") << "00000000000000000000" << "OK";
    QTest::newRow("primero 10 pasa a 1") << "00000002  0000000000" << "10";
    QTest::newRow("segundo 10 pasa a 1") << "00000000  1000000000" << "01";
    QTest::newRow("ambos 10 pasan a 1") << "00000002  1000000000" << "11";
    QTest::newRow("no digitos cuentan 0") << "ABCDEFGH  IJKLMNOPQR" << "00";
    QTest::newRow("21 caracteres") << "210004184502000513321" << "**";
    QTest::newRow("19 caracteres") << "2100041845020005133" << "**";
    QTest::newRow("vacia") << "" << "**";
}

void TestDigitos::controlCCC()
{
    QFETCH(QString, cuenta);
    QFETCH(QString, esperado);
    QCOMPARE(ControlCCC(cuenta), esperado);
}

void TestDigitos::controlExpediente_data()
{
    QTest::addColumn<int>("provincia");
    QTest::addColumn<int>("anyo");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("98") << 7 << 98 << 123456 << "84";
    QTest::newRow("05 entra como 2005") << 7 << 5 << 123456 << "36";
    QTest::newRow("1998 como 98") << 7 << 1998 << 123456 << "84";
    QTest::newRow("2005 con cuatro cifras") << 7 << 2005 << 123456 << "36";
    // 19 is the last year written with four digits, 20 the first with two.
    QTest::newRow("19 usa 2019") << 7 << 19 << 1 << "52";
    QTest::newRow("20 usa 20") << 7 << 20 << 1 << "41";
    QTest::newRow("anyo 0 numero 1 usa 2000") << 7 << 0 << 1 << "24";
    QTest::newRow("anyo 0 numero 0") << 7 << 0 << 0 << "";
    QTest::newRow("1900 numero 0") << 7 << 1900 << 0 << "";
    QTest::newRow("anyo 5 numero 0") << 7 << 5 << 0 << "61";
    // Parts that do not fit their fields would be cut to another number.
    QTest::newRow("anyo 150") << 7 << 150 << 123456 << "";
    QTest::newRow("anyo negativo") << 7 << -5 << 123456 << "";
    QTest::newRow("anyo 10000") << 7 << 10000 << 123456 << "";
    QTest::newRow("provincia 100") << 100 << 98 << 123456 << "";
    QTest::newRow("numero de siete cifras") << 7 << 98 << 1234567 << "";
    QTest::newRow("numero negativo") << 7 << 98 << -1 << "";
}

void TestDigitos::controlExpediente()
{
    QFETCH(int, provincia);
    QFETCH(int, anyo);
    QFETCH(int, numero);
    QFETCH(QString, esperado);
    QCOMPARE(ControlExpediente(provincia, anyo, numero), esperado);
}

void TestDigitos::controlCuentaCotizacion_data()
{
    QTest::addColumn<int>("provincia");
    QTest::addColumn<QString>("cuenta");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("corta rellenada a seis") << 7 << "123" << "21";
    QTest::newRow("ya rellenada") << 7 << "000123" << "21";
    QTest::newRow("siete cifras") << 7 << "1234567" << "95";
    // A seven-digit account keeps its leading zero: 070123456, not 07123456.
    QTest::newRow("cero a la izquierda") << 7 << "0123456" << "22";
    QTest::newRow("seis cifras") << 7 << "123456" << "67";
    QTest::newRow("blancos alrededor") << 7 << " 123 " << "21";
    QTest::newRow("cero") << 0 << "0" << "00";
    QTest::newRow("vacia") << 7 << "" << "";
    QTest::newRow("blancos") << 7 << "   " << "";
    QTest::newRow("ocho cifras") << 7 << "12345678" << "";
    QTest::newRow("no numerica") << 7 << "12A" << "";
    QTest::newRow("signo") << 7 << "-123" << "";
    QTest::newRow("provincia 100") << 100 << "123" << "";
    QTest::newRow("provincia negativa") << -1 << "123" << "";
}

void TestDigitos::controlCuentaCotizacion()
{
    QFETCH(int, provincia);
    QFETCH(QString, cuenta);
    QFETCH(QString, esperado);
    QCOMPARE(ControlCuentaCotizacion(provincia, cuenta), esperado);
}

void TestDigitos::calculaCodIBAN_data()
{
    QTest::addColumn<QString>("pais");
    QTest::addColumn<QString>("cuenta");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("ES") << "ES" << "21000418450200051332" << "91";
    QTest::newRow("GB") << "GB" << "NWBK60161331926819" << "29";
    QTest::newRow("DE") << "DE" << "370400440532013000" << "89";
    QTest::newRow("FR") << "FR" << "20041010050500013M02606" << "14";
    QTest::newRow("NL") << "NL" << "ABNA0417164300" << "91";
    QTest::newRow("BE") << "BE" << "539007547034" << "68";
    QTest::newRow("MT") << "MT" << "MALT011000012345MTLCAST001S" << "84";
    QTest::newRow("minusculas") << "gb" << "nwbk60161331926819" << "29";
    QTest::newRow("cuenta en grupos") << "ES" << "2100 0418 4502 0005 1332" << "91";
    // Remainders 0, 1 and 96: the extremes of the two-digit result.
    QTest::newRow("resto 0") << "ES" << "21000418450200050042" << "98";
    QTest::newRow("resto 1") << "ES" << "21000418450200050060" << "97";
    QTest::newRow("resto 96") << "ES" << "21000418450200050024" << "02";
    // Far longer than any integer type holds.
    QTest::newRow("sesenta nueves") << "ES" << QString(60, u'9') << "04";
    QTest::newRow("treinta Z") << "ES" << QString(30, u'Z') << "75";

    QTest::newRow("pais de tres letras") << "ESP" << "21000418450200051332" << "";
    QTest::newRow("pais de una letra") << "E" << "21000418450200051332" << "";
    QTest::newRow("pais vacio") << "" << "21000418450200051332" << "";
    QTest::newRow("pais con cifra") << "E1" << "21000418450200051332" << "";
    // The country alone still has its check digits: 142800 mod 97 is 16.
    QTest::newRow("cuenta vacia") << "ES" << "" << "82";
    QTest::newRow("cuenta en blanco") << "ES" << "   " << "82";
    QTest::newRow("cuenta con guion") << "ES" << "2100-0418" << "";
    QTest::newRow("cuenta con enye") << "ES" << QStringLiteral("2100\u00D1") << "";
}

void TestDigitos::calculaCodIBAN()
{
    QFETCH(QString, pais);
    QFETCH(QString, cuenta);
    QFETCH(QString, esperado);
    QCOMPARE(CalculaCodIBAN(pais, cuenta), esperado);
}

void TestDigitos::comprobarCIF_data()
{
    QTest::addColumn<QString>("cif");
    QTest::addColumn<bool>("valido");

    QTest::newRow("A58818501") << "A58818501" << true;
    QTest::newRow("Q2826000H") << "Q2826000H" << true;
    QTest::newRow("B12345678") << "B12345678" << false;
    QTest::newRow("B12345674") << "B12345674" << true;
    QTest::newRow("minusculas") << "q2826000h" << true;
    // A letter-set CIF wants a letter, any other a digit.
    QTest::newRow("letra con digito") << "Q28260008" << false;
    QTest::newRow("digito con letra") << "A5881850A" << false;
    QTest::newRow("K con letra") << "K2826000H" << true;
    QTest::newRow("C con letra") << "C2826000H" << true;
    QTest::newRow("M con letra") << "M2826000H" << true;
    QTest::newRow("P con letra") << "P2826000H" << true;
    // c = 10: the letter J, or the digit 0.
    QTest::newRow("control 10 letra") << "P0000000J" << true;
    QTest::newRow("control 10 digito") << "A00000000" << true;
    QTest::newRow("control 10 no es A") << "P0000000A" << false;
    QTest::newRow("8 caracteres") << "A5881850" << false;
    QTest::newRow("10 caracteres") << "A588185011" << false;
    QTest::newRow("vacio") << "" << false;
    QTest::newRow("letra en medio") << "A588A8501" << false;
    QTest::newRow("blanco en medio") << "A5881 501" << false;
    // Outside the letter set the first character is not looked at.
    QTest::newRow("empieza por cifra") << "158818501" << true;
    QTest::newRow("empieza por simbolo") << "%58818501" << true;
    QTest::newRow("empieza por cifra mal") << "158818502" << false;
}

void TestDigitos::comprobarCIF()
{
    QFETCH(QString, cif);
    QFETCH(bool, valido);
    QCOMPARE(ComprobarCIF(cif), valido);
}

QTEST_APPLESS_MAIN(TestDigitos)
#include "test_digitos.moc"
