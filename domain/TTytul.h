// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Kody_klas.h"
#include "domain/PDC_Obiekt.h"
#include "domain/Tekst.h"

template <class T> class TKol4;
class TPozycja;
class TRezerwacja;
class TWypozyczenie;

class TTytul final : public PDC_Obiekt {
public:
    TTytul(const char* nazwa, const char* autor, const char* isbn, TKol4<TPozycja>* pozycje,
        TKol4<TRezerwacja>* rezerwacje);
    // An empty title under an identifier read from a file.
    TTytul(Identyfikator_z_pliku id, TKol4<TPozycja>* pozycje, TKol4<TRezerwacja>* rezerwacje);

    std::int32_t Podaj_kod_klasy() const override { return kod_tytulu; }

    // Adds a copy with this number unless any copy of the library carries it.
    void Dodaj_pozycje(TWypozyczenie* wypozyczenie, std::int32_t numer);

    const char* Podaj_nazwe() const { return nazwa; }
    const char* Podaj_autora() const { return autor; }
    const char* Podaj_ISBN() const { return ISBN; }
    void Ustaw_nazwe(std::string_view tekst) { Kopiuj_do_pola(nazwa, tekst); }
    void Ustaw_autora(std::string_view tekst) { Kopiuj_do_pola(autor, tekst); }
    void Ustaw_ISBN(std::string_view tekst) { Kopiuj_do_pola(ISBN, tekst); }
    TKol4<TPozycja>* Podaj_pozycje() const { return pozycje; }
    TKol4<TRezerwacja>* Podaj_rezerwacje() const { return rezerwacje; }

private:
    char nazwa[rozmiar_pola] = {};
    char autor[rozmiar_pola] = {};
    char ISBN[rozmiar_pola] = {};
    TKol4<TPozycja>* pozycje;
    TKol4<TRezerwacja>* rezerwacje;
};
