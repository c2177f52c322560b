#include "IndiceFestivos.h"

#include <algorithm>
#include <utility>

void IndiceFestivos::Cargar(std::vector<int> festivos)
{
    std::sort(festivos.begin(), festivos.end());
    festivos.erase(std::unique(festivos.begin(), festivos.end()), festivos.end());
    dias_ = std::move(festivos);
    acumulado_.assign(dias_.size() + 1, {});
    for (size_t i = 0; i < dias_.size(); ++i) {
        acumulado_[i + 1] = acumulado_[i];
        ++acumulado_[i + 1][DiaSem0(dias_[i])];
    }
}

ContadorSemana IndiceFestivos::Contar(int desde, int hasta) const
{
    ContadorSemana cuenta{};
    if (desde > hasta || dias_.empty())
        return cuenta;
    const size_t i = std::lower_bound(dias_.begin(), dias_.end(), desde) - dias_.begin();
    const size_t j = std::upper_bound(dias_.begin() + i, dias_.end(), hasta) - dias_.begin();
    for (int w = 0; w < 7; ++w)
        cuenta[w + 1] = acumulado_[j][w] - acumulado_[i][w];
    return cuenta;
}

std::vector<int> IndiceFestivos::Listar(int desde, int hasta) const
{
    if (desde > hasta)
        return {};
    const auto primero = std::lower_bound(dias_.begin(), dias_.end(), desde);
    return std::vector<int>(primero, std::upper_bound(primero, dias_.end(), hasta));
}

ConteoFestivos IndiceFestivos::Conteo() const
{
    if (Vacio())
        return {};
    return [this](int desde, int hasta) { return Contar(desde, hasta); };
}

ConsultaFestivos IndiceFestivos::Consulta() const
{
    if (Vacio())
        return {};
    return [this](int desde, int hasta) { return Listar(desde, hasta); };
}
