// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Identifiers a file may hold, each pattern aimed at one way of hashing an
// int, and the consecutive ones of a saved catalogue to compare them with.
namespace wrogie_identyfikatory {

// The first n values of f(0), f(1), ...
template <class F> std::vector<std::int32_t> Ciag(std::size_t n, F f)
{
    std::vector<std::int32_t> id(n);
    for (std::size_t i = 0; i < n; ++i)
        id[i] = static_cast<std::int32_t>(f(i));
    return id;
}

// Whole runs of 256 whose high bits a fixed Fibonacci multiplier sends to
// one place: what an index that hashes only the bits above the low 8 meets.
inline std::vector<std::int32_t> Pod_staly_mnoznik(std::size_t n)
{
    std::vector<std::int32_t> id;
    id.reserve(n);
    for (std::uint64_t k = 1; k < (1u << 23) && id.size() < n; ++k) {
        if ((((k * 0x9E3779B97F4A7C15ull) >> 32) & 0xFFF) != 0)
            continue;
        for (std::uint64_t niski = 0; niski < 256 && id.size() < n; ++niski)
            id.push_back(static_cast<std::int32_t>((k << 8) | niski));
    }
    return id;
}

struct Wzorzec {
    const char* nazwa;
    std::vector<std::int32_t> (*utworz)(std::size_t n);
};

inline const std::array<Wzorzec, 4> wzorce { {
    { "consecutive", [](std::size_t n) { return Ciag(n, [](std::size_t i) { return i + 6; }); } },
    { "fixed-multiplier", Pod_staly_mnoznik },
    // Multiples of a power of two: every low bit alike, against a hash that takes the low bits.
    { "powers-of-two", [](std::size_t n) { return Ciag(n, [](std::size_t i) { return i << 14; }); } },
    // Multiples of a prime, against a table of that many buckets.
    { "prime-multiples", [](std::size_t n) { return Ciag(n, [](std::size_t i) { return (i + 1) * 16381; }); } },
} };

// A data file whose table lists a copy under each identifier and nothing more.
inline std::string Plik_z_pozycjami(const std::vector<std::int32_t>& identyfikatory)
{
    std::string plik = "<Definicja_obiektu>\r\n<Nazwa_klasy>Tablica_obiektow\r\n<Tablica_obiektow>\r\n";
    for (const std::int32_t id : identyfikatory)
        plik += "<Kod_klasy>3\r\n<Obiekt_ID><id>" + std::to_string(id) + "\r\n";
    return plik + "<\\Tablica_obiektow>\r\n<\\Definicja_obiektu>\r\n";
}

} // namespace wrogie_identyfikatory
