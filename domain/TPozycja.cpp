// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/TPozycja.h"

#include "domain/Kody_klas.h"

TPozycja::TPozycja(std::int32_t numer_, TTytul* tytul_, TWypozyczenie* wypozyczenie_)
    : numer(numer_)
    , tytul(tytul_)
    , wypozyczenie(wypozyczenie_)
{
}

TPozycja::TPozycja(Identyfikator_z_pliku id)
    : PDC_Obiekt(id)
    , numer(0)
    , tytul(nullptr)
    , wypozyczenie(nullptr)
{
}

std::int32_t TPozycja::Podaj_kod_klasy() const
{
    return kod_pozycji;
}
