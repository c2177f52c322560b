#include "InicioSesion.h"
#include "Registro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QLatin1String ClaveExec("Exec=");
}

QString InicioSesion::RutaPredeterminada()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/tallyra.desktop");
}

InicioSesion::InicioSesion(QString ruta) : ruta_(std::move(ruta)) {}

void InicioSesion::Escribir(const QString &lineaOrden) const
{
    // Worded like a failed settings write, naming the entry.
    const ErrorRegistro error(QStringLiteral("Failed to set data for 'Tallyra'"));
    const QString texto = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Tallyra\n")
        + ClaveExec + lineaOrden + QStringLiteral("\nX-GNOME-Autostart-enabled=true\n");
    const QByteArray bytes = texto.toUtf8();
    if (!QDir().mkpath(QFileInfo(ruta_).absolutePath()))
        throw error;
    QSaveFile archivo(ruta_);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size() || !archivo.commit())
        throw error;
}

void InicioSesion::Borrar() const { QFile::remove(ruta_); }

