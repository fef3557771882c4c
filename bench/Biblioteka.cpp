// SPDX-License-Identifier: GPL-3.0-or-later
#include "Biblioteka.h"

#include <random>
#include <string>

namespace {
const char* const slowa[]
    = { "Pan", "Tadeusz", "Lalka", "Ch\xB3opi", "Quo", "vadis", "Ogniem", "mieczem", "Potop", "Dziady",
          "\xA3\xF3"
          "d\x9F",
          "\xAF"
          "ycie",
          "Ksi\xEA\xBF"
          "yc",
          "Noce" };
const char* const autorzy[] = { "A. Mickiewicz", "B. Prus", "W. Reymont", "H. Sienkiewicz", "E. Orzeszkowa",
    "S. \xAF"
    "eromski",
    "M. D\xB9"
    "browska",
    "C. Mi\xB3osz" };

std::string Nazwa(std::mt19937& los, long i)
{
    std::string n = slowa[los() % 14];
    n += ' ';
    n += slowa[los() % 14];
    n += ' ' + std::to_string(i % 1000);
    return n.substr(0, 19);
}
} // namespace

void Generuj_biblioteke(TKlasaAplikacji& app, long obiekty)
{
    std::mt19937 los(42);
    const long tytuly = obiekty / 2;
    for (long i = 0; i < tytuly; ++i) {
        const std::string isbn = "978-83-" + std::to_string(1000000 + i) + "-" + std::to_string(i % 10);
        auto* tytul
            = new TTytul(Nazwa(los, i).c_str(), autorzy[los() % 8], isbn.c_str(), &app.pozycje, &app.rezerwacje);
        app.tytuly.Powieksz(1);
        app.tytuly.Wstaw(tytul, 0);
    }
    for (long i = 0; i < obiekty - tytuly; ++i) {
        TTytul* tytul = app.tytuly.Element(static_cast<std::int32_t>(los() % static_cast<unsigned long>(tytuly)));
        app.pozycje.Powieksz(1);
        app.pozycje.Wstaw(new TPozycja(static_cast<std::int32_t>(100000 + i), tytul, nullptr), 0);
    }
}

void Od_najnowszych(TKlasaAplikacji& app)
{
    app.tytuly.Sortuj(
        [](TTytul* const* a, TTytul* const* b) { return (*b)->Podaj_identyfikator() - (*a)->Podaj_identyfikator(); });
    app.pozycje.Sortuj([](TPozycja* const* a, TPozycja* const* b) {
        return (*b)->Podaj_identyfikator() - (*a)->Podaj_identyfikator();
    });
}
