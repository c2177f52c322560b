// The main window's options, tray menu, caption and closing sequence.

#include "Banco.h"
#include "EtiquetaPulsable.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

namespace {

const QString AvisoBarraIcono = QStringLiteral("No se puede desactivar barra de tareas e icono simultáneamente");

QString Dos(int n) { return QString::number(n); }

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

class TestOpcionesVentana : public QObject {
    Q_OBJECT

private slots:
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

void TestOpcionesVentana::barraDeTareasEIcono_data()
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

void TestOpcionesVentana::barraDeTareasEIcono()
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

void TestOpcionesVentana::sinBandejaLaBarraSigue()
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

void TestOpcionesVentana::inicioAutomatico_data()
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

void TestOpcionesVentana::inicioAutomatico()
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

void TestOpcionesVentana::siempreVisibleAvisaUnaVez()
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

void TestOpcionesVentana::clicDevuelveFocoAE_data()
{
    QTest::addColumn<QString>("donde");
    QTest::newRow("ventana") << "ventana";
    QTest::newRow("Acumular %") << "PorcenAcum";
    QTest::newRow("etiqueta del modo actual") << "LModo0";
}

void TestOpcionesVentana::clicDevuelveFocoAE()
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

void TestOpcionesVentana::preguntaAlCerrar_data()
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

void TestOpcionesVentana::preguntaAlCerrar()
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

void TestOpcionesVentana::cerrarRespondiendoNo_data()
{
    QTest::addColumn<bool>("porMenu");
    QTest::newRow("botón de la ventana") << false;
    QTest::newRow("Cerrar del menú de bandeja") << true;
}

void TestOpcionesVentana::cerrarRespondiendoNo()
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

void TestOpcionesVentana::tituloConFechaLarga()
{
    const QDate antes = QDate::currentDate();
    Banco b;
    const QDate despues = QDate::currentDate();
    const QString titulo = b.w->windowTitle();
    QVERIFY2(titulo == TituloDelDia(antes) || titulo == TituloDelDia(despues), qPrintable(titulo));
}

void TestOpcionesVentana::menuDeBandeja()
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

void TestOpcionesVentana::accionesDeBandeja_data()
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

void TestOpcionesVentana::accionesDeBandeja()
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

QTEST_MAIN(TestOpcionesVentana)
#include "test_opciones_ventana.moc"
