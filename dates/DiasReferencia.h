#pragma once
// The day counts walked one day at a time, with one holiday lookup per day
// that could be a business day. Slow for long periods; kept as the plain
// statement of the rules that the arithmetic in Dias.h must reproduce.

#include "Dias.h"

#include <functional>

namespace Referencia {

// True when the calendar holds that date. Empty: the calendar has no rows,
// and no lookup is made.
using EsFestivo = std::function<bool(int dia)>;

// Not a Sunday, not a holiday, and not a Saturday when o.sabadosNo.
bool EsHabil(int dia, const OpcionesDias &o, const EsFestivo &esFestivo);
int CalcularDias(int a, int b, const OpcionesDias &o, const EsFestivo &esFestivo);
int DiasHabiles(int desde, int hasta, const OpcionesDias &o, const EsFestivo &esFestivo);
ContadorSemana NumDiasSem(int desde, int hasta, const OpcionesDias &o, const EsFestivo &esFestivo);
int CalcularFecha(int fecha, int n, const OpcionesDias &o, const EsFestivo &esFestivo);
int NumDiasHabiles(int fecha, int n, const OpcionesDias &o, const EsFestivo &esFestivo);

} // namespace Referencia
