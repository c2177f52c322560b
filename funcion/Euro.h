#pragma once
// Euro and peseta at the fixed rate of 166,386 pesetas per euro.

#include <cstdint>

namespace Funcion {

inline constexpr double PesetasPorEuro = 166.386;

// Euros rounded to cents (ties to even).
double PesetasAEuros(double pesetas);
// Whole pesetas (ties to even).
int64_t EurosAPesetas(double euros);

} // namespace Funcion
