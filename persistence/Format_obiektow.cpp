// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Format_obiektow.h"

#include <limits>

namespace {
bool Bialy(int znak)
{
    return znak == ' ' || (znak >= '\t' && znak <= '\r');
}

bool Cyfra(int znak)
{
    return znak >= '0' && znak <= '9';
}

std::int32_t Nasyc(std::int64_t wartosc, bool ujemna)
{
    const std::int64_t ze_znakiem = ujemna ? -wartosc : wartosc;
    if (ze_znakiem > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (ze_znakiem < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(ze_znakiem);
}

// Adds a digit to a magnitude that stops growing once it is past 32 bits.
void Dopisz_cyfre(std::int64_t& wartosc, int cyfra)
{
    if (wartosc <= std::int64_t { 1 } << 32)
        wartosc = wartosc * 10 + (cyfra - '0');
}
} // namespace

std::int32_t Liczba_z_poczatku(std::string_view tekst)
{
    std::size_t i = 0;
    while (i < tekst.size() && Bialy(static_cast<unsigned char>(tekst[i])))
        ++i;
    bool ujemna = false;
    if (i < tekst.size() && (tekst[i] == '-' || tekst[i] == '+'))
        ujemna = tekst[i++] == '-';
    std::int64_t wartosc = 0;
    for (; i < tekst.size() && Cyfra(tekst[i]); ++i)
        Dopisz_cyfre(wartosc, tekst[i]);
    return Nasyc(wartosc, ujemna);
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

void Format_obiektow::Czytaj_nazwe_klasy(Strumien_wejsciowy& s)
{
    // The format was chosen by the class code; the name read changes nothing.
    Czytaj_klucz(s, "Nazwa_klasy");
    Pobierz_wartosc(s);
}

void Format_obiektow::Czytaj_liczbe_pola(Strumien_wejsciowy& s, std::int32_t& cel)
{
    if (s.Zly())
        return;
    while (Bialy(s.Podejrzyj()))
        s.Pobierz();
    if (s.Na_koncu()) {
        s.Ustaw_zly();
        return;
    }
    bool ujemna = false;
    if (s.Podejrzyj() == '-' || s.Podejrzyj() == '+')
        ujemna = s.Pobierz() == '-';
    if (!Cyfra(s.Podejrzyj())) {
        s.Pomin_linie();
        return;
    }
    std::int64_t wartosc = 0;
    while (Cyfra(s.Podejrzyj()))
        Dopisz_cyfre(wartosc, s.Pobierz());
    cel = Nasyc(wartosc, ujemna);
    s.Pobierz();
}

Strumien_wyjsciowy& Format_obiektow::Zapisz_definicje(Strumien_wyjsciowy& s)
{
    Zapisz_znacznik(s, "Definicja_obiektu");
    Zapisz_nazwe_klasy(s);
    Zapisz_pola(s);
    Zapisz_powiazania(s);
    Zapisz_znacznik(s, "\\Definicja_obiektu");
    return s;
}

Strumien_wejsciowy& Format_obiektow::Czytaj_definicje(Strumien_wejsciowy& s, Tablica_obiektow* tablica)
{
    Czytaj_znacznik(s, "Definicja_obiektu");
    Czytaj_nazwe_klasy(s);
    Czytaj_pola(s);
    Czytaj_powiazania(s, tablica);
    Czytaj_znacznik(s, "\\Definicja_obiektu");
    return s;
}
