// The data module against real files: first start, files it cannot read,
// saving at exit and on request, defaults, directories, the calendar and the
// autostart entry.

#include "InterfazFalsa.h"
#include "MDatos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

char *toString(const Configuracion &c)
{
    return QTest::toString(QStringLiteral("{Version %1, Provincia %2, ModoIni %3, M1 %4, M6 %5, DirCalendar %6, "
                                          "MRedondeo %7, Left %8, GuardarSalir %9, VerIcono %10, SiempreVisible %11}")
                               .arg(c.Version, c.Provincia)
                               .arg(c.ModoIni)
                               .arg(c.Memorias[0])
                               .arg(c.MemoriasFecha[0], c.DirCalendar, c.MRedondeo)
                               .arg(c.Left)
                               .arg(c.GuardarSalir)
                               .arg(c.VerIcono)
                               .arg(c.SiempreVisible));
}

namespace {

const QString MensajeReinicio = QStringLiteral("  Por una actualización del programa\n\r"
                                               "se ha restaurado la configuración inicial");

// Every value in the order a full save writes it.
const QStringList OrdenValores = {
    "Version", "Provincia", "Provincia2", "ModoIni", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8", "M9", "M10",
    "MaxDigitos", "MaxDecimales", "NumDecimales", "DiasHab", "Sabadosno", "AmbosInc", "DMA", "GuardarSalir",
    "AlarmaSonora", "Calendario", "DirCalendar", "MRedondeo", "MascaraFecha", "Left", "Top", "Avisos",
    "VerBarraTareas", "PorcenAcum", "HabAnota", "ImpNotas", "BotPPP", "FijaDec", "AlarmaDia", "InicioAutomatico",
    "Minimizado", "VerIcono", "VecesAlarma", "NSonido", "HoraAlarma"};

// Settings that differ from the defaults in every field.
Configuracion Cambiada()
{
    Configuracion c;
    c.Version = QStringLiteral("1.20");
    c.Provincia = QStringLiteral("28");
    c.Provincia2 = QStringLiteral("08");
    c.ModoIni = 3;
    c.Memorias = {1.5, -2.25, 1e-300, 123456789012345.0, 0.1};
    c.MemoriasFecha = {QStringLiteral("01/03/2024"), QStringLiteral("\"x\"\n"), QStringLiteral("ñ"),
                       QStringLiteral("a\\b"), QStringLiteral("5")};
    c.MaxDigitos = 15;
    c.MaxDecimales = 6;
    c.NumDecimales = 4;
    c.DiasHab = true;
    c.Sabadosno = true;
    c.AmbosInc = false;
    c.DMA = true;
    c.GuardarSalir = true; // so the exit save writes it all
    c.AlarmaSonora = false;
    c.Calendario = QStringLiteral("Madrid.udb");
    c.DirCalendar = QStringLiteral("/srv/calendarios/");
    c.MRedondeo = QStringLiteral("9");
    c.MascaraFecha = false;
    c.Left = -40;
    c.Top = 2000;
    c.Avisos = false;
    c.VerBarraTareas = false;
    c.PorcenAcum = true;
    c.HabAnota = false;
    c.ImpNotas = false;
    c.BotPPP = false;
    c.FijaDec = true;
    c.AlarmaDia = true;
    c.InicioAutomatico = false;
    c.Minimizado = false;
    c.VerIcono = true;
    c.VecesAlarma = 0;
    c.NSonido = 13;
    c.HoraAlarma = QStringLiteral("23:59");
    return c;
}

QByteArray Contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString &ruta, const QByteArray &contenido)
{
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenido);
}

} // namespace

using Estropeo = std::function<void(Registro &)>;
Q_DECLARE_METATYPE(Estropeo)

class TestMDatos : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    TMD::Ubicaciones u;
    InterfazFalsa ui;
    std::unique_ptr<TMD> md;

    // Settings as they are written now.
    Registro Archivo() const
    {
        Registro r(u.ajustes);
        r.Cargar();
        return r;
    }
    // Starts the module as the program does.
    void Arrancar()
    {
        md = std::make_unique<TMD>(u);
        md->DataModuleCreate(ui);
    }
    // Ends it as the program does.
    void Terminar()
    {
        md->DataModuleDestroy();
        md.reset();
    }
    Configuracion Predeterminada() const
    {
        Configuracion c;
        c.DirCalendar = u.dirDatos;
        return c;
    }
    QString ExecDeInicio() const
    {
        for (const QString &l : QString::fromUtf8(Contenido(u.inicioSesion)).split(QLatin1Char('\n')))
            if (l.startsWith(QLatin1String("Exec=")))
                return l.mid(5);
        return QStringLiteral("<sin Exec>");
    }
    // A settings file as an earlier run left it, changed by cambiar.
    void Preparar(const std::function<void(Registro &)> &cambiar)
    {
        Arrancar();
        md->Campos = Cambiada();
        Terminar();
        Registro r(u.ajustes);
        r.Cargar();
        cambiar(r);
        r.Guardar();
        ui.Limpiar();
    }

private slots:
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
        const QString base = tmp->path();
        u.ajustes = base + QStringLiteral("/config/Tallyra/Tallyra.conf");
        u.inicioSesion = base + QStringLiteral("/config/autostart/tallyra.desktop");
        u.dirEjecutable = base + QStringLiteral("/prog/");
        u.dirDatos = base + QStringLiteral("/datos/");
        u.ejecutable = QStringLiteral("tallyra");
        QDir().mkpath(u.dirEjecutable);
        ui.Limpiar();
    }
    void cleanup()
    {
        md.reset();
        tmp.reset();
    }

    void primerArranque()
    {
        Arrancar();
        QVERIFY(ui.mensajes.isEmpty());
        QCOMPARE(md->Campos, Predeterminada());
        QCOMPARE(md->DirPrograma, u.dirEjecutable);
        QVERIFY(md->ModuloCreado);
        QVERIFY(!md->ErrorLectura);
        QVERIFY(!md->CalendarioAbierto);
        QVERIFY(!md->DirTemporal.isEmpty());
        QCOMPARE(md->ArchivoAyuda, u.dirEjecutable + QStringLiteral("Tallyra.chm"));

        const Registro r = Archivo();
        QCOMPARE(r.Nombres(), OrdenValores);
        QCOMPARE(r.LeerTexto(QStringLiteral("Version")), QString());
        QCOMPARE(r.LeerTexto(QStringLiteral("DirCalendar")), u.dirDatos);
        QCOMPARE(r.LeerReal(QStringLiteral("M1")), 0.0);
        QCOMPARE(r.LeerEntero(QStringLiteral("MaxDigitos")), 14);
        QCOMPARE(r.LeerBooleano(QStringLiteral("AmbosInc")), true);
        QVERIFY(QDir(u.dirDatos).exists()); // calendars can be made there

        // The window stamps the version; the next start reads what was saved.
        md->Campos.Version = QStringLiteral("1.20");
        Terminar();
        QCOMPARE(Archivo().LeerTexto(QStringLiteral("Version")), QStringLiteral("1.20"));
        Arrancar();
        QVERIFY(ui.mensajes.isEmpty());
        QCOMPARE(md->Campos, Predeterminada()); // Version is written, never read
    }

    // Every field survives a save at exit and the next start.
    void idaYVuelta()
    {
        Arrancar();
        md->Campos = Cambiada();
        md->Campos.SiempreVisible = true;
        Terminar();
        Arrancar();
        Configuracion esperada = Cambiada();
        esperada.Version.clear();
        QCOMPARE(md->Campos, esperada);
        QVERIFY(ui.mensajes.isEmpty());
    }

    void valoresIlegibles_data()
    {
        QTest::addColumn<Estropeo>("estropear");
        QTest::addColumn<QByteArray>("archivo"); // replaces the file when not empty

        using F = Estropeo;
        QTest::newRow("versión anterior sin VerIcono")
            << F([](Registro &r) { r.BorrarValor(QStringLiteral("VerIcono")); }) << QByteArray();
        QTest::newRow("sin el último valor")
            << F([](Registro &r) { r.BorrarValor(QStringLiteral("NSonido")); }) << QByteArray();
        QTest::newRow("texto guardado como entero")
            << F([](Registro &r) { r.EscribirEntero(QStringLiteral("Provincia"), 7); }) << QByteArray();
        QTest::newRow("real de 7 bytes")
            << F([](Registro &r) { r.EscribirBinario(QStringLiteral("M3"), QByteArray(7, '\0')); }) << QByteArray();
        QTest::newRow("booleano guardado como texto")
            << F([](Registro &r) { r.EscribirTexto(QStringLiteral("DiasHab"), QStringLiteral("1")); })
            << QByteArray();
        QTest::newRow("entero guardado como real")
            << F([](Registro &r) { r.EscribirReal(QStringLiteral("Top"), 75); }) << QByteArray();
        QTest::newRow("archivo cortado")
            << F([](Registro &) {}) << QByteArray("[Tallyra]\n@=\"/opt/t\"\n\"Version\"=\"1.20\"\n\"Provincia\"=\"2");
        QTest::newRow("archivo ilegible") << F([](Registro &) {}) << QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10);
    }
    // Defaults and one message; the next start is silent; a damaged file is
    // kept beside the new one.
    void valoresIlegibles()
    {
        QFETCH(Estropeo, estropear);
        QFETCH(QByteArray, archivo);
        Preparar(estropear);
        if (!archivo.isEmpty())
            Escribir(u.ajustes, archivo);

        Arrancar();
        QCOMPARE(ui.Textos(), QStringList({MensajeReinicio}));
        QCOMPARE(ui.mensajes.constFirst().tipo, Interfaz::Tipo::Informacion);
        QCOMPARE(md->Campos, Predeterminada());
        QVERIFY(!md->ErrorLectura);
        QVERIFY(!md->GuardarPendiente);
        QVERIFY(md->ModuloCreado);
        // Every value is back; one the old file lacked is added at its end.
        QStringList nombres = Archivo().Nombres(), esperados = OrdenValores;
        nombres.sort();
        esperados.sort();
        QCOMPARE(nombres, esperados);
        QCOMPARE(Archivo().LeerTexto(QStringLiteral("Provincia")), QStringLiteral("07"));
        QCOMPARE(Archivo().LeerBooleano(QStringLiteral("VerIcono")), false);
        const QString bak = u.ajustes + QStringLiteral(".bak");
        if (archivo.isEmpty()) {
            QVERIFY(!QFile::exists(bak));
        } else {
            QCOMPARE(Contenido(bak), archivo);
            QCOMPARE(md->DirPrograma, u.dirEjecutable);
        }

        Terminar();
        ui.Limpiar();
        Arrancar();
        QVERIFY(ui.mensajes.isEmpty());
        QCOMPARE(md->Campos, Predeterminada());
        if (!archivo.isEmpty())
            QCOMPARE(Contenido(bak), archivo);
    }

    // Values that read without sending everything back to defaults.
    void lecturaTolerante_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("linea");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("texto ausente") << "Provincia" << QByteArray() << QString();
        QTest::newRow("redondeo escrito a mano") << "MRedondeo" << QByteArray(R"("MRedondeo"="7")") << "7";
        QTest::newRow("texto expandible") << "HoraAlarma" << QByteArray(R"("HoraAlarma"=expand:"08:30")")
                                          << "08:30";
    }
    void lecturaTolerante()
    {
        QFETCH(QString, nombre);
        QFETCH(QByteArray, linea);
        QFETCH(QString, esperado);
        Preparar([&](Registro &r) { r.BorrarValor(nombre); });
        QByteArray texto = Contenido(u.ajustes);
        if (!linea.isEmpty())
            texto += linea + "\n";
        Escribir(u.ajustes, texto);

        Arrancar();
        QVERIFY(ui.mensajes.isEmpty());
        Configuracion esperada = Cambiada();
        esperada.Version.clear();
        if (nombre == QLatin1String("Provincia"))
            esperada.Provincia = esperado;
        else if (nombre == QLatin1String("MRedondeo"))
            esperada.MRedondeo = esperado;
        else
            esperada.HoraAlarma = esperado;
        QCOMPARE(md->Campos, esperada);
    }

    // GuardarSalir is always written; the rest only when it, or a save now,
    // asks for it.
    void guardarAlSalir_data()
    {
        QTest::addColumn<bool>("guardarSalir");
        QTest::addColumn<bool>("pendiente");
        QTest::addColumn<bool>("todo");

        QTest::newRow("guardar al salir") << true << false << true;
        QTest::newRow("no guardar al salir") << false << false << false;
        QTest::newRow("guardar ahora") << false << true << true;
    }
    void guardarAlSalir()
    {
        QFETCH(bool, guardarSalir);
        QFETCH(bool, pendiente);
        QFETCH(bool, todo);
        Arrancar();
        const QByteArray antes = Contenido(u.ajustes);
        md->Campos = Cambiada();
        md->Campos.GuardarSalir = guardarSalir;
        md->GuardarPendiente = pendiente;
        if (pendiente)
            md->Guardar_Registro(); // "Guardar configuración"
        else
            Terminar();

        const Registro r = Archivo();
        QCOMPARE(r.LeerBooleano(QStringLiteral("GuardarSalir")), guardarSalir);
        QCOMPARE(r.LeerTexto(QStringLiteral("Provincia")), todo ? QStringLiteral("28") : QStringLiteral("07"));
        QCOMPARE(r.LeerReal(QStringLiteral("M2")), todo ? -2.25 : 0.0);
        QCOMPARE(r.Nombres(), OrdenValores);
        if (!todo) {
            QByteArray esperado = antes;
            esperado.replace("\"GuardarSalir\"=dword:00000001", "\"GuardarSalir\"=dword:00000000");
            QCOMPARE(Contenido(u.ajustes), esperado);
        }
        if (pendiente) {
            QVERIFY(!md->GuardarPendiente);
            // Later changes are lost at exit, as GuardarSalir says.
            md->Campos.Provincia = QStringLiteral("33");
            Terminar();
            QCOMPARE(Archivo().LeerTexto(QStringLiteral("Provincia")), QStringLiteral("28"));
        }
        ui.Limpiar();
        Arrancar();
        QCOMPARE(md->Campos.GuardarSalir, guardarSalir);
        QVERIFY(ui.mensajes.isEmpty());
    }

    void restaurarPredeterminados()
    {
        Preparar([](Registro &) {});
        BaseCalendario::CrearVacio(u.dirDatos + QStringLiteral("Calendar.udb"));
        Arrancar();
        QVERIFY(!md->CalendarioAbierto); // Madrid.udb is not there
        md->Campos.Version = QStringLiteral("1.20"); // as the window leaves it
        md->Campos.SiempreVisible = true;

        md->GrabarPredeterminados();
        Configuracion esperada = Predeterminada();
        esperada.Version = QStringLiteral("1.20"); // the window's stamp survives
        esperada.SiempreVisible = true;            // never stored, so never reset
        QCOMPARE(md->Campos, esperada);
        QVERIFY(md->CalendarioAbierto);
        QVERIFY(md->BD.Conectado());
        QCOMPARE(md->BD.Ruta(), u.dirDatos + QStringLiteral("Calendar.udb"));
        const Registro r = Archivo();
        QCOMPARE(r.Nombres(), OrdenValores);
        QCOMPARE(r.LeerTexto(QStringLiteral("Provincia")), QStringLiteral("07"));
        QCOMPARE(r.LeerTexto(QStringLiteral("Version")), QStringLiteral("1.20"));
        QVERIFY(ui.mensajes.isEmpty());

        Terminar();
        QVERIFY(QFile::exists(u.dirDatos + QStringLiteral("Calendar.udb")));
    }

    void dirPrograma_data()
    {
        QTest::addColumn<QByteArray>("sinNombre"); // the unnamed value's line, if any
        QTest::addColumn<QString>("dirPrograma");  // "*" stands for the executable's directory

        QTest::newRow("sin valor") << QByteArray() << "*";
        QTest::newRow("instalación") << QByteArray(R"(@="/opt/Apps/Tallyra")") << "/opt/Apps/Tallyra/";
        QTest::newRow("vacío") << QByteArray(R"(@="")") << "/";
        QTest::newRow("no es texto") << QByteArray("@=dword:00000001") << "*";
    }
    void dirPrograma()
    {
        QFETCH(QByteArray, sinNombre);
        QFETCH(QString, dirPrograma);
        if (dirPrograma == QLatin1String("*"))
            dirPrograma = u.dirEjecutable;
        Preparar([](Registro &) {});
        const QByteArray cabecera = "[Tallyra]\n" + (sinNombre.isEmpty() ? QByteArray() : sinNombre + "\n");
        Escribir(u.ajustes, Contenido(u.ajustes).replace("[Tallyra]\n", cabecera));
        Arrancar();
        QCOMPARE(md->DirPrograma, dirPrograma);
        QCOMPARE(md->Campos.DirCalendar, QStringLiteral("/srv/calendarios/")); // the stored value wins
        md->Campos.InicioAutomatico = true;
        Terminar();
        const QString base = dirPrograma == QLatin1String("/") ? QString() : dirPrograma.chopped(1);
        QCOMPARE(ExecDeInicio(), base + QStringLiteral("/tallyra "));
        QVERIFY(Contenido(u.ajustes).startsWith(cabecera + "\"Version\"")); // kept, never written by us
    }

    // A calendar shipped with the program seeds the user's data directory
    // once, and never over one the user already has.
    void plantillaCalendario_data()
    {
        QTest::addColumn<bool>("plantilla");
        QTest::addColumn<bool>("propio");
        QTest::addColumn<QByteArray>("resultado");

        QTest::newRow("se copia") << true << false << QByteArray("plantilla");
        QTest::newRow("el del usuario se queda") << true << true << QByteArray("propio");
        QTest::newRow("sin plantilla") << false << false << QByteArray();
    }
    void plantillaCalendario()
    {
        QFETCH(bool, plantilla);
        QFETCH(bool, propio);
        QFETCH(QByteArray, resultado);
        // Marked calendars, so the copy shows where it came from.
        const auto calendario = [](const QString &ruta, const QByteArray &marca) {
            BaseCalendario::CrearVacio(ruta);
            QFile f(ruta);
            QVERIFY(f.open(QIODevice::Append));
            f.write(marca);
        };
        QDir().mkpath(u.dirDatos);
        if (plantilla)
            calendario(u.dirEjecutable + QStringLiteral("Calendar.udb"), "plantilla");
        if (propio)
            calendario(u.dirDatos + QStringLiteral("Calendar.udb"), "propio");

        Arrancar();
        QCOMPARE(md->Campos.DirCalendar, u.dirDatos);
        QCOMPARE(md->CalendarioAbierto, !resultado.isEmpty());
        const QByteArray copia = Contenido(u.dirDatos + QStringLiteral("Calendar.udb"));
        QVERIFY2(copia.endsWith(resultado), copia.constData());
        QCOMPARE(Contenido(u.dirEjecutable + QStringLiteral("Calendar.udb")).isEmpty(), !plantilla);
        QVERIFY(ui.mensajes.isEmpty());
    }

    void calendarioAlCrear_data()
    {
        QTest::addColumn<QByteArray>("contenido"); // empty: no file; "calendario": a real one
        QTest::addColumn<bool>("abierto");
        QTest::addColumn<bool>("creado");

        QTest::newRow("sin archivo") << QByteArray() << false << true;
        QTest::newRow("calendario") << QByteArray("calendario") << true << true;
        QTest::newRow("no es un calendario") << QByteArray("esto no es una base de datos") << false << false;
    }
    // A calendar that cannot be connected shows its error and leaves the
    // module half made, so the window knows.
    void calendarioAlCrear()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(bool, abierto);
        QFETCH(bool, creado);
        const QString ruta = u.dirDatos + QStringLiteral("Calendar.udb");
        QDir().mkpath(u.dirDatos);
        if (contenido == "calendario")
            BaseCalendario::CrearVacio(ruta);
        else if (!contenido.isEmpty())
            Escribir(ruta, contenido);

        Arrancar();
        QCOMPARE(md->CalendarioAbierto, abierto);
        QCOMPARE(md->BD.Conectado(), abierto);
        QCOMPARE(md->ModuloCreado, creado);
        QCOMPARE(md->DirTemporal.isEmpty(), !creado);
        QCOMPARE(md->ArchivoAyuda.isEmpty(), !creado);
        if (creado) {
            QVERIFY(ui.mensajes.isEmpty());
        } else {
            QCOMPARE(ui.mensajes.size(), 1);
            QCOMPARE(ui.mensajes.constFirst().tipo, Interfaz::Tipo::Error);
            QVERIFY(!ui.mensajes.constFirst().texto.isEmpty());
        }
        QCOMPARE(Archivo().Nombres(), OrdenValores); // the settings were read and written all the same

        Terminar(); // disconnects before saving
        QVERIFY(ui.mensajes.size() <= 1);
    }

    void inicioSesion_data()
    {
        QTest::addColumn<bool>("minimizado");
        QTest::addColumn<QString>("exec");

        QTest::newRow("minimizado") << true << "tallyra min";
        QTest::newRow("normal: acaba en un blanco") << false << "tallyra ";
    }
    void inicioSesion()
    {
        QFETCH(bool, minimizado);
        QFETCH(QString, exec);
        Arrancar();
        md->Campos.InicioAutomatico = true;
        md->Campos.Minimizado = minimizado;
        Terminar();
        QCOMPARE(ExecDeInicio(), u.dirEjecutable + exec);
        const QByteArray entrada = Contenido(u.inicioSesion);
        QVERIFY(entrada.startsWith("[Desktop Entry]\n"));
        QVERIFY(entrada.contains("\nType=Application\n"));
        QVERIFY(ui.mensajes.isEmpty());

        // Unchecked: the entry goes; and going again finds nothing, quietly.
        Arrancar();
        QCOMPARE(md->Campos.InicioAutomatico, true);
        md->Campos.InicioAutomatico = false;
        Terminar();
        QVERIFY(!QFile::exists(u.inicioSesion));
        Arrancar();
        Terminar();
        QVERIFY(!QFile::exists(u.inicioSesion));
        QVERIFY(ui.mensajes.isEmpty());
    }

    // The settings are written first; the entry's failure is shown.
    void inicioSesionFalla()
    {
        Escribir(QFileInfo(u.inicioSesion).absolutePath(), "un archivo donde iría la carpeta");
        Arrancar();
        md->Campos.InicioAutomatico = true;
        md->Campos.Provincia = QStringLiteral("28");
        Terminar();
        QCOMPARE(ui.Textos(), QStringList({QStringLiteral("Failed to set data for 'Tallyra'")}));
        QCOMPARE(ui.mensajes.constFirst().tipo, Interfaz::Tipo::Error);
        QCOMPARE(Archivo().LeerTexto(QStringLiteral("Provincia")), QStringLiteral("28"));
        QCOMPARE(Archivo().LeerBooleano(QStringLiteral("InicioAutomatico")), true);
    }

    // Settings that cannot be written: the error is shown and the program
    // goes on with the values it has.
    void ajustesNoGrabables()
    {
        Escribir(QFileInfo(u.ajustes).absolutePath(), "un archivo donde iría la carpeta");
        Arrancar();
        QCOMPARE(ui.Textos(), QStringList({QStringLiteral("Failed to set data for 'Version'")}));
        QCOMPARE(md->Campos, Predeterminada());
        QVERIFY(md->ModuloCreado);
        ui.Limpiar();
        md->Campos.GuardarSalir = false;
        Terminar();
        QCOMPARE(ui.Textos(), QStringList({QStringLiteral("Failed to set data for 'GuardarSalir'")}));
    }
};

QTEST_GUILESS_MAIN(TestMDatos)
#include "test_mdatos.moc"
