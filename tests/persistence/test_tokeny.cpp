// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Format_obiektow.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <utility>

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

// Field blocks' numbers read as the leading integer does; one that is no
// number leaves the field as it was, and reading resumes at the next line.
struct Format_pol : Format_obiektow {
    using Format_obiektow::Czytaj_liczbe_pola;
};

TEST_F(Tokeny, NumbersFollowTheLeadingIntegerRuleAndSaturate)
{
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    struct Liczba {
        const char* tekst;
        std::int32_t z_poczatku;
        std::optional<std::int32_t> w_polu; // nothing: the field keeps its value
    };
    const Liczba liczby[] = {
        { " \t-12", -12, -12 },
        { "+7", 7, 7 },
        { "007", 7, 7 },
        { "abc", 0, std::nullopt },
        { "-", 0, std::nullopt },
        { "+-5", 0, std::nullopt },
        { "- 5", 0, std::nullopt },
        { "2147483647", max, max },
        { "2147483648", max, max },
        { "-2147483648", min, min },
        { "-99999999999999999999999", min, min },
        { "+99999999999999999999999", max, max },
    };
    for (const Liczba& l : liczby) {
        EXPECT_EQ(Liczba_z_poczatku(l.tekst), l.z_poczatku) << l.tekst;
        Strumien_wejsciowy s("<" + std::string(l.tekst) + "\n<42\n");
        std::int32_t pole = 99, nastepne = 0;
        Format_pol().Czytaj_liczbe_pola(s, pole);
        Format_pol().Czytaj_liczbe_pola(s, nastepne);
        EXPECT_EQ(pole, l.w_polu.value_or(99)) << l.tekst;
        EXPECT_EQ(nastepne, 42) << l.tekst << ": the next line";
        EXPECT_FALSE(s.Zly()) << l.tekst;
    }
    EXPECT_EQ(Liczba_z_poczatku(""), 0);
    EXPECT_EQ(Liczba_z_poczatku("-12abc"), -12);
    Strumien_wejsciowy s("<Kod_klasy>x\n<id>3");
    EXPECT_EQ(f.Czytaj_liczbe(s, "Kod_klasy"), 0);
    EXPECT_EQ(f.Czytaj_liczbe(s, "id"), 3);
}

TEST(Strumien, CrLfReadsAsOneNewlineAndLoneCrStays)
{
    auto Tresc = [](std::string bajty) {
        Strumien_wejsciowy s(std::move(bajty));
        std::string wynik;
        for (int z; (z = s.Pobierz()) >= 0;)
            wynik += static_cast<char>(z);
        return wynik;
    };
    const std::pair<const char*, const char*> tresci[] = { { "a\r\r\nb\rc\r\n\r", "a\r\nb\rc\n\r" },
        { "\r\n\r\n", "\n\n" }, { "bez", "bez" }, { "\r", "\r" }, { "", "" }, { "x\ny\r\nz", "x\ny\nz" } };
    for (const auto& [na_dysku, odczytane] : tresci)
        EXPECT_EQ(Tresc(na_dysku), odczytane) << na_dysku;
}

} // namespace
