#include "Euro.h"

#include <cmath>
#include <limits>

namespace Funcion {

namespace {
// Nearest whole number, ties to even; out-of-range values saturate instead of
// overflowing the integer.
int64_t RedondeoPar(double x)
{
    if (!std::isfinite(x))
        return 0;
    const double r = std::nearbyint(x);
    if (r >= 9.2e18)
        return std::numeric_limits<int64_t>::max();
    if (r <= -9.2e18)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}
} // namespace

double PesetasAEuros(double pesetas)
{
    return std::nearbyint(pesetas * 100.0 / PesetasPorEuro) / 100.0;
}

int64_t EurosAPesetas(double euros) { return RedondeoPar(euros * PesetasPorEuro); }

} // namespace Funcion
