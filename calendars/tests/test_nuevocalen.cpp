#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "BaseCalendario.h"
#include "Ficheros.h"
#include "InterfazFalsa.h"
#include "NuevoCalen.h"

namespace {

const QList<Festivo> kActual{{45292, u'0'}, {45310, u'1'}, {45400, u'2'}, {45651, u'0'}};

// The current calendar "Calendar.udb" connected, and the dialog shown over it.
struct Banco {
    QTemporaryDir dir;
    QString Calendario = QStringLiteral("Calendar.udb");
    QString DirCalendar;
    InterfazFalsa ui;
    BaseCalendario BD;
    std::unique_ptr<TFormNuevoCalen> f;

    Banco()
    {
        DirCalendar = dir.path() + QLatin1Char('/');
        CrearCalendario(Ruta(Calendario), kActual);
        BD.FijarDirectorio(DirCalendar);
        BD.FijarNombre(Calendario);
        BD.Conectar();
        f = std::make_unique<TFormNuevoCalen>(ui, BD, AjustesCalendario{Calendario, DirCalendar});
        f->CalendarioActual = Calendario;
        f->show();
    }

    QString Ruta(const QString &nombre) const { return dir.filePath(nombre); }

    void Aceptar(const QString &nombre, bool enBlanco = false)
    {
        f->Nombre->setText(nombre);
        (enBlanco ? f->EnBlanco : f->CopiarDelActual)->setChecked(true);
        QTest::mouseClick(f->BitBtn1, Qt::LeftButton);
    }

    bool SigueAbierto() const { return f->isVisible() && f->result() != QDialog::Accepted; }
    bool EnCalendarActual() const
    {
        return BD.Conectado() && BD.Nombre() == QLatin1String("Calendar.udb")
            && Calendario == QLatin1String("Calendar.udb");
    }
};

} // namespace

class TestNuevoCalen : public QObject
{
    Q_OBJECT

private slots:
    void alMostrar_data();
    void alMostrar();
    void rechazos_data();
    void rechazos();
    void creacion_data();
    void creacion();
    void sobrescribir();
    void falloAlCopiar();
};

void TestNuevoCalen::alMostrar_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("etiqueta");
    QTest::newRow("con extensión") << "Calendar.udb" << "Calendar";
    QTest::newRow("varios puntos") << "Mi.cal.udb" << "Mi";
    QTest::newRow("sin extensión") << "Calendar" << "Calendar";
}

void TestNuevoCalen::alMostrar()
{
    QFETCH(QString, actual);
    QFETCH(QString, etiqueta);
    Banco b;
    b.f->hide();
    b.f->Nombre->setText(QStringLiteral("resto"));
    b.f->EnBlanco->setChecked(true);
    b.f->CalendarioActual = actual;
    b.f->show();
    QCOMPARE(b.f->LNomCalendar->text(), etiqueta);
    QVERIFY(b.f->Nombre->text().isEmpty());
    QVERIFY(b.f->CopiarDelActual->isChecked());
    QCOMPARE(b.f->focusWidget(), b.f->Nombre);
}

void TestNuevoCalen::rechazos_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("vacío") << "" << "Nombre inválido";
    QTest::newRow("blancos") << "   " << "Nombre inválido";
    QTest::newRow("otra carpeta") << "../Madrid" << "Nombre inválido";
    QTest::newRow("con extensión") << "Madrid.udb" << "No puede incluir puntos en el nombre";
    QTest::newRow("punto final") << "Madrid." << "No puede incluir puntos en el nombre";
    QTest::newRow("el actual") << "Calendar" << "Este calendario está en uso, elija otro nombre";
}

// Each refusal shows its message, leaves the dialog open on the name and
// writes nothing.
void TestNuevoCalen::rechazos()
{
    QFETCH(QString, nombre);
    QFETCH(QString, mensaje);
    Banco b;
    const QStringList antes = Contenido(b.dir.path());
    b.f->Nombre->setFocus();
    b.f->EnBlanco->setFocus();
    b.Aceptar(nombre);
    QCOMPARE(b.ui.mensajes.size(), 1);
    QCOMPARE(b.ui.mensajes[0].tipo, Interfaz::Tipo::Error);
    QCOMPARE(b.ui.mensajes[0].texto, mensaje);
    QVERIFY(b.SigueAbierto());
    QCOMPARE(b.f->focusWidget(), b.f->Nombre);
    QCOMPARE(Contenido(b.dir.path()), antes);
    QVERIFY(b.EnCalendarActual());
    QCOMPARE(Filas(b.Ruta(QStringLiteral("Calendar.udb"))), ComoMapa(kActual));
}

void TestNuevoCalen::creacion_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("enBlanco");
    QTest::newRow("copia del actual") << "Madrid" << false;
    QTest::newRow("en blanco") << "Madrid" << true;
    // The in-use check is exact: another case is another name.
    QTest::newRow("el actual en minúsculas") << "calendar" << false;
}

void TestNuevoCalen::creacion()
{
    QFETCH(QString, nombre);
    QFETCH(bool, enBlanco);
    Banco b;
    b.Aceptar(nombre, enBlanco);
    const QString nuevo = nombre + QStringLiteral(".udb");
    QVERIFY(b.ui.mensajes.isEmpty());
    QCOMPARE(b.f->result(), int(QDialog::Accepted));
    QVERIFY(!b.f->isVisible());
    QCOMPARE(b.Calendario, nuevo);
    QCOMPARE(b.BD.Ruta(), b.Ruta(nuevo));
    QVERIFY(b.BD.Conectado());
    QVERIFY(!b.BD.Exclusivo());

    QCOMPARE(Filas(b.Ruta(nuevo)), (enBlanco ? QMap<qint64, QChar>() : ComoMapa(kActual)));
    QCOMPARE(Filas(b.Ruta(QStringLiteral("Calendar.udb"))), ComoMapa(kActual));
    // Back on shared access: the program's own lookups go on working.
    b.BD.Abrir();
    QCOMPARE(b.BD.NumeroFilas(), enBlanco ? 0 : int(kActual.size()));
}

void TestNuevoCalen::sobrescribir()
{
    Banco b;
    const QString madrid = b.Ruta(QStringLiteral("Madrid.udb"));
    CrearCalendario(madrid, {{1, u'2'}});
    const QByteArray antes = Bytes(madrid);

    b.ui.respuestas.enqueue(false);
    b.Aceptar(QStringLiteral("Madrid"));
    QCOMPARE(b.ui.mensajes.size(), 1);
    QCOMPARE(b.ui.mensajes[0].tipo, Interfaz::Tipo::Confirmacion);
    QCOMPARE(b.ui.mensajes[0].texto, QStringLiteral("Este calendario ya existe, ¿desea sobreescribirlo?"));
    QVERIFY(b.ui.mensajes[0].nivelBajado > 0);
    QCOMPARE(b.ui.NivelBajado(), 0);
    QVERIFY(b.SigueAbierto());
    QCOMPARE(b.f->focusWidget(), b.f->Nombre);
    QCOMPARE(Bytes(madrid), antes);
    QVERIFY(b.EnCalendarActual());

    b.ui.Limpiar();
    b.ui.respuestas.enqueue(true);
    b.Aceptar(QStringLiteral("Madrid"));
    QCOMPARE(b.ui.Textos(), QStringList{QStringLiteral("Este calendario ya existe, ¿desea sobreescribirlo?")});
    QCOMPARE(b.f->result(), int(QDialog::Accepted));
    QCOMPARE(b.Calendario, QStringLiteral("Madrid.udb"));
    QCOMPARE(Filas(madrid), ComoMapa(kActual));
}

// The copy cannot land (a folder holds the name): the previous calendar
// stays current and connected.
void TestNuevoCalen::falloAlCopiar()
{
    Banco b;
    QVERIFY(QDir(b.dir.path()).mkdir(QStringLiteral("Madrid.udb")));
    b.ui.respuestas.enqueue(true);
    b.Aceptar(QStringLiteral("Madrid"));
    QCOMPARE(b.ui.Textos(), (QStringList{QStringLiteral("Este calendario ya existe, ¿desea sobreescribirlo?"),
                                         QStringLiteral("Error al crear el nuevo calendario")}));
    QCOMPARE(b.ui.mensajes[1].tipo, Interfaz::Tipo::Error);
    QVERIFY(b.SigueAbierto());
    QVERIFY(b.EnCalendarActual());
    b.BD.Abrir();
    QCOMPARE(b.BD.NumeroFilas(), int(kActual.size()));
}

QTEST_MAIN(TestNuevoCalen)
#include "test_nuevocalen.moc"
