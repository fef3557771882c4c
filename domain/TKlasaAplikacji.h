// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Klasy_zadeklarowane.h"
#include "domain/Kolekcje.h"
#include "domain/TPozycja.h"
#include "domain/TTytul.h"

#include <cstdint>

// Owns every title and copy of the run through its collections. Otworz and
// Zachowaj are in persistence/TKlasaAplikacji_pliki.cpp.
class TKlasaAplikacji {
public:
    TKlasaAplikacji();
    // Releases whatever is still held, so nothing outlives the application.
    ~TKlasaAplikacji();

    TKlasaAplikacji(const TKlasaAplikacji&) = delete;
    TKlasaAplikacji& operator=(const TKlasaAplikacji&) = delete;

    void Dodaj_tytul(const char* nazwa, const char* autor, const char* isbn);
    void Dodaj_ksiazke(const char* nazwa, std::int32_t numer);
    void Usun_wszystko();

    // The lowest identifier above the collections' first ones that none of
    // this application's objects holds: a scan, for an exhausted counter.
    std::int32_t Wolny_identyfikator() const;

    void Otworz();
    void Zachowaj();

    TKol4<TDane_klienta> klienci;
    TKol4<TTytul> tytuly;
    TKol4<TPozycja> pozycje;
    TKol4<TWypozyczenie> wypozyczenia;
    TKol4<TRezerwacja> rezerwacje;

private:
    // Until a Save of this run changes the data file, the next one keeps the
    // file it finds as a backup.
    bool kopia_zapasowa = true;
};

// The current application object; set by its constructor.
extern TKlasaAplikacji* aplikacja;
