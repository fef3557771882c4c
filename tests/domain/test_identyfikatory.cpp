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

TEST_F(Identyfikatory, ExhaustedCounterAddsNothingInsteadOfRepeating)
{
    TKlasaAplikacji app;
    licznik_obiektow = std::numeric_limits<std::int32_t>::max() - 1;
    app.Dodaj_tytul("a", "b", "c");
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), std::numeric_limits<std::int32_t>::max());
    app.Dodaj_tytul("d", "e", "f");
    app.Dodaj_ksiazke("a", 1);
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_EQ(app.pozycje.Podaj_liczbe(), 0);
    // A collection made now still builds, without overflow.
    TKol4<TTytul> jeszcze;
    EXPECT_EQ(jeszcze.Podaj_identyfikator(), std::numeric_limits<std::int32_t>::max());
}

} // namespace
