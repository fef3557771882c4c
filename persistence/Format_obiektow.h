// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The persistence layer. Save lists the collections and their elements in a
// Tablica_obiektow, which writes its own definition, then each object's
// through the format that the class map holds under its class code. Open
// reads the table, the map's factory recreating every object, then each
// object's definition.

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/Strumien_wejsciowy.h"
#include "safefile/Strumien_wyjsciowy.h"

class Tablica_obiektow;

// The longest key or value a reader takes, in bytes.
inline constexpr std::size_t najdluzszy_token = 79;

// Base of every format: the outline of a definition (its markers, the class
// name, then the hooks), and the token operations through which every byte
// of the file is written and read.
class Format_obiektow {
public:
    explicit Format_obiektow(std::string_view nazwa_klasy = {})
        : nazwa_klasy(nazwa_klasy)
    {
    }
    virtual ~Format_obiektow() = default;

    Format_obiektow(const Format_obiektow&) = delete;
    Format_obiektow& operator=(const Format_obiektow&) = delete;

    Strumien_wyjsciowy& Zapisz_definicje(Strumien_wyjsciowy& s);
    Strumien_wejsciowy& Czytaj_definicje(Strumien_wejsciowy& s, Tablica_obiektow* tablica);
    // Object formats take a PDC_Obiekt*, the table format a Tablica_obiektow*.
    virtual void Ustaw_obiekt(void*) { }

    void Zapisz_klucz(Strumien_wyjsciowy& s, std::string_view klucz)
    {
        s.Znak('<');
        s.Tekst(klucz);
        s.Znak('>');
    }
    void Zapisz_klucz_wartosc(Strumien_wyjsciowy& s, std::string_view klucz, std::string_view wartosc)
    {
        Zapisz_klucz(s, klucz);
        s.Tekst(wartosc);
        s.Koniec_linii();
    }
    void Zapisz_liczbe(Strumien_wyjsciowy& s, std::string_view klucz, std::int32_t liczba)
    {
        Zapisz_klucz(s, klucz);
        s.Liczba(liczba);
        s.Koniec_linii();
    }

    // A key that is absent is not consumed.
    bool Czytaj_klucz(Strumien_wejsciowy& s, std::string_view klucz);
    std::string Czytaj_wartosc(Strumien_wejsciowy& s);
    // -1 when the key is absent; out-of-range values saturate.
    std::int32_t Czytaj_liczbe(Strumien_wejsciowy& s, std::string_view klucz);

protected:
    virtual void Zapisz_identyfikator(Strumien_wyjsciowy&) { }
    virtual void Zapisz_pola(Strumien_wyjsciowy&) { }
    virtual void Zapisz_powiazania(Strumien_wyjsciowy&) { }
    virtual void Czytaj_identyfikator(Strumien_wejsciowy&, Tablica_obiektow*) { }
    virtual void Czytaj_pola(Strumien_wejsciowy&) { }
    virtual void Czytaj_powiazania(Strumien_wejsciowy&, Tablica_obiektow*) { }

    void Zapisz_znacznik(Strumien_wyjsciowy& s, std::string_view klucz)
    {
        Zapisz_klucz(s, klucz);
        s.Koniec_linii();
    }
    void Czytaj_znacznik(Strumien_wejsciowy& s, std::string_view klucz);
    // The value as Czytaj_wartosc reads it, without copying it out.
    std::string_view Pobierz_wartosc(Strumien_wejsciowy& s);
    // A field block of one number: "<", the number, the line end. A text that
    // is no number leaves the target unchanged and reading resumes at the next line.
    void Zapisz_liczbe_pola(Strumien_wyjsciowy& s, std::int32_t liczba)
    {
        s.Znak('<');
        s.Liczba(liczba);
        s.Koniec_linii();
    }
    void Czytaj_liczbe_pola(Strumien_wejsciowy& s, std::int32_t& cel);

private:
    std::string_view nazwa_klasy;
};

// The leading-integer rule: white space, an optional sign, digits; no digits
// give 0 and values beyond 32 bits saturate.
std::int32_t Liczba_z_poczatku(std::string_view tekst);
