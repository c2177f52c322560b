#pragma once
// The data module: owns the settings for the life of the process.

#include "Configuracion.h"
#include <QString>

class TMD {
public:
    Configuracion Campos;
    QString DirPrograma;
    QString DirTemporal;
    bool CalendarioAbierto = false;
    bool ErrorLectura = false;
    bool GuardarPendiente = false;
    bool ModuloCreado = false;

    // Reads the settings and prepares the module; run once before the main window.
    void DataModuleCreate();
    // Every field back to its first-start value.
    void Campos_Predeterminados();
};
