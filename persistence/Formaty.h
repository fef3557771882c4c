// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four formats of the program's class map, one per stored class, each
// made with the class name it writes.

#include "domain/Kody_klas.h"
#include "domain/PDC_Obiekt.h"
#include "domain/TPozycja.h"
#include "domain/TTytul.h"
#include "persistence/Format_obiektow.h"
#include "persistence/Tablica_obiektow.h"

// A format bound to one domain object at a time, of the class code given
// (TTytul and TPozycja are final, so the code proves the class; -1 takes any
// object); its definition carries the object's identifier after the class name.
template <class T, std::int32_t kod = -1> class Format_PDC_obiektow : public Format_obiektow {
public:
    using Format_obiektow::Format_obiektow;

    // An object of another class binds nothing, so nothing is written into it.
    void Ustaw_obiekt(void* o) override
    {
        auto* pdc = static_cast<PDC_Obiekt*>(o);
        obiekt = pdc != nullptr && (kod == -1 || pdc->Podaj_kod_klasy() == kod) ? static_cast<T*>(pdc) : nullptr;
    }

protected:
    void Zapisz_identyfikator(Strumien_wyjsciowy& s) override
    {
        Zapisz_klucz(s, "Obiekt_ID");
        Zapisz_liczbe(s, "id", obiekt ? obiekt->Podaj_identyfikator() : -1);
    }

    // The stored identifier is taken unless it is -1 (no object) or another
    // object of this read holds it, so every loaded object stays distinct.
    void Czytaj_identyfikator(Strumien_wejsciowy& s, Tablica_obiektow* tablica) override
    {
        if (!Czytaj_klucz(s, "Obiekt_ID"))
            return;
        const std::int32_t id = Czytaj_liczbe(s, "id");
        if (obiekt != nullptr && tablica != nullptr)
            tablica->Zmien_identyfikator(obiekt, id);
    }

    T* obiekt = nullptr;
};

// The table's own definition: the class code and identifier of every entry.
// Reading it has the class map's factory create each stored object.
class Format_tablicy_obiektow : public Format_obiektow {
public:
    using Format_obiektow::Format_obiektow;
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
    using Format_PDC_obiektow::Format_PDC_obiektow;

    void Zapisz_pola(Strumien_wyjsciowy& s) override;
    void Czytaj_pola(Strumien_wejsciowy& s) override;
};

class Format_tytulu : public Format_PDC_obiektow<TTytul, kod_tytulu> {
public:
    using Format_PDC_obiektow::Format_PDC_obiektow;

    void Zapisz_pola(Strumien_wyjsciowy& s) override;
    void Czytaj_pola(Strumien_wejsciowy& s) override;
};

// A copy: its number, then references to its title and its loan.
class Format_pozycji : public Format_PDC_obiektow<TPozycja, kod_pozycji> {
public:
    using Format_PDC_obiektow::Format_PDC_obiektow;

    void Zapisz_pola(Strumien_wyjsciowy& s) override;
    void Zapisz_powiazania(Strumien_wyjsciowy& s) override;
    void Czytaj_pola(Strumien_wejsciowy& s) override;
    void Czytaj_powiazania(Strumien_wejsciowy& s, Tablica_obiektow* tablica) override;
};
