// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Format_PDC_obiektow.h"

// A collection is stored with its element count only; its elements are table
// entries of their own, attached to it by the factory.
class Format_kolekcji : public Format_PDC_obiektow<PDC_Obiekt> {
public:
    Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_pola(Strumien_wyjsciowy& s) override;
    Strumien_wejsciowy& Czytaj_pola(Strumien_wejsciowy& s) override;
};
