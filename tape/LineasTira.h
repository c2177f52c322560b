#pragma once
// Line layouts of the three paper tapes. A value line ends its number in
// column 22, then a blank and a one-character mark; the last character of a
// line tells later readers (editing, clipboard, files) what kind it is.

#include <QChar>
#include <QString>
#include <QStringList>

namespace Tira {

inline constexpr int Ancho = 22;

QString LineaBlanco();     // " "
QString LineaError();      // 16 blanks, "ERROR", 2 blanks
QString LineaTilde();      // 13 tildes, calculator and dates
QString LineaTildeHora();  // 12 tildes, time
QString LineaRaya();       // calculator rule
QString LineaRayaFecha();  // dates and time rule
QString LineaCuenta(int sumandos); // "CNT: " + count

// max(1, k) blanks.
QString Relleno(int k);
// number right-aligned to column 22, a blank, the mark.
QString LineaValor(const QString &numero, QChar marca);

// The mask that prints every decimal of g, a number in general format.
QString MascaraCompleta(const QString &g);

struct EstadoCalculadora {
    int decimales = 2;        // position of the decimals selector
    bool flotante = false;    // at its floating position
    QString mascara = QStringLiteral("#,##0.00");
    int sumandos = 0;
};
// The lines one calculator entry writes.
QStringList LineasCalculadora(QChar marca, double valor, const EstadoCalculadora &estado);

struct EstadoFechas {
    bool ambosInc = false;
    bool habiles = false;
    bool sabadosNo = false;
    QString coeficiente;      // text of the coefficient field
    int sumandos = 0;
};
// The lines one date entry writes; fecha receives the date read from texto
// (0 when it is not a date) so the caller can show it in its picker.
QStringList LineasFechas(const QString &texto, QChar marca, const EstadoFechas &estado, double *fecha = nullptr);

struct EstadoTiempo {
    QString totalHoras;       // the running total as hours, minutes and seconds
    int marcas = 0;           // stopwatch mark counter
    int sumandos = 0;
};
// The lines one time entry writes; the text of "T", "S", "L" and "M" lines is
// returned in resultado (empty for the others).
QStringList LineasTiempo(const QString &texto, QChar marca, const EstadoTiempo &estado, QString *resultado = nullptr);
// The running time total as a subtotal: laid out like the total line, mark "S".
QString LineaSubtotalHoras(const QString &totalHoras);

} // namespace Tira
