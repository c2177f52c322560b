// The formula button: a formula typed in the input dialog is evaluated into
// the calculator display, and formula and result go to the clipboard.

#include "Calculadora.h"
#include "Entrada.h"
#include "Formula.h"
#include "Interfaz.h"

void TFormCalculadora::BExpresionClick()
{
    Bkk->setChecked(true);
    QString formula;
    {
        TFormEntrada f(ui_, this);
        f.setWindowTitle(QStringLiteral("Introduzca una Expresión"));
        f.Modo = QStringLiteral("expresion");
        ui_.Modal(f);
        formula = f.Resultado;
    }
    if (!formula.isEmpty()) {
        try {
            EntradaCalc = Funcion::Evaluar(formula, 0, true);
            VerPantalla(EntradaCalc);
        } catch (const std::exception &) {
            EntradaCalc.clear();
            VerPantalla(EntradaCalc);
            SuperioresBajados guarda(ui_);
            ui_.Aviso(QStringLiteral("Expresión errónea"));
        }
    }
    // Also after a cancelled dialog or an error: the user sees what was tried.
    ui_.EscribirPortapapeles(formula + QStringLiteral(" = ") + EntradaCalc + QLatin1Char('\n'));
    NuevaEntrada = true;
    ReponerFoco();
}
