// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the data file, through the real Open path, then a short
// session of what a user does next. Aborts when the loaded library breaks an
// invariant, when a Save of it does not read back to the same file and the
// same titles and copies, or when an addition that the rules accept is
// missing from the next saved file.
//
// Input: the file, optionally followed by "\n#SESJA\n" and the session's
// script, one operation per byte and its arguments (see Sesja); without
// the marker a fixed script runs.

#include "Katalog_roboczy.h"
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "tests/support/Migawka.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

void Wymagaj(bool warunek, const char* co)
{
    if (!warunek) {
        std::fprintf(stderr, "invariant broken: %s\n", co);
        std::abort();
    }
}

std::string Czytaj(const char* nazwa)
{
    std::ifstream plik(nazwa, std::ios::binary);
    return { std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>() };
}

// The loaded catalogue, which must hang together, its identifiers distinct and no copy lent.
Migawka Sprawdz(const TKlasaAplikacji& app)
{
    Migawka m(app);
    Wymagaj(m.blad.empty(), m.blad.c_str());
    Wymagaj(m.Identyfikatory_rozne(), "identifiers are distinct, none -1");
    for (const Migawka::Pozycja& p : m.pozycje)
        Wymagaj(!std::get<3>(p), "no copy has a loan");
    return m;
}

// Save, then Open what was saved: the same bytes come back. The catalogue
// then, checked.
Migawka Zachowaj_i_otworz(TKlasaAplikacji& app)
{
    app.Zachowaj();
    const std::string zapisany = Czytaj("proba1.txt");
    app.Usun_wszystko();
    app.Otworz();
    Wymagaj(Czytaj("proba2.txt") == zapisany, "a saved file opens to the same bytes");
    return Sprawdz(app);
}

// What a user can do after the Open, and what must then hold.
class Sesja {
public:
    explicit Sesja(TKlasaAplikacji& app)
        : app(app)
    {
    }

    void Wykonaj(std::string_view skrypt)
    {
        std::size_t i = 0;
        auto bajt = [&] { return i < skrypt.size() ? static_cast<unsigned char>(skrypt[i++]) : 0u; };
        for (int krok = 0; krok < 32 && i < skrypt.size(); ++krok) {
            switch (bajt() % 6) {
            case 0: { // New title: an existing or a fresh name and ISBN; an empty author sometimes
                const unsigned n = bajt(), a = bajt(), b = bajt();
                Nowy_tytul(Tekst(n, "N"), a % 5 == 0 ? "" : "Autor", Tekst(b, "I"));
                break;
            }
            case 1: { // New book of a title by name, present or not
                const unsigned n = bajt(), numer = bajt();
                Nowa_ksiazka(Tekst(n, "N"), static_cast<std::int32_t>(numer % 16) - 2);
                break;
            }
            case 2:
                app.tytuly.Sortuj_wedlug_klucza(Klucz_tytulu);
                break;
            case 3:
                app.pozycje.Sortuj(Porownaj_pozycje);
                break;
            case 4:
                Zachowaj_i_sprawdz();
                break;
            case 5: // Open: what was not saved is gone
                app.Usun_wszystko();
                app.Otworz();
                dodane.resize(zapisane);
                Sprawdz(app);
                break;
            }
        }
        Zachowaj_i_sprawdz();
    }

private:
    // An addition the rules accept: a title, or a copy (with its title's name).
    struct Dodane {
        bool tytul;
        std::string nazwa, autor, isbn;
        std::int32_t numer;
    };

    // A text of a loaded title (high bit set) or one of a few fresh ones.
    std::string Tekst(unsigned bajt, const char* przedrostek) const
    {
        if ((bajt & 0x80) != 0 && app.tytuly.Podaj_liczbe() > 0) {
            const TTytul* t = app.tytuly.Element(static_cast<std::int32_t>(bajt & 0x7f) % app.tytuly.Podaj_liczbe());
            return przedrostek[0] == 'N' ? t->Podaj_nazwe() : t->Podaj_ISBN();
        }
        return przedrostek + std::to_string(bajt % 6);
    }

    // As the window calls it: three non-empty texts, then the application
    // object, which refuses an ISBN that is held.
    void Nowy_tytul(const std::string& nazwa, const std::string& autor, const std::string& isbn)
    {
        if (nazwa.empty() || autor.empty() || isbn.empty())
            return;
        const Migawka m(app);
        const bool wolny
            = std::none_of(m.tytuly.begin(), m.tytuly.end(), [&](auto& t) { return std::get<2>(t) == isbn; });
        app.Dodaj_tytul(nazwa.c_str(), autor.c_str(), isbn.c_str());
        if (wolny)
            dodane.push_back({ true, nazwa, autor, isbn, 0 });
    }

    void Nowa_ksiazka(const std::string& nazwa, std::int32_t numer)
    {
        const Migawka m(app);
        const std::vector<std::int32_t> numery = m.Numery();
        const std::vector<std::string> nazwy = m.Nazwy();
        const bool wolny = std::find(numery.begin(), numery.end(), numer) == numery.end();
        app.Dodaj_ksiazke(nazwa.c_str(), numer);
        if (wolny && std::find(nazwy.begin(), nazwy.end(), nazwa) != nazwy.end())
            dodane.push_back({ false, nazwa, "", "", numer });
    }

    // Every accepted addition is in what a Save wrote, copies linked to a
    // title of their name.
    void Zachowaj_i_sprawdz()
    {
        const Migawka m = Zachowaj_i_otworz(app);
        for (const Dodane& d : dodane) {
            const bool jest = d.tytul
                ? std::any_of(m.tytuly.begin(), m.tytuly.end(),
                    [&](auto& t) {
                        return std::tie(std::get<0>(t), std::get<1>(t), std::get<2>(t))
                            == std::tie(d.nazwa, d.autor, d.isbn);
                    })
                : std::any_of(m.pozycje.begin(), m.pozycje.end(), [&](auto& p) {
                      return std::get<0>(p) == d.numer && std::get<1>(p) >= 0 && m.Tytul_pozycji(p) == d.nazwa;
                  });
            Wymagaj(jest, "every accepted addition is in the next saved file, linked");
        }
        zapisane = dodane.size();
    }

    TKlasaAplikacji& app;
    std::vector<Dodane> dodane;
    std::size_t zapisane = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    Przejdz_do_katalogu_roboczego();
    static TKlasaAplikacji app;
    const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
    constexpr std::string_view znacznik = "\n#SESJA\n";
    const std::size_t gdzie = wejscie.rfind(znacznik);
    const std::string_view plik_danych = gdzie == std::string_view::npos ? wejscie : wejscie.substr(0, gdzie);
    // A new title, a copy of it, a copy of a missing title, both lists, Save.
    const std::string_view skrypt = gdzie == std::string_view::npos ? std::string_view("\0\1\1\1\1\1\5\1\3\6\2\3\4", 13)
                                                                    : wejscie.substr(gdzie + znacznik.size());
    {
        std::ofstream plik("proba1.txt", std::ios::binary | std::ios::trunc);
        plik.write(plik_danych.data(), static_cast<std::streamsize>(plik_danych.size()));
    }
    app.Usun_wszystko();
    app.Otworz();
    const Migawka wczytany = Sprawdz(app);

    const Migawka ponowny = Zachowaj_i_otworz(app);

    // Each collection comes back reversed, every copy with the same title.
    const std::size_t n = wczytany.tytuly.size();
    Wymagaj(ponowny.tytuly.size() == n && ponowny.pozycje.size() == wczytany.pozycje.size(), "nothing lost");
    for (std::size_t i = 0; i < n; ++i)
        Wymagaj(ponowny.tytuly[n - 1 - i] == wczytany.tytuly[i], "titles come back reversed");
    const std::size_t m = wczytany.pozycje.size();
    for (std::size_t i = 0; i < m; ++i) {
        auto [numer, tytul, id, wypozyczona] = wczytany.pozycje[i];
        const long odwrocony = tytul < 0 ? -1 : static_cast<long>(n) - 1 - tytul;
        Wymagaj(ponowny.pozycje[m - 1 - i] == Migawka::Pozycja(numer, odwrocony, id, wypozyczona),
            "copies come back reversed, linked");
    }
    Sesja(app).Wykonaj(skrypt);
    app.Usun_wszystko();
    return 0;
}
