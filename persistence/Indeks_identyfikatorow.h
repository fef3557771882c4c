// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

class PDC_Obiekt;

// Who is who under each identifier of one table, in one flat array with open
// addressing. An identifier has a slot for the object listed under it, with
// its class code, so that a reference is checked without touching the object;
// a read that changes identifiers adds a second slot saying who holds it now.
// A mixer keyed with a seed drawn once per run chooses the places, so no file
// can make identifiers pile up; output never depends on the seed. One flat
// table instead of std::unordered_map (bench/README.md, row "identifier index").
class Indeks_identyfikatorow {
public:
    struct Wpis {
        PDC_Obiekt* obiekt = nullptr;
        std::int32_t kod_klasy = pusty;
    };

    // The entry listed under the identifier; kod_klasy is `pusty` when none is.
    Wpis Wpisany(std::int32_t id) const
    {
        const std::uint64_t skrot = Skrot(id);
        for (std::size_t k = 0; k < sloty.size(); ++k) {
            const Slot& s = sloty[Miejsce(skrot, k, sloty.size())];
            if (s.kod_klasy == pusty)
                break;
            if (s.id == id && s.kod_klasy != posiadanie)
                return { s.obiekt, s.kod_klasy };
        }
        return {};
    }
    // The object that holds the identifier now, or none.
    PDC_Obiekt* Posiadacz(std::int32_t id) const;

    // Lists the entry unless one is listed under the identifier; the index is
    // unchanged when growing it fails.
    bool Wpisz(std::int32_t id, Wpis wpis);
    // The identifier is now held by `obiekt` (or by none).
    void Ustaw_posiadacza(std::int32_t id, PDC_Obiekt* obiekt);

    // No class has this code; it marks an empty slot.
    static constexpr std::int32_t pusty = std::numeric_limits<std::int32_t>::min();

private:
    friend struct Dlugosci_szukania; // the tests count probes, not time

    // Marks the slot that says who holds its identifier now.
    static constexpr std::int32_t posiadanie = pusty + 1;

    struct Slot {
        std::int32_t id = 0;
        std::int32_t kod_klasy = pusty;
        PDC_Obiekt* obiekt = nullptr;
    };

    // Where the identifier's slots are, and the first empty place after them.
    static constexpr std::size_t brak = static_cast<std::size_t>(-1);
    struct Miejsca {
        std::size_t wpisany = brak;
        std::size_t posiadanie = brak;
        std::size_t wolne = brak;
    };
    Miejsca Znajdz_miejsca(std::int32_t id) const;

    // A seeded multiply–xorshift finaliser chooses the first place; a taken
    // one sends the identifier on in triangular steps, which visit every
    // place of a table of a power of two. A lookup stops at an empty place.
    static std::uint64_t Skrot(std::int32_t id)
    {
        std::uint64_t x = static_cast<std::uint32_t>(id) ^ ziarno;
        x ^= x >> 33;
        x *= 0xFF51AFD7ED558CCDull;
        x ^= x >> 33;
        x *= 0xC4CEB9FE1A85EC53ull;
        x ^= x >> 33;
        return x;
    }
    // The k-th place the identifier may take in a table of `rozmiar` slots.
    static std::size_t Miejsce(std::uint64_t skrot, std::size_t k, std::size_t rozmiar)
    {
        return (static_cast<std::size_t>(skrot) + k * (k + 1) / 2) & (rozmiar - 1);
    }

    // The free place `wolne` for a new slot of the identifier, or another
    // once the table has grown, as it must when full.
    Slot& Nowy_slot(std::int32_t id, std::size_t wolne);

    static bool Za_pelny(std::size_t wpisy, std::size_t sloty) { return 3 * wpisy > 2 * sloty; }
    static constexpr std::size_t najmniejszy = 16;
    void Przebuduj(std::size_t rozmiar);

    static const std::uint64_t ziarno;

    std::vector<Slot> sloty;
    std::size_t zajete = 0;
};
