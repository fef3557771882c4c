// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

class TTytul;
class TPozycja;

// Search comparisons: an element against a key (a zero-terminated text, or a
// pointer to an integer). Sort comparisons: two entries of a collection.
// All return negative, zero or positive; texts compare as unsigned bytes.
int Porownaj_nazwe(const TTytul* tytul, const void* nazwa);
int Porownaj_ISBN(const TTytul* tytul, const void* isbn);
int Porownaj_numer(const TPozycja* pozycja, const void* numer);
int Porownaj_tytuly(TTytul* const* a, TTytul* const* b);
int Porownaj_pozycje(TPozycja* const* a, TPozycja* const* b);

// The key that orders as Porownaj_tytuly does, for
// TKol1::Sortuj_wedlug_klucza: a title's whole name field as three
// big-endian words (bytes unsigned, zero after the end).
std::array<std::uint64_t, 3> Klucz_tytulu(const TTytul* tytul);
