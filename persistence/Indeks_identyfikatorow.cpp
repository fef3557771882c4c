#include "persistence/Indeks_identyfikatorow.h"

bool Indeks_identyfikatorow::Wstaw(std::int32_t id, Wpis wpis)
{
    if (Znajdz(id).kod_klasy != pusty)
        return false;
    if (wpis.kod_klasy == pusty)
        ++wpis.kod_klasy; // a code no class has either, but not the empty mark
    // At most half full, so that probes stay short.
    if (2 * (zajete + 1) > sloty.size())
        Powieksz();
    std::size_t i = Poczatek(id);
    while (sloty[i].wpis.kod_klasy != pusty)
        i = (i + 1) & maska;
    sloty[i] = {wpis, id};
    ++zajete;
    return true;
}

void Indeks_identyfikatorow::Powieksz()
{
    const std::size_t rozmiar = sloty.empty() ? 64 : 2 * sloty.size();
    std::vector<Slot> nowe(rozmiar);
    const std::size_t nowa_maska = rozmiar - 1;
    for (const Slot& s : sloty) {
        if (s.wpis.kod_klasy == pusty)
            continue;
        std::size_t i = Skrot(s.id) & nowa_maska;
        while (nowe[i].wpis.kod_klasy != pusty)
            i = (i + 1) & nowa_maska;
        nowe[i] = s;
    }
    sloty.swap(nowe);
    maska = nowa_maska;
}
