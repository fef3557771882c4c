// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The problem-domain layer: every title, copy and collection is a PDC_Obiekt
// carrying an identifier drawn from one program-wide counter. The collections
// (Kolekcje.h) hold the objects; TKlasaAplikacji owns them all. The three
// persistence operations declared here are defined by the persistence layer,
// in persistence/PDC_Obiekt_pliki.cpp.

#include <cstdint>

class Tablica_obiektow;
class Strumien_wejsciowy;
class Strumien_wyjsciowy;

// The last identifier drawn; 0 before the first object of the run.
extern std::int32_t licznik_obiektow;

// An identifier known before its object exists, one read from a file: an
// object built with it draws none.
struct Identyfikator_z_pliku {
    std::int32_t wartosc;
};

class PDC_Obiekt {
public:
    PDC_Obiekt();
    explicit PDC_Obiekt(Identyfikator_z_pliku id);
    // Virtual although objects are always deleted through their own class:
    // it costs nothing and keeps a delete through the base well defined.
    virtual ~PDC_Obiekt() = default;

    PDC_Obiekt(const PDC_Obiekt&) = delete;
    PDC_Obiekt& operator=(const PDC_Obiekt&) = delete;

    virtual std::int32_t Podaj_kod_klasy() const = 0;
    virtual void Wpisz_skladniki(Tablica_obiektow* /*tablica*/) { }

    std::int32_t Podaj_identyfikator() const { return identyfikator; }
    void Ustaw_identyfikator(std::int32_t nowy);

    void Wpisz_do_tablicy(Tablica_obiektow* tablica);
    Strumien_wyjsciowy& Zapisz(Strumien_wyjsciowy& strumien, Tablica_obiektow* tablica);
    Strumien_wejsciowy& Odczytaj(Strumien_wejsciowy& strumien, Tablica_obiektow* tablica);

protected:
    std::int32_t identyfikator;
};

// The identifier for a new object, one that no live object holds: the
// counter's next value, or once the counter is exhausted (after a file that
// holds the largest identifier), a free one among the application's objects.
std::int32_t Nowy_identyfikator();
