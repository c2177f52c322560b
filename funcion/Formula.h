#pragma once
// The small formula language: operators, quoted texts and @functions.

#include <QString>
#include <stdexcept>

namespace Funcion {

// An arithmetic fault inside a formula (division by zero, overflow, a power
// that cannot be computed, a formula too deeply nested).
class ErrorFormula : public std::runtime_error {
public:
    explicit ErrorFormula(const QString &mensaje)
        : std::runtime_error(mensaje.toStdString()), mensaje_(mensaje) {}
    QString Mensaje() const { return mensaje_; }

private:
    QString mensaje_;
};

// The value of a formula; contador feeds @CONTADOR. With quitarComillas a
// quoted final result comes back without its quotes. Throws ErrorFormula.
QString Evaluar(const QString &formula, int contador, bool quitarComillas);
// The value of one operand.
QString EvaluarOperando(const QString &texto, bool mantenerComillas);
// Given a text that starts with an @function call, the call's value (texts
// in single quotes) followed by the rest of the text after its closing
// parenthesis. A text that does not start with "@", a name (a letter, then
// letters or digits) and "(" comes back unchanged. Throws ErrorFormula for
// faults in the arguments.
QString EvaluarFuncion(const QString &texto, int contador);

} // namespace Funcion
