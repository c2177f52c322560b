#include "MDatos.h"

#include <QCoreApplication>
#include <QDir>

void TMD::Campos_Predeterminados()
{
    const QString version = Campos.Version;
    Campos = Configuracion{};
    Campos.Version = version;
    Campos.DirCalendar = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
}

void TMD::DataModuleCreate()
{
    DirTemporal.clear();
    DirPrograma.clear();
    CalendarioAbierto = false;
    GuardarPendiente = false;
    ErrorLectura = false;
    ModuloCreado = false;
    DirPrograma = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
    Campos_Predeterminados();
    ModuloCreado = true;
    DirTemporal = QDir::tempPath();
}
