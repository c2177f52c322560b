// Writes the template calendar the program ships: Spain's nationwide
// holidays for a span of years, computed rather than typed in.
//
//   generar_plantilla FICHERO [DESDE HASTA]

#include "BaseCalendario.h"
#include "FechaHora.h"
#include "Pascua.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <filesystem>
#include <system_error>

int main(int argc, char **argv)
{
    // Qt SQL finds its driver plugins through the application object.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2 && args.size() != 4) {
        err << "uso: generar_plantilla FICHERO [DESDE HASTA]\n";
        return 2;
    }
    const QString destino = QFileInfo(args[1]).absoluteFilePath();
    const int desde = args.size() == 4 ? args[2].toInt() : 2000;
    const int hasta = args.size() == 4 ? args[3].toInt() : 2040;

    QList<Festivo> filas;
    for (int anio = desde; anio <= hasta; ++anio) {
        const QList<QDate> dias = Calendarios::FestivosNacionales(anio);
        if (dias.isEmpty()) {
            err << "año fuera de alcance: " << anio << '\n';
            return 2;
        }
        for (const QDate &dia : dias)
            filas.append({Funcion::FechaASerial(dia), QLatin1Char('0')});
    }

    // Built beside the target and moved over it, so an interrupted build
    // never leaves a template with half its rows.
    const QString nuevo = destino + QStringLiteral(".nuevo");
    QFile::remove(nuevo);
    try {
        BaseCalendario::CrearVacio(nuevo);
        BaseCalendario bd;
        bd.FijarNombre(nuevo);
        bd.Conectar();
        bd.Abrir();
        bd.InsertarVarios(filas);
        bd.Desconectar();
    } catch (const ErrorCalendario &e) {
        QFile::remove(nuevo);
        err << e.Mensaje() << '\n';
        return 1;
    }
    std::error_code ec;
    std::filesystem::rename(nuevo.toStdU16String(), destino.toStdU16String(), ec);
    if (ec) {
        QFile::remove(nuevo);
        err << QString::fromStdString(ec.message()) << '\n';
        return 1;
    }
    return 0;
}
