// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// Texts of a title live in fixed fields of this many bytes, the last one the
// terminating zero.
inline constexpr std::size_t rozmiar_pola = 20;

// Copies a zero-terminated text into a field, cut to what the field holds and
// at the first line end (a field is one line of the data file).
void Kopiuj_do_pola(char (&pole)[rozmiar_pola], const char* tekst);
void Kopiuj_do_pola(char (&pole)[rozmiar_pola], std::string_view tekst);
