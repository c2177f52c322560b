#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "Entrada.h"
#include "InterfazFalsa.h"

namespace {

const QString kHoraIncorrecta = QStringLiteral("Hora incorrecta, formato hh:ss");

bool ModoHoras(const QString &modo)
{
    return modo.startsWith(QLatin1String("alarma")) || modo.startsWith(QLatin1String("cuentaatras"));
}

// The dialog as its callers set it up, shown over a clock that stands still.
struct Banco {
    InterfazFalsa ui;
    QTime ahora{10, 0, 0};
    std::unique_ptr<TFormEntrada> f;

    explicit Banco(const QString &modo, const QString &valorAnterior = {}, QTime hora = QTime(10, 0, 0))
        : ahora(hora)
    {
        f = std::make_unique<TFormEntrada>(ui, nullptr, [this] { return ahora; });
        f->setWindowTitle(QStringLiteral("Introduzca el nuevo valor"));
        f->Modo = modo;
        if (ModoHoras(modo))
            f->Mensaje->setText(QStringLiteral("Introduzca el tiempo de cuenta atrás"));
        if (!valorAnterior.isEmpty())
            f->Edit3->setText(valorAnterior);
        f->show();
    }

    QLineEdit *Campo() const
    {
        if (ModoHoras(f->Modo))
            return f->Edit1;
        return f->Modo == QLatin1String("expresion") ? f->Edit2 : f->Edit3;
    }

    // Types into the field of the mode; '<' stands for Backspace.
    void Teclear(const QString &teclas) const
    {
        for (QChar c : teclas) {
            if (c == u'<')
                QTest::keyClick(Campo(), Qt::Key_Backspace);
            else
                QTest::keyClicks(Campo(), QString(c));
        }
    }

    bool Aceptado() const { return !f->isVisible() && f->result() == QDialog::Accepted; }
    bool Anulado() const { return !f->isVisible() && f->result() == QDialog::Rejected; }
};

} // namespace

class TestEntradaDialogo : public QObject
{
    Q_OBJECT

private slots:
    void controles();
    void paneles_data();
    void paneles();
    void horas_data();
    void horas();
    void puntoEnHoras_data();
    void puntoEnHoras();
    void botonesRapidos_data();
    void botonesRapidos();
    void SpinEdit1_data();
    void SpinEdit1();
    void edicionSinValidar_data();
    void edicionSinValidar();
    void teclaIntro_data();
    void teclaIntro();
    void anular_data();
    void anular();
};

void TestEntradaDialogo::controles()
{
    InterfazFalsa ui;
    TFormEntrada f(ui);
    QVERIFY(f.Modo.isEmpty());
    QVERIFY(f.Resultado.isEmpty());
    QVERIFY(f.BotOK->isDefault());
    QVERIFY(!f.botAnular->isDefault());
    QVERIFY(f.isModal());
    QVERIFY(f.windowFlags() & Qt::WindowStaysOnTopHint);

    QCOMPARE(f.b5->text(), QStringLiteral("+ 5 min"));
    QCOMPARE(f.b15->text(), QStringLiteral("+ 15 min"));
    QCOMPARE(f.b30->text(), QStringLiteral("+ 30 min"));
    QCOMPARE(f.Label1->text(), QStringLiteral("Expresión:"));
    QCOMPARE(f.Mensaje0->text(), QStringLiteral("                P.ej.      5*(4+23)/(3+4)   "));
    QCOMPARE(f.Label2->text(), QStringLiteral("Introduza el nuevo valor"));
    QCOMPARE(f.BotOK->text(), QStringLiteral("OK"));
    QCOMPARE(f.botAnular->text(), QStringLiteral("Anular"));
    QVERIFY(f.Mensaje->alignment() & Qt::AlignRight);
    QCOMPARE(f.SpinEdit1->minimum(), 0);
    QCOMPARE(f.SpinEdit1->maximum(), 59);
    QCOMPARE(f.SpinEdit1->singleStep(), 10);
    QCOMPARE(f.SpinEdit1->value(), 0);
    for (QToolButton *b : {f.b5, f.b15, f.b30})
        QVERIFY(b->focusPolicy() & Qt::TabFocus);

    f.Modo = QStringLiteral("alarma");
    f.show();
    QVERIFY(f.width() >= 277 && f.height() >= 111);
    QCOMPARE(f.minimumSize(), f.maximumSize());
}

void TestEntradaDialogo::paneles_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("ayuda");

    QTest::newRow("modsum") << "modsum" << "PanelEdicion" << 12100;
    QTest::newRow("modsum1") << "modsum1" << "PanelEdicion" << 12100;
    QTest::newRow("expresion") << "expresion" << "PanelExpresion" << 0;
    QTest::newRow("alarma") << "alarma" << "PanelHoras" << 12200;
    QTest::newRow("alarma2") << "alarma2" << "PanelHoras" << 12230;
    QTest::newRow("cuentaatras") << "cuentaatras" << "PanelHoras" << 12210;
    QTest::newRow("cuentaatras2") << "cuentaatras2" << "PanelHoras" << 12240;
    QTest::newRow("sin modo") << "" << "" << 0;
}

void TestEntradaDialogo::paneles()
{
    QFETCH(QString, modo);
    QFETCH(QString, panel);
    QFETCH(int, ayuda);

    Banco b(modo);
    const QList<TFormEntrada::Panel *> todos{b.f->PanelHoras, b.f->PanelExpresion, b.f->PanelEdicion};
    for (TFormEntrada::Panel *p : todos) {
        QCOMPARE(p->isVisible(), p->objectName() == panel);
        if (p->isVisible()) {
            QCOMPARE(p->HelpContext, ayuda);
            QCOMPARE(b.f->focusWidget(), b.Campo());
        }
    }

    // Without a panel OK has nothing to check and simply closes.
    if (panel.isEmpty()) {
        QTest::mouseClick(b.f->BotOK, Qt::LeftButton);
        QVERIFY(b.Aceptado());
        QVERIFY(b.f->Resultado.isEmpty());
        QVERIFY(b.ui.mensajes.isEmpty());
    }
}

void TestEntradaDialogo::horas_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("enCampo");   // what the field holds when OK is taken
    QTest::addColumn<bool>("valida");

    // A bare number is minutes for a countdown, and the field shows it.
    QTest::newRow("cuenta 5") << "cuentaatras" << "5" << "00:5" << true;
    QTest::newRow("cuenta2 45") << "cuentaatras2" << "45" << "00:45" << true;
    QTest::newRow("cuenta h:mm") << "cuentaatras" << "1:30" << "1:30" << true;
    QTest::newRow("cuenta h:m:s") << "cuentaatras" << "01:30:15" << "01:30:15" << true;
    QTest::newRow("cuenta 0") << "cuentaatras" << "0" << "00:0" << true;
    // An alarm keeps the text as typed; a bare number is hours.
    QTest::newRow("alarma 7") << "alarma" << "7" << "7" << true;
    QTest::newRow("alarma hh:mm") << "alarma" << "10:30" << "10:30" << true;
    QTest::newRow("alarma última hora") << "alarma" << "23:59:59" << "23:59:59" << true;
    QTest::newRow("alarma blancos") << "alarma" << " 9:05" << " 9:05" << true;
    // After the alarm went off the caller adds a delay, short ones in minutes.
    QTest::newRow("demora 30") << "alarma2" << "30" << "30" << true;
    QTest::newRow("demora 7") << "alarma2" << "7" << "7" << true;
    QTest::newRow("demora h:mm") << "alarma2" << "1:15" << "1:15" << true;

    QTest::newRow("alarma 25:00") << "alarma" << "25:00" << "" << false;
    QTest::newRow("alarma 24") << "alarma" << "24" << "" << false;
    QTest::newRow("alarma vacía") << "alarma" << "" << "" << false;
    QTest::newRow("alarma minutos 60") << "alarma" << "10:60" << "" << false;
    QTest::newRow("alarma letras") << "alarma" << "diez" << "" << false;
    QTest::newRow("alarma pegada con punto") << "alarma" << "10.30" << "" << false;
    QTest::newRow("alarma dos puntos al final") << "alarma" << "7:" << "" << false;
    QTest::newRow("cuenta vacía") << "cuentaatras" << "" << "" << false;
    QTest::newRow("cuenta 120") << "cuentaatras2" << "120" << "" << false;
    QTest::newRow("cuenta negativa") << "cuentaatras" << "-5" << "" << false;
    QTest::newRow("cuenta 25:00") << "cuentaatras2" << "25:00" << "" << false;
    QTest::newRow("demora 1:75") << "alarma2" << "1:75" << "" << false;
    QTest::newRow("demora 60") << "alarma2" << "60" << "" << false;
}

void TestEntradaDialogo::horas()
{
    QFETCH(QString, modo);
    QFETCH(QString, escrito);
    QFETCH(QString, enCampo);
    QFETCH(bool, valida);

    Banco b(modo);
    b.f->Edit1->setText(escrito);
    QSignalSpy cambios(b.f->Edit1, &QLineEdit::textChanged);
    QTest::mouseClick(b.f->BotOK, Qt::LeftButton);

    if (valida) {
        QVERIFY(b.Aceptado());
        QCOMPARE(b.f->Resultado, enCampo);
        QVERIFY(b.ui.mensajes.isEmpty());
        // The answer is taken before closing empties the field.
        QVERIFY(b.f->Edit1->text().isEmpty());
        if (enCampo != escrito)
            QCOMPARE(cambios.first().first().toString(), enCampo);
        return;
    }

    QVERIFY(b.f->isVisible());
    QVERIFY(b.f->Resultado.isEmpty());
    QCOMPARE(b.ui.mensajes.size(), 1);
    QCOMPARE(b.ui.mensajes[0].tipo, Interfaz::Tipo::Error);
    QCOMPARE(b.ui.mensajes[0].texto, kHoraIncorrecta);
    QVERIFY(b.f->Edit1->text().isEmpty());
    QCOMPARE(b.f->focusWidget(), b.f->Edit1);
    QVERIFY(b.f->botAnular->isDefault());

    // A second try with a good time goes through.
    b.f->Edit1->setText(QStringLiteral("08:15"));
    QVERIFY(b.f->BotOK->isDefault());
    QTest::mouseClick(b.f->BotOK, Qt::LeftButton);
    QVERIFY(b.Aceptado());
    QCOMPARE(b.f->Resultado, QStringLiteral("08:15"));
    QCOMPARE(b.ui.mensajes.size(), 1);
}

void TestEntradaDialogo::puntoEnHoras_data()
{
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("campo");

    QTest::newRow("punto") << "10.30" << "10:30";
    QTest::newRow("coma del teclado numérico") << "10,30" << "10:30";
    QTest::newRow("con segundos") << "7.05.09" << "7:05:09";
    QTest::newRow("dos puntos tal cual") << "10:30" << "10:30";
}

void TestEntradaDialogo::puntoEnHoras()
{
    QFETCH(QString, teclas);
    QFETCH(QString, campo);

    Banco b(QStringLiteral("alarma"));
    QTest::keyClicks(b.f->Edit1, teclas);
    QCOMPARE(b.f->Edit1->text(), campo);
    QTest::keyClick(b.f->Edit1, Qt::Key_Return);
    QVERIFY(b.Aceptado());
    QCOMPARE(b.f->Resultado, campo);
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestEntradaDialogo::botonesRapidos_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QTime>("ahora");
    QTest::addColumn<int>("minutos");
    QTest::addColumn<bool>("teclado");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("alarma pasada la medianoche") << "alarma" << QTime(23, 50) << 15 << false << "00:05";
    QTest::newRow("alarma sin segundos") << "alarma" << QTime(10, 0, 45) << 5 << true << "10:05";
    QTest::newRow("alarma media hora") << "alarma" << QTime(12, 59, 59) << 30 << false << "13:29";
    QTest::newRow("demora tras la alarma") << "alarma2" << QTime(23, 50) << 15 << false << "15";
    QTest::newRow("cuenta atrás") << "cuentaatras" << QTime(10, 0) << 5 << true << "5";
    QTest::newRow("nueva cuenta atrás") << "cuentaatras2" << QTime(10, 0) << 30 << false << "30";
}

void TestEntradaDialogo::botonesRapidos()
{
    QFETCH(QString, modo);
    QFETCH(QTime, ahora);
    QFETCH(int, minutos);
    QFETCH(bool, teclado);
    QFETCH(QString, resultado);

    Banco b(modo, {}, ahora);
    // Whatever is in the field does not matter: the button answers at once.
    b.f->Edit1->setText(QStringLiteral("99:99"));
    QToolButton *boton = minutos == 5 ? b.f->b5 : minutos == 15 ? b.f->b15 : b.f->b30;
    if (teclado)
        QTest::keyClick(boton, Qt::Key_Space);
    else
        QTest::mouseClick(boton, Qt::LeftButton);

    QVERIFY(b.Aceptado());
    QCOMPARE(b.f->Resultado, resultado);
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestEntradaDialogo::SpinEdit1_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QTime>("ahora");
    QTest::addColumn<int>("subidas");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("alarma diez minutos") << "alarma" << QTime(10, 0, 40) << 1 << "10:10" << "10:10";
    QTest::newRow("alarma pasada la medianoche") << "alarma" << QTime(23, 55, 30) << 1 << "00:05" << "00:05";
    QTest::newRow("alarma tope 59") << "alarma" << QTime(8, 59, 59) << 6 << "09:58" << "09:58";
    QTest::newRow("cuenta atrás 20") << "cuentaatras" << QTime(10, 0) << 2 << "20" << "00:20";
    QTest::newRow("cuenta atrás tope 59") << "cuentaatras2" << QTime(10, 0) << 6 << "59" << "00:59";
    QTest::newRow("demora 30") << "alarma2" << QTime(10, 0) << 3 << "30" << "30";
    QTest::newRow("demora 50") << "alarma2" << QTime(10, 0) << 5 << "50" << "50";
}

void TestEntradaDialogo::SpinEdit1()
{
    QFETCH(QString, modo);
    QFETCH(QTime, ahora);
    QFETCH(int, subidas);
    QFETCH(QString, campo);
    QFETCH(QString, resultado);

    Banco b(modo, {}, ahora);
    for (int i = 0; i < subidas; ++i)
        QTest::keyClick(b.f->SpinEdit1, Qt::Key_Up);
    QCOMPARE(b.f->Edit1->text(), campo);

    QTest::keyClick(b.f->Edit1, Qt::Key_Return);
    QVERIFY(b.Aceptado());
    QCOMPARE(b.f->Resultado, resultado);
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestEntradaDialogo::edicionSinValidar_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("texto");

    QTest::newRow("importe") << "modsum" << "1.234,50";
    QTest::newRow("no es número") << "modsum" << "abc";
    QTest::newRow("fecha") << "modsum1" << "31/02/2024";
    QTest::newRow("expresión") << "expresion" << "5*(4+23)/(3+4)";
    QTest::newRow("expresión vacía") << "expresion" << "";
}

void TestEntradaDialogo::edicionSinValidar()
{
    QFETCH(QString, modo);
    QFETCH(QString, texto);

    Banco b(modo);
    b.Campo()->setText(texto);
    QTest::mouseClick(b.f->BotOK, Qt::LeftButton);
    QVERIFY(b.Aceptado());
    QCOMPARE(b.f->Resultado, texto);
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestEntradaDialogo::teclaIntro_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("anterior");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<bool>("acepta");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("valor borrado anula") << "modsum" << "12,50" << "<<<<<" << false << "";
    QTest::newRow("valor sin tocar") << "modsum" << "12,50" << "" << true << "12,50";
    QTest::newRow("valor reescrito") << "modsum" << "12,50" << "<<<<<7" << true << "7";
    QTest::newRow("fecha reescrita") << "modsum1" << "12/03/2024" << "<<<<<<<<<<15/03/2024" << true
                                     << "15/03/2024";
    QTest::newRow("fecha borrada anula") << "modsum1" << "12/03/2024" << "<<<<<<<<<<" << false << "";
    QTest::newRow("expresión") << "expresion" << "" << "2+2" << true << "2+2";
    QTest::newRow("expresión borrada anula") << "expresion" << "" << "2<" << false << "";
    QTest::newRow("hora borrada anula") << "alarma" << "" << "7<" << false << "";
    QTest::newRow("cuenta atrás") << "cuentaatras" << "" << "5" << true << "00:5";
}

void TestEntradaDialogo::teclaIntro()
{
    QFETCH(QString, modo);
    QFETCH(QString, anterior);
    QFETCH(QString, teclas);
    QFETCH(bool, acepta);
    QFETCH(QString, resultado);

    Banco b(modo, anterior);
    b.Teclear(teclas);
    QTest::keyClick(b.Campo(), Qt::Key_Return);
    QVERIFY(acepta ? b.Aceptado() : b.Anulado());
    QCOMPARE(b.f->Resultado, resultado);
    QVERIFY(b.ui.mensajes.isEmpty());
}

void TestEntradaDialogo::anular_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<int>("forma");

    enum { Boton, Escape, Cierre, BotonTeclado };
    for (const char *modo : {"alarma", "cuentaatras2", "modsum", "expresion"}) {
        QTest::addRow("%s Anular", modo) << QString::fromLatin1(modo) << int(Boton);
        QTest::addRow("%s Escape", modo) << QString::fromLatin1(modo) << int(Escape);
        QTest::addRow("%s cierre", modo) << QString::fromLatin1(modo) << int(Cierre);
        QTest::addRow("%s Anular con espacio", modo) << QString::fromLatin1(modo) << int(BotonTeclado);
    }
}

void TestEntradaDialogo::anular()
{
    QFETCH(QString, modo);
    QFETCH(int, forma);

    Banco b(modo, QStringLiteral("12,50"));
    // A perfectly good answer is waiting in the field.
    b.Campo()->setText(QStringLiteral("10:30"));
    switch (forma) {
    case 0: QTest::mouseClick(b.f->botAnular, Qt::LeftButton); break;
    case 1: QTest::keyClick(b.Campo(), Qt::Key_Escape); break;
    case 2: b.f->close(); break;
    default: QTest::keyClick(b.f->botAnular, Qt::Key_Space); break;
    }

    QVERIFY(b.Anulado());
    QVERIFY(b.f->Resultado.isEmpty());
    QVERIFY(b.f->Edit1->text().isEmpty());
    QVERIFY(b.ui.mensajes.isEmpty());
}

QTEST_MAIN(TestEntradaDialogo)
#include "test_entrada_dialogo.moc"
