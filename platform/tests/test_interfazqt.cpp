// The real desktop layer on the offscreen platform.

#include "InterfazQt.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

class TestInterfazQt : public QObject {
    Q_OBJECT
private slots:
    void portapapelesReal_data();
    void portapapelesReal();
    void bajarSuperioresAnidadoYRestaurado();
};

void TestInterfazQt::portapapelesReal_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("lineas") << "12,00\n-5\n";
    QTest::newRow("acentos") << "CIENTO VEINTIÚN EUROS\n";
    QTest::newRow("vacio") << "";
}

void TestInterfazQt::portapapelesReal()
{
    QFETCH(QString, texto);
    InterfazQt ui;
    ui.EscribirPortapapeles(texto);
    QCOMPARE(QApplication::clipboard()->text(), texto);
    QApplication::clipboard()->setText(QStringLiteral("de otro programa\r\n"));
    QCOMPARE(ui.LeerPortapapeles(), QStringLiteral("de otro programa\r\n"));
}

void TestInterfazQt::bajarSuperioresAnidadoYRestaurado()
{
    InterfazQt ui;
    QWidget ventana;
    ventana.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ventana.show();
    ui.BajarSuperiores();
    ui.BajarSuperiores();
    QVERIFY(!(ventana.windowFlags() & Qt::WindowStaysOnTopHint));
    ui.RestaurarSuperiores();
    QVERIFY(!(ventana.windowFlags() & Qt::WindowStaysOnTopHint)); // still inside the outer one
    ui.RestaurarSuperiores();
    QVERIFY(ventana.windowFlags() & Qt::WindowStaysOnTopHint);
    ui.RestaurarSuperiores(); // one too many changes nothing
    QVERIFY(ventana.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(ui.NivelBajado(), 0);
}

QTEST_MAIN(TestInterfazQt)
#include "test_interfazqt.moc"
