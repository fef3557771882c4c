// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TKlasaAplikacji.h"

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// What a catalogue holds, element by element in collection order, as plain
// values to compare; and what breaks it, if anything does.
struct Migawka {
    using Tytul = std::tuple<std::string, std::string, std::string, std::int32_t>; // name, author, ISBN, identifier
    // Number, its title's position in `tytuly` or -1 for none, identifier, whether it is lent.
    using Pozycja = std::tuple<std::int32_t, long, std::int32_t, bool>;

    explicit Migawka(const TKlasaAplikacji& app);

    std::vector<std::string> Nazwy() const;
    std::vector<std::int32_t> Numery() const;
    // The name of a copy's title, empty for none; every copy's number and that name.
    std::string Tytul_pozycji(const Pozycja& p) const;
    std::vector<std::pair<std::int32_t, std::string>> Numery_z_tytulami() const;
    // Every identifier, the collections' too, used once and none -1.
    bool Identyfikatory_rozne() const;

    std::int32_t id_tytulow, id_pozycji;
    std::vector<Tytul> tytuly;
    std::vector<Pozycja> pozycje;
    // Empty for a catalogue that hangs together: every entry within a
    // collection's count present, none past it, every copy's title one of
    // the titles.
    std::string blad;
};

// The catalogue in one line: each collection's identifier, then each title
// as identifier name|author|ISBN, each copy as identifier number->title's
// identifier ("-" for none), a loan marked "+w".
std::string Opis(const TKlasaAplikacji& app);

// Runs steps on the application, "; " between them: "t name|author|ISBN" adds
// a title, "k name|number" a copy, "st" and "sp" sort the titles and the
// copies, "u" empties, "it n" and "ip n" set the collections' identifiers,
// "l n" the counter.
void Wykonaj_kroki(TKlasaAplikacji& app, const std::string& kroki);
