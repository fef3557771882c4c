// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Mapa_klas.h"

// The program's class map: the four formats, and the factory that recreates
// titles and copies inside the current application object while a file is read.
class Mapa_kartx : public Mapa_klas {
public:
    Mapa_kartx();
    ~Mapa_kartx() override;

    std::int32_t Kod_tablicy() const override { return kod_tablicy; }
    void Utworz_obiekt(std::int32_t id, std::int32_t kod_klasy, Tablica_obiektow* tablica) override;

private:
    bool kolekcja_tytulow_zwiazana = false;
};
