// Time mode of the main window: durations added past one day, the time
// between two times of day, and what reaches the time tape, the display and
// the two result labels, typed on the keyboard or clicked on the keypad.

#include "Banco.h"
#include "LineasTira.h"

namespace {

QString V(const QString &texto, char marca) { return Tira::LineaValor(texto, QLatin1Char(marca)); }
const QString Blanco = QStringLiteral(" ");
QString Raya() { return Tira::LineaRayaFecha(); }
QString Tilde() { return Tira::LineaTildeHora(); }
QString Cnt(int n) { return Tira::LineaCuenta(n); }
// A difference: blank line, start, end, the result between two rules.
QStringList Diferencia(const QString &inicio, const QString &fin, const QString &resultado)
{
    return {Blanco, V(inicio, 'H'), V(fin, 'H'), Raya(), V(resultado, 'R'), Raya()};
}
// Subtotal and total of the running total; both lines share one layout.
QStringList Subtotal(int n, const QString &horas) { return {Raya(), Cnt(n), V(horas, 'S'), Raya()}; }
QStringList Total(int n, const QString &horas) { return {Raya(), V(horas, 'T'), Cnt(n), Tilde()}; }

const QString Incorrecta = QStringLiteral("Hora incorrecta  entre las 00:00 y las 23:59");
const QString Erronea = QStringLiteral("Hora errónea  (Valores entre 00:00:00 y 23:59:59)");

enum Via { Teclas, Botones };

struct BancoTiempo : Banco {
    BancoTiempo() { w->TTipo->setValue(2); }

    QStringList Tira2() const { return Lineas(w->Papel2); }

    // Clicks the keypad buttons that stand for the characters of a key sequence.
    void Pulsar(const QString &secuencia)
    {
        QToolButton *digitos[] = {w->B0, w->B1, w->B2, w->B3, w->B4, w->B5, w->B6, w->B7, w->B8, w->B9};
        for (QChar c : secuencia) {
            QToolButton *boton = nullptr;
            if (c.isDigit())
                boton = digitos[c.digitValue()];
            else if (c == u':')
                boton = w->BPORCENT;
            else if (c == u'+')
                boton = w->BMAS;
            else if (c == u'*')
                boton = w->BPOR;
            else if (c == u't')
                boton = w->BTOTAL;
            else if (c == u's')
                boton = w->BSS;
            else if (c == u'\b')
                boton = w->BBorrarUno;
            if (!boton)
                QFAIL(qPrintable(QStringLiteral("no keypad button for ") + c));
            boton->click();
        }
    }
    void Hacer(int via, const QString &secuencia)
    {
        if (via == Teclas)
            Teclear(secuencia);
        else
            Pulsar(secuencia);
    }
};

const char *NombreVia(int via) { return via == Teclas ? " / teclas" : " / botones"; }

QStringList operator+(QStringList a, const QStringList &b)
{
    a << b;
    return a;
}

} // namespace

class TestTiempo : public QObject {
    Q_OBJECT
private slots:
    void tecleo_data();
    void tecleo();
    void operaciones_data();
    void operaciones();
    void sumaExacta_data();
    void sumaExacta();
    void borrarEntrada_data();
    void borrarEntrada();
    void borrarTodo();
    void borrarTodoOlvidaElInicio();
    void sumaDeLaCalculadoraIntacta();
    void cambioDeModo();
};

void TestTiempo::tecleo_data()
{
    QTest::addColumn<int>("via");
    QTest::addColumn<QString>("secuencia");
    QTest::addColumn<QString>("entrada");

    struct Fila {
        const char *nombre, *secuencia, *entrada;
    };
    static const Fila filas[] = {
        {"seis cifras", "123015", "12:30:15"},
        {"tres cifras", "130", "13:0"},
        {"una cifra", "7", "7"},
        {"hora de una cifra y separador", "7:", "07:"},
        {"separador solo", ":", "00:"},
        {"separador tras la hora", "12:", "12:00:"},
        {"separador tras un minuto", "123:", "12:03:"},
        {"separador tras los minutos sobra", "1230:", "12:30::"},
        {"cifra tras el separador de mas", "1230:5", "12:30::5"},
        {"separador tras un segundo", "12301:", "12:30:1:"},
        {"minuto tras hora de una cifra", "1:3", "01:3"},
        {"ocho caracteres como mucho", "12301599", "12:30:15"},
        {"separador no pasa de ocho", "123015:", "12:30:15"},
        {"retroceso quita la hora y su separador", "12\b", "1"},
        {"retroceso quita un minuto", "123\b", "12:"},
        {"retroceso quita los minutos y su separador", "1230\b", "12:3"},
        {"retroceso quita un segundo", "123015\b", "12:30:1"},
        {"retroceso hasta vaciar y de mas", "12\b\b\b", ""},
        {"retroceso y otra cifra", "12\b5", "15:"},
    };
    for (int via : {Teclas, Botones})
        for (const Fila &f : filas)
            QTest::newRow((QByteArray(f.nombre) + NombreVia(via)).constData())
                << via << QString::fromUtf8(f.secuencia) << QString::fromUtf8(f.entrada);
    QTest::newRow("punto es el separador / teclas") << int(Teclas) << "7.3" << "07:3";
    QTest::newRow("coma es el separador / teclas") << int(Teclas) << "1,3" << "01:3";
}

void TestTiempo::tecleo()
{
    QFETCH(int, via);
    QFETCH(QString, secuencia);
    QFETCH(QString, entrada);
    BancoTiempo b;
    b.Hacer(via, secuencia);
    QCOMPARE(b.w->EntradaHora, entrada);
    QCOMPARE(b.w->TextoPantalla2->text(), entrada);
    QCOMPARE(b.w->LNumCar2->text(), entrada);
    QCOMPARE(b.Tira2(), QStringList{});
    QCOMPARE(b.ui.Textos(), QStringList{});
}

void TestTiempo::operaciones_data()
{
    QTest::addColumn<int>("via");
    QTest::addColumn<QString>("secuencia");
    QTest::addColumn<QStringList>("tira");
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<QString>("re1");      // the running total label
    QTest::addColumn<QString>("sumandos"); // the count label
    QTest::addColumn<QStringList>("mensajes");

    struct Fila {
        const char *nombre;
        QString secuencia;
        QStringList tira;
        QString pantalla, re1, sumandos;
        QStringList mensajes;
    };
    const QStringList nada;
    const QString vacio;
    const Fila filas[] = {
        {"hora a medias", "130+", {V("13:00:00", '+')}, vacio, "13h 00m 00s ", "1", nada},
        {"la suma pasa de un dia", "200000+080000+", {V("20:00:00", '+'), V("08:00:00", '+')}, vacio,
         "28h 00m 00s ", "2", nada},
        {"total de mas de un dia", "2000+0800+t",
         QStringList{V("20:00:00", '+'), V("08:00:00", '+')} + Total(2, "28h 00m 00s "), "28h 00m 00s ",
         "28h 00m 00s ", "2", nada},
        {"medianoche sumada", "0+t", QStringList{V("00:00:00", '+')} + Total(1, "0h 00m 00s "), "0h 00m 00s ",
         "0h 00m 00s ", "1", nada},
        {"dos puntos finales", "7:+", {V("07:00:00", '+')}, vacio, "7h 00m 00s ", "1", nada},
        {"retroceso antes de sumar", "12\b3+", {V("13:00:00", '+')}, vacio, "13h 00m 00s ", "1", nada},
        {"total y vuelta a empezar", "1+t5+", QStringList{V("01:00:00", '+')} + Total(1, "1h 00m 00s ") + QStringList{V("05:00:00", '+')},
         vacio, "5h 00m 00s ", "1", nada},
        {"subtotal", "0130+0045+s",
         QStringList{V("01:30:00", '+'), V("00:45:00", '+')} + Subtotal(2, "2h 15m 00s "), vacio, "2h 15m 00s ", "2",
         nada},
        {"subtotal no borra el total", "0130+0045+s0015+t",
         QStringList{V("01:30:00", '+'), V("00:45:00", '+')} + Subtotal(2, "2h 15m 00s ") +
             QStringList{V("00:15:00", '+')} + Total(3, "2h 30m 00s "),
         "2h 30m 00s ", "2h 30m 00s ", "3", nada},
        {"subtotal y total sin sumandos", "st", nada, vacio, vacio, vacio, nada},
        {"suma con la pantalla vacia", "+", nada, vacio, vacio, vacio, nada},
        {"separador empieza una hora nueva", "0100+:15+", {V("01:00:00", '+'), V("00:15:00", '+')}, vacio,
         "1h 15m 00s ", "2", nada},
        {"diferencia", "0815*1745*", Diferencia("08:15:00", "17:45:00", "09:30:00"), "9:30:00", vacio, vacio, nada},
        {"diferencia que cruza medianoche", "2200*0200*", Diferencia("22:00:00", "02:00:00", "04:00:00"), "4:00:00",
         vacio, vacio, nada},
        {"empieza a medianoche", "0000*0630*", Diferencia("00:00:00", "06:30:00", "06:30:00"), "6:30:00", vacio, vacio,
         nada},
        {"acaba a medianoche", "1800*0*", Diferencia("18:00:00", "00:00:00", "06:00:00"), "6:00:00", vacio, vacio,
         nada},
        {"misma hora", "1000*1000*", Diferencia("10:00:00", "10:00:00", "00:00:00"), "0:00:00", vacio, vacio, nada},
        {"solo el inicio", "0815*", {Blanco, V("08:15:00", 'H')}, "08:15:00", vacio, vacio, nada},
        {"la diferencia no se suma", "0100+0815*1745*t",
         QStringList{V("01:00:00", '+')} + Diferencia("08:15:00", "17:45:00", "09:30:00") + Total(1, "1h 00m 00s "),
         "1h 00m 00s ", "1h 00m 00s ", "1", nada},
        {"separador tras una diferencia", "0800*0930*:30+",
         Diferencia("08:00:00", "09:30:00", "01:30:00") + QStringList{V("00:30:00", '+')}, vacio, "0h 30m 00s ", "1",
         nada},
        {"suma abandona la diferencia", "0800*0100+0900*",
         {Blanco, V("08:00:00", 'H'), V("01:00:00", '+'), Blanco, V("09:00:00", 'H')}, "09:00:00", vacio, "1", nada},
        {"separador de mas", "1230:+", nada, "12:30:", vacio, vacio, {Incorrecta}},
        {"25 horas no se suman", "0100+2500+t", QStringList{V("01:00:00", '+')} + Total(1, "1h 00m 00s "),
         "1h 00m 00s ", "1h 00m 00s ", "1", {Incorrecta}},
        {"60 minutos", "1060+", nada, "10:60", vacio, vacio, {Incorrecta}},
        {"60 segundos", "100060+", nada, "10:00:60", vacio, vacio, {Incorrecta}},
        {"suma erronea abandona la diferencia", "0800*2500+0900*",
         {Blanco, V("08:00:00", 'H'), Blanco, V("09:00:00", 'H')}, "09:00:00", vacio, vacio, {Incorrecta}},
        {"inicio erroneo", "2500*", nada, "25:00", vacio, vacio, {Erronea}},
        {"inicio erroneo y otro bueno", "2500*0800*0930*", Diferencia("08:00:00", "09:30:00", "01:30:00"), "1:30:00",
         vacio, vacio, {Erronea}},
        {"fin erroneo conserva el inicio", "0800*2500*0930*", Diferencia("08:00:00", "09:30:00", "01:30:00"),
         "1:30:00", vacio, vacio, {Erronea}},
        {"diferencia sin hora", "*", nada, vacio, vacio, vacio, {Erronea}},
        {"separador de mas en una diferencia", "1230:*", nada, "12:30:", vacio, vacio, {Erronea}},
    };
    for (int via : {Teclas, Botones})
        for (const Fila &f : filas)
            QTest::newRow((QByteArray(f.nombre) + NombreVia(via)).constData())
                << via << f.secuencia << f.tira << f.pantalla << f.re1 << f.sumandos << f.mensajes;

    // Keys of their own: Enter, the letters and the calculator's operators.
    const Fila teclas[] = {
        {"intro tras una suma es total", "0130+0045+\r",
         QStringList{V("01:30:00", '+'), V("00:45:00", '+')} + Total(2, "2h 15m 00s "), "2h 15m 00s ",
         "2h 15m 00s ", "2", nada},
        {"intro tecleando es diferencia", "0815\r1745\r", Diferencia("08:15:00", "17:45:00", "09:30:00"), "9:30:00",
         vacio, vacio, nada},
        {"intro tras una cifra tecleada es inicio", "12+3\r", {V("12:00:00", '+'), Blanco, V("03:00:00", 'H')},
         "03:00:00", vacio, "1", nada},
        {"x y h son diferencia", "0800x0930h", Diferencia("08:00:00", "09:30:00", "01:30:00"), "1:30:00", vacio,
         vacio, nada},
        {"mayusculas", "0100+0030+ST",
         QStringList{V("01:00:00", '+'), V("00:30:00", '+')} + Subtotal(2, "1h 30m 00s ") + Total(2, "1h 30m 00s "),
         "1h 30m 00s ", "1h 30m 00s ", "2", nada},
        {"punto y coma separan", "7.30+7,30+", {V("07:30:00", '+'), V("07:30:00", '+')}, vacio, "15h 00m 00s ", "2",
         nada},
        {"menos y barra no cuentan", "01-/00+", {V("01:00:00", '+')}, vacio, "1h 00m 00s ", "1", nada},
    };
    for (const Fila &f : teclas)
        QTest::newRow((QByteArray(f.nombre) + NombreVia(Teclas)).constData())
            << int(Teclas) << f.secuencia << f.tira << f.pantalla << f.re1 << f.sumandos << f.mensajes;
}

void TestTiempo::operaciones()
{
    QFETCH(int, via);
    QFETCH(QString, secuencia);
    QFETCH(QStringList, tira);
    QFETCH(QString, pantalla);
    QFETCH(QString, re1);
    QFETCH(QString, sumandos);
    QFETCH(QStringList, mensajes);
    BancoTiempo b;
    QVERIFY(!b.w->BotStop->isEnabled()); // so that "S" is the subtotal
    b.Hacer(via, secuencia);
    QCOMPARE(b.Tira2(), tira);
    QCOMPARE(b.w->TextoPantalla2->text(), pantalla);
    QCOMPARE(b.w->LRe1->text(), re1);
    QCOMPARE(b.w->LSumandos->text(), sumandos);
    QCOMPARE(b.ui.Textos(), mensajes);
    for (const auto &m : b.ui.mensajes)
        QVERIFY2(m.nivelBajado > 0, qPrintable(m.texto));
    if (!tira.isEmpty())
        QCOMPARE(b.w->LPapel2->text(), QString::number(tira.size()));
}

// Durations whose day counts have no exact binary fraction still add up to
// whole days.
void TestTiempo::sumaExacta_data()
{
    QTest::addColumn<QString>("sumando");
    QTest::addColumn<int>("veces");
    QTest::addColumn<QString>("total");

    QTest::newRow("24 veces una hora") << "1" << 24 << "24h 00m 00s ";
    QTest::newRow("10 veces 02:24") << "0224" << 10 << "24h 00m 00s ";
    QTest::newRow("10 veces 07:12") << "0712" << 10 << "72h 00m 00s ";
    QTest::newRow("72 veces 20 minutos") << "0020" << 72 << "24h 00m 00s ";
    QTest::newRow("3 veces 8 horas") << "08" << 3 << "24h 00m 00s ";
    QTest::newRow("60 veces un minuto") << "0001" << 60 << "1h 00m 00s ";
}

void TestTiempo::sumaExacta()
{
    QFETCH(QString, sumando);
    QFETCH(int, veces);
    QFETCH(QString, total);
    BancoTiempo b;
    b.Teclear((sumando + QLatin1Char('+')).repeated(veces));
    QCOMPARE(b.w->LRe1->text(), total);
    b.Teclear("t");
    const QStringList tira = b.Tira2();
    QCOMPARE(tira.mid(tira.size() - 4), Total(veces, total));
    QCOMPARE(b.w->TextoPantalla2->text(), total);
}

void TestTiempo::borrarEntrada_data()
{
    QTest::addColumn<int>("via");
    QTest::newRow("suprimir") << int(Teclas);
    QTest::newRow("boton CE") << int(Botones);
}

void TestTiempo::borrarEntrada()
{
    QFETCH(int, via);
    BancoTiempo b;
    b.Teclear("0100+1230");
    if (via == Teclas)
        b.Tecla(Qt::Key_Delete);
    else
        b.w->BBorrarUltimo->click();
    QCOMPARE(b.w->EntradaHora, QString());
    QCOMPARE(b.w->TextoPantalla2->text(), QString());
    b.Teclear("+");
    QCOMPARE(b.Tira2(), QStringList{V("01:00:00", '+')});
    b.Teclear("0030+");
    QCOMPARE(b.w->LRe1->text(), QStringLiteral("1h 30m 00s "));
}

void TestTiempo::borrarTodo()
{
    BancoTiempo b;
    b.Teclear("0100+0200+12");
    b.ui.respuestas.enqueue(false);
    b.Teclear("\x1b");
    QCOMPARE(b.ui.Textos(), QStringList{"Quiere borrarlo todo?"});
    QCOMPARE(b.Tira2(), (QStringList{V("01:00:00", '+'), V("02:00:00", '+')}));
    QCOMPARE(b.w->EntradaHora, QStringLiteral("12:"));

    b.ui.respuestas.enqueue(true);
    b.Teclear("\x1b");
    QCOMPARE(b.Tira2(), (QStringList{V("00:00:00", 'C'), Blanco}));
    QCOMPARE(b.w->EntradaHora, QString());
    QCOMPARE(b.w->TextoPantalla2->text(), QString());
    QCOMPARE(b.w->LSumandos->text(), QStringLiteral("0"));
    b.Teclear("0030+t");
    QCOMPARE(b.Tira2().mid(2), (QStringList{V("00:30:00", '+')} + Total(1, "0h 30m 00s ")));
}

void TestTiempo::borrarTodoOlvidaElInicio()
{
    BancoTiempo b;
    b.Teclear("0800*");
    b.ui.respuestas.enqueue(true);
    b.Teclear("\x1b");
    b.Teclear("0900*");
    QCOMPARE(b.Tira2(), (QStringList{V("00:00:00", 'C'), Blanco, Blanco, V("09:00:00", 'H')}));
}

void TestTiempo::sumaDeLaCalculadoraIntacta()
{
    BancoTiempo b;
    b.w->TTipo->setValue(0);
    b.Teclear("12+5x");
    const QStringList calculadora = b.Tira();
    b.w->TTipo->setValue(2);
    b.Teclear("0100+0230+t");
    QCOMPARE(b.w->LRe1->text(), QStringLiteral("3h 30m 00s "));
    QCOMPARE(b.w->Suma, 12.0);
    QCOMPARE(b.w->Sumandos, 1);
    // A time sum drops the calculator's pending multiplication.
    QCOMPARE(b.w->Multiplicando, 0.0);

    b.w->TTipo->setValue(0);
    QCOMPARE(b.w->LRe1->text(), QStringLiteral("12,00"));
    b.Teclear("3=");
    QCOMPARE(b.Tira(), calculadora);
    b.Teclear("3+t");
    QCOMPARE(b.Tira().mid(calculadora.size()),
             (QStringList{V("3,00", '+'), Tira::LineaRaya(), V("15,00", 'T'), Cnt(2), Tira::LineaTilde()}));
}

void TestTiempo::cambioDeModo()
{
    BancoTiempo b;
    b.Teclear("0100+12");
    b.w->TTipo->setValue(0);
    b.w->TTipo->setValue(2);
    QCOMPARE(b.w->EntradaHora, QString());
    QCOMPARE(b.w->TextoPantalla2->text(), QString());
    QCOMPARE(b.w->LSumandos->text(), QString());
    QCOMPARE(b.w->LRe1->text(), QString());
    // The running total and the tape survive the switch.
    b.Teclear("0030+t");
    QCOMPARE(b.Tira2(), (QStringList{V("01:00:00", '+'), V("00:30:00", '+')} + Total(2, "1h 30m 00s ")));
}

QTEST_MAIN(TestTiempo)
#include "test_tiempo.moc"
