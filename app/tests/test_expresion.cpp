// The formula button: result on the display, formula and result on the clipboard.

#include "Banco.h"
#include "Entrada.h"

namespace {
// Answers the next input dialog with a formula, or cancels it when formula is null.
void Responder(Banco &b, const QString &formula)
{
    b.ui.modales.enqueue([formula](QDialog &d) {
        auto &f = dynamic_cast<TFormEntrada &>(d);
        if (f.windowTitle() != QStringLiteral("Introduzca una Expresión") || f.Modo != QStringLiteral("expresion"))
            return int(QDialog::Rejected);
        if (formula.isNull()) {
            f.reject();
            return int(QDialog::Rejected);
        }
        f.Edit2->setText(formula);
        f.BotOKClick();
        return f.result();
    });
}
} // namespace

class TestExpresion : public QObject {
    Q_OBJECT
private slots:
    void resultado_data();
    void resultado();
    void cancelarCopiaLaLineaVacia();
    void laPantallaEmpiezaDeNuevoTrasElResultado();
};

void TestExpresion::resultado_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QStringList>("mensajes");

    QTest::newRow("cociente reescrito antes de multiplicar")
        << "5*(4+23)/(3+4)" << "19,2857142855" << "19,2857142855" << QStringList{};
    QTest::newRow("punto decimal") << "2.5*2" << "5" << "5" << QStringList{};
    QTest::newRow("texto tal cual") << "'abc'&'def'" << "abcdef" << "abcdef" << QStringList{};
    QTest::newRow("division por cero") << "8/0" << "" << "" << QStringList{"Expresión errónea"};
    QTest::newRow("nombre sin valor") << "total" << "" << "" << QStringList{};
}

void TestExpresion::resultado()
{
    QFETCH(QString, formula);
    QFETCH(QString, pantalla);
    QFETCH(QString, entrada);
    QFETCH(QStringList, mensajes);
    Banco b;
    Responder(b, formula);
    b.w->BExpresion->click();
    QCOMPARE(b.ui.modales.size(), 0);
    QCOMPARE(b.w->EntradaCalc, entrada);
    QCOMPARE(b.Pantalla(), pantalla);
    QCOMPARE(b.ui.Textos(), mensajes);
    QCOMPARE(b.ui.portapapeles, formula + " = " + entrada + "\n");
    QVERIFY(b.Tira().isEmpty());
}

void TestExpresion::cancelarCopiaLaLineaVacia()
{
    Banco b;
    b.Teclear("12");
    Responder(b, QString());
    b.w->BExpresion->click();
    QCOMPARE(b.ui.portapapeles, QStringLiteral(" = 12\n"));
    QCOMPARE(b.w->EntradaCalc, QStringLiteral("12"));
}

void TestExpresion::laPantallaEmpiezaDeNuevoTrasElResultado()
{
    Banco b;
    Responder(b, QStringLiteral("1/4"));
    b.w->BExpresion->click();
    QCOMPARE(b.Pantalla(), QStringLiteral("0,25"));
    b.Teclear("+");
    b.Teclear("3+");
    QCOMPARE(b.w->Suma, 3.25);
}

QTEST_MAIN(TestExpresion)
#include "test_expresion.moc"
