// Day counting by weekday arithmetic: whole weeks and a remainder give the
// business weekdays of a span, and the holidays of the span, fetched with
// one range query, are taken off. The result is the same as walking the
// span day by day, at a cost that depends only on the holidays it holds.

#include "Dias.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace {

// Weekday bits: bit 0 Sunday .. bit 6 Saturday.
constexpr unsigned kLunesAViernes = 0x3Eu;
constexpr unsigned kSabado = 0x40u;

// 0 Sunday .. 6 Saturday. The offset (a multiple of 7, plus 6 because serial
// 1 is a Sunday) keeps every accepted date non-negative; unsigned arithmetic
// keeps a stray value from being undefined, it is filtered out anyway.
inline int DiaSem0(int dia)
{
    return int((unsigned(dia) + 657446u) % 7u);
}

unsigned MascaraHabiles(const OpcionesDias &o)
{
    return o.sabadosNo ? kLunesAViernes : kLunesAViernes | kSabado;
}

void Comprobar(long long dia)
{
    if (dia < kPrimerDia || dia > kUltimoDia)
        throw std::out_of_range("fecha fuera de 01/01/0100 .. 31/12/9999");
}

// Days of [desde, hasta] whose weekday is in mascara; 0 for an empty span.
long long DiasDeSemana(int desde, int hasta, unsigned mascara)
{
    if (desde > hasta)
        return 0;
    const long long n = static_cast<long long>(hasta) - desde + 1;
    const unsigned resto = unsigned(n % 7);
    // The remainder days start at desde's weekday and may wrap past Saturday.
    const unsigned doble = mascara | (mascara << 7);
    const unsigned ventana = (doble >> DiaSem0(desde)) & ((1u << resto) - 1u);
    return n / 7 * std::popcount(mascara) + std::popcount(ventana);
}

// Processors with wider vectors get a copy of the holiday pass of their own,
// chosen once when the program is loaded.
#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define TALLYRA_VECTORES __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef TALLYRA_VECTORES
#define TALLYRA_VECTORES
#endif

// Distinct holidays of [desde, hasta] on a weekday of mascara, i.e. the days
// the weekday arithmetic counted that are not business days after all.
// This pass is the only part of a count that grows with the period, so it
// is kept free of branches, divisions and table lookups for the compiler to
// turn into vector code: x is a multiple of 7 exactly when x times the
// inverse of 7 modulo 2^32 is at most (2^32 - 1) / 7, and one product
// answers for Sunday (x) and Saturday (x + 1) alike. Repeated dates sit side
// by side in a sorted list; an unsorted one is sorted first.
TALLYRA_VECTORES
int FestivosLaborables(const std::vector<int> &festivos, int desde, int hasta, unsigned mascara)
{
    const int *p = festivos.data();
    const size_t n = festivos.size();
    if (n == 0)
        return 0;
    constexpr unsigned kInverso7 = 0xB6DB6DB7u; // 7 * kInverso7 == 1 modulo 2^32
    constexpr unsigned kMultiplo = 0xFFFFFFFFu / 7u;
    // Sunday is never a business day, so only Saturday depends on the options.
    const unsigned sabado = (mascara >> 6) & 1u;
    auto laborable = [=](int d) {
        // With DiaSem0's offset, Sundays are the multiples of 7 and Saturdays
        // the numbers just below them.
        const unsigned x = (unsigned(d) + 657446u) * kInverso7;
        const unsigned domingo = unsigned(x <= kMultiplo);
        const unsigned esSabado = unsigned(x + kInverso7 <= kMultiplo);
        return unsigned(d >= desde) & unsigned(d <= hasta) & (domingo ^ 1u) & ((esSabado ^ 1u) | sabado);
    };
    unsigned cuenta = laborable(p[0]);
    unsigned desorden = 0;
    for (size_t i = 1; i < n; ++i) {
        desorden |= unsigned(p[i] < p[i - 1]);
        cuenta += unsigned(p[i] != p[i - 1]) & laborable(p[i]);
    }
    if (desorden == 0)
        return int(cuenta);
    std::vector<int> copia = festivos;
    std::sort(copia.begin(), copia.end());
    return FestivosLaborables(copia, desde, hasta, mascara);
}

// The holidays of [desde, hasta] that fall on a weekday of mascara, ascending,
// each once.
std::vector<int> Depurar(std::vector<int> festivos, int desde, int hasta, unsigned mascara)
{
    std::erase_if(festivos, [&](int d) {
        return d < desde || d > hasta || !((mascara >> DiaSem0(d)) & 1u);
    });
    if (!std::is_sorted(festivos.begin(), festivos.end()))
        std::sort(festivos.begin(), festivos.end());
    festivos.erase(std::unique(festivos.begin(), festivos.end()), festivos.end());
    return festivos;
}

// The k-th day (k >= 1) after dia (paso 1) or before it (paso -1) whose
// weekday is in mascara: whole weeks, then at most seven single days.
long long Avanzar(int dia, long long k, int paso, unsigned mascara)
{
    const int porSemana = std::popcount(mascara);
    const long long semanas = (k - 1) / porSemana;
    long long quedan = (k - 1) % porSemana + 1;
    const int w0 = DiaSem0(dia);
    for (int j = 1;; ++j) {
        const int w = ((w0 + paso * j) % 7 + 7) % 7;
        if (((mascara >> w) & 1u) && --quedan == 0)
            return dia + paso * (7 * semanas + j);
    }
}

// The holidays strictly between fecha and limite (limite included), in the
// order of the walk: ascending forwards, descending backwards.
std::vector<int> FestivosEnCamino(int fecha, long long limite, int paso, unsigned mascara,
                                  const ConsultaFestivos &f)
{
    const int desde = int(paso > 0 ? fecha + 1LL : limite);
    const int hasta = int(paso > 0 ? limite : fecha - 1LL);
    if (desde > hasta)
        return {};
    std::vector<int> lista = Depurar(f(desde, hasta), desde, hasta, mascara);
    if (paso < 0)
        std::reverse(lista.begin(), lista.end());
    return lista;
}

} // namespace

int CalcularDias(int a, int b, const OpcionesDias &o, const ConsultaFestivos &f)
{
    Comprobar(a);
    Comprobar(b);
    const int desde = std::min(a, b);
    const int hasta = std::max(a, b);
    if (o.habiles)
        return DiasHabiles(desde, hasta, o, f);
    return hasta - desde + (o.ambosInc ? 1 : 0);
}

int DiasHabiles(int desde, int hasta, const OpcionesDias &o, const ConsultaFestivos &f)
{
    Comprobar(desde);
    Comprobar(hasta);
    const int inicio = o.ambosInc ? desde : desde + 1;
    const unsigned mascara = MascaraHabiles(o);
    long long cuenta = DiasDeSemana(inicio, hasta, mascara);
    // No business weekday in the span: no holiday can change that.
    if (f && cuenta > 0)
        cuenta -= FestivosLaborables(f(inicio, hasta), inicio, hasta, mascara);
    return int(cuenta);
}

ContadorSemana NumDiasSem(int desde, int hasta, const OpcionesDias &o, const ConsultaFestivos &f)
{
    Comprobar(desde);
    Comprobar(hasta);
    if (desde > hasta)
        std::swap(desde, hasta);
    ContadorSemana cuenta{};
    const int inicio = o.ambosInc ? desde : desde + 1;
    if (inicio > hasta)
        return cuenta;
    const int n = hasta - inicio + 1;
    const int w0 = DiaSem0(inicio);
    for (int w = 0; w < 7; ++w)
        cuenta[w + 1] = n / 7 + (((w - w0 + 7) % 7) < n % 7 ? 1 : 0);
    if (!o.habiles)
        return cuenta;
    const unsigned mascara = MascaraHabiles(o);
    for (int w = 0; w < 7; ++w)
        if (!((mascara >> w) & 1u))
            cuenta[w + 1] = 0;
    if (f)
        for (const int d : Depurar(f(inicio, hasta), inicio, hasta, mascara))
            --cuenta[DiaSem0(d) + 1];
    return cuenta;
}

int CalcularFecha(int fecha, int n, const OpcionesDias &o, const ConsultaFestivos &f)
{
    if (o.habiles)
        return NumDiasHabiles(fecha, n, o, f);
    Comprobar(fecha);
    long long destino = static_cast<long long>(fecha) + n;
    if (o.ambosInc)
        destino += n > 0 ? -1 : (n < 0 ? 1 : 0);
    Comprobar(destino);
    return int(destino);
}

int NumDiasHabiles(int fecha, int n, const OpcionesDias &o, const ConsultaFestivos &f)
{
    Comprobar(fecha);
    // With ambosInc the date itself is the first of the n days.
    const long long k = (n < 0 ? -static_cast<long long>(n) : n) - (o.ambosInc ? 1 : 0);
    if (k <= 0)
        return fecha;
    const int paso = n > 0 ? 1 : -1;
    const unsigned mascara = MascaraHabiles(o);
    long long destino = Avanzar(fecha, k, paso, mascara);
    Comprobar(destino);
    if (!f)
        return int(destino);

    // Holidays are fetched a little beyond the holiday-free target, so that
    // one query usually covers the extra days they add; when it does not,
    // the next query reaches twice as far.
    long long margen = (paso * (destino - fecha)) / 8 + 14;
    auto Limite = [&](long long desdeDia) {
        return std::clamp<long long>(desdeDia + paso * margen, kPrimerDia, kUltimoDia);
    };
    long long limite = Limite(destino);
    std::vector<int> festivos = FestivosEnCamino(fecha, limite, paso, mascara, f);
    size_t i = 0;
    for (;;) {
        // Each holiday passed on the way is one business day still owed.
        long long debidos = 0;
        while (i < festivos.size() && paso * (festivos[i] - destino) <= 0) {
            ++i;
            ++debidos;
        }
        if (debidos > 0) {
            destino = Avanzar(int(destino), debidos, paso, mascara);
            Comprobar(destino);
            continue;
        }
        if (paso * (destino - limite) <= 0)
            return int(destino);
        margen *= 2;
        const long long anterior = limite;
        limite = Limite(destino);
        std::vector<int> mas = FestivosEnCamino(int(anterior), limite, paso, mascara, f);
        festivos.insert(festivos.end(), mas.begin(), mas.end());
    }
}
