// Working the window from the keyboard alone.

#include "Banco.h"
#include "LineasTira.h"

namespace {
QString V(const QString &numero, char marca) { return Tira::LineaValor(numero, QLatin1Char(marca)); }
} // namespace

class TestTeclado : public QObject {
    Q_OBJECT
private slots:
    void caracteres_data();
    void caracteres();
    void introAntesDeOperarNoHaceNada();
    void letraTrasOperacionReiniciaSinRedibujar();
    void suprimir();
    void flechasConModificadores_data();
    void flechasConModificadores();
    void teclaDobleCero();
    void teclasDeFuncionEligenMemoria_data();
    void teclasDeFuncionEligenMemoria();
    void escapePideConfirmacion();
    void retrocesoEnPesetasVaciaElCampo();
    void pesetasSoloAdmitenCifras();
    void f12Cierra();
    void tabuladorSigueMoviendoElFoco();
};

void TestTeclado::caracteres_data()
{
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QStringList>("tira");
    QTest::addColumn<QString>("pantalla");

    const QString raya = Tira::LineaRaya();
    const QString tilde = Tira::LineaTilde();
    QTest::newRow("intro tras suma es total sin el 3")
        << "12+3\r" << QStringList{V("12,00", '+'), raya, V("12,00", 'T'), "CNT: 1", tilde} << "12";
    QTest::newRow("intro tras multiplicar es igual")
        << "12x3\r" << QStringList{" ", V("12,00", 'X'), V("3,00", '='), V("36,00", 'R'), " "} << "36";
    QTest::newRow("intro tras dividir es igual")
        << "12/3\r" << QStringList{" ", V("12,00", '/'), V("3,00", '='), V("4,00", 'R'), " "} << "4";
    QTest::newRow("e minuscula y mayuscula no hacen nada") << "1eE2" << QStringList{} << "12";
    QTest::newRow("asterisco multiplica") << "2*3=" << QStringList{" ", V("2,00", 'X'), V("3,00", '='), V("6,00", 'R'), " "} << "6";
    QTest::newRow("equis multiplica") << "2x3=" << QStringList{" ", V("2,00", 'X'), V("3,00", '='), V("6,00", 'R'), " "} << "6";
    QTest::newRow("punto es la coma") << "1.5+" << QStringList{V("1,50", '+')} << "1,5";
    QTest::newRow("ce con C borra la ultima cifra") << "123c+" << QStringList{V("12,00", '+')} << "12";
    QTest::newRow("retroceso borra la ultima cifra") << "123\b+" << QStringList{V("12,00", '+')} << "12";
    QTest::newRow("n imprime la cuenta") << "4+n" << QStringList{V("4,00", '+'), "CNT: 1"} << "4";
    QTest::newRow("s es subtotal") << "4+s" << QStringList{V("4,00", '+'), raya, "CNT: 1", V("4,00", 'S'), raya} << "4";
    QTest::newRow("ampersand cambia el signo") << "4&" << QStringList{} << "-4";
    QTest::newRow("porcentaje y total por letra")
        << "50x10%t" << QStringList{" ", V("50,00", 'X'), V("10,00", '%'), V("5,00", '='), " ", raya, V("0,00", 'T'), "CNT: 0", tilde}
        << "0";
    QTest::newRow("menos") << "9-" << QStringList{V("9,00", '-')} << "9";
}

void TestTeclado::caracteres()
{
    QFETCH(QString, teclas);
    QFETCH(QStringList, tira);
    QFETCH(QString, pantalla);
    Banco b;
    b.Teclear(teclas);
    QCOMPARE(b.Tira(), tira);
    QCOMPARE(b.Pantalla(), pantalla);
    QVERIFY(b.w->E->text().isEmpty());
}

void TestTeclado::introAntesDeOperarNoHaceNada()
{
    Banco b;
    b.Teclear("7\r");
    QCOMPARE(b.Tira(), QStringList{});
    QCOMPARE(b.Pantalla(), QStringLiteral("7"));
}

void TestTeclado::letraTrasOperacionReiniciaSinRedibujar()
{
    Banco b;
    b.Teclear("12+z");
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("0"));
    QCOMPARE(b.Pantalla(), QStringLiteral("12"));
    QVERIFY(!b.w->NuevaEntrada);
    b.Teclear("+");
    QCOMPARE(b.Tira().last(), V("0,00", '+'));
    QCOMPARE(b.w->Suma, 12.0);
}

void TestTeclado::suprimir()
{
    Banco b;
    b.Teclear("123");
    QTest::keyPress(b.w->E, Qt::Key_Delete);
    QCOMPARE(b.Pantalla(), QStringLiteral("0"));
    QVERIFY(b.w->BBorrarUltimo->isChecked());
    QTest::keyRelease(b.w->E, Qt::Key_Delete);
    QVERIFY(b.w->Bkk->isChecked());

    // In the digits page the field with the focus is emptied instead.
    b.Teclear("45");
    b.w->TTipo->setValue(3);
    b.w->EditPor->setText(QStringLiteral("21"));
    b.w->EditPor->setFocus();
    QTRY_VERIFY(b.w->EditPor->hasFocus());
    QTest::keyClick(b.w->EditPor, Qt::Key_Delete);
    QVERIFY(b.w->EditPor->text().isEmpty());
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("45"));
}

void TestTeclado::flechasConModificadores_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificador");
    QTest::addColumn<int>("modoFinal");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<int>("memoria");

    QTest::newRow("ctrl derecha pasa a fechas") << 0 << int(Qt::Key_Right) << int(Qt::ControlModifier) << 1 << 2 << 6;
    QTest::newRow("ctrl arriba pasa a fechas") << 0 << int(Qt::Key_Up) << int(Qt::ControlModifier) << 1 << 2 << 6;
    QTest::newRow("ctrl izquierda en calculadora se queda") << 0 << int(Qt::Key_Left) << int(Qt::ControlModifier) << 0 << 2 << 1;
    QTest::newRow("ctrl derecha en configuracion se queda") << 4 << int(Qt::Key_Right) << int(Qt::ControlModifier) << 4 << 2 << 6;
    QTest::newRow("alt derecha un decimal mas") << 0 << int(Qt::Key_Right) << int(Qt::AltModifier) << 0 << 3 << 1;
    QTest::newRow("alt abajo un decimal menos") << 0 << int(Qt::Key_Down) << int(Qt::AltModifier) << 0 << 1 << 1;
    QTest::newRow("mayusculas derecha siguiente memoria") << 0 << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 0 << 2 << 2;
    QTest::newRow("mayusculas izquierda en la primera se queda") << 0 << int(Qt::Key_Left) << int(Qt::ShiftModifier) << 0 << 2 << 1;
    QTest::newRow("mayusculas derecha en fechas") << 1 << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 1 << 2 << 7;
    QTest::newRow("ctrl y alt a la vez no hacen nada")
        << 1 << int(Qt::Key_Right) << int(Qt::ControlModifier | Qt::AltModifier) << 1 << 2 << 6;
}

void TestTeclado::flechasConModificadores()
{
    QFETCH(int, modo);
    QFETCH(int, tecla);
    QFETCH(int, modificador);
    QFETCH(int, modoFinal);
    QFETCH(int, decimales);
    QFETCH(int, memoria);
    Banco b;
    b.w->TTipo->setValue(modo);
    b.w->E->setFocus();
    b.Tecla(Qt::Key(tecla), Qt::KeyboardModifiers(modificador));
    QCOMPARE(b.w->ModoActual, modoFinal);
    QCOMPARE(b.w->TDecimales->value(), decimales);
    if (modoFinal <= 1)
        QCOMPARE(b.w->TMemorias->value(), memoria);
}

void TestTeclado::teclaDobleCero()
{
    Banco b;
    b.Teclear("12");
    b.Tecla(Qt::Key_Right);
    QCOMPARE(b.Pantalla(), QStringLiteral("1200"));
    // Shift+Right both moves the memory and appends "00".
    b.Tecla(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(b.Pantalla(), QStringLiteral("120000"));
    QCOMPARE(b.w->TMemorias->value(), 2);
    // Not consulted after an operation: the zeros extend the shown result.
    b.Teclear("+");
    b.Tecla(Qt::Key_Right);
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("12000000"));
    // Refused once the text reaches the digit limit.
    b.w->EntradaCalc = QString(14, QLatin1Char('9'));
    b.Tecla(Qt::Key_Right);
    QCOMPARE(b.w->EntradaCalc.length(), 14);
    b.w->EntradaCalc = QString(13, QLatin1Char('9'));
    b.Tecla(Qt::Key_Right);
    QCOMPARE(b.w->EntradaCalc.length(), 15);
}

void TestTeclado::teclasDeFuncionEligenMemoria_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("memoria");
    QTest::newRow("F6 en calculadora") << 0 << int(Qt::Key_F6) << 1;
    QTest::newRow("F10 en calculadora") << 0 << int(Qt::Key_F10) << 5;
    QTest::newRow("F8 en fechas") << 1 << int(Qt::Key_F8) << 8;
    QTest::newRow("F10 en fechas") << 1 << int(Qt::Key_F10) << 10;
}

void TestTeclado::teclasDeFuncionEligenMemoria()
{
    QFETCH(int, modo);
    QFETCH(int, tecla);
    QFETCH(int, memoria);
    Banco b;
    b.w->TTipo->setValue(modo);
    b.w->E->setFocus();
    b.Tecla(Qt::Key(tecla));
    QCOMPARE(b.w->TMemorias->value(), memoria);
}

void TestTeclado::escapePideConfirmacion()
{
    Banco b;
    b.Teclear("5+");
    b.ui.respuestas.enqueue(true);
    b.Teclear(QString(QChar(27)));
    QCOMPARE(b.ui.Textos(), QStringList{"Quiere borrarlo todo?"});
    QCOMPARE(b.Tira(), (QStringList{V("0,00", 'C'), " "}));
}

void TestTeclado::retrocesoEnPesetasVaciaElCampo()
{
    Banco b;
    b.w->CKPtas->click();
    QTRY_VERIFY(b.w->EditPtas->hasFocus());
    QTest::keyClicks(b.w->EditPtas, "1000");
    QCOMPARE(b.w->EditPtas->text(), QStringLiteral("1000"));
    QCOMPARE(b.Pantalla(), QStringLiteral("6,01"));
    QTest::keyClick(b.w->EditPtas, Qt::Key_Backspace);
    QVERIFY(b.w->EditPtas->text().isEmpty());
    QVERIFY(b.w->LPtas->text().isEmpty());
}

void TestTeclado::pesetasSoloAdmitenCifras()
{
    Banco b;
    b.w->CKPtas->click();
    QTRY_VERIFY(b.w->EditPtas->hasFocus());
    QTest::keyClicks(b.w->EditPtas, "1a2.5.3");
    QCOMPARE(b.w->EditPtas->text(), QStringLiteral("12,53"));
    // "+" is still the calculator's: the amount in euros is added.
    QTest::keyClick(b.w->EditPtas, '+');
    QCOMPARE(b.Tira(), QStringList{V("0,08", '+')});
}

void TestTeclado::f12Cierra()
{
    Banco b;
    b.Tecla(Qt::Key_F12);
    QVERIFY(!b.w->isVisible());
}

void TestTeclado::tabuladorSigueMoviendoElFoco()
{
    Banco b;
    b.w->TTipo->setValue(3);
    b.w->EditNumero->setFocus();
    QTRY_VERIFY(b.w->EditNumero->hasFocus());
    QTest::keyClick(b.w->EditNumero, Qt::Key_Tab);
    QVERIFY(!b.w->EditNumero->hasFocus());
}

QTEST_MAIN(TestTeclado)
#include "test_teclado.moc"
