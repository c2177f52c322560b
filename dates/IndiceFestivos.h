#pragma once
// A calendar's holidays held in memory for counts that cost the same for a
// week as for a century: the sorted dates and, beside each, how many of the
// dates before it fall on each weekday, so the holidays of a period by
// weekday are the difference of two rows found by binary search.

#include "Dias.h"

#include <array>
#include <vector>

class IndiceFestivos
{
public:
    // Replaces the holidays held; dates may repeat and come in any order.
    void Cargar(std::vector<int> festivos);
    bool Vacio() const { return dias_.empty(); }

    // Distinct holidays of [desde, hasta] per weekday; zeros when desde > hasta.
    ContadorSemana Contar(int desde, int hasta) const;
    // The holidays of [desde, hasta], ascending, each once.
    std::vector<int> Listar(int desde, int hasta) const;

    // The index as the day counts ask a calendar. Both are empty when the
    // index holds no holiday, as for a calendar with no rows. They refer to
    // this index, which must outlive them.
    ConteoFestivos Conteo() const;
    ConsultaFestivos Consulta() const;

private:
    std::vector<int> dias_;
    // acumulado_[i][w]: how many of dias_[0 .. i) fall on weekday w (0 Sunday).
    std::vector<std::array<int, 7>> acumulado_;
};
