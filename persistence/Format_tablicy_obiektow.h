// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Format_obiektow.h"

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
