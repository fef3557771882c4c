#include "domain/PDC_Obiekt.h"

#include <limits>

std::int32_t licznik_obiektow = 0;

namespace {
constexpr std::int32_t najwiekszy_identyfikator = std::numeric_limits<std::int32_t>::max();
}

PDC_Obiekt::PDC_Obiekt()
{
    // Saturates instead of overflowing; callers that store objects check
    // Identyfikatory_wyczerpane() first, so the repeated value is never saved.
    if (licznik_obiektow < najwiekszy_identyfikator)
        ++licznik_obiektow;
    identyfikator = licznik_obiektow;
}

void PDC_Obiekt::Wpisz_skladniki(Tablica_obiektow*)
{
}

void PDC_Obiekt::Ustaw_identyfikator(std::int32_t nowy)
{
    identyfikator = nowy;
    // Objects created later must never draw an identifier that a loaded one holds.
    if (nowy > licznik_obiektow)
        licznik_obiektow = nowy;
}

bool Identyfikatory_wyczerpane()
{
    return licznik_obiektow == najwiekszy_identyfikator;
}
