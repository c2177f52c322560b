// Day counting by weekday arithmetic: whole weeks and a remainder give the
// business weekdays of a span, and the holidays of the span that fall on
// those weekdays, counted by the calendar, are taken off. The result is the
// same as walking the span day by day.

#include "Dias.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <stdexcept>

namespace {

// Weekday bits: bit 0 Sunday .. bit 6 Saturday.
constexpr unsigned kLunesAViernes = 0x3Eu;
constexpr unsigned kSabado = 0x40u;

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

ConteoFestivos ContarLista(ConsultaFestivos lista)
{
    if (!lista)
        return {};
    return [lista = std::move(lista)](int desde, int hasta) {
        std::vector<int> festivos = lista(desde, hasta);
        if (!std::is_sorted(festivos.begin(), festivos.end()))
            std::sort(festivos.begin(), festivos.end());
        ContadorSemana cuenta{};
        for (size_t i = 0; i < festivos.size(); ++i) {
            const int d = festivos[i];
            if (d < desde || d > hasta || (i > 0 && d == festivos[i - 1]))
                continue;
            ++cuenta[DiaSem0(d) + 1];
        }
        return cuenta;
    };
}

int CalcularDias(int a, int b, const OpcionesDias &o, const ConteoFestivos &f)
{
    Comprobar(a);
    Comprobar(b);
    const int desde = std::min(a, b);
    const int hasta = std::max(a, b);
    if (o.habiles)
        return DiasHabiles(desde, hasta, o, f);
    return hasta - desde + (o.ambosInc ? 1 : 0);
}

int CalcularDias(int a, int b, const OpcionesDias &o, const ConsultaFestivos &f)
{
    return CalcularDias(a, b, o, ContarLista(f));
}

int DiasHabiles(int desde, int hasta, const OpcionesDias &o, const ConteoFestivos &f)
{
    Comprobar(desde);
    Comprobar(hasta);
    const int inicio = o.ambosInc ? desde : desde + 1;
    const unsigned mascara = MascaraHabiles(o);
    long long cuenta = DiasDeSemana(inicio, hasta, mascara);
    // No business weekday in the span: no holiday can change that.
    if (f && cuenta > 0) {
        const ContadorSemana festivos = f(inicio, hasta);
        for (int w = 0; w < 7; ++w)
            if ((mascara >> w) & 1u)
                cuenta -= festivos[w + 1];
    }
    return int(cuenta);
}

int DiasHabiles(int desde, int hasta, const OpcionesDias &o, const ConsultaFestivos &f)
{
    return DiasHabiles(desde, hasta, o, ContarLista(f));
}

ContadorSemana NumDiasSem(int desde, int hasta, const OpcionesDias &o, const ConteoFestivos &f)
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
    if (f) {
        const ContadorSemana festivos = f(inicio, hasta);
        for (int w = 0; w < 7; ++w)
            if ((mascara >> w) & 1u)
                cuenta[w + 1] -= festivos[w + 1];
    }
    return cuenta;
}

ContadorSemana NumDiasSem(int desde, int hasta, const OpcionesDias &o, const ConsultaFestivos &f)
{
    return NumDiasSem(desde, hasta, o, ContarLista(f));
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
