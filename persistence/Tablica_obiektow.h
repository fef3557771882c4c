// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Indeks_identyfikatorow.h"

#include <cstdint>
#include <vector>

class Mapa_klas;
class PDC_Obiekt;
class Strumien_wejsciowy;
class Strumien_wyjsciowy;

// The ordered list of (identifier, object) pairs that one file holds, added
// if absent, never removed or reordered. An index keeps every lookup a few
// probes on any input. Once a read has changed an identifier, it tells which
// object the file listed under it (what references name) from which holds it
// now (what a new identifier must avoid); Zmien_identyfikator keeps it current.
class Tablica_obiektow {
public:
    Tablica_obiektow() = default;

    Tablica_obiektow(const Tablica_obiektow&) = delete;
    Tablica_obiektow& operator=(const Tablica_obiektow&) = delete;

    void Ustaw_mape(Mapa_klas* nowa) { mapa = nowa; }
    Mapa_klas* Mapa() const { return mapa; }

    bool Jest_wpisany(std::int32_t id) const { return indeks.Wpisany(id).kod_klasy != Indeks_identyfikatorow::pusty; }
    void Dodaj(std::int32_t id, PDC_Obiekt* obiekt);
    // The object listed under the identifier.
    PDC_Obiekt* Wpisany_pod(std::int32_t id) const { return indeks.Wpisany(id).obiekt; }
    // The object listed under the identifier if it is of that class code;
    // the code was noted when it was listed, so the object is not touched.
    PDC_Obiekt* Wpisany_pod_klasy(std::int32_t id, std::int32_t kod_klasy) const
    {
        const Indeks_identyfikatorow::Wpis wpis = indeks.Wpisany(id);
        return wpis.kod_klasy == kod_klasy ? wpis.obiekt : nullptr;
    }
    PDC_Obiekt* Obiekt(std::int32_t pozycja) const;
    std::int32_t Podaj_licznik() const { return licznik; }

    // Gives a listed object a new identifier unless that is -1 or another
    // object of this table holds it; returns whether it was given.
    bool Zmien_identyfikator(PDC_Obiekt* obiekt, std::int32_t nowy);
    // The object of this table that holds the identifier now, or none.
    PDC_Obiekt* Posiadacz(std::int32_t id) const { return indeks.Posiadacz(id); }

    // Where `kopia_zapasowa` points at true, the file found is kept as a
    // backup beside it (see Zapis_bezpieczny.h).
    int Zapisz_do_pliku(const char* nazwa, bool* kopia_zapasowa = nullptr);
    int Czytaj_z_pliku(const char* nazwa);
    Strumien_wyjsciowy& Zapisz_tablice(Strumien_wyjsciowy& s);
    Strumien_wyjsciowy& Zapisz_obiekty(Strumien_wyjsciowy& s);
    Strumien_wejsciowy& Czytaj_tablice(Strumien_wejsciowy& s);
    Strumien_wejsciowy& Czytaj_obiekty(Strumien_wejsciowy& s);

private:
    std::vector<PDC_Obiekt*> obiekty;
    Mapa_klas* mapa = nullptr;
    std::int32_t licznik = 0;
    Indeks_identyfikatorow indeks;
};
