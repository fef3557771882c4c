// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "tests/support/Migawka.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <random>
#include <string>
#include <tuple>
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

// What each sequence of steps (see Wykonaj_kroki) leaves, in one line (see
// Opis): titles newest first, ISBNs and copy numbers taken once, texts cut to
// 19 bytes, sorts by unsigned bytes and signed numbers, copies finding their
// title in any order (which the binary search alone would miss) without
// reordering them, identifiers drawn from one counter that emptying never
// lowers, the lowest free ones above the collections' five once it is spent.
TEST_F(Aplikacja, EachSequenceOfStepsLeavesItsCatalogue)
{
    const std::tuple<const char*, std::string, std::string> przypadki[] = {
        { "a repeated ISBN", "t X|A|1; t X|B|2; t Inna|C|1; t X|A|2", "tytuly 2: 7 X|B|2 6 X|A|1; pozycje 3:" },
        { "texts cut to 19 bytes", "t X40|autor|X401; t inny|autor|X402", "tytuly 2: 6 X19|autor|X19; pozycje 3:" },
        { "newest first", "t X|a|X; t Y|a|Y; t Z|a|Z", "tytuly 2: 8 Z|a|Z 7 Y|a|Y 6 X|a|X; pozycje 3:" },
        { "sorted by unsigned bytes",
            "t X|a|X; t Y|a|Y; t Z|a|Z; t \xB9le|a|4; t zeta|a|5; t b|a|6; t A|a|7; t a|a|8; st",
            "tytuly 2: 12 A|a|7 6 X|a|X 7 Y|a|Y 8 Z|a|Z 13 a|a|8 11 b|a|6 10 zeta|a|5 9 \xB9le|a|4; pozycje 3:" },
        { "copies of unsorted titles",
            "t m|a|1; t c|a|2; t x|a|3; t a|a|4; t q|a|5; t b|a|6; t z|a|7; k m|1; k c|2; k x|3; k a|4; k q|5; k b|6; "
            "k z|7",
            "tytuly 2: 12 z|a|7 11 b|a|6 10 q|a|5 9 a|a|4 8 x|a|3 7 c|a|2 6 m|a|1; "
            "pozycje 3: 19 7->12 18 6->11 17 5->10 16 4->9 15 3->8 14 2->7 13 1->6" },
        { "a taken number, an unknown name", "t A|a|1; t B|b|2; st; k A|0; k B|0; k B|5; k C|6; k |7",
            "tytuly 2: 6 A|a|1 7 B|b|2; pozycje 3: 9 5->7 8 0->6" },
        { "numbers sorted as signed integers", "t A|a|1; k A|10; k A|-5; k A|2; sp",
            "tytuly 2: 6 A|a|1; pozycje 3: 8 -5->6 9 2->6 7 10->6" },
        { "emptied, then a title", "t Stary dom|Anonim|83-01-00001-5; k Stary dom|1; u; t Nowy|A|1",
            "tytuly 2: 8 Nowy|A|1; pozycje 3:" },
        { "set identifiers", "it 100; t a|b|c; ip 50; t d|e|f; ip -1; t g|h|i",
            "tytuly 100: 103 g|h|i 102 d|e|f 101 a|b|c; pozycje -1:" },
        { "an exhausted counter", "l 2147483646; t a|b|c; t d|e|f; k a|1; ip 8; k d|2",
            "tytuly 2: 6 d|e|f 2147483647 a|b|c; pozycje 8: 9 2->6 7 1->2147483647" },
    };
    auto rozwin = [](std::string tekst) {
        for (const auto& [skrot, pelny] : { std::pair { "X40", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx" },
                 std::pair { "X19", "xxxxxxxxxxxxxxxxxxx" } })
            for (std::size_t i; (i = tekst.find(skrot)) != std::string::npos;)
                tekst.replace(i, 3, pelny);
        return tekst;
    };
    for (const auto& [co, kroki, opis] : przypadki) {
        licznik_obiektow = 0;
        TKlasaAplikacji app;
        Wykonaj_kroki(app, rozwin(kroki));
        EXPECT_EQ(Opis(app), rozwin(opis)) << co;
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
