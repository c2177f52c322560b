// Number entry on the calculator: the keypad, the display and its peseta
// equivalent, the decimals setting, fixed decimals, rounding and the entry
// of amounts in pesetas.

#include "Banco.h"
#include "EtiquetaPulsable.h"

#include <QButtonGroup>
#include <QtTest>

namespace {

QToolButton *Boton(TFormCalculadora *w, const QString &nombre)
{
    if (nombre == QLatin1String(","))
        return w->BCOMA;
    if (nombre == QLatin1String("CE"))
        return w->BBorrarUltimo;
    if (nombre == QLatin1String("<-"))
        return w->BBorrarUno;
    if (nombre == QLatin1String("+"))
        return w->BMAS;
    if (nombre.size() == 1 && nombre.at(0).isDigit())
        return w->BotonDigito(nombre.at(0));
    return w->findChild<QToolButton *>(nombre);
}

// Clicks the keypad buttons named by a blank-separated list, as the mouse does.
void Pulsar(TFormCalculadora *w, const QString &teclas)
{
    for (const QString &t : teclas.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QToolButton *b = Boton(w, t);
        QVERIFY2(b, qPrintable(t));
        QTest::mouseClick(b, Qt::LeftButton);
    }
}

QString Digitos(const QString &s)
{
    QStringList l;
    for (QChar c : s)
        l << QString(c);
    return l.join(QLatin1Char(' '));
}

} // namespace

class TestEntrada : public QObject {
    Q_OBJECT

private slots:
    void teclado_data();
    void teclado();
    void digitoSegunModo_data();
    void digitoSegunModo();
    void tecladoSeSuelta_data();
    void tecladoSeSuelta();
    void verPantalla_data();
    void verPantalla();
    void decimales_data();
    void decimales();
    void decimalesFijos_data();
    void decimalesFijos();
    void decimalesFijosCambianDeEscala();
    void redondeo_data();
    void redondeo();
    void redondeoDesdeAjustes_data();
    void redondeoDesdeAjustes();
    void pesetasActivar();
    void pesetasTeclear_data();
    void pesetasTeclear();
    void pesetasDesactivar();
    void pesetasSeApaganAlVolverACalculadora();
};

void TestEntrada::teclado_data()
{
    QTest::addColumn<int>("maxDigitos");
    QTest::addColumn<QString>("inicio"); // null: the display as the window opens
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<QString>("pesetas"); // null: too large to check

    QTest::newRow("0 0 queda 0") << 14 << QString() << "0 0" << "0" << "0" << "0";
    QTest::newRow("0 5 muestra 5") << 14 << QString() << "0 5" << "5" << "5" << "832";
    QTest::newRow("coma en número nuevo") << 14 << QString() << "," << "0," << "0," << "0";
    QTest::newRow("12,5 y sus pesetas") << 14 << QString() << "1 2 , 5" << "12,5" << "12,5" << "2.080";
    QTest::newRow("segunda coma rechazada") << 14 << QString() << "1 , 5 , 2" << "1,52" << "1,52" << "253";
    QTest::newRow("coma tras suma") << 14 << QString() << "1 2 + , 5" << "0,5" << "0,5" << "83";
    QTest::newRow("dígito tras suma") << 14 << QString() << "1 2 + 3 4" << "34" << "34" << "5.657";
    QTest::newRow("ceros tras suma") << 14 << QString() << "1 2 + 0 0" << "0" << "0" << "0";
    QTest::newRow("CE") << 14 << QString() << "1 2 CE" << "0" << "0" << "0";
    QTest::newRow("CE y sigue") << 14 << QString() << "1 2 CE 3" << "3" << "3" << "499";
    QTest::newRow("<- último dígito") << 14 << QString() << "1 2 3 <-" << "12" << "12" << "1.997";
    QTest::newRow("<- la coma final") << 14 << QString() << "1 , <- 5" << "15" << "15" << "2.496";
    QTest::newRow("<- el único dígito") << 14 << QString() << "5 <-" << "" << "" << "0";
    QTest::newRow("<- el único y 7") << 14 << QString() << "5 <- 7" << "7" << "7" << "1.165";
    QTest::newRow("<- sobre vacío") << 14 << QString() << "5 <- <-" << "" << "" << "0";
    // "<-" takes the result back as a number being typed.
    QTest::newRow("<- tras suma sigue el número") << 14 << QString() << "1 2 + <- 5" << "15" << "15" << "2.496";

    QTest::newRow("15 caracteres admiten uno más")
        << 14 << "123456789012345" << "6 7" << "1234567890123456" << "1234567890123456"
        << QString();
    QTest::newRow("16 caracteres no admiten más")
        << 14 << "1234567890123456" << "7" << "1234567890123456" << "1234567890123456"
        << QString();
    QTest::newRow("la coma cuenta")
        << 14 << QString() << Digitos("1234567,890123456789") << "1234567,89012345" << "1234567,89012345"
        << "205.414.813";
    QTest::newRow("el signo cuenta")
        << 14 << "-12345678901234" << "5 6" << "-123456789012345" << "-123456789012345"
        << QString();
    QTest::newRow("veinte dígitos") << 14 << QString() << Digitos("12345678901234567890") << "1234567890123456"
                                    << "1234567890123456" << QString();
    QTest::newRow("límite 5") << 5 << QString() << Digitos("123456789") << "1234567" << "1234567"
                              << "205.414.665";
}

void TestEntrada::teclado()
{
    QFETCH(int, maxDigitos);
    QFETCH(QString, inicio);
    QFETCH(QString, teclas);
    QFETCH(QString, entrada);
    QFETCH(QString, pantalla);
    QFETCH(QString, pesetas);
    Banco b([&](Configuracion &c) { c.MaxDigitos = maxDigitos; });
    if (!inicio.isNull()) {
        b.w->EntradaCalc = inicio;
        b.w->VerPantalla(b.w->EntradaCalc);
    }
    Pulsar(b.w.get(), teclas);
    QCOMPARE(b.w->EntradaCalc, entrada);
    QCOMPARE(b.Pantalla(), pantalla);
    if (!pesetas.isNull())
        QCOMPARE(b.w->LPtas->text(), pesetas);
}

void TestEntrada::digitoSegunModo_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<bool>("nuevaDespues");
    QTest::newRow("calculadora") << 0 << "7" << false;
    QTest::newRow("fechas") << 1 << "12" << false;
    QTest::newRow("tiempo") << 2 << "12" << false;
    QTest::newRow("varios") << 3 << "12" << true;
    QTest::newRow("configuración") << 4 << "12" << true;
}

void TestEntrada::digitoSegunModo()
{
    QFETCH(int, modo);
    QFETCH(QString, entrada);
    QFETCH(bool, nuevaDespues);
    Banco b;
    Pulsar(b.w.get(), QStringLiteral("1 2 +"));
    QVERIFY(b.w->NuevaEntrada);
    b.w->TTipo->setValue(modo);
    b.w->B1Click(b.w->B7);
    QCOMPARE(b.w->EntradaCalc, entrada);
    QCOMPARE(b.w->NuevaEntrada, nuevaDespues);
    QVERIFY(b.w->Bkk->isChecked());
}

void TestEntrada::tecladoSeSuelta_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("boton");
    const QStringList calculadora{QStringLiteral("B0"), QStringLiteral("B1"), QStringLiteral("B2"),
                                  QStringLiteral("B3"), QStringLiteral("B4"), QStringLiteral("B5"),
                                  QStringLiteral("B6"), QStringLiteral("B7"), QStringLiteral("B8"),
                                  QStringLiteral("B9"), QStringLiteral("BCOMA"), QStringLiteral("BBorrarUltimo"),
                                  QStringLiteral("BBorrarUno"), QStringLiteral("BMAS"), QStringLiteral("BMENOS"),
                                  QStringLiteral("BPOR"), QStringLiteral("BDIV"), QStringLiteral("BIGUAL"),
                                  QStringLiteral("BPORCENT"), QStringLiteral("BTOTAL"), QStringLiteral("BSS"),
                                  QStringLiteral("BCNT"), QStringLiteral("BSIGNO"), QStringLiteral("BBorrarTodo")};
    for (const QString &n : calculadora)
        QTest::addRow("calc %s", qPrintable(n)) << 0 << n;
    for (const QString &n : {QStringLiteral("B4"), QStringLiteral("BCOMA"), QStringLiteral("BBorrarUltimo"),
                             QStringLiteral("BBorrarUno")}) {
        QTest::addRow("fechas %s", qPrintable(n)) << 1 << n;
        QTest::addRow("tiempo %s", qPrintable(n)) << 2 << n;
    }
}

void TestEntrada::tecladoSeSuelta()
{
    QFETCH(int, modo);
    QFETCH(QString, boton);
    Banco b;
    b.w->TTipo->setValue(modo);
    QToolButton *t = Boton(b.w.get(), boton);
    QVERIFY(t);
    QVERIFY(t->isEnabled());
    b.ui.respuestas.enqueue(false); // "C" asks before clearing everything
    QTest::mouseClick(t, Qt::LeftButton);
    QVERIFY(b.w->Bkk->isChecked());
    QVERIFY(!t->isChecked());
    QCOMPARE(b.w->GrupoTeclado->checkedButton(), b.w->Bkk);
}

void TestEntrada::verPantalla_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mostrado");
    QTest::addColumn<QString>("pesetas");
    QTest::addColumn<QString>("editPtas");
    QTest::newRow("un cero delante") << "05" << "5" << "832" << "832";
    QTest::newRow("solo se quita un cero") << "007" << "07" << "1.165" << "1165";
    QTest::newRow("cero coma") << "0,5" << "0,5" << "83" << "83";
    QTest::newRow("negativo sin cero que quitar") << "-0,5" << "-0,5" << "-83" << "-83";
    QTest::newRow("12,5") << "12,5" << "12,5" << "2.080" << "2080";
    QTest::newRow("coma sola") << "," << "0," << "0" << "0";
    QTest::newRow("cero") << "0" << "0" << "0" << "0";
    QTest::newRow("vacío") << "" << "" << "0" << "0";
    QTest::newRow("redondeo de pesetas") << "6,01" << "6,01" << "1.000" << "1000";
    QTest::newRow("millón") << "1000000" << "1000000" << "166.386.000" << "166386000";
}

void TestEntrada::verPantalla()
{
    QFETCH(QString, texto);
    QFETCH(QString, mostrado);
    QFETCH(QString, pesetas);
    QFETCH(QString, editPtas);
    Banco b;
    QString t = texto;
    b.w->VerPantalla(t);
    QCOMPARE(t, mostrado); // the caller's text is normalised too
    QCOMPARE(b.Pantalla(), mostrado);
    QCOMPARE(b.w->LPtas->text(), pesetas);
    QCOMPARE(b.w->EditPtas->text(), editPtas);
}

void TestEntrada::decimales_data()
{
    QTest::addColumn<int>("maxDecimales");
    QTest::addColumn<int>("numDecimales");
    QTest::addColumn<QString>("accion");
    QTest::addColumn<int>("posicion");
    QTest::addColumn<QString>("mascara");
    QTest::newRow("al abrir") << 8 << 2 << "" << 2 << "#,##0.00";
    QTest::newRow("al abrir sin decimales") << 8 << 0 << "" << 0 << "#,##0";
    QTest::newRow("menos") << 8 << 2 << "-" << 1 << "#,##0.0";
    QTest::newRow("más") << 8 << 2 << "+" << 3 << "#,##0.000";
    QTest::newRow("menos en cero") << 8 << 0 << "-" << 0 << "#,##0";
    QTest::newRow("más hasta flotante") << 8 << 7 << "+" << 8 << "";
    QTest::newRow("más en flotante") << 8 << 8 << "+" << 8 << "";
    QTest::newRow("menos desde flotante") << 8 << 8 << "-" << 7 << "#,##0.0000000";
    QTest::newRow("FL") << 8 << 2 << "FL" << 8 << "";
    QTest::newRow("FL ya flotante") << 8 << 8 << "FL" << 8 << "";
    QTest::newRow("barra a 5") << 8 << 2 << "5" << 5 << "#,##0.00000";
    QTest::newRow("máximo 4, FL") << 4 << 2 << "FL" << 4 << "";
    QTest::newRow("máximo 4, más") << 4 << 3 << "+" << 4 << "";
    QTest::newRow("máximo 4, barra a 3") << 4 << 2 << "3" << 3 << "#,##0.000";
}

void TestEntrada::decimales()
{
    QFETCH(int, maxDecimales);
    QFETCH(int, numDecimales);
    QFETCH(QString, accion);
    QFETCH(int, posicion);
    QFETCH(QString, mascara);
    Banco b([&](Configuracion &c) {
        c.MaxDecimales = maxDecimales;
        c.NumDecimales = numDecimales;
    });
    Pulsar(b.w.get(), QStringLiteral("1 , 2 3 4 5"));
    if (accion == QLatin1String("+"))
        QTest::mouseClick(b.w->BMASDEC, Qt::LeftButton);
    else if (accion == QLatin1String("-"))
        QTest::mouseClick(b.w->BMENOSDEC, Qt::LeftButton);
    else if (accion == QLatin1String("FL"))
        QTest::mouseClick(b.w->FL, Qt::LeftButton);
    else if (!accion.isEmpty())
        b.w->TDecimales->setValue(accion.toInt());

    QCOMPARE(b.w->TDecimales->value(), posicion);
    QCOMPARE(b.w->Mascara, mascara);
    QCOMPARE(b.w->Mascara.isEmpty(), b.w->Flotante());
    // The mask is for the tape and the sum; what is typed stays as typed.
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("1,2345"));
    QCOMPARE(b.Pantalla(), QStringLiteral("1,2345"));
    QCOMPARE(QApplication::focusWidget(), b.w->E);
}

void TestEntrada::decimalesFijos_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<double>("valor");
    QTest::newRow("1234 con 2") << 2 << "1 2 3 4" << "12,34" << 12.34;
    QTest::newRow("5 con 2") << 2 << "5" << "0,05" << 0.05;
    QTest::newRow("la coma se rechaza") << 2 << "5 , 3" << "0,53" << 0.53;
    QTest::newRow("ceros finales desaparecen") << 2 << "1 2 3 0" << "12,3" << 12.3;
    QTest::newRow("sin decimales") << 0 << "1 2" << "12" << 12.0;
    QTest::newRow("1234 con 3") << 3 << "1 2 3 4" << "1,234" << 1.234;
    QTest::newRow("borrar una cifra conserva la escala") << 2 << "1 2 3 4 <-" << "1,23" << 1.23;
}

void TestEntrada::decimalesFijos()
{
    QFETCH(int, n);
    QFETCH(QString, teclas);
    QFETCH(QString, pantalla);
    QFETCH(double, valor);
    Banco b([&](Configuracion &c) {
        c.FijaDec = true;
        c.NumDecimales = n;
    });
    Pulsar(b.w.get(), teclas);
    QVERIFY(!b.w->EntradaCalc.contains(QLatin1Char(',')));
    QCOMPARE(b.Pantalla(), pantalla);
    QCOMPARE(b.w->ValorPantalla(), valor);
}

void TestEntrada::decimalesFijosCambianDeEscala()
{
    Banco b;
    b.w->FijaDec->click();
    QVERIFY(b.w->FijaDec->isChecked());
    Pulsar(b.w.get(), QStringLiteral("1 2 3 4"));
    QCOMPARE(b.Pantalla(), QStringLiteral("12,34"));
    QTest::mouseClick(b.w->BMASDEC, Qt::LeftButton);
    QCOMPARE(b.Pantalla(), QStringLiteral("1,234"));
    b.w->FijaDec->click();
    QCOMPARE(b.Pantalla(), QStringLiteral("1234"));
    QCOMPARE(b.w->ValorPantalla(), 1234.0);
    b.w->FijaDec->click();
    QCOMPARE(b.Pantalla(), QStringLiteral("1,234"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(b.w->BMENOSDEC, Qt::LeftButton);
    QCOMPARE(b.Pantalla(), QStringLiteral("1234"));
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("1234"));
}

void TestEntrada::redondeo_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("antes");
    QTest::addColumn<QString>("modo");
    QTest::newRow("truncar") << "RB0" << "5" << "0";
    QTest::newRow("alejar de cero") << "RB9" << "5" << "9";
    QTest::newRow("mitad") << "RB5" << "0" << "5";
}

void TestEntrada::redondeo()
{
    QFETCH(QString, radio);
    QFETCH(QString, antes);
    QFETCH(QString, modo);
    Banco b([&](Configuracion &c) { c.MRedondeo = antes; });
    QCOMPARE(b.w->ModoRedondeo, antes);
    b.w->Papel->setFocus();
    auto *rb = b.w->findChild<QRadioButton *>(radio);
    QVERIFY(rb);
    rb->click();
    QVERIFY(rb->isChecked());
    QCOMPARE(b.w->ModoRedondeo, modo);
    QCOMPARE(QApplication::focusWidget(), b.w->E);
}

void TestEntrada::redondeoDesdeAjustes_data()
{
    QTest::addColumn<QString>("ajuste");
    QTest::addColumn<QString>("radio");
    QTest::newRow("0") << "0" << "RB0";
    QTest::newRow("5") << "5" << "RB5";
    QTest::newRow("9") << "9" << "RB9";
    QTest::newRow("desconocido") << "7" << "RB5";
}

void TestEntrada::redondeoDesdeAjustes()
{
    QFETCH(QString, ajuste);
    QFETCH(QString, radio);
    Banco b([&](Configuracion &c) { c.MRedondeo = ajuste; });
    QCOMPARE(b.w->ModoRedondeo, ajuste);
    auto *rb = b.w->findChild<QRadioButton *>(radio);
    QVERIFY(rb);
    QVERIFY(rb->isChecked());
}

void TestEntrada::pesetasActivar()
{
    Banco b;
    b.w->CKPtas->click();
    QVERIFY(b.w->EditPtas->isVisible());
    QVERIFY(b.w->EditPtas->isEnabled());
    QCOMPARE(QApplication::focusWidget(), b.w->EditPtas);
    QCOMPARE(b.w->EditPtas->palette().color(QPalette::Base), b.w->palette().color(QPalette::Base));
    QVERIFY(!b.w->LPtas->isVisible());
    for (QToolButton *t : {b.w->BPOR, b.w->BDIV, b.w->BIGUAL, b.w->BPORCENT, b.w->BSIGNO})
        QVERIFY2(!t->isEnabled(), qPrintable(t->objectName()));
    for (QToolButton *t : {b.w->BMAS, b.w->BMENOS, b.w->BTOTAL, b.w->BSS})
        QVERIFY2(t->isEnabled(), qPrintable(t->objectName()));
}

void TestEntrada::pesetasTeclear_data()
{
    QTest::addColumn<int>("numDecimales");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("editPtas");
    QTest::addColumn<QString>("pantalla"); // null: not checked
    QTest::newRow("1000 pesetas") << 2 << "1000" << "1000" << "6,01";
    QTest::newRow("sin decimales") << 0 << "1000" << "1000" << "6";
    QTest::newRow("con puntos de millar") << 2 << "1000000" << "1000000" << "6.010,12";
    QTest::newRow("flotante") << 8 << "1000" << "1000" << "6,01012104383782";
    QTest::newRow("punto es coma, letras fuera") << 2 << "1q2.5.3" << "12,53" << "0,08";
    QTest::newRow("segunda coma rechazada") << 2 << "166,,386" << "166,386" << "1,00";
    // The refused 13th digit still reaches the keypad, as every typed digit
    // does, so only the field is checked.
    QTest::newRow("doce caracteres a lo sumo") << 2 << "1234567890123" << "123456789012" << QString();
}

void TestEntrada::pesetasTeclear()
{
    QFETCH(int, numDecimales);
    QFETCH(QString, teclas);
    QFETCH(QString, editPtas);
    QFETCH(QString, pantalla);
    Banco b([&](Configuracion &c) { c.NumDecimales = numDecimales; });
    b.w->CKPtas->click();
    QCOMPARE(QApplication::focusWidget(), b.w->EditPtas);
    b.w->EditPtas->clear();
    b.Teclear(teclas);
    QCOMPARE(b.w->EditPtas->text(), editPtas);
    if (pantalla.isNull())
        return;
    QCOMPARE(b.Pantalla(), pantalla);
    QCOMPARE(b.w->EntradaCalc, pantalla);
}

void TestEntrada::pesetasDesactivar()
{
    Banco b;
    b.w->CKPtas->click();
    b.w->EditPtas->clear();
    b.Teclear(QStringLiteral("1000"));
    QCOMPARE(b.Pantalla(), QStringLiteral("6,01"));
    b.w->CKPtas->click();

    QVERIFY(!b.w->CKPtas->isChecked());
    QVERIFY(!b.w->EditPtas->isVisible());
    QCOMPARE(b.w->EditPtas->palette().color(QPalette::Base), b.w->palette().color(QPalette::Light));
    QVERIFY(b.w->LPtas->isVisible());
    // Back from the euro amount: 6,01 euros are 999,98 pesetas.
    QCOMPARE(b.w->LPtas->text(), QStringLiteral("1.000"));
    QCOMPARE(b.w->EditPtas->text(), QStringLiteral("1000"));
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("6,01"));
    for (QToolButton *t : {b.w->BPOR, b.w->BDIV, b.w->BIGUAL, b.w->BPORCENT, b.w->BSIGNO})
        QVERIFY2(t->isEnabled(), qPrintable(t->objectName()));
    QCOMPARE(QApplication::focusWidget(), b.w->E);
}

void TestEntrada::pesetasSeApaganAlVolverACalculadora()
{
    Banco b;
    b.w->CKPtas->click();
    b.w->EditPtas->clear();
    b.Teclear(QStringLiteral("1000"));
    QTest::mouseClick(b.w->LModo1, Qt::LeftButton);
    QTest::mouseClick(b.w->LModo0, Qt::LeftButton);
    QVERIFY(!b.w->CKPtas->isChecked());
    QVERIFY(!b.w->EditPtas->isVisible());
    QVERIFY(b.w->LPtas->isVisible());
    QCOMPARE(b.w->LPtas->text(), QStringLiteral("1.000"));
    for (QToolButton *t : {b.w->BPOR, b.w->BDIV, b.w->BIGUAL, b.w->BPORCENT, b.w->BSIGNO})
        QVERIFY2(t->isEnabled(), qPrintable(t->objectName()));
    QCOMPARE(b.Pantalla(), QStringLiteral("6,01"));
}

QTEST_MAIN(TestEntrada)
#include "test_entrada.moc"
