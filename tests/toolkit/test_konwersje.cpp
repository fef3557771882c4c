// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Konwersje.h"
#include "toolkit/Obsluga_bledow.h"

#include <gtest/gtest.h>

namespace {

// The text that the conversion raises, or none when it raises nothing.
std::string Komunikat_bledu(const QString& tekst)
{
    try {
        Na_liczbe(tekst);
    } catch (const Blad_konwersji& blad) {
        return blad.what();
    }
    return "(nothing raised)";
}

TEST(Konwersje, NumbersTakeBlanksSignAndDigitsWithin32Bits)
{
    const std::pair<const char*, std::int32_t> dobre[] = { { " 42 ", 42 }, { "-5", -5 }, { "+0", 0 }, { "007", 7 },
        { "\t12\n", 12 }, { "\u00A09\u2003", 9 }, { "2147483647", 2147483647 }, { "-2147483648", -2147483647 - 1 } };
    for (const auto& [tekst, liczba] : dobre) {
        EXPECT_EQ(Komunikat_bledu(QString::fromUtf8(tekst)), "(nothing raised)") << tekst;
        EXPECT_EQ(Na_liczbe(QString::fromUtf8(tekst)), liczba) << tekst;
    }
    // Non-ASCII digits (Arabic-Indic, full-width, Devanagari) are no number
    // here, nor are group separators, exponents or other bases.
    for (const char* zly : { "abc", "2147483648", "-2147483649", "1 2", "0x10", "-", "+", "", " ", "12a", "+-5",
             "99999999999999999999", "1,000", "1.0", "1e3", "\u0661\u0662", "\uFF11\uFF12", "\u0967", "\u00B2" })
        EXPECT_EQ(
            Komunikat_bledu(QString::fromUtf8(zly)), "„" + std::string(zly) + "” nie jest poprawną liczbą całkowitą")
            << zly;
}

TEST(Konwersje, PolishLettersCrossAsWindows1250)
{
    const QString tekst = QStringLiteral("Łódź żółć ĄĘŚ");
    const std::string bajty = Kodowanie_cp1250().Na_bajty(tekst);
    EXPECT_EQ(bajty, "\xA3\xF3\x64\x9F \xBF\xF3\xB3\xE6 \xA5\xCA\x8C");
    EXPECT_EQ(Kodowanie_cp1250().Z_bajtow(bajty.c_str()), tekst);
    EXPECT_TRUE(Kodowanie_cp1250().Da_sie_zapisac(tekst));
    EXPECT_FALSE(Kodowanie_cp1250().Da_sie_zapisac(QStringLiteral("日本")));
    EXPECT_FALSE(Kodowanie_cp1250().Da_sie_zapisac(QString::fromUtf8("\xF0\x9F\x98\x80"))); // an emoji
}

TEST(Konwersje, AMissingCodecIsReportedAndNeverGivesEmptyText)
{
    QString komunikat;
    Obsluga_bledow::Przechwytuj([&](const QString& tekst) { komunikat = tekst; });
    Kodowanie brak("no-such-codec-1250");
    EXPECT_FALSE(brak.Poprawne());
    EXPECT_FALSE(Sprawdz_kodowanie(brak));
    EXPECT_TRUE(komunikat.contains(QStringLiteral("no-such-codec-1250"))) << komunikat.toStdString();
    EXPECT_THROW(brak.Na_bajty(QStringLiteral("Lalka")), Blad_konwersji);
    EXPECT_FALSE(brak.Da_sie_zapisac(QStringLiteral("Lalka")));

    komunikat.clear();
    EXPECT_TRUE(Sprawdz_kodowanie(Kodowanie_cp1250()));
    EXPECT_TRUE(komunikat.isEmpty());
    Obsluga_bledow::Przechwytuj(nullptr);
}

} // namespace
