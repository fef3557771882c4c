// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The persistence layer. Save registers the application's collections and
// their elements in a Tablica_obiektow; its drivers write the table and then
// each object through the format (Format_obiektow and descendants) that the
// class map (Mapa_kartx) holds under the object's class code. Open reads the
// table first, the map's factory recreating every object, then reads each
// object's definition; copies find their titles through the table.
//
// What the reader does with a damaged file, and where:
// - an over-long key or value is cut at 79 bytes (Pobierz_wartosc, Czytaj_klucz),
//   an over-long title field at 19 bytes, the rest of its line skipped
//   (Format_tytulu.cpp, Czytaj_pole);
// - a number that does not parse skips to the next line and leaves the field
//   as it was (Czytaj_liczbe_pola); one out of range saturates (Nasyc);
// - a missing key is not consumed (Czytaj_klucz), and -1 stands for no object;
// - a table entry under -1 or under an identifier listed already makes no
//   object (Mapa_kartx::Utworz_obiekt); a definition's identifier is taken
//   only when no other object holds it (Tablica_obiektow::Zmien_identyfikator);
// - a reference resolves only to an object listed under it with the class it
//   names (Format_pozycji.cpp, Rozwiaz_tytul; Tablica_obiektow::Wpisany_pod_klasy);
// - a collection's stored count is read past, never taken (Format_kolekcji::Czytaj_pola);
// - once the counter is exhausted, new objects take the lowest free identifier
//   (Nowy_identyfikator, TKlasaAplikacji::Wolny_identyfikator);
// - a collection the file did not bind, or bound again, takes an identifier
//   no object holds (TKlasaAplikacji_pliki.cpp, Uwolnij_identyfikator).

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/Strumien_wejsciowy.h"
#include "persistence/Strumien_wyjsciowy.h"

class Tablica_obiektow;

// The longest key or value a reader takes, in bytes.
inline constexpr std::size_t najdluzszy_token = 79;

// Base of every format: the outline of a definition, and the token operations
// through which every byte of the file is written and read.
class Format_obiektow {
public:
    Format_obiektow() = default;
    virtual ~Format_obiektow() = default;

    Format_obiektow(const Format_obiektow&) = delete;
    Format_obiektow& operator=(const Format_obiektow&) = delete;

    virtual Strumien_wyjsciowy& Zapisz_definicje(Strumien_wyjsciowy& s);
    virtual Strumien_wyjsciowy& Zapisz_powiazania(Strumien_wyjsciowy& s) { return s; }
    virtual Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) { return s; }
    virtual Strumien_wyjsciowy& Zapisz_pola(Strumien_wyjsciowy& s) { return s; }
    virtual Strumien_wejsciowy& Czytaj_definicje(Strumien_wejsciowy& s, Tablica_obiektow* tablica);
    virtual Strumien_wejsciowy& Czytaj_powiazania(Strumien_wejsciowy& s, Tablica_obiektow*) { return s; }
    virtual Strumien_wejsciowy& Czytaj_pola(Strumien_wejsciowy& s) { return s; }
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
    void Zapisz_znacznik(Strumien_wyjsciowy& s, std::string_view klucz)
    {
        Zapisz_klucz(s, klucz);
        s.Koniec_linii();
    }
    void Czytaj_znacznik(Strumien_wejsciowy& s, std::string_view klucz);
    void Czytaj_nazwe_klasy(Strumien_wejsciowy& s);
    // The value as Czytaj_wartosc reads it, without copying it out.
    std::string_view Pobierz_wartosc(Strumien_wejsciowy& s);
    // A field block's number and its line end. A text that is no number leaves
    // the target unchanged and reading resumes at the next line.
    void Czytaj_liczbe_pola(Strumien_wejsciowy& s, std::int32_t& cel);
};

// The leading-integer rule: white space, an optional sign, digits; no digits
// give 0 and values beyond 32 bits saturate.
std::int32_t Liczba_z_poczatku(std::string_view tekst);
