// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/Tekst.h"

void Kopiuj_do_pola(char (&pole)[rozmiar_pola], const char* tekst)
{
    Kopiuj_do_pola(pole, tekst != nullptr ? std::string_view(tekst) : std::string_view());
}

void Kopiuj_do_pola(char (&pole)[rozmiar_pola], std::string_view tekst)
{
    std::size_t i = 0;
    for (; i + 1 < rozmiar_pola && i < tekst.size() && tekst[i] != '\0' && tekst[i] != '\n'; ++i)
        pole[i] = tekst[i];
    pole[i] = '\0';
}
