// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Indeks_identyfikatorow.h"

#include <algorithm>
#include <random>

namespace {
std::uint64_t Losowe_ziarno()
{
    std::random_device losowe;
    return (static_cast<std::uint64_t>(losowe()) << 32) ^ losowe();
}
} // namespace

// Drawn once per run, as Qt seeds QHash: output never depends on it, since
// the table keeps its own order.
const std::uint64_t Indeks_identyfikatorow::ziarno = Losowe_ziarno();

Indeks_identyfikatorow::Slot& Indeks_identyfikatorow::Slot_dla(std::int32_t id, bool& nowy)
{
    // At most two thirds full, so that probes stay short; grown before the
    // probe, so that one probe finds the identifier or its place.
    if (Za_pelny(zajete + 1, sloty.size()))
        Przebuduj(sloty.empty() ? seria : 2 * sloty.size());
    for (;;) {
        const std::uint64_t skrot = Skrot_serii(id);
        const std::size_t kubelki = sloty.size() / seria;
        for (std::size_t k = 0; k < kubelki; ++k) {
            Slot& s = sloty[Miejsce(id, skrot, k, kubelki)];
            nowy = s.wpis.kod_klasy == pusty;
            if (nowy) {
                s = { { nullptr, niewpisany }, id, nullptr };
                ++zajete;
                return s;
            }
            if (s.id == id)
                return s;
        }
        // Every place of this identifier is taken: only in a small table.
        Przebuduj(2 * sloty.size());
    }
}

bool Indeks_identyfikatorow::Umiesc(std::vector<Slot>& w, const Slot& slot)
{
    const std::uint64_t skrot = Skrot_serii(slot.id);
    const std::size_t kubelki = w.size() / seria;
    for (std::size_t k = 0; k < kubelki; ++k) {
        Slot& s = w[Miejsce(slot.id, skrot, k, kubelki)];
        if (s.wpis.kod_klasy == pusty) {
            s = slot;
            return true;
        }
    }
    return false;
}

bool Indeks_identyfikatorow::Wpisz(std::int32_t id, Wpis wpis)
{
    if (wpis.kod_klasy == pusty || wpis.kod_klasy == niewpisany)
        wpis.kod_klasy = niewpisany + 1; // a code no class has either, but no mark
    bool nowy = false;
    Slot& s = Slot_dla(id, nowy);
    if (s.wpis.kod_klasy != niewpisany)
        return false;
    s.wpis = wpis;
    if (nowy)
        s.posiadacz = wpis.obiekt;
    return true;
}

void Indeks_identyfikatorow::Ustaw_posiadacza(std::int32_t id, PDC_Obiekt* obiekt)
{
    bool nowy = false;
    Slot_dla(id, nowy).posiadacz = obiekt;
}

void Indeks_identyfikatorow::Zarezerwuj(std::size_t n)
{
    std::size_t rozmiar = sloty.empty() ? seria : sloty.size();
    while (Za_pelny(n, rozmiar))
        rozmiar *= 2;
    if (rozmiar != sloty.size())
        Przebuduj(rozmiar);
}

void Indeks_identyfikatorow::Przebuduj(std::size_t rozmiar)
{
    for (;; rozmiar *= 2) {
        std::vector<Slot> nowe(rozmiar);
        bool wszystkie = true;
        for (const Slot& s : sloty)
            if (s.wpis.kod_klasy != pusty && !(wszystkie = Umiesc(nowe, s)))
                break;
        if (wszystkie) {
            sloty.swap(nowe);
            return;
        }
    }
}

Indeks_identyfikatorow::Dlugosci Indeks_identyfikatorow::Dlugosci_szukania() const
{
    Dlugosci d;
    const std::size_t kubelki = sloty.size() / seria;
    for (std::size_t i = 0; i < sloty.size(); ++i) {
        const Slot& s = sloty[i];
        if (s.wpis.kod_klasy == pusty)
            continue;
        const std::uint64_t skrot = Skrot_serii(s.id);
        std::size_t dlugosc = 1;
        while (Miejsce(s.id, skrot, dlugosc - 1, kubelki) != i)
            ++dlugosc;
        d.najdluzsza = std::max(d.najdluzsza, dlugosc);
        d.suma += dlugosc;
        ++d.wpisy;
    }
    return d;
}
