// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Kolekcje.h"
#include "persistence/Format_obiektow.h"

#include <cstdint>

// Formats by class code: the format serving a class stands at the position
// equal to its code. The factory is for the derived map to provide.
class Mapa_klas {
public:
    Mapa_klas() = default;
    virtual ~Mapa_klas() = default;

    Mapa_klas(const Mapa_klas&) = delete;
    Mapa_klas& operator=(const Mapa_klas&) = delete;

    virtual std::int32_t Kod_tablicy() const { return 0; }
    virtual void Utworz_obiekt(std::int32_t /*id*/, std::int32_t /*kod_klasy*/, Tablica_obiektow* /*tablica*/) { }

    // The object is written soon: a hint for what its writing will reach.
    virtual void Zapowiedz_zapis(const PDC_Obiekt*) const { }

    Format_obiektow* Format(std::int32_t kod_klasy) const { return formaty.Element(kod_klasy); }
    Format_obiektow* Format_tablicy() const { return Format(Kod_tablicy()); }

protected:
    TKol4<Format_obiektow> formaty;
};
