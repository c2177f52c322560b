#pragma once
// Calendar and business days between dates and dates a number of days away,
// on whole day serials (days since 30/12/1899; serial 0 is a Saturday).
//
// A business day is not a Sunday, not a holiday of the calendar (when the
// calendar has rows) and not a Saturday when sabadosNo is set. The counts
// use weekday arithmetic less the holidays of the period counted by
// weekday, so their cost does not grow with the length of the period beyond
// what the calendar needs to answer: one range query for a calendar that
// lists its holidays, two binary searches for an IndiceFestivos.
//
// Every function throws std::out_of_range when a date it is given or would
// return lies outside 01/01/0100 .. 31/12/9999.

#include <array>
#include <functional>
#include <vector>

struct OpcionesDias {
    bool ambosInc = false;   // "Ambos inclusive": the first day counts too
    bool habiles = false;    // business days instead of calendar days
    bool sabadosNo = false;  // Saturday is not a business day
};

// Holiday serials d with desde <= d <= hasta, ascending (one range query on the calendar).
// An empty std::function means the calendar table has no rows: no lookup at all.
using ConsultaFestivos = std::function<std::vector<int>(int desde, int hasta)>;
// Counts per weekday, index 1 (Sunday) .. 7 (Saturday); index 0 unused.
using ContadorSemana = std::array<int, 8>;
// How many distinct holidays of [desde, hasta] fall on each weekday,
// Saturdays and Sundays included. Empty, as above: no rows, no lookup.
using ConteoFestivos = std::function<ContadorSemana(int desde, int hasta)>;

// Counts given from index 0 (Sunday) to 6 (Saturday), as the calendar store
// answers them, in the layout above.
inline ContadorSemana ContadorSemanaDe(const std::array<int, 7> &porDia)
{
    ContadorSemana cuenta{};
    for (int w = 0; w < 7; ++w)
        cuenta[w + 1] = porDia[w];
    return cuenta;
}

// The counts of a calendar that can only list its holidays: one range query
// per count; the list may repeat dates and come in any order.
ConteoFestivos ContarLista(ConsultaFestivos lista);

// Serials of 01/01/0100 and 31/12/9999, the dates the program accepts.
inline constexpr int kPrimerDia = -657434;
inline constexpr int kUltimoDia = 2958465;

// 0 Sunday .. 6 Saturday. The offset (a multiple of 7, plus 6 because serial
// 1 is a Sunday) keeps every accepted date non-negative; unsigned arithmetic
// keeps a stray value from being undefined, the counts filter it out anyway.
inline int DiaSem0(int dia)
{
    return int((unsigned(dia) + 657446u) % 7u);
}

// Days between a and b in either order, never negative: business days when
// o.habiles, else calendar days (one more with o.ambosInc).
int CalcularDias(int a, int b, const OpcionesDias &o, const ConteoFestivos &f);
int CalcularDias(int a, int b, const OpcionesDias &o, const ConsultaFestivos &f);
// Business days from desde (included only with o.ambosInc) to hasta; desde <= hasta.
int DiasHabiles(int desde, int hasta, const OpcionesDias &o, const ConteoFestivos &f);
int DiasHabiles(int desde, int hasta, const OpcionesDias &o, const ConsultaFestivos &f);
// Days of each weekday in the same span as DiasHabiles, business days only
// when o.habiles; swaps desde and hasta if desde > hasta.
ContadorSemana NumDiasSem(int desde, int hasta, const OpcionesDias &o, const ConteoFestivos &f);
ContadorSemana NumDiasSem(int desde, int hasta, const OpcionesDias &o, const ConsultaFestivos &f);
// The date n days away (n != 0, may be negative): business days when
// o.habiles; with o.ambosInc the date itself is the first day.
int CalcularFecha(int fecha, int n, const OpcionesDias &o, const ConsultaFestivos &f);
// The date n business days away; with o.ambosInc the date itself counts as
// the first business day, so n = 1 or -1 gives the date back.
int NumDiasHabiles(int fecha, int n, const OpcionesDias &o, const ConsultaFestivos &f);
