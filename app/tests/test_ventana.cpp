// The main window's shell: the five modes and what each one shows.

#include "Banco.h"
#include "EtiquetaPulsable.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QtTest>
#include <array>
#include <optional>

namespace {

// What one mode shows. An empty optional is a control the switch leaves as
// the previous mode had it.
struct VistaModo {
    std::optional<QString> textoPor;
    std::optional<QColor> colorPor;
    bool porActivo;
    std::optional<bool> menosActivo;
    bool divActivo;
    std::optional<QString> textoPorcent;
    bool porcentActivo;
    bool signoActivo;
    std::optional<bool> igualActivo;
    std::optional<bool> pegarActivo;
    bool fecha, expresion, porcenAcum;
    int pantalla;              // 0 TextoPantalla, 1 TextoPantalla1, 2 TextoPantalla2
    std::optional<QString> titulo;
    int tira;                  // -1 none
    bool cifras;               // Label7 and Label8
    QString sumandos, suma;    // with Sumandos 3, Suma 1234,5, SumandosFecha 7, SumaDias 1234
    bool ptas, decimales, memorias;
    int memoriaMin;            // first register when the memory panel shows
    bool dias, tiempo, digitos, configuracion, copiar;
    int ayuda;
};

const QColor Marino(0, 0, 128);
const QColor Rojo(Qt::red);

const std::array<VistaModo, 5> Vistas = {{
    // calculator
    {QStringLiteral("x"), Marino, true, true, true, QStringLiteral("%"), true, true, true, true,
     false, true, true, 0, std::nullopt, 0, true, QStringLiteral("3"), QStringLiteral("1.234,50"),
     true, true, true, 1, false, false, false, false, true, 1002},
    // dates
    {QStringLiteral("*"), Rojo, true, true, true, std::nullopt, false, true, false, false,
     true, false, false, 1, std::nullopt, 1, true, QStringLiteral("7"), QStringLiteral("1.234"),
     false, false, true, 6, true, false, false, false, false, 2002},
    // time
    {QStringLiteral("*"), Rojo, true, false, false, QStringLiteral(":"), true, false, false, false,
     false, false, false, 2, std::nullopt, 2, true, QString(), QString(),
     false, false, false, 0, false, true, false, false, false, 3002},
    // Varios
    {std::nullopt, std::nullopt, false, std::nullopt, false, QStringLiteral("%"), false, false, std::nullopt,
     std::nullopt, false, false, false, 2, QStringLiteral("Varios"), -1, false, QString(), QString(),
     false, false, false, 0, false, false, true, false, false, 4002},
    // configuration
    {std::nullopt, std::nullopt, false, std::nullopt, false, QStringLiteral(":"), true, false, std::nullopt,
     std::nullopt, false, false, false, 2, QStringLiteral("Configuración"), -1, false, QString(), QString(),
     false, false, false, 0, false, false, false, true, false, 5002},
}};

const char *const NombresModo[] = {"calc", "fechas", "tiempo", "varios", "config"};

QWidget *EtiquetaModo(TFormCalculadora *w, int modo)
{
    QWidget *const etiquetas[] = {w->LModo0, w->LModo1, w->LModo2, w->LModo3, w->LModo4};
    return etiquetas[modo];
}

QColor ColorBoton(const QToolButton *b) { return b->palette().color(QPalette::ButtonText); }

QString Dos(int n) { return QString::number(n); }

// The caption the window should carry on a given day, built from the names
// a Spanish clerk reads rather than from the program's own formatter.
} // namespace

class TestVentana : public QObject {
    Q_OBJECT

private slots:
    void cambioDeModo_data();
    void cambioDeModo();
    void botonesCopiarSiguenSuOpcion_data();
    void botonesCopiarSiguenSuOpcion();
    void etiquetaOPanelEligeModo_data();
    void etiquetaOPanelEligeModo();
    void modosConservanSusCifras();
    void habilesSegunCalendario_data();
    void habilesSegunCalendario();
    void modoDeArranque_data();
    void modoDeArranque();
    void reabrirEnModoGuardado_data();
    void reabrirEnModoGuardado();
    void guardarEnConfiguracionVuelveACalculadora();
    void ayudaSinModuloCompleto_data();
    void ayudaSinModuloCompleto();
};

void TestVentana::cambioDeModo_data()
{
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("hacia");
    for (int d = 0; d < 5; ++d)
        for (int h = 0; h < 5; ++h)
            if (d != h)
                QTest::addRow("%s->%s", NombresModo[d], NombresModo[h]) << d << h;
}

void TestVentana::cambioDeModo()
{
    QFETCH(int, desde);
    QFETCH(int, hacia);
    Banco b;
    TFormCalculadora *w = b.w.get();
    w->Sumandos = 3;
    w->Suma = 1234.5;
    w->SumandosFecha = 7;
    w->SumaDias = 1234;
    w->TTipo->setValue(desde);
    QCOMPARE(w->ModoActual, desde);

    // What "left as it was" must keep.
    const QString textoPor = w->BPOR->text();
    const QColor colorPor = ColorBoton(w->BPOR);
    const bool menos = w->BMENOS->isEnabled();
    const QString textoPorcent = w->BPORCENT->text();
    const bool igual = w->BIGUAL->isEnabled();
    const bool pegar = w->BotPegPorta->isEnabled();
    w->EntradaHora = QStringLiteral("12:30:00");
    w->EditNumero->setText(QStringLiteral("123"));
    w->EditPor->setText(QStringLiteral("16"));
    w->EditResultado->setText(QStringLiteral("19,68"));

    QTest::mouseClick(EtiquetaModo(w, hacia), Qt::LeftButton);
    const VistaModo &v = Vistas[hacia];

    QCOMPARE(w->ModoActual, hacia);
    QCOMPARE(w->TTipo->value(), hacia);
    QCOMPARE(w->HelpContext, v.ayuda);
    QCOMPARE(QApplication::focusWidget(), w->E);

    for (int i = 0; i < 5; ++i) {
        const QColor fondo = EtiquetaModo(w, i)->palette().color(QPalette::Window);
        const QColor esperado = w->palette().color(i == hacia ? QPalette::ToolTipBase : QPalette::Button);
        QVERIFY2(fondo == esperado, qPrintable(QStringLiteral("LModo%1").arg(i)));
    }

    QCOMPARE(w->BPOR->text(), v.textoPor.value_or(textoPor));
    QCOMPARE(ColorBoton(w->BPOR), v.colorPor.value_or(colorPor));
    QCOMPARE(w->BPOR->isEnabled(), v.porActivo);
    QCOMPARE(w->BMENOS->isEnabled(), v.menosActivo.value_or(menos));
    QCOMPARE(w->BDIV->isEnabled(), v.divActivo);
    QCOMPARE(w->BPORCENT->text(), v.textoPorcent.value_or(textoPorcent));
    QCOMPARE(w->BPORCENT->isEnabled(), v.porcentActivo);
    QCOMPARE(w->BSIGNO->isEnabled(), v.signoActivo);
    QCOMPARE(w->BIGUAL->isEnabled(), v.igualActivo.value_or(igual));
    QCOMPARE(w->BotPegPorta->isEnabled(), v.pegarActivo.value_or(pegar));

    QCOMPARE(w->Fecha->isVisible(), v.fecha);
    QCOMPARE(w->BExpresion->isVisible(), v.expresion);
    QCOMPARE(w->PorcenAcum->isVisible(), v.porcenAcum);

    QLabel *const pantallas[] = {w->TextoPantalla, w->TextoPantalla1, w->TextoPantalla2};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(pantallas[i]->isVisible(), i == v.pantalla);
    if (v.titulo)
        QCOMPARE(w->TextoPantalla2->text(), *v.titulo);

    QListWidget *const tiras[] = {w->Papel, w->Papel1, w->Papel2};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(tiras[i]->isVisible(), i == v.tira);

    QCOMPARE(w->Label7->isVisible(), v.cifras);
    QCOMPARE(w->Label8->isVisible(), v.cifras);
    QCOMPARE(w->LSumandos->text(), v.sumandos);
    QCOMPARE(w->LRe1->text(), v.suma);

    QCOMPARE(w->CKPtas->isVisible(), v.ptas);
    QVERIFY(!w->CKPtas->isChecked());
    QCOMPARE(w->LPtas->isVisible(), v.ptas);
    QVERIFY(!w->EditPtas->isVisible());
    QCOMPARE(w->EditPtas->palette().color(QPalette::Base), w->palette().color(QPalette::Light));

    QCOMPARE(w->PanelDecimales->isVisible(), v.decimales);
    QCOMPARE(w->PanelMemorias->isVisible(), v.memorias);
    if (v.memorias) {
        QCOMPARE(w->TMemorias->minimum(), v.memoriaMin);
        QCOMPARE(w->TMemorias->maximum(), v.memoriaMin + 4);
        QCOMPARE(w->TMemorias->value(), v.memoriaMin);
        QLabel *const lm[] = {w->LM1, w->LM2, w->LM3, w->LM4, w->LM5};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(lm[i]->text(), Dos(v.memoriaMin + i));
    }
    QCOMPARE(w->GroupDias->isVisible(), v.dias);
    QCOMPARE(w->PanelCoef->isVisible(), v.dias);
    QCOMPARE(w->PanelFTiempo->isVisible(), v.tiempo);
    QCOMPARE(w->PanelDigitos->isVisible(), v.digitos);
    QCOMPARE(w->PanelConfiguracion->isVisible(), v.configuracion);
    QCOMPARE(w->BotCopPPNum->isVisible(), v.copiar);
    QCOMPARE(w->BotCopPPNumLetras->isVisible(), v.copiar);
    QCOMPARE(w->BotCopPPPesetas->isVisible(), v.copiar);

    // Only time mode starts its display text afresh, only Varios its fields.
    QCOMPARE(w->EntradaHora, hacia == 2 ? QString() : QStringLiteral("12:30:00"));
    QCOMPARE(w->EditNumero->text(), hacia == 3 ? QString() : QStringLiteral("123"));
    QCOMPARE(w->EditPor->text(), hacia == 3 ? QString() : QStringLiteral("16"));
    QCOMPARE(w->EditResultado->text(), hacia == 3 ? QString() : QStringLiteral("19,68"));
    QVERIFY(w->KeyPreview);
}

void TestVentana::botonesCopiarSiguenSuOpcion_data()
{
    QTest::addColumn<bool>("opcion");
    QTest::newRow("marcada") << true;
    QTest::newRow("sin marcar") << false;
}

void TestVentana::botonesCopiarSiguenSuOpcion()
{
    QFETCH(bool, opcion);
    Banco b([&](Configuracion &c) {
        c.BotPPP = !opcion;
        c.ModoIni = 4;
    });
    b.w->BotPPP->click();
    QCOMPARE(b.w->BotPPP->isChecked(), opcion);
    QTest::mouseClick(b.w->LModo0, Qt::LeftButton);
    QCOMPARE(b.w->BotCopPPNum->isVisible(), opcion);
    QCOMPARE(b.w->BotCopPPNumLetras->isVisible(), opcion);
    QCOMPARE(b.w->BotCopPPPesetas->isVisible(), opcion);
}

void TestVentana::etiquetaOPanelEligeModo_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("modo");
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("LModo%d", i) << QStringLiteral("LModo%1").arg(i) << i;
        QTest::addRow("Panel%d", i + 1) << QStringLiteral("Panel%1").arg(i + 1) << i;
    }
}

void TestVentana::etiquetaOPanelEligeModo()
{
    QFETCH(QString, control);
    QFETCH(int, modo);
    Banco b;
    b.w->TTipo->setValue((modo + 2) % 5);
    auto *destino = b.w->findChild<QWidget *>(control);
    QVERIFY(destino);
    // The frame's edge, outside the label it holds.
    QTest::mouseClick(destino, Qt::LeftButton, {}, QPoint(0, 0));
    QCOMPARE(b.w->ModoActual, modo);
    QCOMPARE(b.w->TTipo->value(), modo);
}

void TestVentana::modosConservanSusCifras()
{
    Banco b;
    TFormCalculadora *w = b.w.get();
    QTest::mouseClick(w->B1, Qt::LeftButton);
    QTest::mouseClick(w->B2, Qt::LeftButton);
    QTest::mouseClick(w->BMAS, Qt::LeftButton);
    QTest::mouseClick(w->B3, Qt::LeftButton);
    const QStringList tira = b.Tira();
    QVERIFY(!tira.isEmpty());
    QCOMPARE(b.Pantalla(), QStringLiteral("3"));

    QTest::mouseClick(w->LModo1, Qt::LeftButton);
    w->EntradaFecha = QStringLiteral("01/03/2024");
    w->SumaDias = 45;
    w->SumandosFecha = 2;
    w->Papel1->addItem(QStringLiteral("01/03/2024 F"));
    QTest::mouseClick(w->LModo2, Qt::LeftButton);
    w->TotalHoras = 0.5;
    w->SumandosHora = 1;
    w->Papel2->addItem(QStringLiteral("12:00:00 +"));

    for (int modo : {3, 4, 0}) {
        QTest::mouseClick(EtiquetaModo(w, modo), Qt::LeftButton);
        QCOMPARE(w->ModoActual, modo);
    }
    QCOMPARE(w->EntradaCalc, QStringLiteral("3"));
    QCOMPARE(b.Pantalla(), QStringLiteral("3"));
    QCOMPARE(w->Suma, 12.0);
    QCOMPARE(w->Sumandos, 1);
    QCOMPARE(w->LSumandos->text(), QStringLiteral("1"));
    QCOMPARE(w->LRe1->text(), QStringLiteral("12,00"));
    QCOMPARE(b.Tira(), tira);

    QTest::mouseClick(w->LModo1, Qt::LeftButton);
    QCOMPARE(w->EntradaFecha, QStringLiteral("01/03/2024"));
    QCOMPARE(w->TextoPantalla1->text(), QStringLiteral("01/03/2024"));
    QCOMPARE(w->LSumandos->text(), QStringLiteral("2"));
    QCOMPARE(w->LRe1->text(), QStringLiteral("45"));
    QCOMPARE(Banco::Lineas(w->Papel1), QStringList{QStringLiteral("01/03/2024 F")});

    QTest::mouseClick(w->LModo2, Qt::LeftButton);
    QCOMPARE(w->TotalHoras, 0.5);
    QCOMPARE(w->SumandosHora, 1);
    QCOMPARE(Banco::Lineas(w->Papel2), QStringList{QStringLiteral("12:00:00 +")});

    // A digit after an operation starts a new number whatever mode sits between.
    QTest::mouseClick(w->LModo0, Qt::LeftButton);
    QTest::mouseClick(w->BMAS, Qt::LeftButton);
    QTest::mouseClick(w->LModo3, Qt::LeftButton);
    QTest::mouseClick(w->LModo0, Qt::LeftButton);
    QTest::mouseClick(w->B7, Qt::LeftButton);
    QCOMPARE(b.Pantalla(), QStringLiteral("7"));
}

void TestVentana::habilesSegunCalendario_data()
{
    QTest::addColumn<bool>("abierto");
    QTest::addColumn<bool>("diasHab");
    QTest::addColumn<bool>("activo");
    QTest::addColumn<bool>("marcado");
    QTest::newRow("abierto, hábiles") << true << true << true << true;
    QTest::newRow("abierto, naturales") << true << false << true << false;
    QTest::newRow("sin calendario") << false << true << false << false;
}

void TestVentana::habilesSegunCalendario()
{
    QFETCH(bool, abierto);
    QFETCH(bool, diasHab);
    QFETCH(bool, activo);
    QFETCH(bool, marcado);
    Banco b([&](TMD &md) {
        md.CalendarioAbierto = abierto;
        md.Campos.DiasHab = diasHab;
    });
    QTest::mouseClick(b.w->LModo1, Qt::LeftButton);
    QCOMPARE(b.w->Habiles->isEnabled(), activo);
    QCOMPARE(b.w->Habiles->isChecked(), marcado);
    QTest::mouseClick(b.w->LModo4, Qt::LeftButton);
    QCOMPARE(b.w->LSinCalendario->isVisible(), !abierto);
}

void TestVentana::modoDeArranque_data()
{
    QTest::addColumn<int>("modo");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(NombresModo[i]) << i;
}

void TestVentana::modoDeArranque()
{
    QFETCH(int, modo);
    Banco b([&](Configuracion &c) { c.ModoIni = modo; });
    QCOMPARE(b.w->ModoActual, modo);
    QCOMPARE(b.w->TTipo->value(), modo);
    // The switch routine ran, not just the track bar.
    QCOMPARE(b.w->HelpContext, Vistas[modo].ayuda);
    QLabel *const pantallas[] = {b.w->TextoPantalla, b.w->TextoPantalla1, b.w->TextoPantalla2};
    QVERIFY(pantallas[Vistas[modo].pantalla]->isVisible());
}

void TestVentana::reabrirEnModoGuardado_data()
{
    QTest::addColumn<int>("alCerrar");
    QTest::addColumn<int>("alAbrir");
    QTest::newRow("calc") << 0 << 0;
    QTest::newRow("fechas") << 1 << 1;
    QTest::newRow("tiempo") << 2 << 2;
    QTest::newRow("varios") << 3 << 3;
    QTest::newRow("config abre calc") << 4 << 0;
}

void TestVentana::reabrirEnModoGuardado()
{
    QFETCH(int, alCerrar);
    QFETCH(int, alAbrir);
    Banco a([&](Configuracion &c) { c.ModoIni = (alCerrar + 1) % 5; });
    QTest::mouseClick(EtiquetaModo(a.w.get(), alCerrar), Qt::LeftButton);
    QVERIFY(a.w->close());
    QCOMPARE(a.md.Campos.ModoIni, alAbrir);

    Banco b([&](Configuracion &c) { c = a.md.Campos; });
    QCOMPARE(b.w->ModoActual, alAbrir);
    QCOMPARE(b.w->HelpContext, Vistas[alAbrir].ayuda);
}

void TestVentana::guardarEnConfiguracionVuelveACalculadora()
{
    Banco b([](Configuracion &c) { c.ModoIni = 2; });
    QTest::mouseClick(b.w->LModo4, Qt::LeftButton);
    b.w->GuardarVariables();
    QCOMPARE(b.md.Campos.ModoIni, 0);
    QCOMPARE(b.w->ModoActual, 0);
    QVERIFY(b.w->TextoPantalla->isVisible());
    QVERIFY(!b.w->PanelConfiguracion->isVisible());
}

void TestVentana::ayudaSinModuloCompleto_data()
{
    QTest::addColumn<bool>("creado");
    QTest::newRow("módulo creado") << true;
    QTest::newRow("módulo incompleto") << false;
}

void TestVentana::ayudaSinModuloCompleto()
{
    QFETCH(bool, creado);
    Banco b([&](TMD &md) { md.ModuloCreado = creado; });
    QCOMPARE(b.w->btnHelpTOC->isVisible(), creado);
    QCOMPARE(b.w->btnWhatsThis->isVisible(), creado);
    QCOMPARE(b.w->BotGuiaRef->isVisible(), creado);
}

QTEST_MAIN(TestVentana)
#include "test_ventana.moc"
