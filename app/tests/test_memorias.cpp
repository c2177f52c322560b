// The ten memory registers, from the panel's buttons and from the keyboard.

#include "Banco.h"
#include "Controles.h"
#include "EtiquetaPulsable.h"
#include "Sesion.h"

namespace {
bool Amarillo(const QLabel *l) { return Controles::Marcada(l); }
bool OperarHabilitado(const TFormCalculadora *w)
{
    return w->RM->isEnabled() && w->SM->isEnabled() && w->MM->isEnabled() && w->CM->isEnabled();
}
} // namespace

class TestMemorias : public QObject {
    Q_OBJECT
private slots:
    void guardarYRecuperar();
    void ceroNoSeGuarda();
    void sumarYRestarSinRefresco();
    void seleccion_data();
    void seleccion();
    void borrarTodasSoloLasDelModo();
    void borrarUna();
    void fechas_data();
    void fechas();
    void decimalesFijos();
    void nadaVaALaTira();
    void sobrevivenAlReinicio();
};

void TestMemorias::guardarYRecuperar()
{
    Banco b;
    b.Teclear("1234,5");
    b.Teclear("g");
    QCOMPARE(b.w->Memorias[0], 1234.5);
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("1234,5"));
    QVERIFY(OperarHabilitado(b.w.get()));
    QVERIFY(Amarillo(b.w->LM1));
    QVERIFY(!Amarillo(b.w->LM2));
    b.Teclear("+9");
    b.Teclear("R");
    // The general-format text comes back, not the masked display.
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("1234,5"));
    QCOMPARE(b.Pantalla(), QStringLiteral("1234,5"));
}

void TestMemorias::ceroNoSeGuarda()
{
    Banco b;
    b.Teclear("7G");
    b.w->BBorrarUltimo->click(); // the display back to 0
    b.w->BGM->click();
    QCOMPARE(b.w->Memorias[0], 7.0);
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("7"));
}

void TestMemorias::sumarYRestarSinRefresco()
{
    Banco b;
    b.Teclear("5G");
    b.w->SM->click();
    QCOMPARE(b.w->Memorias[0], 10.0);
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("10"));
    b.w->MM->click();
    b.w->MM->click();
    QCOMPARE(b.w->Memorias[0], 0.0);
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("0"));
    // Until the selection changes the panel keeps its look.
    QVERIFY(Amarillo(b.w->LM1));
    QVERIFY(OperarHabilitado(b.w.get()));
    b.w->BMASMEM->click();
    b.w->BMENOSMEM->click();
    QVERIFY(!Amarillo(b.w->LM1));
    QVERIFY(!b.w->RM->isEnabled() && !b.w->SM->isEnabled() && !b.w->MM->isEnabled() && !b.w->CM->isEnabled());
    QVERIFY(b.w->BGM->isEnabled() && b.w->CTM->isEnabled());
}

void TestMemorias::seleccion_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("accion");
    QTest::addColumn<int>("registro");

    QTest::newRow("LM3 calculadora") << 0 << "LM3" << 3;
    QTest::newRow("LM5 fechas es la 10") << 1 << "LM5" << 10;
    QTest::newRow("F8 fechas es la 8") << 1 << "F8" << 8;
    QTest::newRow("F10 calculadora") << 0 << "F10" << 5;
    QTest::newRow("mas en la ultima se queda") << 0 << "++++++" << 5;
    QTest::newRow("menos en la primera se queda") << 1 << "-" << 6;
    QTest::newRow("shift derecha") << 0 << "S>" << 2;
    QTest::newRow("shift izquierda en la primera") << 1 << "S<" << 6;
}

void TestMemorias::seleccion()
{
    QFETCH(int, modo);
    QFETCH(QString, accion);
    QFETCH(int, registro);
    Banco b;
    b.w->TTipo->setValue(modo);
    QCOMPARE(b.w->TMemorias->value(), modo == 0 ? 1 : 6);
    QCOMPARE(b.w->LM1->text(), modo == 0 ? QStringLiteral("1") : QStringLiteral("6"));
    EtiquetaPulsable *lm[] = {b.w->LM1, b.w->LM2, b.w->LM3, b.w->LM4, b.w->LM5};
    if (accion.startsWith("LM"))
        QTest::mouseClick(lm[accion.mid(2).toInt() - 1], Qt::LeftButton);
    else if (accion == "F8")
        b.Tecla(Qt::Key_F8);
    else if (accion == "F10")
        b.Tecla(Qt::Key_F10);
    else if (accion == "S>")
        b.Tecla(Qt::Key_Right, Qt::ShiftModifier);
    else if (accion == "S<")
        b.Tecla(Qt::Key_Left, Qt::ShiftModifier);
    else
        for (QChar c : accion)
            (c == '+' ? b.w->BMASMEM : b.w->BMENOSMEM)->click();
    QCOMPARE(b.w->TMemorias->value(), registro);
}

void TestMemorias::borrarTodasSoloLasDelModo()
{
    Banco b;
    b.w->Memorias = {1, 2, 3, 4, 5};
    b.w->MemoriasFecha[2] = QStringLiteral("01/01/2024");
    b.w->TMemorias->setValue(3);
    b.w->CTM->click();
    QCOMPARE(b.w->Memorias, (std::array<double, 5>{0, 0, 0, 0, 0}));
    QCOMPARE(b.w->MemoriasFecha[2], QStringLiteral("01/01/2024"));
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("0"));
    b.w->TTipo->setValue(1);
    QVERIFY(Amarillo(b.w->LM3));
    b.w->CTM->click();
    QCOMPARE(b.w->MemoriasFecha[2], QString());
    QVERIFY(!Amarillo(b.w->LM3));
}

void TestMemorias::borrarUna()
{
    Banco b;
    b.w->Memorias = {1, 2, 0, 0, 0};
    b.w->TMemorias->setValue(2);
    b.w->CM->click();
    QCOMPARE(b.w->Memorias, (std::array<double, 5>{1, 0, 0, 0, 0}));
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("0"));
    QVERIFY(Amarillo(b.w->LM1));
    QVERIFY(!Amarillo(b.w->LM2));
    QVERIFY(!b.w->RM->isEnabled());
}

void TestMemorias::fechas_data()
{
    QTest::addColumn<bool>("mascara");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("guardado");
    QTest::addColumn<QStringList>("mensajes");

    QTest::newRow("fecha con mascara") << true << "15032024" << "15/03/2024" << QStringList{};
    QTest::newRow("dias sin mascara") << false << "45" << "45" << QStringList{};
    QTest::newRow("fecha imposible") << false << "31/02/2024" << "" << QStringList{"valor inválido"};
}

void TestMemorias::fechas()
{
    QFETCH(bool, mascara);
    QFETCH(QString, teclas);
    QFETCH(QString, guardado);
    QFETCH(QStringList, mensajes);
    Banco b;
    b.w->TTipo->setValue(1);
    b.w->MascaraFecha->setChecked(mascara);
    b.Teclear(teclas);
    b.Teclear("g");
    QCOMPARE(b.ui.Textos(), mensajes);
    QCOMPARE(b.w->MemoriasFecha[0], guardado);
    QCOMPARE(b.w->RM->isEnabled(), !guardado.isEmpty());
    QVERIFY(!b.w->SM->isEnabled() && !b.w->MM->isEnabled());
    if (guardado.isEmpty())
        return;
    b.w->BBorrarUltimo->click();
    QCOMPARE(b.w->TextoPantalla1->text(), QString());
    b.Teclear("r");
    QCOMPARE(b.w->EntradaFecha, guardado);
    QCOMPARE(b.w->TextoPantalla1->text(), guardado);
    // The date registers are apart from the calculator's.
    b.w->TTipo->setValue(0);
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("0"));
    QVERIFY(!Amarillo(b.w->LM1));
}

void TestMemorias::decimalesFijos()
{
    Banco b([](Configuracion &c) { c.FijaDec = true; });
    b.Teclear("1234");
    QCOMPARE(b.Pantalla(), QStringLiteral("12,34"));
    b.Teclear("g");
    QCOMPARE(b.w->Memorias[0], 1234.0);
    QCOMPARE(b.w->LMemoria->text(), QStringLiteral("1234"));
    b.w->BBorrarUltimo->click();
    b.Teclear("r");
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("1234"));
    QCOMPARE(b.Pantalla(), QStringLiteral("1234")); // unscaled
}

void TestMemorias::nadaVaALaTira()
{
    Banco b;
    b.Teclear("8g");
    for (QToolButton *t : {b.w->SM, b.w->MM, b.w->RM, b.w->CM, b.w->CTM})
        t->click();
    QVERIFY(b.Tira().isEmpty());
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestMemorias::sobrevivenAlReinicio()
{
    QTemporaryDir carpeta;
    {
        Sesion primera(carpeta);
        QTest::keyClicks(primera.w.get(), "42");
        primera.w->BGM->click();
        primera.w->TTipo->setValue(1);
        primera.w->MascaraFecha->setChecked(false);
        QTest::keyClicks(primera.w.get(), "30&");
        primera.w->TMemorias->setValue(10);
        primera.w->BGM->click();
        QVERIFY(primera.Salir());
    }
    Sesion segunda(carpeta);
    QCOMPARE(segunda.w->Memorias[0], 42.0);
    QCOMPARE(segunda.w->MemoriasFecha[4], QStringLiteral("-30"));
    QCOMPARE(segunda.w->TMemorias->value(), 6);
    QVERIFY(Amarillo(segunda.w->LM5));
}

QTEST_MAIN(TestMemorias)
#include "test_memorias.moc"
