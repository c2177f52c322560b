// The main window's shell: the five modes, the window options, the tray
// menu, the caption and the closing sequence.

#include "Banco.h"
#include "EtiquetaPulsable.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QtTest>
#include <array>
#include <optional>

namespace {

const QString AvisoBarraIcono = QStringLiteral("No se puede desactivar barra de tareas e icono simultáneamente");

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
QString TituloDelDia(const QDate &d)
{
    static const char *const dias[] = {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"};
    static const char *const meses[] = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                                        "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
    return QStringLiteral("   ") + QString::fromUtf8(dias[d.dayOfWeek() - 1]) + QStringLiteral(",  ")
           + Dos(d.day()) + QStringLiteral(" de ") + QString::fromUtf8(meses[d.month() - 1])
           + QStringLiteral(" de ") + Dos(d.year()) + QStringLiteral("       Ver.: 1.20");
}

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
    void barraDeTareasEIcono_data();
    void barraDeTareasEIcono();
    void sinBandejaLaBarraSigue();
    void inicioAutomatico_data();
    void inicioAutomatico();
    void siempreVisibleAvisaUnaVez();
    void clicDevuelveFocoAE_data();
    void clicDevuelveFocoAE();
    void preguntaAlCerrar_data();
    void preguntaAlCerrar();
    void cerrarRespondiendoNo_data();
    void cerrarRespondiendoNo();
    void tituloConFechaLarga();
    void menuDeBandeja();
    void accionesDeBandeja_data();
    void accionesDeBandeja();
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

void TestVentana::barraDeTareasEIcono_data()
{
    QTest::addColumn<bool>("barra");
    QTest::addColumn<bool>("icono");
    QTest::addColumn<QString>("pulsada");
    QTest::addColumn<bool>("barraDespues");
    QTest::addColumn<bool>("iconoDespues");
    QTest::addColumn<bool>("aviso");
    QTest::newRow("quitar barra con icono") << true << true << "barra" << false << true << false;
    QTest::newRow("quitar barra sin icono") << true << false << "barra" << true << false << true;
    QTest::newRow("quitar icono sin barra") << false << true << "icono" << false << true << true;
    QTest::newRow("quitar icono con barra") << true << true << "icono" << true << false << false;
    QTest::newRow("poner icono") << true << false << "icono" << true << true << false;
    QTest::newRow("poner barra") << false << true << "barra" << true << true << false;
    QTest::newRow("ambas apagadas al crear") << false << false << "" << true << false << true;
}

void TestVentana::barraDeTareasEIcono()
{
    QFETCH(bool, barra);
    QFETCH(bool, icono);
    QFETCH(QString, pulsada);
    QFETCH(bool, barraDespues);
    QFETCH(bool, iconoDespues);
    QFETCH(bool, aviso);
    Banco b([&](Configuracion &c) {
        c.VerBarraTareas = barra;
        c.VerIcono = icono;
        c.ModoIni = 3;
    });
    QTest::mouseClick(b.w->LModo4, Qt::LeftButton);
    if (pulsada == QLatin1String("barra"))
        b.w->VerBarraTareas->click();
    else if (pulsada == QLatin1String("icono"))
        b.w->VerIcono->click();

    QCOMPARE(b.w->VerBarraTareas->isChecked(), barraDespues);
    QCOMPARE(b.w->VerIcono->isChecked(), iconoDespues);
    QCOMPARE(b.ui.Textos(), aviso ? QStringList{AvisoBarraIcono} : QStringList{});
    if (aviso) {
        QCOMPARE(b.ui.mensajes.first().tipo, Interfaz::Tipo::Informacion);
        QCOMPARE(b.ui.mensajes.first().nivelBajado, 0);
    }
    const bool bandeja = b.w->TrayDisponible();
    QCOMPARE(b.w->BarraTareasVisible(), barraDespues || !bandeja);
    QCOMPARE(b.w->windowType() == Qt::Tool, !b.w->BarraTareasVisible());
    QCOMPARE(b.w->CHTrayIcon1->isVisible(), iconoDespues && bandeja);
    QVERIFY(b.w->isVisible());
}

void TestVentana::sinBandejaLaBarraSigue()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        QSKIP("this desktop has a notification area");
    Banco b([](Configuracion &c) {
        c.VerBarraTareas = false;
        c.VerIcono = true;
        c.ModoIni = 4;
    });
    // Without a tray the task bar entry is the only way back to the window,
    // so the box may be unchecked but the entry stays.
    QVERIFY(b.w->BarraTareasVisible());
    b.w->VerBarraTareas->click();
    b.w->VerBarraTareas->click();
    QVERIFY(!b.w->VerBarraTareas->isChecked());
    QVERIFY(b.w->BarraTareasVisible());
    QVERIFY(b.w->windowType() != Qt::Tool);
    QVERIFY(!b.w->CHTrayIcon1->isVisible());
    QVERIFY(b.w->isVisible());
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestVentana::inicioAutomatico_data()
{
    QTest::addColumn<bool>("inicio");
    QTest::addColumn<bool>("minimizado");
    QTest::addColumn<bool>("minimizadoActivo");
    QTest::addColumn<bool>("minimizadoDespues");
    QTest::newRow("marcar") << false << false << true << true;
    QTest::newRow("marcar con minimizado guardado") << false << true << true << true;
    QTest::newRow("desmarcar") << true << true << false << false;
    QTest::newRow("desmarcar sin minimizado") << true << false << false << false;
}

void TestVentana::inicioAutomatico()
{
    QFETCH(bool, inicio);
    QFETCH(bool, minimizado);
    QFETCH(bool, minimizadoActivo);
    QFETCH(bool, minimizadoDespues);
    Banco b([&](Configuracion &c) {
        c.InicioAutomatico = inicio;
        c.Minimizado = minimizado;
        c.ModoIni = 4;
    });
    QCOMPARE(b.w->minimizado->isEnabled(), inicio);
    b.w->InicioAutomatico->click();
    QCOMPARE(b.w->InicioAutomatico->isChecked(), !inicio);
    QCOMPARE(b.w->minimizado->isEnabled(), minimizadoActivo);
    QCOMPARE(b.w->minimizado->isChecked(), minimizadoDespues);
}

void TestVentana::siempreVisibleAvisaUnaVez()
{
    Banco b;
    QVERIFY(!(b.w->windowFlags() & Qt::WindowStaysOnTopHint));
    b.w->BotSVis->click();
    QVERIFY(b.w->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(b.w->isVisible());
    b.w->BotSVis->click();
    QVERIFY(b.w->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(b.ui.Textos(), QStringList{QStringLiteral("Se ha activado la calculadora en primer plano")});
    QCOMPARE(b.ui.mensajes.first().tipo, Interfaz::Tipo::Informacion);
    QCOMPARE(b.ui.mensajes.first().nivelBajado, 0);
}

void TestVentana::clicDevuelveFocoAE_data()
{
    QTest::addColumn<QString>("donde");
    QTest::newRow("ventana") << "ventana";
    QTest::newRow("Acumular %") << "PorcenAcum";
    QTest::newRow("etiqueta del modo actual") << "LModo0";
}

void TestVentana::clicDevuelveFocoAE()
{
    QFETCH(QString, donde);
    Banco b;
    b.w->Papel->setFocus();
    QCOMPARE(QApplication::focusWidget(), b.w->Papel);
    if (donde == QLatin1String("ventana"))
        QTest::mouseClick(b.w.get(), Qt::LeftButton, {}, QPoint(1, 1));
    else if (donde == QLatin1String("PorcenAcum"))
        b.w->PorcenAcum->click();
    else
        QTest::mouseClick(b.w->LModo0, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), b.w->E);
}

void TestVentana::preguntaAlCerrar_data()
{
    QTest::addColumn<bool>("crono");
    QTest::addColumn<bool>("alarma");
    QTest::addColumn<bool>("cuenta");
    QTest::addColumn<QString>("pregunta");
    const QString fin = QStringLiteral(" en marcha. Confime que quiere cerrar todo?");
    QTest::newRow("nada en marcha") << false << false << false << QString();
    QTest::newRow("cronómetro") << true << false << false << QStringLiteral("Tiene el cronómetro") + fin;
    QTest::newRow("alarma") << false << true << false << QStringLiteral("Tiene la alarma ") + fin;
    QTest::newRow("cuenta atrás") << false << false << true << QStringLiteral("Tiene la cuenta atrás") + fin;
    QTest::newRow("alarma y cuenta atrás")
        << false << true << true << QStringLiteral("Tiene la alarma , la cuenta atrás") + fin;
    QTest::newRow("cronómetro y alarma")
        << true << true << false << QStringLiteral("Tiene el cronómetro, la alarma ") + fin;
    QTest::newRow("los tres")
        << true << true << true << QStringLiteral("Tiene el cronómetro, la alarma , la cuenta atrás") + fin;
}

void TestVentana::preguntaAlCerrar()
{
    QFETCH(bool, crono);
    QFETCH(bool, alarma);
    QFETCH(bool, cuenta);
    QFETCH(QString, pregunta);
    Banco b;
    b.w->CronoEnMarcha = crono;
    b.w->AlarmaActiva = alarma;
    b.w->CuentaAtrasActiva = cuenta;
    b.w->Timer1->start();
    b.w->Timer2->start();
    QTest::mouseClick(b.w->LModo2, Qt::LeftButton);
    b.ui.respuestas.enqueue(true);

    QVERIFY(b.w->close());

    if (pregunta.isEmpty()) {
        QVERIFY(b.ui.mensajes.isEmpty());
    } else {
        QCOMPARE(b.ui.Textos(), QStringList{pregunta});
        QCOMPARE(b.ui.mensajes.first().tipo, Interfaz::Tipo::Confirmacion);
        QVERIFY(b.ui.mensajes.first().nivelBajado > 0);
    }
    QCOMPARE(b.ui.NivelBajado(), 0);
    QVERIFY(!b.w->Timer1->isActive());
    QVERIFY(!b.w->Timer2->isActive());
    QVERIFY(!b.w->isVisible());
    QCOMPARE(b.md.Campos.ModoIni, 2);
}

void TestVentana::cerrarRespondiendoNo_data()
{
    QTest::addColumn<bool>("porMenu");
    QTest::newRow("botón de la ventana") << false;
    QTest::newRow("Cerrar del menú de bandeja") << true;
}

void TestVentana::cerrarRespondiendoNo()
{
    QFETCH(bool, porMenu);
    Banco b;
    b.w->AlarmaActiva = true;
    b.w->CuentaAtrasActiva = true;
    b.w->Timer1->start();
    b.w->Timer2->start();
    QTest::mouseClick(b.w->LModo1, Qt::LeftButton);
    b.ui.respuestas.enqueue(false);

    if (porMenu)
        b.w->uno1->trigger();
    else
        QVERIFY(!b.w->close());

    QCOMPARE(b.ui.mensajes.size(), 1);
    QVERIFY(b.w->isVisible());
    QVERIFY(b.w->Timer1->isActive());
    QVERIFY(b.w->Timer2->isActive());
    QVERIFY(b.w->AlarmaActiva);
    QVERIFY(b.w->CuentaAtrasActiva);
    QCOMPARE(b.ui.NivelBajado(), 0);
    // The settings were not copied back: the saved start mode is untouched.
    QCOMPARE(b.md.Campos.ModoIni, 0);
    QCOMPARE(b.w->ModoActual, 1);

    // Asked again, Yes closes.
    b.ui.respuestas.enqueue(true);
    QVERIFY(b.w->close());
    QCOMPARE(b.ui.mensajes.size(), 2);
    QCOMPARE(b.md.Campos.ModoIni, 1);
}

void TestVentana::tituloConFechaLarga()
{
    const QDate antes = QDate::currentDate();
    Banco b;
    const QDate despues = QDate::currentDate();
    const QString titulo = b.w->windowTitle();
    QVERIFY2(titulo == TituloDelDia(antes) || titulo == TituloDelDia(despues), qPrintable(titulo));
}

void TestVentana::menuDeBandeja()
{
    Banco b;
    QStringList elementos;
    for (QAction *a : b.w->PopupMenu1->actions())
        elementos << (a->isSeparator() ? QStringLiteral("-") : a->text());
    const QStringList esperado{
        QStringLiteral("TALLYRA  Ver.: 1.20"), QStringLiteral("-"),
        QStringLiteral("Acerca de..."), QStringLiteral("-"),
        QStringLiteral("Cerrar"), QStringLiteral("Minimizar"), QStringLiteral("Restaurar"), QStringLiteral("-"),
        QStringLiteral("Poner cronómetro"), QStringLiteral("Poner alarma"), QStringLiteral("Poner cuenta atrás"),
        QStringLiteral("-"),
        QStringLiteral("Calculadora"), QStringLiteral("Fechas"), QStringLiteral("Tiempo"), QStringLiteral("Varios"),
        QStringLiteral("Configuración")};
    QCOMPARE(elementos, esperado);
    QCOMPARE(b.w->PopupMenu1->defaultAction(), b.w->PopupMenu1->actions().first());
    QCOMPARE(b.w->CHTrayIcon1->contextMenu(), b.w->PopupMenu1);
    QCOMPARE(b.w->CHTrayIcon1->toolTip(), QStringLiteral("Tallyra"));
}

void TestVentana::accionesDeBandeja_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<bool>("minimizadaAntes");
    QTest::addColumn<bool>("minimizadaDespues");
    QTest::addColumn<int>("modo"); // -1: the mode stays
    QTest::newRow("Calculadora") << "Calculadora" << true << false << 0;
    QTest::newRow("Fechas") << "Fechas" << true << false << 1;
    QTest::newRow("Tiempo") << "Tiempo" << true << false << 2;
    QTest::newRow("Varios") << "Varios" << true << false << 3;
    QTest::newRow("Configuración") << "Configuración" << false << false << 4;
    QTest::newRow("Minimizar") << "Minimizar" << false << true << -1;
    QTest::newRow("Restaurar") << "Restaurar" << true << false << -1;
    QTest::newRow("título") << "TALLYRA  Ver.: 1.20" << true << false << -1;
}

void TestVentana::accionesDeBandeja()
{
    QFETCH(QString, accion);
    QFETCH(bool, minimizadaAntes);
    QFETCH(bool, minimizadaDespues);
    QFETCH(int, modo);
    Banco b([&](Configuracion &c) { c.ModoIni = modo == 2 ? 1 : 2; });
    const int modoAntes = b.w->ModoActual;
    if (minimizadaAntes) {
        b.w->showMinimized();
        QVERIFY(b.w->isMinimized());
    }
    QAction *elegida = nullptr;
    for (QAction *a : b.w->PopupMenu1->actions())
        if (a->text() == accion)
            elegida = a;
    QVERIFY(elegida);
    elegida->trigger();
    QCOMPARE(b.w->isMinimized(), minimizadaDespues);
    QCOMPARE(b.w->ModoActual, modo < 0 ? modoAntes : modo);
    QCOMPARE(b.w->TTipo->value(), b.w->ModoActual);
}

QTEST_MAIN(TestVentana)
#include "test_ventana.moc"
