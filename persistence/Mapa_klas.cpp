// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Mapa_klas.h"

void Mapa_klas::Utworz_obiekt(std::int32_t, std::int32_t, Tablica_obiektow*)
{
}
