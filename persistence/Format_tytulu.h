// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TTytul.h"
#include "persistence/Format_PDC_obiektow.h"

class Format_tytulu : public Format_PDC_obiektow<TTytul> {
public:
    Strumien_wyjsciowy& Zapisz_nazwe_klasy(Strumien_wyjsciowy& s) override;
    Strumien_wyjsciowy& Zapisz_pola(Strumien_wyjsciowy& s) override;
    Strumien_wejsciowy& Czytaj_pola(Strumien_wejsciowy& s) override;
};
