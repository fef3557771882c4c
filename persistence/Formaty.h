// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four formats of the program's class map, one per stored class.

#include "domain/TPozycja.h"
#include "domain/TTytul.h"
#include "persistence/Format_PDC_obiektow.h"

// The table's own definition: the class code and identifier of every entry.
// Reading it has the class map's factory create each stored object.
class Format_tablicy_obiektow : public Format_obiektow {
public:
    Strumien_wyjsciowy& Zapisz_definicje(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) override;
    Strumien_wejsciowy& Czytaj_definicje(Strumien_wejsciowy& s, Tablica_obiektow* tablica) override;
    void Ustaw_obiekt(void* o) override { obiekt = static_cast<Tablica_obiektow*>(o); }

    void Zapisz_wpisy(Strumien_wyjsciowy& s);
    void Czytaj_wpisy(Strumien_wejsciowy& s, Tablica_obiektow* tablica);

private:
    Tablica_obiektow* obiekt = nullptr;
};

// A collection is stored with its element count only; its elements are table
// entries of their own, attached to it by the factory.
class Format_kolekcji : public Format_PDC_obiektow<PDC_Obiekt> {
public:
    Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_pola(Strumien_wyjsciowy& s) override;
    Strumien_wejsciowy& Czytaj_pola(Strumien_wejsciowy& s) override;
};

class Format_tytulu : public Format_PDC_obiektow<TTytul> {
public:
    Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_pola(Strumien_wyjsciowy& s) override;
    Strumien_wejsciowy& Czytaj_pola(Strumien_wejsciowy& s) override;
};

// A copy: its number, then references to its title and its loan.
class Format_pozycji : public Format_PDC_obiektow<TPozycja> {
public:
    Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_pola(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_powiazania(Strumien_wyjsciowy& s) override;
    Strumien_wejsciowy& Czytaj_pola(Strumien_wejsciowy& s) override;
    Strumien_wejsciowy& Czytaj_powiazania(Strumien_wejsciowy& s, Tablica_obiektow* tablica) override;
};
