#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

class PDC_Obiekt;

// Identifier -> listed object and its class code, in one flat array with
// open addressing: a lookup is one or two probes into memory laid out
// together, and a reference is checked for its class without touching the
// object. Against std::unordered_map with reserve it takes 11 % off Open at
// a million objects (wolumat_bench).
class Indeks_identyfikatorow {
public:
    struct Wpis {
        PDC_Obiekt* obiekt = nullptr;
        std::int32_t kod_klasy = pusty;
    };

    // The entry for the identifier; kod_klasy is `pusty` when there is none.
    Wpis Znajdz(std::int32_t id) const
    {
        if (sloty.empty())
            return {};
        for (std::size_t i = Poczatek(id);; i = (i + 1) & maska) {
            const Slot& s = sloty[i];
            if (s.wpis.kod_klasy == pusty)
                return {};
            if (s.id == id)
                return s.wpis;
        }
    }

    // Stores the entry unless the identifier is there; the index is
    // unchanged when growing it fails.
    bool Wstaw(std::int32_t id, Wpis wpis);
    // Makes room for n entries at once.
    void Zarezerwuj(std::size_t n);

    // No class has this code; it marks an empty slot.
    static constexpr std::int32_t pusty = std::numeric_limits<std::int32_t>::min();

private:
    struct Slot {
        Wpis wpis;
        std::int32_t id = 0;
    };

    // Runs of 256 consecutive identifiers (what a file mostly holds) take
    // neighbouring slots, so that filling and searching walk memory in
    // order; the runs themselves are scattered by a multiplicative hash, so
    // no pattern of identifiers piles up more than a run's length in one place.
    static std::size_t Skrot(std::int32_t id)
    {
        const auto u = static_cast<std::uint32_t>(id);
        const std::uint64_t blok = (static_cast<std::uint64_t>(u >> 8) * 0x9E3779B97F4A7C15ull) >> 32;
        return static_cast<std::size_t>((blok << 8) | (u & 0xFFu));
    }
    std::size_t Poczatek(std::int32_t id) const { return Skrot(id) & maska; }
    static bool Za_pelny(std::size_t wpisy, std::size_t sloty) { return 3 * wpisy > 2 * sloty; }
    void Przebuduj(std::size_t rozmiar);

    std::vector<Slot> sloty;
    std::size_t maska = 0;
    std::size_t zajete = 0;
};
