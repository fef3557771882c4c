// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/PDC_Obiekt.h"
#include "persistence/Indeks_identyfikatorow.h"
#include "persistence/Tablica_obiektow.h"
#include "tests/support/Wrogie_identyfikatory.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    // must be found and none lost in growth.
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
        ASSERT_EQ(indeks.Wpisz(id, { Wskaznik(static_cast<std::int32_t>(i)), static_cast<std::int32_t>(i % 7) }), nowy);
        ASSERT_EQ(indeks.Posiadacz(id), nowy ? Wskaznik(static_cast<std::int32_t>(i)) : indeks.Wpisany(id).obiekt);
    }
    for (const auto& [id, kod] : wzor)
        ASSERT_EQ(indeks.Wpisany(id).kod_klasy, kod) << id;
    EXPECT_EQ(indeks.Wpisany(123456789).obiekt, nullptr);
    EXPECT_EQ(indeks.Wpisany(123456789).kod_klasy, Indeks_identyfikatorow::pusty);
}

// Identifiers chosen against a fixed hash (or against the low bits, or a
// prime number of buckets) must not pile up: every lookup stays a few
// probes, counted rather than timed.
} // namespace

// The longest probe sequence of any slot and their total: what keeps every
// lookup short.
struct Dlugosci_szukania {
    std::size_t najdluzsza = 0, suma = 0, wpisy = 0;
    explicit Dlugosci_szukania(const Indeks_identyfikatorow& indeks)
    {
        const auto& sloty = indeks.sloty;
        for (std::size_t i = 0; i < sloty.size(); ++i) {
            if (sloty[i].kod_klasy == Indeks_identyfikatorow::pusty)
                continue;
            std::size_t dlugosc = 1;
            while (
                Indeks_identyfikatorow::Miejsce(Indeks_identyfikatorow::Skrot(sloty[i].id), dlugosc - 1, sloty.size())
                != i)
                ++dlugosc;
            najdluzsza = std::max(najdluzsza, dlugosc);
            suma += dlugosc;
            ++wpisy;
        }
    }
};

namespace {

TEST(Indeks, LookupsStayShortForIdentifiersChosenAgainstAnyFixedHash)
{
    for (const auto& wzorzec : wrogie_identyfikatory::wzorce) {
        Indeks_identyfikatorow indeks;
        std::size_t wpisane = 0;
        for (const std::int32_t id : wzorzec.utworz(131072u))
            wpisane += indeks.Wpisz(id, { Wskaznik(1), 3 });
        EXPECT_EQ(wpisane, 131072u) << wzorzec.nazwa << ": identifiers taken as new";
        const Dlugosci_szukania d(indeks);
        EXPECT_EQ(d.wpisy, 131072u) << wzorzec.nazwa;
        EXPECT_LE(static_cast<double>(d.suma) / static_cast<double>(d.wpisy), 3.0) << wzorzec.nazwa;
        EXPECT_LE(d.najdluzsza, 64u) << wzorzec.nazwa;
    }
}

struct Obiekt_testowy : PDC_Obiekt {
    std::int32_t Podaj_kod_klasy() const override { return 2; }
};

TEST(Tablica, KeepsFirstObjectPerIdentifierAndPositionOrder)
{
    std::vector<Obiekt_testowy> obiekty(251);
    Tablica_obiektow t;
    EXPECT_EQ(t.Wpisany_pod(1), nullptr);
    EXPECT_EQ(t.Obiekt(-1), nullptr);
    for (std::int32_t i = 0; i < 250; ++i)
        t.Dodaj(i * 3, &obiekty[static_cast<std::size_t>(i)]);
    t.Dodaj(9, &obiekty[250]); // listed already
    EXPECT_EQ(t.Podaj_licznik(), 250);
    EXPECT_EQ(t.Wpisany_pod(9), &obiekty[3]);
    EXPECT_EQ(t.Wpisany_pod_klasy(9, 2), &obiekty[3]);
    EXPECT_EQ(t.Wpisany_pod_klasy(9, 3), nullptr);
    EXPECT_EQ(t.Obiekt(249), &obiekty[249]);
    EXPECT_EQ(t.Obiekt(250), nullptr);
    EXPECT_FALSE(t.Jest_wpisany(10));
}

// A read that changes an object's identifier changes who holds it, but
// references still name what the file listed.
TEST(Tablica, ListedUnderAndHeldNowPartWhenAnIdentifierChanges)
{
    std::vector<Obiekt_testowy> o(3);
    Tablica_obiektow t;
    o[0].Ustaw_identyfikator(5);
    t.Dodaj(5, &o[0]);
    o[1].Ustaw_identyfikator(7);
    t.Dodaj(7, &o[1]);
    EXPECT_EQ(t.Posiadacz(5), &o[0]);

    EXPECT_TRUE(t.Zmien_identyfikator(&o[0], 9));
    EXPECT_EQ(t.Wpisany_pod(5), &o[0]);
    EXPECT_EQ(t.Posiadacz(5), nullptr);
    EXPECT_EQ(t.Posiadacz(9), &o[0]);
    EXPECT_FALSE(t.Jest_wpisany(9));

    EXPECT_FALSE(t.Zmien_identyfikator(&o[1], 9)); // held by another
    EXPECT_FALSE(t.Zmien_identyfikator(&o[1], -1));
    EXPECT_EQ(o[1].Podaj_identyfikator(), 7);
    EXPECT_TRUE(t.Zmien_identyfikator(&o[1], 5)); // freed above
    EXPECT_EQ(t.Posiadacz(5), &o[1]);
    EXPECT_EQ(t.Posiadacz(7), nullptr);

    // Listing under an identifier held by another keeps that holder.
    t.Dodaj(9, &o[2]);
    EXPECT_EQ(t.Wpisany_pod(9), &o[2]);
    EXPECT_EQ(t.Posiadacz(9), &o[0]);
    // An object never listed under its identifier frees nothing.
    o[2].Ustaw_identyfikator(12);
    EXPECT_TRUE(t.Zmien_identyfikator(&o[2], 13));
    EXPECT_EQ(t.Posiadacz(9), &o[0]);
    EXPECT_EQ(t.Podaj_licznik(), 3);
}

} // namespace
