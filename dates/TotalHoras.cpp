#include "TotalHoras.h"

#include "FechaHora.h"
#include "Funcion.h"

#include <cmath>

using namespace Funcion;

QString VerTotalHoras(double dias)
{
    const QString hms = FormatearFecha(dias, QStringLiteral("hhnnss"));
    const int h = TextoAEntero(hms.mid(0, 2));
    const int m = TextoAEntero(hms.mid(2, 2));
    const int s = TextoAEntero(hms.mid(4, 2));
    const qint64 horas = 24 * static_cast<qint64>(std::floor(dias)) + h;
    return QuitarEspacios(EnteroATexto(horas, 0)) + QStringLiteral("h ") + EnteroConCeros(m, 2)
           + QStringLiteral("m ") + EnteroConCeros(s, 2) + QStringLiteral("s ");
}
