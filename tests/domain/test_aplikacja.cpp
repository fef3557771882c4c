// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "tests/support/Migawka.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(Aplikacja, StartsEmpty)
{
    TKlasaAplikacji app;
    EXPECT_EQ(aplikacja, &app);
    EXPECT_EQ(app.klienci.Podaj_liczbe() + app.tytuly.Podaj_liczbe() + app.pozycje.Podaj_liczbe()
            + app.wypozyczenia.Podaj_liczbe() + app.rezerwacje.Podaj_liczbe(),
        0);
}

TEST(Aplikacja, DodajTytulRefusesRepeatedIsbnOnly)
{
    TKlasaAplikacji app;
    app.Dodaj_tytul("X", "A", "1");
    app.Dodaj_tytul("X", "B", "2");
    app.Dodaj_tytul("Inna", "C", "1");
    app.Dodaj_tytul("X", "A", "2");
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 2);
    // The newest first; the first title with ISBN 1 kept its name and author.
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_ISBN(), "2");
    EXPECT_STREQ(app.tytuly.Element(1)->Podaj_nazwe(), "X");
    EXPECT_STREQ(app.tytuly.Element(1)->Podaj_autora(), "A");
    EXPECT_EQ(app.tytuly.Element(1)->Podaj_pozycje(), &app.pozycje);
    EXPECT_EQ(app.tytuly.Element(1)->Podaj_rezerwacje(), &app.rezerwacje);
}

TEST(Aplikacja, TextsAreCutToNineteenBytes)
{
    TKlasaAplikacji app;
    const std::string dlugi(40, 'x');
    app.Dodaj_tytul(dlugi.c_str(), "autor", (dlugi + "1").c_str());
    app.Dodaj_tytul("inny", "autor", (dlugi + "2").c_str()); // same first 19 bytes
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_EQ(std::string(app.tytuly.Element(0)->Podaj_nazwe()), std::string(19, 'x'));
    EXPECT_EQ(std::string(app.tytuly.Element(0)->Podaj_ISBN()), std::string(19, 'x'));
}

TEST(Aplikacja, NewestTitleFirstAndSortingByUnsignedBytes)
{
    TKlasaAplikacji app;
    app.Dodaj_tytul("X", "a", "1");
    app.Dodaj_tytul("Y", "a", "2");
    app.Dodaj_tytul("Z", "a", "3");
    EXPECT_EQ(Migawka(app).Nazwy(), (std::vector<std::string> { "Z", "Y", "X" }));
    app.Dodaj_tytul("\xB9le", "a", "4"); // "ąle" in windows-1250
    app.Dodaj_tytul("zeta", "a", "5");
    app.Dodaj_tytul("b", "a", "6");
    app.Dodaj_tytul("A", "a", "7");
    app.Dodaj_tytul("a", "a", "8");
    app.tytuly.Sortuj(Porownaj_tytuly);
    EXPECT_EQ(Migawka(app).Nazwy(), (std::vector<std::string> { "A", "X", "Y", "Z", "a", "b", "zeta", "\xB9le" }));
}

TEST(Aplikacja, DodajKsiazkeFindsTitleInAnyOrder)
{
    TKlasaAplikacji app;
    // Unsorted: the binary search alone misses some of these titles.
    const char* nazwy[] = { "m", "c", "x", "a", "q", "b", "z" };
    int isbn = 0;
    for (const char* n : nazwy)
        app.Dodaj_tytul(n, "autor", std::to_string(++isbn).c_str());
    const std::vector<std::string> przed = Migawka(app).Nazwy();
    int numer = 0;
    for (const char* n : nazwy)
        app.Dodaj_ksiazke(n, ++numer);
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 7);
    for (std::int32_t i = 0; i < 7; ++i) {
        // Position 0 holds the newest copy, of the last name added.
        EXPECT_STREQ(app.pozycje.Element(i)->Podaj_tytul()->Podaj_nazwe(), nazwy[6 - i]);
        EXPECT_EQ(app.pozycje.Element(i)->Podaj_wypozyczenie(), nullptr);
    }
    EXPECT_EQ(Migawka(app).Nazwy(), przed); // the search never reorders the titles
}

TEST(Aplikacja, DodajKsiazkeRefusesTakenNumberAndUnknownName)
{
    TKlasaAplikacji app;
    app.Dodaj_tytul("A", "a", "1");
    app.Dodaj_tytul("B", "b", "2");
    app.tytuly.Sortuj(Porownaj_tytuly);
    app.Dodaj_ksiazke("A", 0);
    app.Dodaj_ksiazke("B", 0); // taken by a copy of another title
    app.Dodaj_ksiazke("B", 5);
    app.Dodaj_ksiazke("C", 6);
    app.Dodaj_ksiazke("", 7);
    EXPECT_EQ(Migawka(app).Numery(), (std::vector<std::int32_t> { 5, 0 }));
    EXPECT_STREQ(app.pozycje.Element(0)->Podaj_tytul()->Podaj_nazwe(), "B");

    app.Usun_wszystko();
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 0);
    EXPECT_EQ(app.pozycje.Podaj_liczbe(), 0);
}

TEST(Aplikacja, NumbersSortAsSignedIntegers)
{
    TKlasaAplikacji app;
    app.Dodaj_tytul("A", "a", "1");
    for (int n : { 10, -5, 2 })
        app.Dodaj_ksiazke("A", n);
    app.pozycje.Sortuj(Porownaj_pozycje);
    EXPECT_EQ(Migawka(app).Numery(), (std::vector<std::int32_t> { -5, 2, 10 }));
}

TEST(Sortowanie, ByKeyGivesExactlyTheOrderOfTheComparison)
{
    // Same elements, one collection sorted by the comparison, one by the
    // key: the same permutation, equal names included.
    std::mt19937 los(11);
    const char* const nazwy[] = { "a", "A", "ab", "ab\xB9", "\xB9", "Pan Tadeusz 1", "Pan Tadeusz 10", "Pan Tadeusz 1 ",
        "zzzzzzzzzzzzzzzzzzz", "", "b" };
    std::vector<std::unique_ptr<TTytul>> tytuly;
    TKol4<TTytul> t1, t2;
    for (int i = 0; i < 3000; ++i) {
        tytuly.push_back(std::make_unique<TTytul>(nazwy[los() % 11], "", "", nullptr, nullptr));
        for (auto* k : { &t1, &t2 }) {
            k->Powieksz(1);
            k->Wstaw(tytuly.back().get(), 0);
        }
    }
    t1.Sortuj(Porownaj_tytuly);
    t2.Sortuj_wedlug_klucza(Klucz_tytulu);
    for (std::int32_t i = 0; i < 3000; ++i)
        ASSERT_EQ(t1.Element(i), t2.Element(i)) << i;
}

} // namespace
