#pragma once
// The data module: owns the settings and the holiday calendar database for
// the life of the process. Reads the settings once at creation, writes them
// back at destruction or when the user saves, and keeps the session autostart
// entry in step with InicioAutomatico.

#include "BaseCalendario.h"
#include "Configuracion.h"
#include "InicioSesion.h"
#include "Registro.h"

#include <QString>

class Interfaz;

class TMD {
public:
    // Where the module keeps and finds things; every directory ends in "/".
    struct Ubicaciones {
        QString ajustes;        // the settings file
        QString inicioSesion;   // the autostart entry
        QString dirEjecutable;  // DirPrograma when the installer left no directory
        QString dirDatos;       // per-user data: the default calendar directory
        QString ejecutable;     // file name of the program, for the autostart command
        // The user's own, from QStandardPaths and the running executable.
        static Ubicaciones DelUsuario();
    };

    TMD();
    explicit TMD(Ubicaciones ubicaciones);
    TMD(const TMD &) = delete;
    TMD &operator=(const TMD &) = delete;

    Configuracion Campos;
    QString DirPrograma;
    QString DirTemporal;
    QString ArchivoAyuda;
    bool CalendarioAbierto = false;
    bool ErrorLectura = false;
    bool GuardarPendiente = false;
    bool ModuloCreado = false;
    BaseCalendario BD;

    // Reads the settings and connects the calendar; run once before the main
    // window. Messages and errors go to ui, which must outlive the module.
    void DataModuleCreate(Interfaz &ui);
    // At program end, after the window has copied its controls back.
    void DataModuleDestroy();

    void Leer_Registro();
    // Stops at the first value that cannot be read, setting ErrorLectura.
    void Leer_Campos();
    // Every value in the store's order; the caller writes the file.
    void Guardar_Campos();
    // Every field back to its first-start value (Version is kept).
    void Campos_Predeterminados();
    // Writes GuardarSalir always, everything else when GuardarSalir or
    // GuardarPendiente asks, then brings the autostart entry up to date.
    void Guardar_Registro();
    // Defaults into the store and the fields; reconnects the calendar.
    void GrabarPredeterminados();

    // The autostart command: the program's path, one blank, "min" or nothing.
    QString LineaOrden() const;
    const Ubicaciones &Rutas() const { return ubicaciones_; }

private:
    void FijarDirPrograma();
    void PrepararDirCalendario() const;
    QString ArchivoCalendario() const;
    // Connects BD to the calendar file; shows the failure and returns false.
    bool ConectarCalendario();
    // Writes the store to disk, showing the failure.
    void GuardarArchivo();
    void MostrarError(const QString &texto) const;

    Ubicaciones ubicaciones_;
    Registro registro_;
    Registro::Estado estado_ = Registro::Estado::Nuevo;
    Interfaz *ui_ = nullptr;
};
