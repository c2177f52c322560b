// Tapes and amounts to and from the clipboard.

#include "Banco.h"
#include "Formato.h"
#include "LineasTira.h"

namespace {
QString V(const QString &numero, char marca) { return Tira::LineaValor(numero, QLatin1Char(marca)); }
} // namespace

class TestPortapapeles : public QObject {
    Q_OBJECT
private slots:
    void copiarTiraDeCalculadora_data();
    void copiarTiraDeCalculadora();
    void copiarTiraVaciaNoTocaElPortapapeles();
    void copiarTirasDeFechasYTiempoLiteral();
    void pegar_data();
    void pegar();
    void pegarFueraDeLaCalculadora();
    void copiarNumero_data();
    void copiarNumero();
    void copiarPesetas();
};

void TestPortapapeles::copiarTiraDeCalculadora_data()
{
    QTest::addColumn<QStringList>("tira");
    QTest::addColumn<QString>("copiado");

    QTest::newRow("solo el total, sin la cuenta") << QStringList{V("12,00", 'T'), "CNT: 1"} << "12,00\n";
    QTest::newRow("resta de un negativo queda positiva") << QStringList{V("-5,00", '-')} << "5,00\n";
    QTest::newRow("resta con miles") << QStringList{V("1.234,56", '-')} << "-1234,56\n";
    QTest::newRow("negativo sumado") << QStringList{V("-2,5", '+')} << "-2,5\n";
    QTest::newRow("marcas que se copian y las que no")
        << QStringList{" ", V("3,00", 'X'), V("4,00", '='), V("12,00", 'R'), Tira::LineaRaya(), V("7,00", 'S'),
                       V("21,00", '%'), V("8,00", '/'), Tira::LineaTilde(), Tira::LineaError()}
        << "3,00\n12,00\n21,00\n8,00\n";
}

void TestPortapapeles::copiarTiraDeCalculadora()
{
    QFETCH(QStringList, tira);
    QFETCH(QString, copiado);
    Banco b;
    b.w->Papel->addItems(tira);
    b.w->BotCopPorta->click();
    QCOMPARE(b.ui.portapapeles, copiado);
}

void TestPortapapeles::copiarTiraVaciaNoTocaElPortapapeles()
{
    Banco b;
    b.ui.portapapeles = QStringLiteral("de antes");
    b.w->BotCopPorta->click();
    QCOMPARE(b.ui.portapapeles, QStringLiteral("de antes"));
    b.w->TTipo->setValue(3);
    b.w->Papel->addItem(V("1,00", '+'));
    b.w->BotCopPorta->click();
    QCOMPARE(b.ui.portapapeles, QStringLiteral("de antes"));
}

void TestPortapapeles::copiarTirasDeFechasYTiempoLiteral()
{
    Banco b;
    b.w->TTipo->setValue(1);
    b.w->Papel1->addItems({V("01/03/2024", 'F'), QString(), "CNT: 0"});
    b.w->BotCopPorta->click();
    QCOMPARE(b.ui.portapapeles, V("01/03/2024", 'F') + "\n\nCNT: 0\n");
    b.w->TTipo->setValue(2);
    b.w->Papel2->addItem(V("05:00:00", '+'));
    b.w->BotCopPorta->click();
    QCOMPARE(b.ui.portapapeles, V("05:00:00", '+') + "\n");
}

void TestPortapapeles::pegar_data()
{
    QTest::addColumn<QString>("portapapeles");
    QTest::addColumn<QStringList>("tira");
    QTest::addColumn<double>("suma");
    QTest::addColumn<int>("sumandos");

    QTest::newRow("lo que no es numero cuenta cero")
        << "10\r\nabc\r\n2,5\r\n" << QStringList{V("10,00", '+'), V("0,00", '+'), V("2,50", '+')} << 12.5 << 3;
    QTest::newRow("saltos de linea de unix") << "1.000\n-3" << QStringList{V("1.000,00", '+'), V("-3,00", '+')} << 997.0 << 2;
    QTest::newRow("retornos solos") << "1\r2\r" << QStringList{V("1,00", '+'), V("2,00", '+')} << 3.0 << 2;
    QTest::newRow("un desbordamiento se salta solo") << "1E308\n1E308\n4" << QStringList{"1E308", V("4,00", '+')}
                                                     << 0.0 << 2;
}

void TestPortapapeles::pegar()
{
    QFETCH(QString, portapapeles);
    QFETCH(QStringList, tira);
    QFETCH(double, suma);
    QFETCH(int, sumandos);
    Banco b;
    b.Teclear("7");
    b.ui.portapapeles = portapapeles;
    b.w->BotPegPorta->click();
    const QStringList lineas = b.Tira();
    QCOMPARE(lineas.size(), tira.size());
    if (tira.first() == QLatin1String("1E308")) {
        QVERIFY(lineas.first().endsWith(QLatin1String(" +")));
        QCOMPARE(lineas.last(), tira.last());
        QVERIFY(std::isfinite(b.w->Suma));
        QVERIFY(b.w->Suma > 1e307);
    } else {
        QCOMPARE(lineas, tira);
        QCOMPARE(b.w->Suma, suma);
        QCOMPARE(b.Pantalla(), Funcion::FormatoGeneral(suma));
    }
    QCOMPARE(b.w->Sumandos, sumandos);
    QCOMPARE(b.w->LSumandos->text(), QString::number(sumandos));
    // The display shows the sum, but what was typed stays the entry.
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("7"));
}

void TestPortapapeles::pegarFueraDeLaCalculadora()
{
    Banco b;
    b.w->TTipo->setValue(1);
    b.ui.portapapeles = QStringLiteral("5");
    b.w->BotPegPortaClick();
    QCOMPARE(b.ui.Textos(), QStringList{"Esta opción sólo está disponible en modo calculadora"});
    QCOMPARE(b.w->Suma, 0.0);
    QVERIFY(b.Tira().isEmpty());
}

void TestPortapapeles::copiarNumero_data()
{
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("demasiadoLargo");
    QTest::newRow("decimales") << "1234,5" << "1234,5\n" << false;
    QTest::newRow("limite en letras") << "999999999" << "999999999\n" << false;
    QTest::newRow("por encima del limite") << "999999999,01" << "999999999,01\n" << true;
}

void TestPortapapeles::copiarNumero()
{
    QFETCH(QString, pantalla);
    QFETCH(QString, numero);
    QFETCH(bool, demasiadoLargo);
    Banco b;
    b.w->TextoPantalla->setText(pantalla);
    b.w->BotCopPPNum->click();
    QCOMPARE(b.ui.portapapeles, numero);
    b.w->BotCopPPNumLetras->click();
    if (demasiadoLargo) {
        QCOMPARE(b.ui.portapapeles, QStringLiteral("Número demasiado largo\n"));
    } else {
        QVERIFY(b.ui.portapapeles.contains(QLatin1String("EURO")));
        QVERIFY(!b.ui.portapapeles.contains(QLatin1String("demasiado")));
    }
}

void TestPortapapeles::copiarPesetas()
{
    Banco b;
    b.Teclear("6,01");
    QCOMPARE(b.w->EditPtas->text(), QStringLiteral("1000"));
    b.w->BotCopPPPesetas->click();
    QCOMPARE(b.ui.portapapeles, QStringLiteral("1000\n"));
}

QTEST_MAIN(TestPortapapeles)
#include "test_portapapeles.moc"
