// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Kody_klas.h"
#include "domain/PDC_Obiekt.h"

class TTytul;
class TWypozyczenie;

// A numbered copy of a title. Neither link is owned.
class TPozycja final : public PDC_Obiekt {
public:
    TPozycja(std::int32_t numer_, TTytul* tytul_, TWypozyczenie* wypozyczenie_)
        : numer(numer_)
        , tytul(tytul_)
        , wypozyczenie(wypozyczenie_)
    {
    }
    // A copy numbered 0 with no links, under an identifier read from a file.
    explicit TPozycja(Identyfikator_z_pliku id)
        : PDC_Obiekt(id)
    {
    }

    std::int32_t Podaj_kod_klasy() const override { return kod_pozycji; }

    std::int32_t Podaj_numer() const { return numer; }
    TTytul* Podaj_tytul() const { return tytul; }
    TWypozyczenie* Podaj_wypozyczenie() const { return wypozyczenie; }
    void Ustaw_numer(std::int32_t nowy) { numer = nowy; }
    void Ustaw_tytul(TTytul* nowy) { tytul = nowy; }
    void Ustaw_wypozyczenie(TWypozyczenie* nowe) { wypozyczenie = nowe; }

private:
    std::int32_t numer = 0;
    TTytul* tytul = nullptr;
    TWypozyczenie* wypozyczenie = nullptr;
};
