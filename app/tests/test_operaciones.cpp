// The calculator's operations as a clerk types them, read back from the tape.

#include "Banco.h"
#include "LineasTira.h"

#include <QTimer>

namespace {

QString V(const QString &numero, char marca) { return Tira::LineaValor(numero, QLatin1Char(marca)); }

struct Opciones {
    bool acumular = false;
    bool fijaDec = false;
};

} // namespace

Q_DECLARE_METATYPE(Opciones)

class TestOperaciones : public QObject {
    Q_OBJECT
private slots:
    void secuencias_data();
    void secuencias();
    void divisionPorCeroYLuegoDivisor();
    void desbordamientoNoLlegaAPantalla();
    void totalConDecimalesFijos();
    void porcentajeConDecimalesFijosSeSuma();
    void limpiarTiraConservaLaSuma();
    void borrarTodo_data();
    void borrarTodo();
    void avisosDeTamano();
    void teclaDuranteUnaLineaEspera();
    void cuentaYTotalQuedanALaVista();
    void laUltimaLineaQuedaALaVista();
};

void TestOperaciones::secuencias_data()
{
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<Opciones>("opciones");
    QTest::addColumn<QStringList>("tira");
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<double>("suma");
    QTest::addColumn<int>("sumandos");

    const QString raya = Tira::LineaRaya();
    const QString tilde = Tira::LineaTilde();
    const Opciones normal;
    Opciones acumular;
    acumular.acumular = true;

    QTest::newRow("suma, resta y total")
        << "5+3-T" << normal
        << QStringList{V("5,00", '+'), V("3,00", '-'), raya, V("2,00", 'T'), "CNT: 2", tilde} << "2" << 0.0 << 0;
    QTest::newRow("porcentaje sobre una base")
        << "100x21%" << normal << QStringList{" ", V("100,00", 'X'), V("21,00", '%'), V("21,00", '='), " "}
        << "21,00" << 0.0 << 0;
    QTest::newRow("porcentaje acumulado a la base")
        << "100x21%" << acumular
        << QStringList{" ", V("100,00", 'X'), V("21,00", '%'), V("21,00", '='), V("121,00", 'R'), " "} << "121,00"
        << 0.0 << 0;
    QTest::newRow("porcentaje contenido en un bruto")
        << "121/21%" << normal << QStringList{" ", V("121,00", '/'), V("21,00", '%'), V("21,00", '='), " "}
        << "21,00" << 0.0 << 0;
    QTest::newRow("neto de un bruto")
        << "121/21%" << acumular
        << QStringList{" ", V("121,00", '/'), V("21,00", '%'), V("21,00", '='), V("100,00", 'R'), " "} << "100,00"
        << 0.0 << 0;
    QTest::newRow("igual repetido multiplica por la constante")
        << "3x4==" << normal
        << QStringList{" ", V("3,00", 'X'), V("4,00", '='), V("12,00", 'R'), " ", V("12,00", '='), V("36,00", 'R'), " "}
        << "36" << 0.0 << 0;
    QTest::newRow("la suma borra la cadena y el porcentaje no hace nada")
        << "100+21%" << normal << QStringList{V("100,00", '+')} << "21" << 100.0 << 1;
    QTest::newRow("mas repetido suma dos veces") << "7++" << normal << QStringList{V("7,00", '+'), V("7,00", '+')}
                                                 << "7" << 14.0 << 2;
    QTest::newRow("subtotal sin sumandos no imprime") << "S" << normal << QStringList{} << "0" << 0.0 << 0;
    QTest::newRow("total sin sumandos") << "T" << normal << QStringList{raya, V("0,00", 'T'), "CNT: 0", tilde} << "0"
                                        << 0.0 << 0;
    QTest::newRow("subtotal no cierra la suma")
        << "2,5+1+S" << normal
        << QStringList{V("2,50", '+'), V("1,00", '+'), raya, "CNT: 2", V("3,50", 'S'), raya} << "1" << 3.5 << 2;
    QTest::newRow("total no suma lo tecleado sin mas")
        << "12+30T" << normal << QStringList{V("12,00", '+'), raya, V("12,00", 'T'), "CNT: 1", tilde} << "12" << 0.0 << 0;
    QTest::newRow("cuenta") << "1+2+N" << normal << QStringList{V("1,00", '+'), V("2,00", '+'), "CNT: 2"} << "2" << 3.0
                            << 2;
    QTest::newRow("cero por cinco solo imprime el factor")
        << "0x5=" << normal << QStringList{" ", V("0,00", 'X')} << "5" << 0.0 << 0;
    QTest::newRow("cambio de signo tras una suma")
        << "4+&+" << normal << QStringList{V("4,00", '+'), V("-4,00", '+')} << "-4" << 0.0 << 2;
    QTest::newRow("redondeo del total a dos decimales")
        << "1,234+1,001+T" << normal
        << QStringList{V("1,234", '+'), V("1,001", '+'), raya, V("2,24", 'T'), "CNT: 2", tilde} << "2,24" << 0.0 << 0;
    QTest::newRow("division con resultado redondeado")
        << "10/3=" << normal << QStringList{" ", V("10,00", '/'), V("3,00", '='), V("3,33", 'R'), " "} << "3,33" << 0.0
        << 0;
}

void TestOperaciones::secuencias()
{
    QFETCH(QString, teclas);
    QFETCH(Opciones, opciones);
    QFETCH(QStringList, tira);
    QFETCH(QString, pantalla);
    QFETCH(double, suma);
    QFETCH(int, sumandos);

    Banco b([&](Configuracion &c) {
        c.PorcenAcum = opciones.acumular;
        c.FijaDec = opciones.fijaDec;
    });
    b.Teclear(teclas);
    QCOMPARE(b.Tira(), tira);
    QCOMPARE(b.Pantalla(), pantalla);
    QCOMPARE(b.w->Suma, suma);
    QCOMPARE(b.w->Sumandos, sumandos);
    QVERIFY(b.w->Bkk->isChecked());
}

void TestOperaciones::divisionPorCeroYLuegoDivisor()
{
    Banco b;
    b.Teclear("10/0=");
    QCOMPARE(b.Tira(), (QStringList{" ", V("10,00", '/'), V("0,00", '='), Tira::LineaError()}));
    QCOMPARE(b.w->Dividendo, 10.0);
    // The zero typed after the operation shows, even though it is a lone zero.
    QCOMPARE(b.Pantalla(), QStringLiteral("0"));
    b.Teclear("4=");
    QCOMPARE(b.Tira().mid(4), (QStringList{V("4,00", '='), V("2,50", 'R'), " "}));
    QCOMPARE(b.Pantalla(), QStringLiteral("2,5"));
}

void TestOperaciones::desbordamientoNoLlegaAPantalla()
{
    Banco b;
    b.Teclear("9999999999999999x9999999999999999");
    for (int i = 0; i < 25; ++i)
        b.Teclear("=");
    const QStringList tira = b.Tira();
    QVERIFY(tira.contains(Tira::LineaError()));
    for (const QString &linea : tira) {
        QVERIFY2(!linea.contains(QLatin1String("inf"), Qt::CaseInsensitive), qPrintable(linea));
        QVERIFY2(!linea.contains(QLatin1String("nan"), Qt::CaseInsensitive), qPrintable(linea));
    }
    const QString antes = b.Pantalla();
    QVERIFY(!antes.contains(QLatin1String("inf"), Qt::CaseInsensitive));
    const double multiplicando = b.w->Multiplicando;
    const int lineas = tira.size();
    b.Teclear("=");
    QCOMPARE(b.Pantalla(), antes);
    QCOMPARE(b.w->Multiplicando, multiplicando);
    QCOMPARE(b.Tira().size(), lineas + 1);
    QCOMPARE(b.Tira().last(), Tira::LineaError());
    QVERIFY(std::isfinite(b.w->Multiplicando));

    // The adding register refuses an overflowing sum the same way.
    b.Teclear("+");
    const double suma = b.w->Suma;
    b.Teclear("+");
    QVERIFY(std::isfinite(b.w->Suma));
    if (!std::isfinite(suma + 2 * b.w->ValorPantalla()))
        QCOMPARE(b.Tira().last(), Tira::LineaError());
}

void TestOperaciones::totalConDecimalesFijos()
{
    Banco b([](Configuracion &c) { c.FijaDec = true; });
    b.Teclear("150+");
    QCOMPARE(b.Tira(), QStringList{V("1,50", '+')});
    QCOMPARE(b.w->Suma, 1.5);
    b.Teclear("250+T");
    QCOMPARE(b.Pantalla(), QStringLiteral("4"));
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("400"));
    QCOMPARE(b.Tira().at(3), V("4,00", 'T'));
}

void TestOperaciones::porcentajeConDecimalesFijosSeSuma()
{
    Banco b([](Configuracion &c) { c.FijaDec = true; });
    b.Teclear("10000x2100%");
    QCOMPARE(b.Pantalla(), QStringLiteral("21,00"));
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("2100"));
    b.Teclear("+");
    QCOMPARE(b.Tira().last(), V("21,00", '+'));
    QCOMPARE(b.w->Suma, 21.0);
}

void TestOperaciones::limpiarTiraConservaLaSuma()
{
    Banco b;
    b.Teclear("5+");
    b.w->BBorrarTira->click();
    QCOMPARE(b.Tira(), QStringList{});
    QCOMPARE(b.w->Suma, 5.0);
    QCOMPARE(b.w->Sumandos, 1);
    QCOMPARE(b.Pantalla(), QStringLiteral("5"));
}

void TestOperaciones::borrarTodo_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("no") << false;
    QTest::newRow("si") << true;
}

void TestOperaciones::borrarTodo()
{
    QFETCH(bool, si);
    Banco b;
    b.Teclear("5+3x");
    const QStringList antes = b.Tira();
    b.ui.respuestas.enqueue(si);
    b.w->BBorrarTodo->click();
    QCOMPARE(b.ui.mensajes.size(), 1);
    QCOMPARE(b.ui.mensajes.first().texto, QStringLiteral("Quiere borrarlo todo?"));
    QCOMPARE(b.ui.mensajes.first().tipo, Interfaz::Tipo::Confirmacion);
    QVERIFY(b.ui.mensajes.first().nivelBajado > 0);
    QCOMPARE(b.ui.NivelBajado(), 0);
    if (!si) {
        QCOMPARE(b.Tira(), antes);
        QCOMPARE(b.w->Suma, 5.0);
        QCOMPARE(b.w->Multiplicando, 3.0);
        return;
    }
    QCOMPARE(b.Tira(), (QStringList{V("0,00", 'C'), " "}));
    QCOMPARE(b.w->Suma, 0.0);
    QCOMPARE(b.w->Sumandos, 0);
    QCOMPARE(b.w->Multiplicando, 0.0);
    QCOMPARE(b.Pantalla(), QStringLiteral("0"));
    QCOMPARE(b.w->LSumandos->text(), QStringLiteral("0"));
    QCOMPARE(b.w->LRe1->text(), QStringLiteral("0,00"));
    // The last operator survives, so Enter still knows what to do.
    QCOMPARE(b.w->UltimaOperacion, QStringLiteral("X"));
}

void TestOperaciones::avisosDeTamano()
{
    Banco b;
    for (int i = 0; i < 1999; ++i)
        b.w->TiraPapel(QLatin1Char('+'), 1);
    QVERIFY(b.ui.mensajes.isEmpty());
    b.w->TiraPapel(QLatin1Char('+'), 1);
    QCOMPARE(b.ui.Textos(), QStringList{"Convendría borrar la tira de papel"});
    QCOMPARE(b.ui.mensajes.first().tipo, Interfaz::Tipo::Informacion);
    QVERIFY(b.ui.mensajes.first().nivelBajado > 0);
    b.w->TiraPapel(QLatin1Char('+'), 1);
    QCOMPARE(b.ui.mensajes.size(), 1);

    // Lines added otherwise pass the threshold silently.
    b.w->Papel->clear();
    for (int i = 0; i < 1999; ++i)
        b.w->Papel->addItem(QStringLiteral(" "));
    b.w->TiraPapel(QLatin1Char('T'), 1); // two lines: 2000 and 2001 at once
    QCOMPARE(b.ui.mensajes.size(), 1);

    b.w->Papel->clear();
    for (int i = 0; i < 7999; ++i)
        b.w->Papel->addItem(QStringLiteral(" "));
    b.w->TiraPapel(QLatin1Char(' '), 0);
    QCOMPARE(b.ui.Textos().last(), QStringLiteral("Todavía no quiere borrar la tira?"));
    for (int i = 0; i < 6999; ++i)
        b.w->Papel->addItem(QStringLiteral(" "));
    b.w->TiraPapel(QLatin1Char(' '), 0);
    QCOMPARE(b.ui.Textos().last(), QStringLiteral("Si no borra la tira de papel puede tener problemas de memoria"));
    QCOMPARE(b.w->LPapel->text(), QStringLiteral("15000"));
}

void TestOperaciones::teclaDuranteUnaLineaEspera()
{
    Banco b;
    b.Teclear("12+");
    // The tape lets timers run between its lines; a key that comes in then
    // must not act inside the total.
    int lineasAlTeclear = -1;
    QTest::qWait(30); // long enough since the last line for the tape to let events through again
    QTimer::singleShot(0, b.w.get(), [&] {
        lineasAlTeclear = b.w->Papel->count();
        QTest::keyClick(b.w->E, '5');
    });
    b.Teclear("T");
    QVERIFY(lineasAlTeclear > 1 && lineasAlTeclear < 5);
    QCOMPARE(b.Tira(), (QStringList{V("12,00", '+'), Tira::LineaRaya(), V("12,00", 'T'), "CNT: 1", Tira::LineaTilde()}));
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("5"));
    QCOMPARE(b.Pantalla(), QStringLiteral("5"));
}

void TestOperaciones::cuentaYTotalQuedanALaVista()
{
    Banco b;
    b.Teclear("5+3-T");
    QCOMPARE(b.w->LSumandos->text(), QStringLiteral("2"));
    QCOMPARE(b.w->LRe1->text(), QStringLiteral("2,00"));
    b.Teclear("1+");
    QCOMPARE(b.w->LSumandos->text(), QStringLiteral("1"));
    QCOMPARE(b.w->LRe1->text(), QStringLiteral("1,00"));
}

void TestOperaciones::laUltimaLineaQuedaALaVista()
{
    Banco b;
    for (int i = 0; i < 500; ++i)
        b.w->TiraPapel(QLatin1Char('+'), i);
    QCoreApplication::processEvents();
    QListWidget *tira = b.w->Papel;
    const QRect ultima = tira->visualItemRect(tira->item(tira->count() - 1));
    QVERIFY(tira->viewport()->rect().contains(ultima));
}

QTEST_MAIN(TestOperaciones)
#include "test_operaciones.moc"
