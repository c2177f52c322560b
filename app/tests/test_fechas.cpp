// The date mode typed as a user does: dates, numbers of days, the options of
// the count and the weekday selection, read back from the date tape.

#include "Banco.h"
#include "Controles.h"
#include "EtiquetaPulsable.h"
#include "FechaHora.h"
#include "LineasTira.h"
#include "Sesion.h"

#include <QCalendarWidget>

using namespace Funcion;

namespace {

double Dia(const char *texto)
{
    double s = 0;
    TextoAFecha(QString::fromLatin1(texto), s);
    return s;
}

// The options as the tape shows them in front of a result.
struct Opciones {
    bool ambos = false, habiles = false, sabados = false;
    QString coef = QStringLiteral("1");
};

QStringList L(const QString &texto, char marca, const Opciones &o = {})
{
    Tira::EstadoFechas e;
    e.ambosInc = o.ambos;
    e.habiles = o.habiles;
    e.sabadosNo = o.sabados;
    e.coeficiente = o.coef;
    return Tira::LineasFechas(texto, QLatin1Char(marca), e);
}

const QString Raya = Tira::LineaRayaFecha();

// A window in date mode; typing without the mask unless asked.
struct BancoFechas : Banco {
    template <typename F>
    explicit BancoFechas(F ajustar, bool mascara = false) : Banco(ajustar)
    {
        w->TTipo->setValue(1);
        w->MascaraFecha->setChecked(mascara);
        w->AmbosInc->setChecked(false);
        w->DMA->setChecked(false);
    }
    explicit BancoFechas(bool mascara = false) : BancoFechas([](Configuracion &) {}, mascara) {}
    QStringList Tira1() const { return Lineas(w->Papel1); }
    QString Pantalla1() const { return w->TextoPantalla1->text(); }
};

void ConFestivos(TMD &md) { ConCalendario(md, {Dia("03/01/2024"), Dia("06/01/2024"), Dia("07/01/2024")}); }

} // namespace

class TestFechas : public QObject {
    Q_OBJECT
private slots:
    void dosFechas_data();
    void dosFechas();
    void coeficiente_data();
    void coeficiente();
    void fechaMasDias_data();
    void fechaMasDias();
    void diasSinFecha();
    void numeroFueraDeRango();
    void fechaIncorrecta_data();
    void fechaIncorrecta();
    void mascara_data();
    void mascara();
    void sumasDeDias();
    void signoYBarra();
    void periodoDMA();
    void habiles_data();
    void habiles();
    void sabadosVuelveAlAjusteGuardado();
    void diasDeLaSemana();
    void diasDeLaSemanaSinCalendario();
    void selector();
};

void TestFechas::dosFechas_data()
{
    QTest::addColumn<bool>("ambos");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("dias");

    QTest::newRow("naturales") << false << "01/01/2024*31/12/2024*" << "365";
    QTest::newRow("ambos inclusive") << true << "01/01/2024*31/12/2024*" << "366";
    QTest::newRow("orden inverso") << false << "31/12/2024*01/01/2024*" << "365";
    QTest::newRow("la misma fecha") << false << "05/05/2024*05/05/2024*" << "0";
    QTest::newRow("la misma fecha ambos") << true << "05/05/2024*05/05/2024*" << "1";
    QTest::newRow("intro es la tecla de fecha") << false << "01/02/2024\r01/03/2024\r" << "29";
    QTest::newRow("x y f tambien") << false << "01/02/2024x01/03/2024f" << "29";
}

void TestFechas::dosFechas()
{
    QFETCH(bool, ambos);
    QFETCH(QString, teclas);
    QFETCH(QString, dias);
    BancoFechas b;
    b.w->AmbosInc->setChecked(ambos);
    b.Teclear(teclas);
    Opciones o;
    o.ambos = ambos;
    const QString primera = teclas.left(10), segunda = teclas.mid(11, 10);
    QCOMPARE(b.Tira1(), QStringList{" "} + L(primera, 'D') + L(segunda, 'D') + QStringList{Raya} + L(dias, 'R', o)
                            + QStringList{Raya});
    QCOMPARE(b.Pantalla1(), dias);
    QVERIFY(b.w->PrimeraFecha.isEmpty() && b.w->SegundaFecha.isEmpty());
    QVERIFY(b.ui.mensajes.isEmpty());
    // The result starts a new entry.
    b.Teclear("7");
    QCOMPARE(b.Pantalla1(), QStringLiteral("7"));
}

void TestFechas::coeficiente_data()
{
    QTest::addColumn<QString>("coef");
    QTest::addColumn<bool>("mult15");
    QTest::addColumn<QString>("hasta");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("m");

    QTest::newRow("medio año al par") << "0,5" << false << "31/12/2024" << "365" << "182" << "";
    QTest::newRow("tres dias al par") << "0,5" << false << "04/01/2024" << "3" << "2" << "";
    QTest::newRow("tres dias por 1,5") << "0,5" << true << "04/01/2024" << "3" << "2" << "3";
    QTest::newRow("un dia por 1,5 topado") << "0,9" << true << "02/01/2024" << "1" << "1" << "1";
    QTest::newRow("coma inicial") << ",5" << false << "04/01/2024" << "3" << "2" << "";
    QTest::newRow("texto no numerico") << "abc" << true << "04/01/2024" << "3" << "0" << "0";
}

void TestFechas::coeficiente()
{
    QFETCH(QString, coef);
    QFETCH(bool, mult15);
    QFETCH(QString, hasta);
    QFETCH(QString, d);
    QFETCH(QString, c);
    QFETCH(QString, m);
    BancoFechas b;
    QVERIFY(!b.w->EditCoef->isEnabled());
    b.w->Coef->click();
    QVERIFY(b.w->EditCoef->isEnabled());
    QCOMPARE(QApplication::focusWidget(), b.w->EditCoef);
    b.w->EditCoef->selectAll();
    QTest::keyClicks(b.w->EditCoef, coef);
    QTest::keyClick(b.w->EditCoef, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), b.w->E);
    const QString escrito = coef.startsWith(',') ? "0" + coef : coef;
    QCOMPARE(b.w->EditCoef->text(), escrito);
    QVERIFY(b.w->Mult15->isVisible());
    b.w->Mult15->setChecked(mult15);
    b.Teclear("01/01/2024*" + hasta + "*");
    Opciones o;
    o.coef = escrito;
    QStringList esperada = QStringList{" "} + L("01/01/2024", 'D') + L(hasta, 'D') + QStringList{Raya} + L(d, 'R', o)
                           + L(c, 'C', o);
    if (mult15)
        esperada += L(m, 'M', o);
    esperada += Raya;
    QCOMPARE(b.Tira1(), esperada);
    QCOMPARE(b.Pantalla1(), mult15 ? m : c);
    QVERIFY(esperada.contains(QStringLiteral(" Cf.: ") + escrito + Tira::Relleno(22 - 6 - escrito.length() - c.length())
                              + c + " C"));
    // Unchecking puts the coefficient back to 1 and hides the factor.
    b.w->Coef->click();
    QCOMPARE(b.w->EditCoef->text(), QStringLiteral("1"));
    QVERIFY(!b.w->EditCoef->isEnabled());
    QVERIFY(!b.w->Mult15->isVisible());
    QVERIFY(!b.w->Mult15->isChecked());
}

void TestFechas::fechaMasDias_data()
{
    QTest::addColumn<bool>("ambos");
    QTest::addColumn<QString>("dias");
    QTest::addColumn<QString>("fecha");

    QTest::newRow("treinta dias") << false << "30" << "14/04/2024";
    QTest::newRow("treinta dias ambos") << true << "30" << "13/04/2024";
    QTest::newRow("hacia atras") << false << "-15" << "29/02/2024";
    QTest::newRow("hacia atras ambos") << true << "-15" << "01/03/2024";
}

void TestFechas::fechaMasDias()
{
    QFETCH(bool, ambos);
    QFETCH(QString, dias);
    QFETCH(QString, fecha);
    BancoFechas b;
    b.w->AmbosInc->setChecked(ambos);
    b.Teclear("15/03/2024*");
    b.Teclear(dias.startsWith('-') ? dias.mid(1) + "&" : dias);
    b.Teclear("*");
    Opciones o;
    o.ambos = ambos;
    QCOMPARE(b.Tira1(), QStringList{" "} + L("15/03/2024", 'D') + L(dias, 'A') + QStringList{Raya} + L(fecha, 'Q', o)
                            + QStringList{Raya});
    QCOMPARE(b.Pantalla1(), fecha);
    QVERIFY(b.w->PrimeraFecha.isEmpty());
    QCOMPARE(b.Tira1().at(2), Tira::Relleno(22 - dias.length()) + dias + " A");
}

void TestFechas::diasSinFecha()
{
    BancoFechas b;
    b.Teclear("30*");
    QCOMPARE(b.ui.Textos(), QStringList{"Introduzca primero la fecha y luego el nº de días"});
    QCOMPARE(b.Pantalla1(), QString());
    QVERIFY(b.Tira1().isEmpty());
    b.Teclear("0*"); // no days at all: nothing happens
    QCOMPARE(b.ui.mensajes.size(), 1);
}

void TestFechas::numeroFueraDeRango()
{
    BancoFechas b;
    b.Teclear("15/03/2024*9999999999*");
    QCOMPARE(b.ui.Textos(), QStringList{"Número Incorrecto"});
    QCOMPARE(b.Tira1(), QStringList{" "} + L("15/03/2024", 'D'));
    QCOMPARE(b.w->PrimeraFecha, QStringLiteral("15/03/2024"));
}

void TestFechas::fechaIncorrecta_data()
{
    QTest::addColumn<bool>("mascara");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("mensaje");

    QTest::newRow("sin mascara") << false << "31/02/2024" << "Fecha incorrecta";
    QTest::newRow("con mascara") << true << "31022024"
                                 << "Fecha incorrecta. Si quiere introducir días\n\rdeberá desactivar la opcion máscara fecha";
    QTest::newRow("dias con mascara") << true << "3" << "";
}

void TestFechas::fechaIncorrecta()
{
    QFETCH(bool, mascara);
    QFETCH(QString, teclas);
    QFETCH(QString, mensaje);
    BancoFechas b(mascara);
    b.Teclear(teclas + "*");
    if (mensaje.isEmpty()) {
        // "3" alone is a number of days with no date before it.
        QCOMPARE(b.ui.Textos(), QStringList{"Introduzca primero la fecha y luego el nº de días"});
        return;
    }
    QCOMPARE(b.ui.Textos(), QStringList{mensaje});
    QVERIFY(b.Tira1().isEmpty());
    QVERIFY(b.w->EntradaFecha.startsWith("31"));
}

void TestFechas::mascara_data()
{
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("pantalla");

    QTest::newRow("fecha completa") << "15032024" << "15/03/2024";
    QTest::newRow("35 pasa de 31") << "35" << "3";
    QTest::newRow("dia 4 no empieza") << "4" << "";
    QTest::newRow("mes 13 no") << "1513" << "15/1";
    QTest::newRow("mes 2 no empieza por 2") << "152" << "15/";
    QTest::newRow("la barra se rechaza") << "1/5" << "15/";
    QTest::newRow("diez caracteres como mucho") << "150320241" << "15/03/2024";
    QTest::newRow("retroceso salta la barra") << "1503\b" << "15/0";
    QTest::newRow("retroceso en el dia") << "15\b" << "1";
}

void TestFechas::mascara()
{
    QFETCH(QString, teclas);
    QFETCH(QString, pantalla);
    BancoFechas b(true);
    b.Teclear(teclas);
    QCOMPARE(b.Pantalla1(), pantalla);
}

void TestFechas::sumasDeDias()
{
    BancoFechas b;
    b.Teclear("+"); // nothing to add
    QVERIFY(b.Tira1().isEmpty());
    b.Teclear("-"); // an empty display subtracts 0 and counts
    b.Teclear("10+5-");
    QCOMPARE(b.w->LSumandos->text(), QStringLiteral("3"));
    QCOMPARE(b.w->LRe1->text(), QStringLiteral("5"));
    b.w->BCNT->click();
    b.Teclear("s");
    b.Teclear("t");
    Tira::EstadoFechas e;
    e.sumandos = 3;
    const QStringList esperada = L("0", '-') + L("10", '+') + L("5", '-') + QStringList{"CNT: 3", Raya, "CNT: 3"}
                                 + L("5", 'S') + QStringList{Raya, Raya} + Tira::LineasFechas("5", 'T', e)
                                 + QStringList{Tira::LineaTilde()};
    QCOMPARE(b.Tira1(), esperada);
    QCOMPARE(b.Pantalla1(), QStringLiteral("5"));
    QCOMPARE(b.w->SumaDias, 0.0);
    b.Teclear("t"); // nothing left to total
    QCOMPARE(b.Tira1().size(), 13);
    // A date on display is not a number of days.
    b.Teclear("01/01/2024+");
    QCOMPARE(b.Tira1().size(), 13);
}

void TestFechas::signoYBarra()
{
    BancoFechas b;
    b.Teclear("12&");
    QCOMPARE(b.Pantalla1(), QStringLiteral("-12"));
    b.Teclear("/"); // no separator in a negative number
    QCOMPARE(b.Pantalla1(), QStringLiteral("-12"));
    b.Teclear("&");
    QCOMPARE(b.Pantalla1(), QStringLiteral("12"));
    b.Teclear(",3");
    QCOMPARE(b.Pantalla1(), QStringLiteral("12/3"));
    b.Teclear("&"); // a date keeps its sign
    QCOMPARE(b.Pantalla1(), QStringLiteral("12/3"));
    b.Tecla(Qt::Key_Delete);
    QCOMPARE(b.Pantalla1(), QString());
    QVERIFY(b.Tira1().isEmpty());
}

void TestFechas::periodoDMA()
{
    BancoFechas b;
    b.w->DMA->setChecked(true);
    b.w->Habiles->setChecked(false);
    b.Teclear("25/03/2024*10/01/2023*");
    const QStringList t = b.Tira1();
    QCOMPARE(t.mid(5), (QStringList{Tira::Relleno(22 - 21) + "1 año,2 meses,16 dias", Raya}));
}

void TestFechas::habiles_data()
{
    QTest::addColumn<bool>("ambos");
    QTest::addColumn<bool>("sabados");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("resultado");

    // Holidays: Wednesday 3, Saturday 6 and Sunday 7 of January 2024.
    QTest::newRow("semana") << false << false << "01/01/2024*07/01/2024*" << "3";
    QTest::newRow("semana ambos") << true << false << "01/01/2024*07/01/2024*" << "4";
    QTest::newRow("festivo en sabado no resta dos veces") << false << true << "01/01/2024*07/01/2024*" << "3";
    QTest::newRow("dos semanas sin sabados") << false << true << "01/01/2024*14/01/2024*" << "8";
    QTest::newRow("viernes mas uno salta festivos") << false << false << "05/01/2024*1*" << "08/01/2024";
    QTest::newRow("viernes mas uno ambos") << true << false << "05/01/2024*1*" << "05/01/2024";
    QTest::newRow("hacia atras") << false << false << "08/01/2024*2&*" << "04/01/2024";
}

void TestFechas::habiles()
{
    QFETCH(bool, ambos);
    QFETCH(bool, sabados);
    QFETCH(QString, teclas);
    QFETCH(QString, resultado);
    BancoFechas b(ConFestivos);
    QVERIFY(b.w->Habiles->isEnabled());
    b.w->Habiles->setChecked(true);
    QVERIFY(b.w->SabadosNo->isEnabled());
    b.w->SabadosNo->setChecked(sabados);
    b.w->AmbosInc->setChecked(ambos);
    b.Teclear(teclas);
    QVERIFY2(b.ui.mensajes.isEmpty(), qPrintable(b.ui.Textos().join('|')));
    QCOMPARE(b.Pantalla1(), resultado);
    Opciones o{ambos, true, sabados};
    QVERIFY(b.Tira1().contains(L(resultado, resultado.contains('/') ? 'Q' : 'R', o).first()));
    QVERIFY(!b.md.BD.Abierta()); // open only while counting
}

void TestFechas::sabadosVuelveAlAjusteGuardado()
{
    BancoFechas b([](TMD &md) {
        ConFestivos(md);
        md.Campos.Sabadosno = true;
    });
    b.w->Habiles->setChecked(true);
    QVERIFY(b.w->SabadosNo->isChecked());
    b.w->SabadosNo->setChecked(false);
    b.w->Habiles->click();
    QVERIFY(!b.w->SabadosNo->isChecked() && !b.w->SabadosNo->isEnabled());
    b.w->Habiles->click();
    QVERIFY(b.w->SabadosNo->isChecked() && b.w->SabadosNo->isEnabled());
}

void TestFechas::diasDeLaSemana()
{
    BancoFechas b(ConFestivos);
    b.w->Habiles->setChecked(false);
    QTest::mouseClick(b.w->L, Qt::LeftButton);
    QTest::mouseClick(b.w->V, Qt::LeftButton);
    QCOMPARE(b.w->DiasSeleccionados, 2);
    QVERIFY(b.w->BotLimDias->isVisible());
    QVERIFY(b.w->Habiles->isChecked()); // the selection counts business days
    b.Teclear("31/12/2023*28/01/2024*");
    // Four weeks: Mondays 1, 8, 15, 22; Fridays 5, 12, 19, 26 (no holiday among them).
    const QStringList t = b.Tira1();
    QCOMPARE(t.mid(t.size() - 3), (QStringList{"Lunes:     4", "Viernes:   4", Tira::LineaTilde()}));
    QCOMPARE(b.w->ContadorDias[4], 3); // Wednesday 3 was a holiday
    // Deselecting both gives "Hábiles" back as it was.
    QTest::mouseClick(b.w->L, Qt::LeftButton);
    QTest::mouseClick(b.w->V, Qt::LeftButton);
    QCOMPARE(b.w->DiasSeleccionados, 0);
    QVERIFY(!b.w->BotLimDias->isVisible());
    QVERIFY(!b.w->Habiles->isChecked());
    // The clear button leaves "Hábiles" alone.
    QTest::mouseClick(b.w->S, Qt::LeftButton);
    b.w->BotLimDias->click();
    QCOMPARE(b.w->DiasSeleccionados, 0);
    QVERIFY(!Controles::Marcada(b.w->S));
    QVERIFY(b.w->Habiles->isChecked());
}

void TestFechas::diasDeLaSemanaSinCalendario()
{
    BancoFechas b;
    QVERIFY(!b.w->Habiles->isEnabled());
    QTest::mouseClick(b.w->S, Qt::LeftButton);
    QTest::mouseClick(b.w->D, Qt::LeftButton);
    QCOMPARE(b.ui.Textos(), QStringList{"No hay calendario de festivos"});
    b.Teclear("01/01/2024*14/01/2024*");
    const QStringList t = b.Tira1();
    QCOMPARE(t.mid(t.size() - 3), (QStringList{"Sábados:   2", "Domingos:  2", Tira::LineaTilde()}));
}

void TestFechas::selector()
{
    BancoFechas b(false);
    b.Teclear("1234");
    b.w->MascaraFecha->click();
    QCOMPARE(b.Pantalla1(), QStringLiteral("12/34/"));
    b.w->MascaraFecha->click();
    QCOMPARE(b.Pantalla1(), QStringLiteral("1234"));
    // A date picked in the calendar is entered as if typed and keyed.
    b.w->BBorrarUltimo->click();
    b.w->Fecha->setDate(QDate(2024, 3, 15));
    QCOMPARE(b.Pantalla1(), QStringLiteral("15/03/2024"));
    emit b.w->Fecha->calendarWidget()->clicked(QDate(2024, 3, 15));
    QCOMPARE(b.w->PrimeraFecha, QStringLiteral("15/03/2024"));
    QCOMPARE(b.Tira1(), QStringList{" "} + L("15/03/2024", 'D'));
}

QTEST_MAIN(TestFechas)
#include "test_fechas.moc"
