#include "DiasReferencia.h"

#include "FechaHora.h"

#include <utility>

namespace Referencia {

bool EsHabil(int dia, const OpcionesDias &o, const EsFestivo &esFestivo)
{
    const int semana = Funcion::DiaSemana(dia);
    if (semana == 1)
        return false;
    if (esFestivo && esFestivo(dia))
        return false;
    return !(o.sabadosNo && semana == 7);
}

int CalcularDias(int a, int b, const OpcionesDias &o, const EsFestivo &esFestivo)
{
    const int desde = a < b ? a : b;
    const int hasta = a < b ? b : a;
    if (o.habiles)
        return DiasHabiles(desde, hasta, o, esFestivo);
    return hasta - desde + (o.ambosInc ? 1 : 0);
}

int DiasHabiles(int desde, int hasta, const OpcionesDias &o, const EsFestivo &esFestivo)
{
    int cuenta = 0;
    for (int dia = o.ambosInc ? desde : desde + 1; dia <= hasta; ++dia)
        if (EsHabil(dia, o, esFestivo))
            ++cuenta;
    return cuenta;
}

ContadorSemana NumDiasSem(int desde, int hasta, const OpcionesDias &o, const EsFestivo &esFestivo)
{
    ContadorSemana cuenta{};
    if (desde > hasta)
        std::swap(desde, hasta);
    for (int dia = o.ambosInc ? desde : desde + 1; dia <= hasta; ++dia) {
        const int semana = Funcion::DiaSemana(dia);
        ++cuenta[semana];
        if (o.habiles && !EsHabil(dia, o, esFestivo))
            --cuenta[semana];
    }
    return cuenta;
}

int CalcularFecha(int fecha, int n, const OpcionesDias &o, const EsFestivo &esFestivo)
{
    if (o.habiles)
        return NumDiasHabiles(fecha, n, o, esFestivo);
    if (!o.ambosInc)
        return fecha + n;
    return n > 0 ? fecha + n - 1 : fecha + n + 1;
}

int NumDiasHabiles(int fecha, int n, const OpcionesDias &o, const EsFestivo &esFestivo)
{
    int contados = o.ambosInc ? 1 : 0;
    int dia = fecha;
    if (n > 0) {
        while (contados < n) {
            ++dia;
            if (EsHabil(dia, o, esFestivo))
                ++contados;
        }
    } else {
        while (contados < -n) {
            --dia;
            if (EsHabil(dia, o, esFestivo))
                ++contados;
        }
    }
    return dia;
}

} // namespace Referencia
