#include "persistence/Indeks_identyfikatorow.h"

bool Indeks_identyfikatorow::Wstaw(std::int32_t id, Wpis wpis)
{
    if (Znajdz(id).kod_klasy != pusty)
        return false;
    if (wpis.kod_klasy == pusty)
        ++wpis.kod_klasy; // a code no class has either, but not the empty mark
    // At most two thirds full, so that probes stay short.
    if (Za_pelny(zajete + 1, sloty.size()))
        Przebuduj(sloty.empty() ? 64 : 2 * sloty.size());
    std::size_t i = Poczatek(id);
    while (sloty[i].wpis.kod_klasy != pusty)
        i = (i + 1) & maska;
    sloty[i] = { wpis, id };
    ++zajete;
    return true;
}

void Indeks_identyfikatorow::Zarezerwuj(std::size_t n)
{
    std::size_t rozmiar = sloty.empty() ? 64 : sloty.size();
    while (Za_pelny(n, rozmiar))
        rozmiar *= 2;
    if (rozmiar != sloty.size())
        Przebuduj(rozmiar);
}

void Indeks_identyfikatorow::Przebuduj(std::size_t rozmiar)
{
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
