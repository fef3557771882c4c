// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/TKlasaAplikacji.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class Identyfikatory : public ::testing::Test {
protected:
    Identyfikatory() { licznik_obiektow = 0; }
};

TEST_F(Identyfikatory, ApplicationDrawsOneToFiveAndFirstTitleSix)
{
    TKlasaAplikacji app;
    EXPECT_EQ(aplikacja, &app);
    EXPECT_EQ(app.klienci.Podaj_identyfikator(), 1);
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 2);
    EXPECT_EQ(app.pozycje.Podaj_identyfikator(), 3);
    EXPECT_EQ(app.wypozyczenia.Podaj_identyfikator(), 4);
    EXPECT_EQ(app.rezerwacje.Podaj_identyfikator(), 5);
    app.Dodaj_tytul("Stary dom", "Anonim", "83-01-00001-5");
    app.Dodaj_ksiazke("Stary dom", 1);
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 6);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_identyfikator(), 7);

    // Emptying returns no identifier to the counter.
    app.Usun_wszystko();
    app.Dodaj_tytul("Nowy", "A", "1");
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 8);
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 2);
}

TEST_F(Identyfikatory, SetIdentifierRaisesCounterButNeverLowersIt)
{
    TKlasaAplikacji app;
    app.tytuly.Ustaw_identyfikator(100);
    app.Dodaj_tytul("a", "b", "c");
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 101);
    app.pozycje.Ustaw_identyfikator(50);
    app.Dodaj_tytul("d", "e", "f");
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 102);
    app.pozycje.Ustaw_identyfikator(-1);
    EXPECT_EQ(licznik_obiektow, 102);
}

TEST_F(Identyfikatory, ExhaustedCounterGivesTheLowestFreeIdentifiers)
{
    constexpr std::int32_t najwiekszy = std::numeric_limits<std::int32_t>::max();
    TKlasaAplikacji app;
    licznik_obiektow = najwiekszy - 1;
    app.Dodaj_tytul("a", "b", "c");
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), najwiekszy);
    // From here on, free identifiers above the collections' five, lowest first.
    app.Dodaj_tytul("d", "e", "f");
    app.Dodaj_ksiazke("a", 1);
    app.pozycje.Ustaw_identyfikator(8);
    app.Dodaj_ksiazke("d", 2);
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 2);
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 2);
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 6);
    EXPECT_EQ(app.pozycje.Element(1)->Podaj_identyfikator(), 7);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_identyfikator(), 9);
    // One freed is taken again.
    app.Usun_wszystko();
    TKol4<TTytul> jeszcze;
    EXPECT_EQ(jeszcze.Podaj_identyfikator(), 6);
    EXPECT_EQ(licznik_obiektow, najwiekszy);
}

} // namespace
