// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TKlasaAplikacji.h"
#include "tests/support/Katalog_tymczasowy.h"
#include "tests/support/Migawka.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A fresh run: the counter at 0, an application object, and a temporary
// working directory for the data files.
class Aplikacja_w_katalogu : public ::testing::Test {
protected:
    Aplikacja_w_katalogu()
        : zerowanie((licznik_obiektow = 0, nullptr))
    {
    }

    void Otworz_plik(const std::string& bajty)
    {
        Zapisz_bajty("proba1.txt", bajty);
        app.Usun_wszystko();
        app.Otworz();
    }

    std::vector<std::string> Nazwy() const { return Migawka(app).Nazwy(); }

    // Save writes a canonical file; opening it writes the same bytes back.
    void Sprawdz_kanoniczny_zapis()
    {
        app.Zachowaj();
        const std::string zapisany = Czytaj_bajty("proba1.txt");
        app.Usun_wszystko();
        app.Otworz();
        EXPECT_EQ(Czytaj_bajty("proba2.txt"), zapisany);
    }

    Katalog_tymczasowy katalog;
    struct Zerowanie {
        explicit Zerowanie(std::nullptr_t) { }
    } zerowanie;
    TKlasaAplikacji app;
};
