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
    Format_tablicy_obiektow()
        : Format_obiektow("Tablica_obiektow")
    {
    }
    void Ustaw_obiekt(void* o) override { obiekt = static_cast<Tablica_obiektow*>(o); }

protected:
    void Zapisz_pola(Strumien_wyjsciowy& s) override;
    void Czytaj_pola(Strumien_wejsciowy& s) override;

private:
    Tablica_obiektow* obiekt = nullptr;
};

// A collection is stored with its element count only; its elements are table
// entries of their own, attached to it by the factory.
class Format_kolekcji : public Format_PDC_obiektow<PDC_Obiekt> {
public:
    Format_kolekcji()
        : Format_PDC_obiektow("TKol1")
    {
    }

protected:
    void Zapisz_pola(Strumien_wyjsciowy& s) override;
    void Czytaj_pola(Strumien_wejsciowy& s) override;
};

class Format_tytulu : public Format_PDC_obiektow<TTytul> {
public:
    Format_tytulu()
        : Format_PDC_obiektow("TTytul")
    {
    }

protected:
    void Zapisz_pola(Strumien_wyjsciowy& s) override;
    void Czytaj_pola(Strumien_wejsciowy& s) override;
};

// A copy: its number, then references to its title and its loan.
class Format_pozycji : public Format_PDC_obiektow<TPozycja> {
public:
    Format_pozycji()
        : Format_PDC_obiektow("TPozycja")
    {
    }

protected:
    void Zapisz_pola(Strumien_wyjsciowy& s) override;
    void Zapisz_powiazania(Strumien_wyjsciowy& s) override;
    void Czytaj_pola(Strumien_wejsciowy& s) override;
    void Czytaj_powiazania(Strumien_wejsciowy& s, Tablica_obiektow* tablica) override;
};
