// SPDX-License-Identifier: GPL-3.0-or-later
// The token operations alone: a few bytes choose a sequence of reads, the
// rest is the stream they read. Keys that are absent consume nothing, values
// stay within their limit, numbers written read back, nothing reads past the end.

#include "persistence/Format_obiektow.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Wymagaj(bool warunek, const char* co)
{
    if (!warunek) {
        std::fprintf(stderr, "invariant broken: %s\n", co);
        std::abort();
    }
}

const char* const klucze[] = { "Definicja_obiektu", "Nazwa_klasy", "Tablica_obiektow", "Kod_klasy", "Obiekt_ID", "id",
    "TTytul", "TWypozyczenie", "\\Tablica_obiektow", "\\Definicja_obiektu", "x" };
constexpr std::size_t ile_kluczy = sizeof klucze / sizeof klucze[0];

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    if (rozmiar < 1)
        return 0;
    const std::size_t ile_krokow = std::min<std::size_t>(dane[0] % 32, rozmiar - 1);
    const std::uint8_t* kroki = dane + 1;
    const std::string tresc(reinterpret_cast<const char*>(dane + 1 + ile_krokow), rozmiar - 1 - ile_krokow);

    Format_obiektow f;
    Strumien_wejsciowy s(tresc);
    for (std::size_t i = 0; i < ile_krokow; ++i) {
        const char* klucz = klucze[(kroki[i] >> 2) % ile_kluczy];
        const std::size_t przed = s.Pozycja();
        const bool zly_przed = s.Zly();
        switch (kroki[i] & 3) {
        case 0:
            if (!f.Czytaj_klucz(s, klucz) && !zly_przed)
                Wymagaj(s.Pozycja() == przed && !s.Zly(), "an absent key is not consumed");
            break;
        case 1:
            Wymagaj(f.Czytaj_wartosc(s).size() <= najdluzszy_token, "a value holds at most 79 bytes");
            break;
        case 2:
            f.Czytaj_liczbe(s, klucz);
            break;
        default:
            s.Pobierz();
            break;
        }
        Wymagaj(s.Pozycja() <= tresc.size(), "never past the end");
        Wymagaj(!zly_przed || s.Zly(), "a failed stream stays failed");
    }

    // Whatever number and text the bytes give, writing and reading agree.
    std::int32_t liczba = 0;
    for (std::size_t i = 0; i < 4 && i < tresc.size(); ++i)
        liczba
            = static_cast<std::int32_t>(static_cast<std::uint32_t>(liczba) << 8 | static_cast<std::uint8_t>(tresc[i]));
    std::string wartosc;
    for (char znak : tresc.substr(0, najdluzszy_token))
        if (znak != '<' && znak != '\n' && znak != '\r')
            wartosc += znak;
    Strumien_wyjsciowy w;
    f.Zapisz_liczbe(w, "Kod_klasy", liczba);
    f.Zapisz_klucz_wartosc(w, "Nazwa_klasy", wartosc);
    Strumien_wejsciowy z(std::string(w.Zebrane()));
    Wymagaj(f.Czytaj_liczbe(z, "Kod_klasy") == liczba, "a number reads back");
    Wymagaj(f.Czytaj_klucz(z, "Nazwa_klasy"), "a key reads back");
    Wymagaj(f.Czytaj_wartosc(z) == wartosc, "a value reads back");
    return 0;
}
