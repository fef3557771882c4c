// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/TTytul.h"

#include "domain/Kolekcje.h"
#include "domain/Porownania.h"
#include "domain/TPozycja.h"

#include <memory>

TTytul::TTytul(const char* nazwa_, const char* autor_, const char* isbn_, TKol4<TPozycja>* pozycje_,
    TKol4<TRezerwacja>* rezerwacje_)
    : pozycje(pozycje_)
    , rezerwacje(rezerwacje_)
{
    Kopiuj_do_pola(nazwa, nazwa_);
    Kopiuj_do_pola(autor, autor_);
    Kopiuj_do_pola(ISBN, isbn_);
}

TTytul::TTytul(Identyfikator_z_pliku id, TKol4<TPozycja>* pozycje_, TKol4<TRezerwacja>* rezerwacje_)
    : PDC_Obiekt(id)
    , pozycje(pozycje_)
    , rezerwacje(rezerwacje_)
{
}

void TTytul::Dodaj_pozycje(TWypozyczenie* wypozyczenie, std::int32_t numer)
{
    if (pozycje == nullptr)
        return;
    std::int32_t p = 0;
    if (pozycje->TKol1<TPozycja>::Szukaj(Porownaj_numer, p, &numer) != nullptr)
        return;
    auto nowa = std::make_unique<TPozycja>(numer, this, wypozyczenie);
    if (pozycje->Powieksz(1) && pozycje->Wstaw(nowa.get(), 0))
        nowa.release();
}
