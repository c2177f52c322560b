// Program entry: process conventions, the data module, the main window.

#include "Calculadora.h"
#include "InterfazQt.h"
#include "MDatos.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Decimal comma, thousands point, "/" and ":" whatever the system says.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyra"));
    QApplication::setApplicationVersion(QStringLiteral("1.20"));
    QApplication::setQuitOnLastWindowClosed(true);

    QTranslator traduccion;
    if (traduccion.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccion);

    InterfazQt interfaz;
    TMD md;
    md.DataModuleCreate(interfaz);

    TFormCalculadora *ventana = TFormCalculadora::Crear(md, interfaz);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    interfaz.FijarVentana(ventana);
    const QStringList args = QApplication::arguments();
    if (args.size() > 1 && args.at(1) == QLatin1String("min"))
        ventana->showMinimized();
    else
        ventana->show();
    const int salida = app.exec();
    md.DataModuleDestroy();
    return salida;
}
