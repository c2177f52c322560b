#include "MDatos.h"
#include "Interfaz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString PlantillaCalendario = QStringLiteral("Calendar.udb");

// Every stored value but Version, in the order they are written; v is called
// with each name and field and picks the value type from the field's type.
template <typename V>
void RecorrerCampos(Configuracion &c, V &&v)
{
    v(QStringLiteral("Provincia"), c.Provincia);
    v(QStringLiteral("Provincia2"), c.Provincia2);
    v(QStringLiteral("ModoIni"), c.ModoIni);
    for (size_t i = 0; i < c.Memorias.size(); ++i)
        v(QStringLiteral("M%1").arg(i + 1), c.Memorias[i]);
    for (size_t i = 0; i < c.MemoriasFecha.size(); ++i)
        v(QStringLiteral("M%1").arg(i + 6), c.MemoriasFecha[i]);
    v(QStringLiteral("MaxDigitos"), c.MaxDigitos);
    v(QStringLiteral("MaxDecimales"), c.MaxDecimales);
    v(QStringLiteral("NumDecimales"), c.NumDecimales);
    v(QStringLiteral("DiasHab"), c.DiasHab);
    v(QStringLiteral("Sabadosno"), c.Sabadosno);
    v(QStringLiteral("AmbosInc"), c.AmbosInc);
    v(QStringLiteral("DMA"), c.DMA);
    v(QStringLiteral("GuardarSalir"), c.GuardarSalir);
    v(QStringLiteral("AlarmaSonora"), c.AlarmaSonora);
    v(QStringLiteral("Calendario"), c.Calendario);
    v(QStringLiteral("DirCalendar"), c.DirCalendar);
    v(QStringLiteral("MRedondeo"), c.MRedondeo);
    v(QStringLiteral("MascaraFecha"), c.MascaraFecha);
    v(QStringLiteral("Left"), c.Left);
    v(QStringLiteral("Top"), c.Top);
    v(QStringLiteral("Avisos"), c.Avisos);
    v(QStringLiteral("VerBarraTareas"), c.VerBarraTareas);
    v(QStringLiteral("PorcenAcum"), c.PorcenAcum);
    v(QStringLiteral("HabAnota"), c.HabAnota);
    v(QStringLiteral("ImpNotas"), c.ImpNotas);
    v(QStringLiteral("BotPPP"), c.BotPPP);
    v(QStringLiteral("FijaDec"), c.FijaDec);
    // Older versions wrote it a second time here; the key keeps it once.
    v(QStringLiteral("AlarmaSonora"), c.AlarmaSonora);
    v(QStringLiteral("AlarmaDia"), c.AlarmaDia);
    v(QStringLiteral("InicioAutomatico"), c.InicioAutomatico);
    v(QStringLiteral("Minimizado"), c.Minimizado);
    v(QStringLiteral("VerIcono"), c.VerIcono);
    v(QStringLiteral("VecesAlarma"), c.VecesAlarma);
    v(QStringLiteral("NSonido"), c.NSonido);
    v(QStringLiteral("HoraAlarma"), c.HoraAlarma);
}

struct Escritor {
    Registro &r;
    void operator()(const QString &n, const QString &x) const { r.EscribirTexto(n, x); }
    void operator()(const QString &n, const int &x) const { r.EscribirEntero(n, x); }
    void operator()(const QString &n, const bool &x) const { r.EscribirBooleano(n, x); }
    void operator()(const QString &n, const double &x) const { r.EscribirReal(n, x); }
};

struct Lector {
    const Registro &r;
    void operator()(const QString &n, QString &x) const { x = r.LeerTexto(n); }
    void operator()(const QString &n, int &x) const { x = r.LeerEntero(n); }
    void operator()(const QString &n, bool &x) const { x = r.LeerBooleano(n); }
    void operator()(const QString &n, double &x) const { x = r.LeerReal(n); }
};

QString ConBarra(const QString &dir) { return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/'); }

} // namespace

TMD::Ubicaciones TMD::Ubicaciones::DelUsuario()
{
    Ubicaciones u;
    u.ajustes = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/Tallyra.conf");
    u.inicioSesion = InicioSesion::RutaPredeterminada();
    u.dirEjecutable = ConBarra(QCoreApplication::applicationDirPath());
    u.dirDatos = ConBarra(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    u.ejecutable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return u;
}

TMD::TMD() : TMD(Ubicaciones::DelUsuario()) {}

TMD::TMD(Ubicaciones ubicaciones) : ubicaciones_(std::move(ubicaciones)), registro_(ubicaciones_.ajustes) {}

void TMD::DataModuleCreate(Interfaz &ui)
{
    ui_ = &ui;
    DirTemporal.clear();
    DirPrograma.clear();
    CalendarioAbierto = false;
    GuardarPendiente = false;
    ErrorLectura = false;
    ModuloCreado = false;

    Leer_Registro();
    if (ErrorLectura) {
        // A newer version meets an older file, or the file was damaged: the
        // first value that cannot be read sends everything back to defaults.
        ErrorLectura = false;
        GuardarPendiente = false;
        GrabarPredeterminados();
        ui.Informacion(QStringLiteral("  Por una actualización del programa") + QStringLiteral("\n\r")
                       + QStringLiteral("se ha restaurado la configuración inicial"));
    }

    if (QFileInfo(ArchivoCalendario()).isFile()) {
        // Without its calendar the module is only half made; the window
        // knows that from ModuloCreado.
        if (!ConectarCalendario())
            return;
        CalendarioAbierto = true;
    }
    ModuloCreado = true;
    ArchivoAyuda = ubicaciones_.dirEjecutable + QStringLiteral("Tallyra.chm");
    DirTemporal = QDir::tempPath();
}

void TMD::DataModuleDestroy()
{
    BD.Desconectar();
    Guardar_Registro();
}

void TMD::Leer_Registro()
{
    estado_ = registro_.Cargar();
    FijarDirPrograma();
    if (estado_ == Registro::Estado::Nuevo) {
        PrepararDirCalendario();
        Campos_Predeterminados();
        Guardar_Campos();
        GuardarArchivo();
    }
    if (estado_ == Registro::Estado::Danado) {
        ErrorLectura = true;
        return;
    }
    Leer_Campos();
}

void TMD::Leer_Campos()
{
    try {
        RecorrerCampos(Campos, Lector{registro_});
    } catch (const ErrorRegistro &) {
        ErrorLectura = true;
    }
}

void TMD::Guardar_Campos()
{
    registro_.EscribirTexto(QStringLiteral("Version"), Campos.Version);
    RecorrerCampos(Campos, Escritor{registro_});
}

void TMD::Campos_Predeterminados()
{
    const Configuracion antes = Campos;
    Campos = Configuracion{};
    Campos.Version = antes.Version;
    Campos.SiempreVisible = antes.SiempreVisible;
    Campos.DirCalendar = ubicaciones_.dirDatos;
}

void TMD::Guardar_Registro()
{
    // Open the key as it stands on disk, so values this run never touches
    // stay as they are.
    estado_ = registro_.Cargar();
    registro_.EscribirBooleano(QStringLiteral("GuardarSalir"), Campos.GuardarSalir);
    if (Campos.GuardarSalir || GuardarPendiente) {
        Guardar_Campos();
        GuardarPendiente = false;
    }
    GuardarArchivo();

    const InicioSesion entrada(ubicaciones_.inicioSesion);
    if (Campos.InicioAutomatico) {
        try {
            entrada.Escribir(LineaOrden());
        } catch (const ErrorRegistro &e) {
            MostrarError(e.Mensaje());
        }
    } else {
        entrada.Borrar();
    }
    GuardarPendiente = false;
}

void TMD::GrabarPredeterminados()
{
    FijarDirPrograma();
    PrepararDirCalendario();
    Campos_Predeterminados();
    Guardar_Campos();
    GuardarArchivo();
    Leer_Campos();
    if (QFileInfo(ArchivoCalendario()).isFile()) {
        CalendarioAbierto = ConectarCalendario();
    } else {
        BD.Desconectar();
        CalendarioAbierto = false;
    }
}

QString TMD::LineaOrden() const
{
    QString dir = DirPrograma;
    while (dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir + QLatin1Char('/') + ubicaciones_.ejecutable + QLatin1Char(' ')
        + (Campos.Minimizado ? QStringLiteral("min") : QString());
}

void TMD::FijarDirPrograma()
{
    DirPrograma = ubicaciones_.dirEjecutable;
    if (estado_ == Registro::Estado::Leido && registro_.ExisteValor(QString())) {
        try {
            DirPrograma = registro_.LeerTexto(QString()) + QLatin1Char('/');
        } catch (const ErrorRegistro &) {
            // Not a directory the installer wrote; the executable's will do.
        }
    }
    Campos.DirCalendar = DirPrograma;
}

void TMD::PrepararDirCalendario() const
{
    // The program directory is seldom writable, so calendars live with the
    // user's data; a template shipped with the program seeds it once.
    QDir().mkpath(ubicaciones_.dirDatos);
    const QString plantilla = DirPrograma + PlantillaCalendario;
    const QString destino = ubicaciones_.dirDatos + PlantillaCalendario;
    if (!QFileInfo(plantilla).isFile() || QFileInfo::exists(destino))
        return;
    QFile origen(plantilla);
    QSaveFile copia(destino);
    if (origen.open(QIODevice::ReadOnly) && copia.open(QIODevice::WriteOnly)) {
        copia.write(origen.readAll());
        copia.commit();
    }
}

QString TMD::ArchivoCalendario() const { return Campos.DirCalendar + Campos.Calendario; }

bool TMD::ConectarCalendario()
{
    BD.Desconectar();
    BD.FijarNombre(Campos.Calendario);
    BD.FijarDirectorio(Campos.DirCalendar);
    try {
        BD.Conectar();
        return true;
    } catch (const ErrorCalendario &e) {
        MostrarError(e.Mensaje());
        return false;
    }
}

void TMD::GuardarArchivo()
{
    try {
        registro_.Guardar();
    } catch (const ErrorRegistro &e) {
        MostrarError(e.Mensaje());
    }
}

void TMD::MostrarError(const QString &texto) const
{
    if (ui_)
        ui_->Error(texto);
}
