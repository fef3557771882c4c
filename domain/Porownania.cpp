// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/Porownania.h"

#include "domain/TPozycja.h"
#include "domain/TTytul.h"
#include "domain/Tekst.h"

#include <cstdint>
#include <cstring>

namespace {
int Porownaj_liczby(std::int32_t a, std::int32_t b)
{
    return (a > b) - (a < b);
}
} // namespace

int Porownaj_nazwe(const TTytul* tytul, const void* nazwa)
{
    return std::strcmp(tytul->Podaj_nazwe(), static_cast<const char*>(nazwa));
}

int Porownaj_ISBN(const TTytul* tytul, const void* isbn)
{
    return std::strcmp(tytul->Podaj_ISBN(), static_cast<const char*>(isbn));
}

int Porownaj_numer(const TPozycja* pozycja, const void* numer)
{
    return Porownaj_liczby(pozycja->Podaj_numer(), *static_cast<const std::int32_t*>(numer));
}

int Porownaj_tytuly(TTytul* const* a, TTytul* const* b)
{
    return std::strcmp((*a)->Podaj_nazwe(), (*b)->Podaj_nazwe());
}

int Porownaj_pozycje(TPozycja* const* a, TPozycja* const* b)
{
    return Porownaj_liczby((*a)->Podaj_numer(), (*b)->Podaj_numer());
}

std::array<std::uint64_t, 3> Klucz_tytulu(const TTytul* tytul)
{
    std::array<std::uint64_t, 3> klucz {};
    const auto* nazwa = reinterpret_cast<const unsigned char*>(tytul->Podaj_nazwe());
    // Bytes after the terminating zero stay zero, so a shorter name that is
    // a prefix of a longer one comes first, as in the byte-wise comparison.
    for (std::size_t i = 0; i < rozmiar_pola && nazwa[i] != 0; ++i)
        klucz[i / 8] |= std::uint64_t { nazwa[i] } << (8 * (7 - i % 8));
    return klucz;
}
