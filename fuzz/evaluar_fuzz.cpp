// libFuzzer entry for the formula evaluator. Any input is a formula: the
// evaluator may refuse it with ErrorFormula, but a crash, a hang, a
// sanitizer report or any other exception is a fault.

#include "Formula.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is read and how it is evaluated.
    const uint8_t opciones = data[0];
    const QByteArrayView bytes(data + 1, qsizetype(size - 1));
    QString formula;
    if (opciones & 1) {
        // UTF-8 reaches characters the program's code page lacks.
        formula = QString::fromUtf8(bytes);
    } else {
        static QStringDecoder cp1252("windows-1252");
        formula = cp1252.decode(bytes);
    }
    const bool quitarComillas = opciones & 2;
    const int contador = int(opciones >> 2) - 32;
    try {
        Funcion::Evaluar(formula, contador, quitarComillas);
    } catch (const Funcion::ErrorFormula &) {
    }
    return 0;
}
