// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/Kolekcje.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> usuniete;

struct Element : PDC_Obiekt {
    explicit Element(int w)
        : wartosc(w)
    {
    }
    ~Element() override { usuniete.push_back(wartosc); }
    std::int32_t Podaj_kod_klasy() const override { return 99; }
    int wartosc;
};

int ile_porownan = 0;

int Porownaj(const Element* e, const void* klucz)
{
    ++ile_porownan;
    const int k = *static_cast<const int*>(klucz);
    return (e->wartosc > k) - (e->wartosc < k);
}

int Porownaj_wpisy(Element* const* a, Element* const* b)
{
    return ((*a)->wartosc > (*b)->wartosc) - ((*a)->wartosc < (*b)->wartosc);
}

// Fills a collection so that position i holds wartosci[i].
void Wypelnij(TKol4<Element>& kol, const std::vector<int>& wartosci)
{
    for (auto it = wartosci.rbegin(); it != wartosci.rend(); ++it) {
        ASSERT_TRUE(kol.Powieksz(1));
        ASSERT_TRUE(kol.Wstaw(new Element(*it), 0));
    }
}

std::vector<int> Zawartosc(const TKol4<Element>& kol)
{
    std::vector<int> w;
    for (std::int32_t i = 0; Element* e = kol.Element(i); ++i)
        w.push_back(e->wartosc);
    return w;
}

class Kolekcja : public ::testing::Test {
protected:
    ~Kolekcja() override { kol.Usun_wszystkie(); }
    TKol4<Element> kol;
};

// Each level's search on the same kind of contents: what it finds, and
// where it leaves p (42 before each search).
TEST_F(Kolekcja, EachLevelSearchesAndLeavesPositionAsItDefines)
{
    struct Szukanie {
        int poziom;
        std::vector<int> zawartosc;
        int klucz;
        int znaleziony; // its position, -1 for none
        std::int32_t p;
    };
    const std::vector<int> rowne { 10, 20, 20, 20, 30 }, siedem { 10, 20, 30, 40, 50, 60, 70 };
    const Szukanie szukania[] = {
        { 1, {}, 5, -1, 0 }, { 2, {}, 5, -1, 0 }, { 3, {}, 5, -1, 42 }, // empty: classic leaves p alone
        { 1, { 1, 2, 1 }, 1, 2, 2 }, { 1, { 1, 2, 1 }, 9, -1, 0 }, // linear: the highest match
        // Lower bound: the insertion position.
        { 2, rowne, 20, 1, 1 }, { 2, rowne, 99, -1, 5 }, { 2, rowne, 1, -1, 0 }, { 2, rowne, 25, -1, 4 },
        { 3, siedem, 40, 3, 3 }, { 3, siedem, 5, -1, 0 }, // classic: the last position examined
    };
    for (const Szukanie& s : szukania) {
        kol.Usun_wszystkie();
        Wypelnij(kol, s.zawartosc);
        std::int32_t p = 42;
        Element* e = s.poziom == 1 ? kol.TKol1<Element>::Szukaj(Porownaj, p, &s.klucz)
            : s.poziom == 2        ? kol.TKol2<Element>::Szukaj(Porownaj, p, &s.klucz)
                                   : kol.Szukaj(Porownaj, p, &s.klucz);
        EXPECT_EQ(e, s.znaleziony < 0 ? nullptr : kol.Element(s.znaleziony)) << s.poziom << " " << s.klucz;
        EXPECT_EQ(p, s.p) << s.poziom << " " << s.klucz;
    }
}

TEST_F(Kolekcja, ClassicBinarySearchEvaluatesMatchTwiceAndLeavesLastExamined)
{
    Wypelnij(kol, { 10, 20, 30, 40, 50, 60, 70 });
    std::int32_t p = -1;
    const int czterdziesci = 40;
    ile_porownan = 0;
    EXPECT_EQ(kol.Szukaj(Porownaj, p, &czterdziesci), kol.Element(3));
    EXPECT_EQ(ile_porownan, 2); // one for "not less", one for "not greater"

    // Missing key: p is the insertion position or the one just before it.
    for (int klucz = 5; klucz <= 75; klucz += 10) {
        EXPECT_EQ(kol.Szukaj(Porownaj, p, &klucz), nullptr);
        const int wstawienie = (klucz - 5) / 10;
        EXPECT_TRUE(p == wstawienie || p == wstawienie - 1) << klucz << " " << p;
    }

    // The virtual call on a TKol4 is this search.
    TKol1<Element>& jako_pierwszy = kol;
    EXPECT_EQ(jako_pierwszy.Szukaj(Porownaj, p, &czterdziesci), kol.Element(3));
}

TEST_F(Kolekcja, WstawChecksBoundsAndNeedsRoom)
{
    Wypelnij(kol, { 1, 2 });
    ASSERT_TRUE(kol.Powieksz(1));
    EXPECT_EQ(kol.Wstaw(nullptr, 3), 0);
    EXPECT_EQ(kol.Wstaw(nullptr, -1), 0);
    EXPECT_EQ(Zawartosc(kol), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(kol.Wstaw(new Element(3), 2), 1);
    EXPECT_EQ(Zawartosc(kol), (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(kol.Element(-1), nullptr);
    EXPECT_EQ(kol.Element(3), nullptr);
    EXPECT_FALSE(kol.Poprawna_pozycja(3));
    EXPECT_EQ(kol.Powieksz(-1), 0);
}

TEST_F(Kolekcja, SortujOrdersInPlace)
{
    Wypelnij(kol, { 10, -5, 2, 7, 7 });
    kol.Sortuj(Porownaj_wpisy);
    EXPECT_EQ(Zawartosc(kol), (std::vector<int> { -5, 2, 7, 7, 10 }));
}

TEST_F(Kolekcja, UsunWszystkieDeletesLastFirstAndKeepsIdentifier)
{
    const std::int32_t id = kol.Podaj_identyfikator();
    kol.Usun_wszystkie();
    EXPECT_EQ(kol.Podaj_liczbe(), 0);
    Wypelnij(kol, { 1, 2, 3 });
    ASSERT_TRUE(kol.Powieksz(1));
    ASSERT_TRUE(kol.Wstaw(nullptr, 1)); // null entries are skipped
    usuniete.clear();
    kol.Usun_wszystkie();
    EXPECT_EQ(usuniete, (std::vector<int> { 3, 2, 1 }));
    EXPECT_EQ(kol.Podaj_liczbe(), 0);
    EXPECT_EQ(kol.Element(0), nullptr);
    EXPECT_EQ(kol.Podaj_identyfikator(), id);
    EXPECT_EQ(kol.Podaj_kod_klasy(), 1);
    // Usable again after emptying.
    Wypelnij(kol, { 4 });
    EXPECT_EQ(Zawartosc(kol), (std::vector<int> { 4 }));
}

} // namespace
