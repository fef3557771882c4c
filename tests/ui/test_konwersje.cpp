#include "toolkit/Konwersje.h"
#include "toolkit/Podpowiedzi.h"

#include <gtest/gtest.h>

namespace {

TEST(Konwersje, NumbersTakeBlanksSignAndDigitsWithin32Bits)
{
    EXPECT_EQ(Na_liczbe(" 42 "), 42);
    EXPECT_EQ(Na_liczbe("-5"), -5);
    EXPECT_EQ(Na_liczbe("+0"), 0);
    EXPECT_EQ(Na_liczbe("2147483647"), 2147483647);
    EXPECT_EQ(Na_liczbe("-2147483648"), -2147483647 - 1);
    for (const char* zly :
        { "abc", "2147483648", "-2147483649", "1 2", "0x10", "-", "", "12a", "99999999999999999999" })
        EXPECT_THROW(Na_liczbe(QString::fromUtf8(zly)), Blad_konwersji) << zly;
    try {
        Na_liczbe("x1");
    } catch (const Blad_konwersji& blad) {
        EXPECT_STREQ(blad.what(), "„x1” nie jest poprawną liczbą całkowitą");
    }
}

TEST(Konwersje, PolishLettersCrossAsWindows1250)
{
    const QString tekst = QStringLiteral("Łódź żółć ĄĘŚ");
    const std::string bajty = Na_cp1250(tekst);
    EXPECT_EQ(bajty,
        "\xA3\xF3"
        "d\x9F \xBF\xF3\xB3\xE6 \xA5\xCA\x8C");
    EXPECT_EQ(Z_cp1250(bajty.c_str()), tekst);
    EXPECT_TRUE(Da_sie_zapisac_w_cp1250(tekst));
    EXPECT_FALSE(Da_sie_zapisac_w_cp1250(QStringLiteral("日本")));
    EXPECT_FALSE(Da_sie_zapisac_w_cp1250(QString::fromUtf8("\xF0\x9F\x98\x80"))); // an emoji
}

TEST(Konwersje, HintSplitsAtFirstBar)
{
    EXPECT_EQ(Krotka_podpowiedz("Wyjście|"), "Wyjście");
    EXPECT_EQ(Dluga_podpowiedz("Wyjście|"), "");
    EXPECT_EQ(Krotka_podpowiedz("a|b|c"), "a");
    EXPECT_EQ(Dluga_podpowiedz("a|b|c"), "b|c");
    EXPECT_EQ(Dluga_podpowiedz("Otwórz"), "Otwórz");
}

} // namespace
