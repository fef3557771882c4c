// Arbitrary bytes as the data file, through the real Open path. Aborts when
// the loaded library breaks an invariant, or when a Save of it does not read
// back to the same file and the same titles and copies.

#include "Katalog_roboczy.h"
#include "domain/TKlasaAplikacji.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
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

template <class T> std::vector<T*> Elementy(const TKol4<T>& kolekcja)
{
    std::vector<T*> wynik;
    for (std::int32_t i = 0; i < kolekcja.Podaj_liczbe(); ++i) {
        T* e = kolekcja.Element(i);
        Wymagaj(e != nullptr, "a collection holds as many elements as it counts");
        wynik.push_back(e);
    }
    Wymagaj(kolekcja.Element(kolekcja.Podaj_liczbe()) == nullptr, "nothing past the count");
    return wynik;
}

using Tytul = std::tuple<std::string, std::string, std::string, std::int32_t>;
using Pozycja = std::tuple<std::int32_t, long, std::int32_t>; // number, title position or -1, identifier

struct Stan {
    std::vector<Tytul> tytuly;
    std::vector<Pozycja> pozycje;
};

Stan Sprawdz(const TKlasaAplikacji& app)
{
    const std::vector<TTytul*> tytuly = Elementy(app.tytuly);
    const std::vector<TPozycja*> pozycje = Elementy(app.pozycje);
    std::set<std::int32_t> identyfikatory = { app.tytuly.Podaj_identyfikator(), app.pozycje.Podaj_identyfikator() };
    Wymagaj(identyfikatory.size() == 2, "the two collections have distinct identifiers");
    Stan stan;
    for (const TTytul* t : tytuly) {
        Wymagaj(identyfikatory.insert(t->Podaj_identyfikator()).second, "identifiers are distinct");
        stan.tytuly.emplace_back(t->Podaj_nazwe(), t->Podaj_autora(), t->Podaj_ISBN(), t->Podaj_identyfikator());
    }
    for (const TPozycja* p : pozycje) {
        Wymagaj(identyfikatory.insert(p->Podaj_identyfikator()).second, "identifiers are distinct");
        Wymagaj(p->Podaj_wypozyczenie() == nullptr, "no copy has a loan");
        long gdzie = -1;
        if (p->Podaj_tytul() != nullptr) {
            for (std::size_t i = 0; i < tytuly.size() && gdzie < 0; ++i)
                if (tytuly[i] == p->Podaj_tytul())
                    gdzie = static_cast<long>(i);
            Wymagaj(gdzie >= 0, "a copy's title is a title of the library");
        }
        stan.pozycje.emplace_back(p->Podaj_numer(), gdzie, p->Podaj_identyfikator());
    }
    Wymagaj(identyfikatory.count(-1) == 0, "no identifier is -1");
    return stan;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    Przejdz_do_katalogu_roboczego();
    static TKlasaAplikacji app;
    {
        std::ofstream plik("proba1.txt", std::ios::binary | std::ios::trunc);
        plik.write(reinterpret_cast<const char*>(dane), static_cast<std::streamsize>(rozmiar));
    }
    app.Usun_wszystko();
    app.Otworz();
    const Stan wczytany = Sprawdz(app);

    app.Zachowaj();
    const std::string zapisany = Czytaj("proba1.txt");
    app.Usun_wszystko();
    app.Otworz();
    Wymagaj(Czytaj("proba2.txt") == zapisany, "a saved file opens to the same bytes");
    const Stan ponowny = Sprawdz(app);

    // Each collection comes back reversed, every copy with the same title.
    const std::size_t n = wczytany.tytuly.size();
    Wymagaj(ponowny.tytuly.size() == n && ponowny.pozycje.size() == wczytany.pozycje.size(), "nothing lost");
    for (std::size_t i = 0; i < n; ++i)
        Wymagaj(ponowny.tytuly[n - 1 - i] == wczytany.tytuly[i], "titles come back reversed");
    const std::size_t m = wczytany.pozycje.size();
    for (std::size_t i = 0; i < m; ++i) {
        auto [numer, tytul, id] = wczytany.pozycje[i];
        const long odwrocony = tytul < 0 ? -1 : static_cast<long>(n) - 1 - tytul;
        Wymagaj(ponowny.pozycje[m - 1 - i] == Pozycja(numer, odwrocony, id), "copies come back reversed, linked");
    }
    app.Usun_wszystko();
    return 0;
}
