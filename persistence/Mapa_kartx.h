// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Kody_klas.h"
#include "domain/TPozycja.h"
#include "persistence/Mapa_klas.h"

// The program's class map: the four formats, and the factory that recreates
// titles and copies inside the current application object while a file is read.
class Mapa_kartx : public Mapa_klas {
public:
    Mapa_kartx();
    ~Mapa_kartx() override;

    std::int32_t Kod_tablicy() const override { return kod_tablicy; }
    void Utworz_obiekt(std::int32_t id, std::int32_t kod_klasy, Tablica_obiektow* tablica) override;
    // A copy names its title's identifier, far from it in memory (bench/README.md,
    // row "prefetch of a copy's title while saving"); the benchmark turns it off to weigh it.
    static inline bool wyprzedzenie = true;
    void Zapowiedz_zapis(const PDC_Obiekt* obiekt) const override
    {
        if (wyprzedzenie && obiekt != nullptr && obiekt->Podaj_kod_klasy() == kod_pozycji)
            __builtin_prefetch(static_cast<const TPozycja*>(obiekt)->Podaj_tytul());
    }

private:
    bool kolekcja_tytulow_zwiazana = false;
};
