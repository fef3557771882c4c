// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Indeks_identyfikatorow.h"

#include <random>

namespace {
std::uint64_t Losowe_ziarno()
{
    std::random_device losowe;
    return (static_cast<std::uint64_t>(losowe()) << 32) ^ losowe();
}
} // namespace

// Drawn once per run, as Qt seeds QHash; the table keeps its own order.
const std::uint64_t Indeks_identyfikatorow::ziarno = Losowe_ziarno();

inline Indeks_identyfikatorow::Miejsca Indeks_identyfikatorow::Znajdz_miejsca(std::int32_t id) const
{
    Miejsca m;
    const std::uint64_t skrot = Skrot(id);
    for (std::size_t k = 0; k < sloty.size(); ++k) {
        const std::size_t i = Miejsce(skrot, k, sloty.size());
        const Slot& s = sloty[i];
        if (s.kod_klasy == pusty) {
            m.wolne = i;
            break;
        }
        if (s.id == id)
            (s.kod_klasy == posiadanie ? m.posiadanie : m.wpisany) = i;
    }
    return m;
}

PDC_Obiekt* Indeks_identyfikatorow::Posiadacz(std::int32_t id) const
{
    const Miejsca m = Znajdz_miejsca(id);
    if (m.posiadanie != brak)
        return sloty[m.posiadanie].obiekt;
    return m.wpisany != brak ? sloty[m.wpisany].obiekt : nullptr;
}

Indeks_identyfikatorow::Slot& Indeks_identyfikatorow::Nowy_slot(std::int32_t id, std::size_t wolne)
{
    // At most two thirds full, so that probes stay short and a free place
    // is always found.
    if (Za_pelny(zajete + 1, sloty.size())) {
        Przebuduj(sloty.empty() ? najmniejszy : 2 * sloty.size());
        wolne = Znajdz_miejsca(id).wolne;
    }
    ++zajete;
    return sloty[wolne];
}

bool Indeks_identyfikatorow::Wpisz(std::int32_t id, Wpis wpis)
{
    if (wpis.kod_klasy == pusty || wpis.kod_klasy == posiadanie)
        wpis.kod_klasy = posiadanie + 1; // a code no class has either, but no mark
    const Miejsca m = Znajdz_miejsca(id);
    if (m.wpisany != brak)
        return false;
    Nowy_slot(id, m.wolne) = { id, wpis.kod_klasy, wpis.obiekt };
    return true;
}

void Indeks_identyfikatorow::Ustaw_posiadacza(std::int32_t id, PDC_Obiekt* obiekt)
{
    const Miejsca m = Znajdz_miejsca(id);
    if (m.posiadanie != brak)
        sloty[m.posiadanie].obiekt = obiekt;
    else if (m.wpisany == brak || sloty[m.wpisany].obiekt != obiekt)
        Nowy_slot(id, m.wolne) = { id, posiadanie, obiekt };
}

void Indeks_identyfikatorow::Przebuduj(std::size_t rozmiar)
{
    std::vector<Slot> nowe(rozmiar);
    for (const Slot& slot : sloty) {
        if (slot.kod_klasy == pusty)
            continue;
        const std::uint64_t skrot = Skrot(slot.id);
        std::size_t k = 0;
        while (nowe[Miejsce(skrot, k, rozmiar)].kod_klasy != pusty)
            ++k;
        nowe[Miejsce(skrot, k, rozmiar)] = slot;
    }
    sloty.swap(nowe);
}
