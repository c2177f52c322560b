// The configuration mode: settings that outlive the window, and the choice,
// creation and repair of the holiday calendar.

#include "Banco.h"
#include "Sesion.h"
#include "BaseCalendario.h"
#include "FechaHora.h"
#include "NuevoCalen.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>

using namespace Funcion;

class TestConfiguracion : public QObject {
    Q_OBJECT
private slots:
    void ajustesSobrevivenAlReinicio();
    void sinGuardarAlSalirSoloGuardarAhora();
    void guardarEnConfiguracionVuelveALaCalculadora();
    void restaurarValoresIniciales();
    void elegirCalendarioDeOtraCarpeta();
    void cancelarNoCambiaNada();
    void calendarioQueNoExiste();
    void ficheroQueNoEsCalendario();
    void nuevoSinCalendarioAbierto();
    void nuevoCopiandoElActual();
    void reconstruirUnFicheroSano();
};

void TestConfiguracion::ajustesSobrevivenAlReinicio()
{
    QTemporaryDir carpeta;
    {
        Sesion primera(carpeta);
        TFormCalculadora *w = primera.w.get();
        w->TTipo->setValue(2);
        w->RB9->click();
        w->TDecimales->setValue(4);
        w->PorcenAcum->setChecked(true);
        w->Memorias[2] = 12.5;
        w->MemoriasFecha[0] = QStringLiteral("01/03/2024");
        QVERIFY(primera.Salir());
        QVERIFY(primera.ui.mensajes.isEmpty());
    }
    Sesion segunda(carpeta);
    QVERIFY(segunda.ui.mensajes.isEmpty());
    TFormCalculadora *w = segunda.w.get();
    QCOMPARE(w->ModoActual, 2);
    QVERIFY(w->RB9->isChecked());
    QCOMPARE(w->ModoRedondeo, QStringLiteral("9"));
    QCOMPARE(w->TDecimales->value(), 4);
    QCOMPARE(w->Mascara, QStringLiteral("#,##0.0000"));
    QVERIFY(w->PorcenAcum->isChecked());
    QCOMPARE(w->Memorias[2], 12.5);
    QCOMPARE(w->MemoriasFecha[0], QStringLiteral("01/03/2024"));
}

void TestConfiguracion::sinGuardarAlSalirSoloGuardarAhora()
{
    QTemporaryDir carpeta;
    {
        Sesion primera(carpeta);
        TFormCalculadora *w = primera.w.get();
        w->GuardarSalir->setChecked(false);
        w->RB0->click();
        w->BotGuardar->click(); // written now, whatever GuardarSalir says
        w->RB9->click();        // lost: not saved at exit
        QVERIFY(primera.Salir());
    }
    InterfazFalsa ui;
    TMD md(Banco::UbicacionesEn(carpeta));
    md.DataModuleCreate(ui);
    QCOMPARE(md.Campos.MRedondeo, QStringLiteral("0"));
    QVERIFY(!md.Campos.GuardarSalir);
}

void TestConfiguracion::guardarEnConfiguracionVuelveALaCalculadora()
{
    Banco b;
    b.w->TTipo->setValue(4);
    b.w->BotGuardar->click();
    QCOMPARE(b.w->ModoActual, 0);
    QCOMPARE(b.md.Campos.ModoIni, 0);
    TMD otro(Banco::UbicacionesEn(b.carpeta));
    otro.DataModuleCreate(b.ui);
    QCOMPARE(otro.Campos.ModoIni, 0);
}

void TestConfiguracion::restaurarValoresIniciales()
{
    Banco b;
    b.w->RB0->click();
    b.w->TDecimales->setValue(5);
    b.w->BotPPP->setChecked(false);
    b.w->BotGuardar->click();
    b.w->BotGuardarPredeterminados->click();
    QVERIFY(b.w->RB5->isChecked());
    QCOMPARE(b.w->ModoRedondeo, QStringLiteral("5"));
    QCOMPARE(b.w->TDecimales->value(), 2);
    QVERIFY(b.w->BotPPP->isChecked());
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestConfiguracion::elegirCalendarioDeOtraCarpeta()
{
    Banco b([](TMD &md) { ConCalendario(md, 1); });
    const QString otra = CrearCalendario(b.carpeta.path() + QStringLiteral("/otra/Madrid.udb"), 3);
    b.ui.archivos.enqueue(otra);
    b.w->BotCalendario->click();
    QVERIFY(b.ui.mensajes.isEmpty());
    QCOMPARE(b.md.Campos.Calendario, QStringLiteral("Madrid.udb"));
    QCOMPARE(b.md.Campos.DirCalendar, b.carpeta.path() + QStringLiteral("/otra/"));
    QCOMPARE(b.w->EditCalendar->text(), QStringLiteral("Madrid.udb"));
    QVERIFY(b.md.CalendarioAbierto);
    QVERIFY(b.md.BD.Conectado());
    b.md.BD.Abrir();
    QCOMPARE(b.md.BD.NumeroFilas(), 3);
    b.md.BD.Cerrar();
    QVERIFY(b.w->LSinCalendario->isHidden());
}

void TestConfiguracion::cancelarNoCambiaNada()
{
    Banco b([](TMD &md) { ConCalendario(md, 1); });
    const Configuracion antes = b.md.Campos;
    b.w->BotCalendario->click(); // the fake answers nothing: cancelled
    QVERIFY(b.md.Campos == antes);
    QVERIFY(b.md.CalendarioAbierto);
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestConfiguracion::calendarioQueNoExiste()
{
    Banco b([](TMD &md) { ConCalendario(md, 1); });
    b.ui.archivos.enqueue(b.carpeta.path() + QStringLiteral("/Sevilla.udb"));
    b.ui.respuestas.enqueue(false);
    b.w->TTipo->setValue(4);
    b.w->BotCalendario->click();
    QCOMPARE(b.ui.Textos(), (QStringList{"El calendarioSevilla.udb no existe. ¿desea crearlo?",
                                         "Error al abrir el calendario"}));
    QCOMPARE(b.ui.mensajes.last().tipo, Interfaz::Tipo::Error);
    QVERIFY(!b.md.CalendarioAbierto);
    QVERIFY(b.w->LSinCalendario->isVisible());
}

void TestConfiguracion::ficheroQueNoEsCalendario()
{
    Banco b;
    const QString ruta = b.carpeta.path() + QStringLiteral("/texto.udb");
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("esto no es un calendario\n");
    f.close();
    b.ui.archivos.enqueue(ruta);
    b.w->BotCalendario->click();
    QCOMPARE(b.ui.Textos(), QStringList{"Error al abrir el calendario"});
    QVERIFY(!b.md.CalendarioAbierto);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("esto no es un calendario\n"));
}

void TestConfiguracion::nuevoSinCalendarioAbierto()
{
    Banco b;
    QVERIFY(!b.md.CalendarioAbierto);
    b.w->BotNuevo->click();
    QCOMPARE(b.ui.Textos(), QStringList{"Para crear un calendario debe partir de una plantilla existente\r\n"
                                        "seleccione primero uno"});
    QVERIFY(b.ui.mensajes.first().nivelBajado > 0);
}

void TestConfiguracion::nuevoCopiandoElActual()
{
    Banco b([](TMD &md) { ConCalendario(md, 4); });
    b.ui.modales.enqueue([](QDialog &d) {
        auto &nuevo = dynamic_cast<TFormNuevoCalen &>(d);
        nuevo.Nombre->setText(QStringLiteral("Madrid"));
        nuevo.CopiarDelActual->setChecked(true);
        nuevo.BitBtn1Click();
        return nuevo.result();
    });
    b.w->BotNuevo->click();
    QVERIFY2(b.ui.mensajes.isEmpty(), qPrintable(b.ui.Textos().join('|')));
    QCOMPARE(b.w->EditCalendar->text(), QStringLiteral("Madrid.udb"));
    QCOMPARE(b.md.Campos.Calendario, QStringLiteral("Madrid.udb"));
    QVERIFY(QFileInfo::exists(b.md.Campos.DirCalendar + QStringLiteral("Madrid.udb")));
    QVERIFY(b.md.CalendarioAbierto);
    b.md.BD.Abrir();
    QCOMPARE(b.md.BD.NumeroFilas(), 4);
    QVERIFY(b.md.BD.EsFestivo(Reyes2024));
    b.md.BD.Cerrar();
}

void TestConfiguracion::reconstruirUnFicheroSano()
{
    Banco b([](TMD &md) { ConCalendario(md, 5); });
    b.w->BotReconstruir->click();
    QVERIFY(b.ui.mensajes.isEmpty());
    QVERIFY(b.md.CalendarioAbierto);
    b.md.BD.Abrir();
    QCOMPARE(b.md.BD.NumeroFilas(), 5);
    b.md.BD.Cerrar();
}

QTEST_MAIN(TestConfiguracion)
#include "test_configuracion.moc"
