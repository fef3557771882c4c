#include "domain/TKlasaAplikacji.h"

#include "domain/Porownania.h"

#include <memory>

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
    if (Identyfikatory_wyczerpane())
        return;
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
