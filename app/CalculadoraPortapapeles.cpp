// Exchange with the clipboard: the tape out, numbers in, and the displayed
// amount as a number, in words or in pesetas.

#include "Calculadora.h"
#include "Formato.h"
#include "Funcion.h"
#include "Interfaz.h"
#include "Letras.h"

#include <QRegularExpression>
#include <cmath>

using namespace Funcion;

namespace {

const QString FinDeLinea = QStringLiteral("\n");

// One clipboard line per item, each ended by the line end.
QString UnirLineas(const QStringList &lineas)
{
    QString texto;
    for (const QString &l : lineas)
        texto += l + FinDeLinea;
    return texto;
}

// The number of a calculator tape line as a clipboard item: its digits and
// comma, negative when the line holds exactly one minus sign.
QString NumeroDeLinea(const QString &linea)
{
    QString numero;
    int menos = 0;
    for (QChar c : linea) {
        if (c.isDigit() || c == QLatin1Char(','))
            numero += c;
        else if (c == QLatin1Char('-'))
            ++menos;
    }
    if (numero.isEmpty())
        return numero;
    return menos == 1 ? QLatin1Char('-') + numero : numero;
}

} // namespace

QStringList TFormCalculadora::LineasParaCopiar() const
{
    QStringList lineas;
    switch (ModoActual) {
    case 0: {
        static const QString marcas = QStringLiteral("%+-/RTX");
        for (int i = 0; i < Papel->count(); ++i) {
            const QString linea = Papel->item(i)->text();
            if (linea.isEmpty() || !marcas.contains(linea.back()))
                continue;
            const QString numero = NumeroDeLinea(linea);
            if (!numero.isEmpty())
                lineas << numero;
        }
        break;
    }
    case 1:
    case 2: {
        const QListWidget *tira = ModoActual == 1 ? Papel1 : Papel2;
        for (int i = 0; i < tira->count(); ++i)
            lineas << tira->item(i)->text();
        break;
    }
    default:
        break;
    }
    return lineas;
}

void TFormCalculadora::BotCopPortaClick()
{
    const QStringList lineas = LineasParaCopiar();
    if (!lineas.isEmpty())
        ui_.EscribirPortapapeles(UnirLineas(lineas));
    ReponerFoco();
}

void TFormCalculadora::BotPegPortaClick()
{
    if (ModoActual != 0) {
        SuperioresBajados guarda(ui_);
        ui_.Informacion(QStringLiteral("Esta opción sólo está disponible en modo calculadora"));
        return;
    }
    static const QRegularExpression finales(QStringLiteral("\r\n|\r|\n"));
    QStringList lineas = ui_.LeerPortapapeles().split(finales);
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast(); // the end of the last line, not an empty item
    for (const QString &linea : std::as_const(lineas)) {
        const double v = TextoANumero(linea);
        const double nueva = Suma + v;
        if (!std::isfinite(nueva))
            continue; // a line that would overflow the sum is skipped alone
        Suma = nueva;
        ++Sumandos;
        LSumandos->setText(QString::number(Sumandos));
        TiraPapel(QLatin1Char('+'), v);
        QString copia = FormatoGeneral(Suma);
        VerPantalla(copia);
    }
    ReponerFoco();
}

void TFormCalculadora::BotCopPPNumClick()
{
    ui_.EscribirPortapapeles(FormatoGeneral(TextoANumero(TextoPantalla->text())) + FinDeLinea);
    ReponerFoco();
}

void TFormCalculadora::BotCopPPNumLetrasClick()
{
    const double v = TextoANumero(TextoPantalla->text());
    const QString texto = v > 999999999.0 ? QStringLiteral("Número demasiado largo") : ImporteALetras(v);
    ui_.EscribirPortapapeles(texto + FinDeLinea);
    ReponerFoco();
}

void TFormCalculadora::BotCopPPPesetasClick()
{
    const double v = TextoANumero(EditPtas->text());
    const QString texto = std::isfinite(v) ? FormatoGeneral(v)
                                           : QStringLiteral("Error al pasar al portapapeles, revise el importe");
    ui_.EscribirPortapapeles(texto + FinDeLinea);
    ReponerFoco();
}
