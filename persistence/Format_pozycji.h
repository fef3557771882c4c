// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TPozycja.h"
#include "persistence/Format_PDC_obiektow.h"

// A copy: its number, then references to its title and its loan.
class Format_pozycji : public Format_PDC_obiektow<TPozycja> {
public:
    Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_pola(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_powiazania(Strumien_wyjsciowy& s) override;
    Strumien_wejsciowy& Czytaj_pola(Strumien_wejsciowy& s) override;
    Strumien_wejsciowy& Czytaj_powiazania(Strumien_wejsciowy& s, Tablica_obiektow* tablica) override;
};
