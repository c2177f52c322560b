// The baseline bench/startup.sh compares the calculator against: one empty
// top-level widget, nothing else, so the difference is what Tallyra adds.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Tallyra minimal"));
    ventana.resize(320, 240);
    ventana.show();
    return app.exec();
}
