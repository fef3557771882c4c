// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Format_obiektow.h"

#include <charconv>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

namespace {
bool Bialy(int znak)
{
    return znak == ' ' || (znak >= '\t' && znak <= '\r');
}

bool Cyfra(int znak)
{
    return znak >= '0' && znak <= '9';
}

// An optional sign and digits at the very start of `tekst`: their value,
// saturated to 32 bits, and the bytes they take; nothing without a digit.
std::optional<std::pair<std::int32_t, std::size_t>> Liczba_na_poczatku(std::string_view tekst)
{
    const bool znak = !tekst.empty() && (tekst[0] == '-' || tekst[0] == '+');
    const bool ujemna = znak && tekst[0] == '-';
    std::size_t koniec = znak ? 1 : 0;
    while (koniec < tekst.size() && Cyfra(tekst[koniec]))
        ++koniec;
    if (koniec == (znak ? 1u : 0u))
        return std::nullopt;
    // from_chars takes a minus but no plus.
    std::int32_t wartosc = 0;
    const char* od = tekst.data() + (znak && !ujemna ? 1 : 0);
    if (std::from_chars(od, tekst.data() + koniec, wartosc).ec == std::errc::result_out_of_range)
        wartosc = ujemna ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    return std::pair { wartosc, koniec };
}
} // namespace

std::int32_t Liczba_z_poczatku(std::string_view tekst)
{
    std::size_t i = 0;
    while (i < tekst.size() && Bialy(static_cast<unsigned char>(tekst[i])))
        ++i;
    const auto liczba = Liczba_na_poczatku(tekst.substr(i));
    return liczba ? liczba->first : 0;
}

bool Format_obiektow::Czytaj_klucz(Strumien_wejsciowy& s, std::string_view klucz)
{
    if (s.Zly())
        return false;
    const std::size_t zapamietana = s.Pozycja();
    if (s.Pobierz() < 0) {
        s.Wyczysc();
        s.Ustaw_pozycje(zapamietana);
        return false;
    }
    // The first character is the "<" in a valid file and is not compared.
    if (s.Pobierz_do('>', najdluzszy_token) != klucz) {
        s.Ustaw_pozycje(zapamietana);
        return false;
    }
    s.Pobierz();
    return true;
}

std::string_view Format_obiektow::Pobierz_wartosc(Strumien_wejsciowy& s)
{
    if (s.Zly())
        return {};
    if (s.Na_koncu()) {
        s.Ustaw_zly();
        return {};
    }
    std::string_view wartosc = s.Pobierz_do('<', najdluzszy_token);
    if (!wartosc.empty() && wartosc.back() == '\n')
        wartosc.remove_suffix(1);
    return wartosc;
}

std::string Format_obiektow::Czytaj_wartosc(Strumien_wejsciowy& s)
{
    return std::string(Pobierz_wartosc(s));
}

std::int32_t Format_obiektow::Czytaj_liczbe(Strumien_wejsciowy& s, std::string_view klucz)
{
    if (!Czytaj_klucz(s, klucz))
        return -1;
    return Liczba_z_poczatku(Pobierz_wartosc(s));
}

void Format_obiektow::Czytaj_znacznik(Strumien_wejsciowy& s, std::string_view klucz)
{
    // The character after the marker is taken whether the key was there or not.
    Czytaj_klucz(s, klucz);
    s.Pobierz();
}

void Format_obiektow::Czytaj_liczbe_pola(Strumien_wejsciowy& s, std::int32_t& cel)
{
    s.Pobierz();
    if (s.Zly())
        return;
    while (Bialy(s.Podejrzyj()))
        s.Pobierz();
    if (s.Na_koncu()) {
        s.Ustaw_zly();
        return;
    }
    const auto liczba = Liczba_na_poczatku(s.Reszta());
    if (!liczba) {
        s.Pomin_linie();
        return;
    }
    cel = liczba->first;
    s.Ustaw_pozycje(s.Pozycja() + liczba->second);
    s.Pobierz();
}

Strumien_wyjsciowy& Format_obiektow::Zapisz_definicje(Strumien_wyjsciowy& s)
{
    Zapisz_znacznik(s, "Definicja_obiektu");
    Zapisz_klucz_wartosc(s, "Nazwa_klasy", nazwa_klasy);
    Zapisz_identyfikator(s);
    Zapisz_pola(s);
    Zapisz_powiazania(s);
    Zapisz_znacznik(s, "\\Definicja_obiektu");
    return s;
}

Strumien_wejsciowy& Format_obiektow::Czytaj_definicje(Strumien_wejsciowy& s, Tablica_obiektow* tablica)
{
    Czytaj_znacznik(s, "Definicja_obiektu");
    // The format was chosen by the class code; the name read changes nothing.
    Czytaj_klucz(s, "Nazwa_klasy");
    Pobierz_wartosc(s);
    Czytaj_identyfikator(s, tablica);
    Czytaj_pola(s);
    Czytaj_powiazania(s, tablica);
    Czytaj_znacznik(s, "\\Definicja_obiektu");
    return s;
}
