#include "Interfaz.h"

void Interfaz::BajarSuperiores()
{
    if (nivelBajado_++ == 0)
        AlBajarSuperiores();
}

void Interfaz::RestaurarSuperiores()
{
    if (nivelBajado_ == 0)
        return;
    if (--nivelBajado_ == 0)
        AlRestaurarSuperiores();
}
