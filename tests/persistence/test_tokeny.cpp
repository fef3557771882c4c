// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Format_obiektow.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class Tokeny : public ::testing::Test {
protected:
    Format_obiektow f;
};

TEST_F(Tokeny, WritesTheLineShapesWithCrLf)
{
    Strumien_wyjsciowy s;
    f.Zapisz_klucz(s, "Obiekt_ID");
    f.Zapisz_liczbe(s, "id", -1);
    f.Zapisz_klucz_wartosc(s, "Nazwa_klasy", "TTytul");
    f.Zapisz_liczbe(s, "Kod_klasy", std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(s.Zebrane(), "<Obiekt_ID><id>-1\r\n<Nazwa_klasy>TTytul\r\n<Kod_klasy>-2147483648\r\n");
}

TEST_F(Tokeny, KeyThatIsAbsentIsNotConsumed)
{
    Strumien_wejsciowy s("<Kod_klasy>2\r\n<\\Tablica_obiektow>\n");
    EXPECT_FALSE(f.Czytaj_klucz(s, "Obiekt_ID"));
    EXPECT_FALSE(f.Czytaj_klucz(s, "Kod_klas"));
    EXPECT_EQ(s.Pozycja(), 0u);
    EXPECT_TRUE(f.Czytaj_klucz(s, "Kod_klasy"));
    EXPECT_EQ(f.Czytaj_wartosc(s), "2"); // CR LF read as one newline, dropped
    EXPECT_FALSE(f.Czytaj_klucz(s, "Kod_klasy"));
    EXPECT_EQ(f.Czytaj_liczbe(s, "Kod_klasy"), -1);
    EXPECT_TRUE(f.Czytaj_klucz(s, "\\Tablica_obiektow"));
    EXPECT_FALSE(s.Zly());
}

TEST_F(Tokeny, EmptyKeyAndEmptyValueAreNotErrors)
{
    Strumien_wejsciowy s("<>x<a><b>");
    EXPECT_FALSE(f.Czytaj_klucz(s, "x"));
    EXPECT_FALSE(s.Zly());
    EXPECT_EQ(s.Pozycja(), 0u);
    s.Ustaw_pozycje(3);
    EXPECT_TRUE(f.Czytaj_klucz(s, "a"));
    EXPECT_EQ(f.Czytaj_wartosc(s), "");
    EXPECT_FALSE(s.Zly());
    EXPECT_TRUE(f.Czytaj_klucz(s, "b"));
    // The end of the file before any character fails the stream; from then
    // on keys are absent and values empty.
    EXPECT_EQ(f.Czytaj_wartosc(s), "");
    EXPECT_TRUE(s.Zly());
    EXPECT_FALSE(f.Czytaj_klucz(s, "b"));
}

TEST_F(Tokeny, KeyAtEndOfFileIsAbsentWithoutFailing)
{
    Strumien_wejsciowy s("");
    EXPECT_FALSE(f.Czytaj_klucz(s, "Kod_klasy"));
    EXPECT_FALSE(s.Zly());
    Strumien_wejsciowy urwany("<Kod_klasy");
    EXPECT_TRUE(f.Czytaj_klucz(urwany, "Kod_klasy")); // the missing ">" fails the stream
    EXPECT_TRUE(urwany.Zly());
}

TEST_F(Tokeny, ValuesStopAtTheNextKeyAndAtSeventyNineBytes)
{
    Strumien_wejsciowy s("<v>Stary dom<x>" + std::string(100, 'a') + "\n");
    ASSERT_TRUE(f.Czytaj_klucz(s, "v"));
    EXPECT_EQ(f.Czytaj_wartosc(s), "Stary dom");
    ASSERT_TRUE(f.Czytaj_klucz(s, "x"));
    EXPECT_EQ(f.Czytaj_wartosc(s), std::string(79, 'a'));
    EXPECT_EQ(f.Czytaj_wartosc(s), std::string(21, 'a'));
}

TEST_F(Tokeny, NumbersFollowTheLeadingIntegerRuleAndSaturate)
{
    EXPECT_EQ(Liczba_z_poczatku(" \t-12abc"), -12);
    EXPECT_EQ(Liczba_z_poczatku("+7"), 7);
    EXPECT_EQ(Liczba_z_poczatku("abc"), 0);
    EXPECT_EQ(Liczba_z_poczatku(""), 0);
    EXPECT_EQ(Liczba_z_poczatku("2147483647"), 2147483647);
    EXPECT_EQ(Liczba_z_poczatku("2147483648"), 2147483647);
    EXPECT_EQ(Liczba_z_poczatku("-99999999999999999999999"), std::numeric_limits<std::int32_t>::min());
    Strumien_wejsciowy s("<Kod_klasy>x\n<id>3");
    EXPECT_EQ(f.Czytaj_liczbe(s, "Kod_klasy"), 0);
    EXPECT_EQ(f.Czytaj_liczbe(s, "id"), 3);
}

} // namespace

namespace {

TEST(Strumien, CrLfReadsAsOneNewlineAndLoneCrStays)
{
    auto Tresc = [](std::string bajty) {
        Strumien_wejsciowy s(std::move(bajty));
        std::string wynik;
        for (int z; (z = s.Pobierz()) >= 0;)
            wynik += static_cast<char>(z);
        return wynik;
    };
    EXPECT_EQ(Tresc("a\r\r\nb\rc\r\n\r"), "a\r\nb\rc\n\r");
    EXPECT_EQ(Tresc("\r\n\r\n"), "\n\n");
    EXPECT_EQ(Tresc("bez"), "bez");
    EXPECT_EQ(Tresc("\r"), "\r");
    EXPECT_EQ(Tresc(""), "");
    EXPECT_EQ(Tresc("x\ny\r\nz"), "x\ny\nz");
}

} // namespace
