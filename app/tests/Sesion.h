#pragma once
// Whole runs of the program over a folder that stands for the user's own,
// and holiday calendars made for a test.

#include "Banco.h"
#include "BaseCalendario.h"

#include <QDir>
#include <QFileInfo>

inline const double Reyes2024 = 45297; // 06/01/2024

// A calendar file holding the given holidays.
inline QString CrearCalendario(const QString &ruta, const QList<double> &festivos)
{
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    BaseCalendario::CrearVacio(ruta);
    BaseCalendario bd;
    bd.FijarNombre(QFileInfo(ruta).fileName());
    bd.FijarDirectorio(QFileInfo(ruta).absolutePath());
    bd.Conectar();
    bd.Abrir();
    for (double f : festivos)
        bd.Insertar(f, QLatin1Char('0'));
    bd.Cerrar();
    bd.Desconectar();
    return ruta;
}

// Consecutive holidays from Epiphany 2024 on.
inline QList<double> Consecutivos(int filas)
{
    QList<double> festivos;
    for (int i = 0; i < filas; ++i)
        festivos << Reyes2024 + i;
    return festivos;
}

inline QString CrearCalendario(const QString &ruta, int filas) { return CrearCalendario(ruta, Consecutivos(filas)); }

// A window's data module with a calendar in its default folder.
inline void ConCalendario(TMD &md, const QList<double> &festivos)
{
    const QString dir = md.Rutas().dirDatos;
    CrearCalendario(dir + QStringLiteral("Calendar.udb"), festivos);
    md.Campos.DirCalendar = dir;
    md.BD.FijarNombre(QStringLiteral("Calendar.udb"));
    md.BD.FijarDirectorio(dir);
    md.BD.Conectar();
    md.CalendarioAbierto = true;
}

inline void ConCalendario(TMD &md, int filas) { ConCalendario(md, Consecutivos(filas)); }

// One run of the program over a folder that stands for the user's own.
struct Sesion {
    InterfazFalsa ui;
    TMD md;
    std::unique_ptr<TFormCalculadora> w;

    explicit Sesion(const QTemporaryDir &carpeta) : md(Banco::UbicacionesEn(carpeta))
    {
        md.DataModuleCreate(ui);
        w.reset(TFormCalculadora::Crear(md, ui));
        w->show();
    }
    // Closes the window as the user does and ends the program.
    bool Salir()
    {
        if (!w->close())
            return false;
        md.DataModuleDestroy();
        return true;
    }
};

