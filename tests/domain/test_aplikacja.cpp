// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "tests/support/Migawka.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

class Aplikacja : public ::testing::Test {
protected:
    Aplikacja() { licznik_obiektow = 0; }
};

// Empty, its collections drawing 1 to 5; a title knows the copies and
// reservations collections.
TEST_F(Aplikacja, StartsEmptyWithTheFirstFiveIdentifiers)
{
    TKlasaAplikacji app;
    EXPECT_EQ(aplikacja, &app);
    EXPECT_EQ(app.klienci.Podaj_liczbe() + app.tytuly.Podaj_liczbe() + app.pozycje.Podaj_liczbe()
            + app.wypozyczenia.Podaj_liczbe() + app.rezerwacje.Podaj_liczbe(),
        0);
    EXPECT_EQ(app.klienci.Podaj_identyfikator(), 1);
    EXPECT_EQ(app.wypozyczenia.Podaj_identyfikator(), 4);
    EXPECT_EQ(app.rezerwacje.Podaj_identyfikator(), 5);
    app.Dodaj_tytul("X", "A", "1");
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_pozycje(), &app.pozycje);
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_rezerwacje(), &app.rezerwacje);
    app.Usun_wszystko();
}

// What each sequence of steps leaves, in one line (see Opis): titles newest
// first, ISBNs and copy numbers taken once, texts cut to 19 bytes, sorts by
// unsigned bytes and signed numbers, identifiers drawn from one counter.
TEST_F(Aplikacja, EachSequenceOfStepsLeavesItsCatalogue)
{
    const std::string dlugi(40, 'x');
    const struct {
        const char* co;
        std::function<void(TKlasaAplikacji&)> kroki;
        std::string opis;
    } przypadki[] = {
        { "a repeated ISBN is refused, whatever the name",
            [](TKlasaAplikacji& a) {
                a.Dodaj_tytul("X", "A", "1");
                a.Dodaj_tytul("X", "B", "2");
                a.Dodaj_tytul("Inna", "C", "1");
                a.Dodaj_tytul("X", "A", "2");
            },
            "tytuly 2: 7 X|B|2 6 X|A|1; pozycje 3:" },
        { "texts are cut to 19 bytes, the ISBN compared so",
            [&](TKlasaAplikacji& a) {
                a.Dodaj_tytul(dlugi.c_str(), "autor", (dlugi + "1").c_str());
                a.Dodaj_tytul("inny", "autor", (dlugi + "2").c_str());
            },
            "tytuly 2: 6 xxxxxxxxxxxxxxxxxxx|autor|xxxxxxxxxxxxxxxxxxx; pozycje 3:" },
        { "the newest title first",
            [](TKlasaAplikacji& a) {
                for (const char* n : { "X", "Y", "Z" })
                    a.Dodaj_tytul(n, "a", n);
            },
            "tytuly 2: 8 Z|a|Z 7 Y|a|Y 6 X|a|X; pozycje 3:" },
        { "titles sort by unsigned bytes",
            [](TKlasaAplikacji& a) {
                for (const char* n : { "X", "Y", "Z", "\xB9le", "zeta", "b", "A", "a" }) // "ąle" in windows-1250
                    a.Dodaj_tytul(n, "a", n);
                a.tytuly.Sortuj(Porownaj_tytuly);
            },
            "tytuly 2: 12 A|a|A 6 X|a|X 7 Y|a|Y 8 Z|a|Z 13 a|a|a 11 b|a|b 10 zeta|a|zeta 9 \xB9le|a|\xB9le; pozycje "
            "3:" },
        // Unsorted: the binary search alone misses some of these titles; the
        // search never reorders them.
        { "a copy finds its title in any order",
            [](TKlasaAplikacji& a) {
                int numer = 0;
                for (const char* n : { "m", "c", "x", "a", "q", "b", "z" })
                    a.Dodaj_tytul(n, "autor", n);
                for (const char* n : { "m", "c", "x", "a", "q", "b", "z" })
                    a.Dodaj_ksiazke(n, ++numer);
            },
            "tytuly 2: 12 z|autor|z 11 b|autor|b 10 q|autor|q 9 a|autor|a 8 x|autor|x 7 c|autor|c 6 m|autor|m; "
            "pozycje 3: 19 7->12 18 6->11 17 5->10 16 4->9 15 3->8 14 2->7 13 1->6" },
        { "a taken number and an unknown name are refused",
            [](TKlasaAplikacji& a) {
                a.Dodaj_tytul("A", "a", "1");
                a.Dodaj_tytul("B", "b", "2");
                a.tytuly.Sortuj(Porownaj_tytuly);
                a.Dodaj_ksiazke("A", 0);
                a.Dodaj_ksiazke("B", 0); // taken by a copy of another title
                a.Dodaj_ksiazke("B", 5);
                a.Dodaj_ksiazke("C", 6);
                a.Dodaj_ksiazke("", 7);
            },
            "tytuly 2: 6 A|a|1 7 B|b|2; pozycje 3: 9 5->7 8 0->6" },
        { "numbers sort as signed integers",
            [](TKlasaAplikacji& a) {
                a.Dodaj_tytul("A", "a", "1");
                for (int n : { 10, -5, 2 })
                    a.Dodaj_ksiazke("A", n);
                a.pozycje.Sortuj(Porownaj_pozycje);
            },
            "tytuly 2: 6 A|a|1; pozycje 3: 8 -5->6 9 2->6 7 10->6" },
        // Emptying returns no identifier to the counter.
        { "emptying, then a title",
            [](TKlasaAplikacji& a) {
                a.Dodaj_tytul("Stary dom", "Anonim", "83-01-00001-5");
                a.Dodaj_ksiazke("Stary dom", 1);
                a.Usun_wszystko();
                a.Dodaj_tytul("Nowy", "A", "1");
            },
            "tytuly 2: 8 Nowy|A|1; pozycje 3:" },
        { "a set identifier raises the counter, never lowers it",
            [](TKlasaAplikacji& a) {
                a.tytuly.Ustaw_identyfikator(100);
                a.Dodaj_tytul("a", "b", "c");
                a.pozycje.Ustaw_identyfikator(50);
                a.Dodaj_tytul("d", "e", "f");
                a.pozycje.Ustaw_identyfikator(-1);
                a.Dodaj_tytul("g", "h", "i");
            },
            "tytuly 100: 103 g|h|i 102 d|e|f 101 a|b|c; pozycje -1:" },
        // From the counter's end on, free identifiers above the collections'
        // five, lowest first.
        { "an exhausted counter gives the lowest free identifiers",
            [](TKlasaAplikacji& a) {
                licznik_obiektow = std::numeric_limits<std::int32_t>::max() - 1;
                a.Dodaj_tytul("a", "b", "c");
                a.Dodaj_tytul("d", "e", "f");
                a.Dodaj_ksiazke("a", 1);
                a.pozycje.Ustaw_identyfikator(8);
                a.Dodaj_ksiazke("d", 2);
            },
            "tytuly 2: 6 d|e|f 2147483647 a|b|c; pozycje 8: 9 2->6 7 1->2147483647" },
    };
    for (const auto& p : przypadki) {
        licznik_obiektow = 0;
        TKlasaAplikacji app;
        p.kroki(app);
        EXPECT_EQ(Opis(app), p.opis) << p.co;
        app.Usun_wszystko();
    }
}

// Identifiers freed once the counter is exhausted are taken again.
TEST_F(Aplikacja, AnExhaustedCounterTakesFreedIdentifiersAgain)
{
    TKlasaAplikacji app;
    licznik_obiektow = std::numeric_limits<std::int32_t>::max();
    app.Dodaj_tytul("a", "b", "c");
    app.Usun_wszystko();
    TKol4<TTytul> jeszcze;
    EXPECT_EQ(jeszcze.Podaj_identyfikator(), 6);
    EXPECT_EQ(licznik_obiektow, std::numeric_limits<std::int32_t>::max());
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
