// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/TKlasaAplikacji.h"

#include "domain/Porownania.h"

#include <memory>
#include <vector>

TKlasaAplikacji* aplikacja = nullptr;

TKlasaAplikacji::TKlasaAplikacji()
{
    aplikacja = this;
}

TKlasaAplikacji::~TKlasaAplikacji()
{
    Usun_wszystko();
    if (aplikacja == this)
        aplikacja = nullptr;
}

void TKlasaAplikacji::Dodaj_tytul(const char* nazwa, const char* autor, const char* isbn)
{
    // The key is compared the way the title will hold it.
    char klucz[rozmiar_pola];
    Kopiuj_do_pola(klucz, isbn);
    std::int32_t p = 0;
    if (tytuly.TKol1<TTytul>::Szukaj(Porownaj_ISBN, p, klucz) != nullptr)
        return;
    auto nowy = std::make_unique<TTytul>(nazwa, autor, isbn, &pozycje, &rezerwacje);
    if (tytuly.Powieksz(1) && tytuly.Wstaw(nowy.get(), 0))
        nowy.release();
}

void TKlasaAplikacji::Dodaj_ksiazke(const char* nazwa, std::int32_t numer)
{
    char klucz[rozmiar_pola];
    Kopiuj_do_pola(klucz, nazwa);
    std::int32_t p = 0;
    TTytul* tytul = tytuly.Szukaj(Porownaj_nazwe, p, klucz);
    // The binary search needs the titles in name order, which holds only
    // after the titles list has sorted them; a title present in any other
    // order is still found, without reordering the collection.
    if (tytul == nullptr)
        tytul = tytuly.TKol1<TTytul>::Szukaj(Porownaj_nazwe, p, klucz);
    if (tytul != nullptr)
        tytul->Dodaj_pozycje(nullptr, numer);
}

void TKlasaAplikacji::Usun_wszystko()
{
    // Copies go before the titles they point to.
    wypozyczenia.Usun_wszystkie();
    rezerwacje.Usun_wszystkie();
    pozycje.Usun_wszystkie();
    klienci.Usun_wszystkie();
    tytuly.Usun_wszystkie();
}

namespace {
template <class T, class Zaznacz> void Zaznacz_identyfikatory(const TKol4<T>& kolekcja, Zaznacz& zaznacz)
{
    zaznacz(kolekcja.Podaj_identyfikator());
    for (std::int32_t i = 0; i < kolekcja.Podaj_liczbe(); ++i)
        if (const T* element = kolekcja.Element(i))
            zaznacz(element->Podaj_identyfikator());
}
} // namespace

std::int32_t TKlasaAplikacji::Wolny_identyfikator() const
{
    constexpr std::int32_t pierwszy = 6;
    // Among the n + 1 identifiers from the first one, n objects leave at
    // least one free.
    const std::size_t n = 5 + static_cast<std::size_t>(klienci.Podaj_liczbe()) + tytuly.Podaj_liczbe()
        + pozycje.Podaj_liczbe() + wypozyczenia.Podaj_liczbe() + rezerwacje.Podaj_liczbe();
    std::vector<bool> zajety(n + 1);
    auto zaznacz = [&](std::int32_t id) {
        if (id >= pierwszy && static_cast<std::size_t>(id - pierwszy) <= n)
            zajety[static_cast<std::size_t>(id - pierwszy)] = true;
    };
    Zaznacz_identyfikatory(klienci, zaznacz);
    Zaznacz_identyfikatory(tytuly, zaznacz);
    Zaznacz_identyfikatory(pozycje, zaznacz);
    Zaznacz_identyfikatory(wypozyczenia, zaznacz);
    Zaznacz_identyfikatory(rezerwacje, zaznacz);
    std::size_t i = 0;
    while (zajety[i])
        ++i;
    return pierwszy + static_cast<std::int32_t>(i);
}
