// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/PDC_Obiekt.h"

#include "domain/TKlasaAplikacji.h"

#include <limits>

std::int32_t licznik_obiektow = 0;

namespace {
constexpr std::int32_t najwiekszy_identyfikator = std::numeric_limits<std::int32_t>::max();

// Objects created later must never draw an identifier that a loaded one holds.
void Podnies_licznik(std::int32_t id)
{
    if (id > licznik_obiektow)
        licznik_obiektow = id;
}
} // namespace

std::int32_t Nowy_identyfikator()
{
    if (licznik_obiektow < najwiekszy_identyfikator)
        return ++licznik_obiektow;
    return aplikacja != nullptr ? aplikacja->Wolny_identyfikator() : najwiekszy_identyfikator;
}

PDC_Obiekt::PDC_Obiekt()
    : identyfikator(Nowy_identyfikator())
{
}

PDC_Obiekt::PDC_Obiekt(Identyfikator_z_pliku id)
    : identyfikator(id.wartosc)
{
    Podnies_licznik(id.wartosc);
}

void PDC_Obiekt::Ustaw_identyfikator(std::int32_t nowy)
{
    identyfikator = nowy;
    Podnies_licznik(nowy);
}
