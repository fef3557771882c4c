#include "domain/PDC_Obiekt.h"
#include "persistence/Indeks_identyfikatorow.h"
#include "persistence/Tablica_obiektow.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <random>
#include <vector>

namespace {

PDC_Obiekt* Wskaznik(std::int32_t i)
{
    return reinterpret_cast<PDC_Obiekt*>(static_cast<std::uintptr_t>(i) * 16 + 16);
}

TEST(Indeks, AgreesWithAMapForEveryPatternOfIdentifiers)
{
    // Runs, strides that share low bits, extremes and random values: each
    // must be found, none lost in growth, and none pile up (which would
    // show as this test taking minutes).
    std::vector<std::int32_t> wzorce;
    for (std::int32_t i = 0; i < 50000; ++i)
        wzorce.push_back(i);
    for (std::int32_t i = 1; i < 50000; ++i)
        wzorce.push_back(i * 256);
    for (std::int32_t i = 1; i < 30000; ++i)
        wzorce.push_back(i * 65536);
    for (std::int32_t i = 1; i < 20000; ++i)
        wzorce.push_back(-i);
    std::mt19937 los(5);
    for (int i = 0; i < 50000; ++i)
        wzorce.push_back(static_cast<std::int32_t>(los()));
    wzorce.push_back(std::numeric_limits<std::int32_t>::max());
    wzorce.push_back(std::numeric_limits<std::int32_t>::min());

    Indeks_identyfikatorow indeks;
    std::map<std::int32_t, std::int32_t> wzor;
    for (std::size_t i = 0; i < wzorce.size(); ++i) {
        const std::int32_t id = wzorce[i];
        const bool nowy = wzor.emplace(id, static_cast<std::int32_t>(i % 7)).second;
        ASSERT_EQ(indeks.Wstaw(id, { Wskaznik(static_cast<std::int32_t>(i)), static_cast<std::int32_t>(i % 7) }), nowy);
    }
    for (const auto& [id, kod] : wzor)
        ASSERT_EQ(indeks.Znajdz(id).kod_klasy, kod) << id;
    EXPECT_EQ(indeks.Znajdz(123456789).obiekt, nullptr);
    EXPECT_EQ(indeks.Znajdz(123456789).kod_klasy, Indeks_identyfikatorow::pusty);
}

struct Obiekt_testowy : PDC_Obiekt {
    std::int32_t Podaj_kod_klasy() const override { return 2; }
};

TEST(Tablica, KeepsFirstObjectPerIdentifierAndPositionOrder)
{
    std::vector<Obiekt_testowy> obiekty(251);
    Tablica_obiektow t;
    EXPECT_EQ(t.Znajdz(1), nullptr);
    EXPECT_EQ(t.Obiekt(-1), nullptr);
    for (std::int32_t i = 0; i < 250; ++i)
        t.Dodaj(i * 3, &obiekty[static_cast<std::size_t>(i)]);
    t.Dodaj(9, &obiekty[250]); // listed already
    EXPECT_EQ(t.Podaj_licznik(), 250);
    EXPECT_EQ(t.Znajdz(9), &obiekty[3]);
    EXPECT_EQ(t.Znajdz_klasy(9, 2), &obiekty[3]);
    EXPECT_EQ(t.Znajdz_klasy(9, 3), nullptr);
    EXPECT_EQ(t.Obiekt(249), &obiekty[249]);
    EXPECT_EQ(t.Obiekt(250), nullptr);
    EXPECT_FALSE(t.Zawiera(10));
}

} // namespace
