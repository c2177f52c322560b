#include <QTest>

#include "Funcion.h"

using namespace Funcion;

class TestTexto : public QObject
{
    Q_OBJECT

private slots:
    void quitarEspacios_data();
    void quitarEspacios();
    void extraerCampos_data();
    void extraerCampos();
    void enteros_data();
    void enteros();
    void rellenar_data();
    void rellenar();
    void repetirTexto_data();
    void repetirTexto();
    void reemplazarTexto_data();
    void reemplazarTexto();
    void elegirValor();
};

void TestTexto::quitarEspacios_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("ambos");
    QTest::addColumn<QString>("compactado");
    QTest::addColumn<QString>("derecha");

    QTest::newRow("vacio") << "" << "" << "" << "";
    QTest::newRow("solo blancos") << "    " << "" << "" << "";
    QTest::newRow("runs interiores") << "  a   b  " << "a   b" << "a b" << "  a   b";
    // Tabs are ordinary characters: neither trimmed nor compacted.
    QTest::newRow("tabulador") << "\t a \t" << "\t a \t" << "\t a \t" << "\t a \t";
    QTest::newRow("blancos junto a tab") << " \t  x " << "\t  x" << "\t x" << " \t  x";
    QTest::newRow("sin blancos") << "abc" << "abc" << "abc" << "abc";
}

void TestTexto::quitarEspacios()
{
    QFETCH(QString, texto);
    QFETCH(QString, ambos);
    QFETCH(QString, compactado);
    QFETCH(QString, derecha);
    QCOMPARE(QuitarEspacios(texto), ambos);
    QCOMPARE(CompactarEspacios(texto), compactado);
    QCOMPARE(QuitarEspaciosDcha(texto), derecha);
}

void TestTexto::extraerCampos_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<int>("primero");
    QTest::addColumn<int>("cuantos");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("palabras compactadas") << "uno  dos tres" << " " << 2 << 2 << "dos tres";
    QTest::newRow("mas alla del ultimo") << "uno  dos tres" << " " << 4 << 1 << "";
    QTest::newRow("primero") << "uno dos tres" << " " << 1 << 1 << "uno";
    QTest::newRow("cuenta de sobra") << "uno dos tres" << " " << 2 << 10 << "dos tres";
    QTest::newRow("cuenta enorme") << "a;b" << ";" << 1 << INT_MAX << "a;b";
    QTest::newRow("campo vacio no suma") << "a;b;;c" << ";" << 3 << 2 << "c";
    // Once the result has a field, an empty one still brings its separator.
    QTest::newRow("vacio tras campo") << "a;;b" << ";" << 1 << 3 << "a;;b";
    QTest::newRow("blancos a la derecha") << "a;b   " << ";" << 2 << 1 << "b";
    // Only a one-blank separator compacts; other separators keep inner blanks.
    QTest::newRow("blancos interiores") << " a ; b" << ";" << 2 << 1 << " b";
    QTest::newRow("separador largo") << "1<>2<>3" << "<>" << 2 << 2 << "2<>3";
    QTest::newRow("primero cero") << "a;b" << ";" << 0 << 2 << "";
    QTest::newRow("cuenta cero") << "a;b" << ";" << 1 << 0 << "";
    QTest::newRow("separador vacio") << "a;b" << "" << 1 << 1 << "";
    QTest::newRow("texto vacio") << "" << ";" << 1 << 1 << "";
}

void TestTexto::extraerCampos()
{
    QFETCH(QString, texto);
    QFETCH(QString, sep);
    QFETCH(int, primero);
    QFETCH(int, cuantos);
    QFETCH(QString, esperado);
    QCOMPARE(ExtraerCampos(texto, sep, primero, cuantos), esperado);
}

void TestTexto::enteros_data()
{
    QTest::addColumn<qlonglong>("n");
    QTest::addColumn<int>("ancho");
    QTest::addColumn<QString>("alineado");
    QTest::addColumn<QString>("conCeros");

    QTest::newRow("relleno") << 7LL << 3 << "  7" << "007";
    QTest::newRow("justo") << 123LL << 3 << "123" << "123";
    // Too wide: the plain text is never cut, the zero-padded one keeps the
    // first digits.
    QTest::newRow("demasiado largo") << 123456LL << 4 << "123456" << "1234";
    QTest::newRow("negativo") << -5LL << 4 << "  -5" << "00-5";
    QTest::newRow("ancho cero") << 42LL << 0 << "42" << "";
    QTest::newRow("64 bits") << -9223372036854775807LL - 1 << 1 << "-9223372036854775808" << "-";
}

void TestTexto::enteros()
{
    QFETCH(qlonglong, n);
    QFETCH(int, ancho);
    QFETCH(QString, alineado);
    QFETCH(QString, conCeros);
    QCOMPARE(EnteroATexto(n, ancho), alineado);
    QCOMPARE(EnteroConCeros(n, ancho), conCeros);
}

void TestTexto::rellenar_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("ancho");
    QTest::addColumn<bool>("cortar");
    QTest::addColumn<QString>("dcha");
    QTest::addColumn<QString>("izda");

    // The tape pads a one-blank text to 22 - length: never fewer than one blank.
    QTest::newRow("ancho cero") << " " << 0 << false << " " << " ";
    QTest::newRow("ancho negativo") << " " << -3 << false << " " << " ";
    QTest::newRow("hasta 5") << " " << 5 << false << "     " << "     ";
    QTest::newRow("cortado") << "abcdef" << 3 << true << "abc" << "abcdef";
    QTest::newRow("largo sin cortar") << "abcdef" << 3 << false << "abcdef" << "abcdef";
    QTest::newRow("cortado y rellenado") << "ab" << 4 << true << "ab  " << "  ab";
    QTest::newRow("cortado a nada") << "abc" << -1 << true << "" << "abc";
    QTest::newRow("vacio") << "" << 2 << false << "  " << "  ";
}

void TestTexto::rellenar()
{
    QFETCH(QString, texto);
    QFETCH(int, ancho);
    QFETCH(bool, cortar);
    QFETCH(QString, dcha);
    QFETCH(QString, izda);
    QCOMPARE(RellenarDcha(texto, ancho, cortar), dcha);
    if (!cortar)
        QCOMPARE(RellenarIzda(texto, ancho), izda);
}

void TestTexto::repetirTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("veces");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("tres") << "ab" << 3 << "ababab";
    QTest::newRow("cero") << "ab" << 0 << "";
    QTest::newRow("negativo") << "ab" << -2 << "";
    QTest::newRow("texto vacio") << "" << 5 << "";
}

void TestTexto::repetirTexto()
{
    QFETCH(QString, texto);
    QFETCH(int, veces);
    QFETCH(QString, esperado);
    QCOMPARE(RepetirTexto(texto, veces), esperado);
}

void TestTexto::reemplazarTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("viejo");
    QTest::addColumn<QString>("nuevo");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("todas") << "a.b.c" << "." << "," << "a,b,c";
    QTest::newRow("sin solapes") << "aaaa" << "aa" << "b" << "bb";
    QTest::newRow("sin solapes impar") << "aaa" << "aa" << "b" << "ba";
    // The inserted text is not scanned again, or this would never end.
    QTest::newRow("no reexamina") << "ab" << "a" << "aa" << "aab";
    QTest::newRow("mayusculas") << "Aa" << "a" << "x" << "Ax";
    QTest::newRow("borrar") << "1.234.567" << "." << "" << "1234567";
    QTest::newRow("viejo vacio") << "abc" << "" << "x" << "abc";
    QTest::newRow("no aparece") << "abc" << "z" << "x" << "abc";
}

void TestTexto::reemplazarTexto()
{
    QFETCH(QString, texto);
    QFETCH(QString, viejo);
    QFETCH(QString, nuevo);
    QFETCH(QString, esperado);
    QCOMPARE(ReemplazarTexto(texto, viejo, nuevo), esperado);
}

void TestTexto::elegirValor()
{
    const QVariant a(QStringLiteral("uno"));
    const QVariant b(2.5);
    QCOMPARE(ElegirValor(true, a, b), a);
    QCOMPARE(ElegirValor(false, a, b), b);
    QCOMPARE(ElegirValor(false, a, QVariant()).isValid(), false);
}

QTEST_APPLESS_MAIN(TestTexto)
#include "test_texto.moc"
