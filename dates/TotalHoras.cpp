#include "TotalHoras.h"

#include "Funcion.h"

#include <cmath>
#include <cstdlib>

using namespace Funcion;

QString VerTotalHoras(double dias)
{
    if (!std::isfinite(dias) || std::abs(dias) > 1e9)
        return QString();
    // Days and time of day come from one split rounded to the millisecond,
    // so a sum a hair under a whole day still reads as that day.
    const qint64 ms = std::llround(dias * 86400000.0);
    const qint64 magnitud = std::llabs(ms);
    const qint64 horas = magnitud / 3600000;
    const int minutos = int(magnitud / 60000 % 60);
    const int segundos = int(magnitud / 1000 % 60);
    // A negative total (never produced by sums of times) keeps its sign in front.
    return (ms < 0 ? QStringLiteral("-") : QString()) + QuitarEspacios(EnteroATexto(horas, 0)) + QStringLiteral("h ")
           + EnteroConCeros(minutos, 2) + QStringLiteral("m ") + EnteroConCeros(segundos, 2) + QStringLiteral("s ");
}
