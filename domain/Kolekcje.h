// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// TKol1..TKol4: four levels of one collection of element pointers, differing
// only in Szukaj (linear from the end, lower bound, classic binary search);
// the program uses TKol4. A collection is a PDC_Obiekt stored on its own; its
// owner deletes the elements with Usun_wszystkie.

#include "domain/Kody_klas.h"
#include "domain/PDC_Obiekt.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

// What the file format needs to know of any collection.
class Kolekcja_obiektow : public PDC_Obiekt {
public:
    std::int32_t Podaj_kod_klasy() const override { return kod_kolekcji; }
    std::int32_t Podaj_liczbe() const { return liczba; }

protected:
    std::int32_t liczba = 0;
};

template <class T> class TKol1 : public Kolekcja_obiektow {
public:
    // An element against a key; negative, zero or positive.
    using Porownanie = int (*)(const T* element, const void* klucz);
    // Two entries, that is two element pointers.
    using Porownanie_wpisow = int (*)(T* const* a, T* const* b);

    void Wpisz_skladniki(Tablica_obiektow* tablica) override
    {
        if constexpr (std::is_base_of_v<PDC_Obiekt, T>) {
            for (T* element : elementy)
                if (element != nullptr)
                    element->Wpisz_do_tablicy(tablica);
        }
    }

    // Linear, last position to first; p ends at the match, or 0.
    virtual T* Szukaj(Porownanie cmp, std::int32_t& p, const void* klucz)
    {
        p = liczba;
        while (p > 0) {
            --p;
            if (cmp(elementy[p], klucz) == 0)
                return elementy[p];
        }
        return nullptr;
    }

    // Makes room for n more entries. In a deque, inserting at position 0, as
    // every addition and loaded object does, moves no other entry.
    int Powieksz(std::int32_t n)
    {
        if (n < 0 || std::int64_t { liczba } + n > najwieksza_pojemnosc)
            return 0;
        pojemnosc = std::max(pojemnosc, liczba + n);
        return 1;
    }

    // Inserts at 0..liczba; the caller has made room with Powieksz. Memory
    // that runs out fails the insertion and changes nothing.
    int Wstaw(T* element, std::int32_t pozycja)
    {
        if (pozycja < 0 || pozycja > liczba || pojemnosc == liczba)
            return 0;
        try {
            elementy.insert(elementy.begin() + pozycja, element);
        } catch (const std::bad_alloc&) {
            return 0;
        }
        ++liczba;
        return 1;
    }

    // Not stable: equal elements end in no particular order.
    void Sortuj(Porownanie_wpisow cmp)
    {
        if (liczba > 1)
            std::sort(elementy.begin(), elementy.end(), [cmp](T* const& a, T* const& b) { return cmp(&a, &b) < 0; });
    }

    // Sorts as Sortuj does with the comparison that `klucz` encodes (a value
    // whose `<` and `==` agree with it); with GCC's std::sort, whose moves
    // follow the comparisons' outcomes alone, equal elements end alike too (a
    // test checks it). Sorts (key, element) pairs laid out together instead of
    // elements scattered in memory (bench/README.md, row "keyed sort of the titles list").
    template <class Klucz> void Sortuj_wedlug_klucza(Klucz klucz)
    {
        if (liczba < 2)
            return;
        using Wartosc = decltype(klucz(elementy[0]));
        std::vector<std::pair<Wartosc, T*>> pary;
        pary.reserve(static_cast<std::size_t>(liczba));
        for (std::int32_t i = 0; i < liczba; ++i)
            pary.emplace_back(klucz(elementy[i]), elementy[i]);
        std::sort(pary.begin(), pary.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::int32_t i = 0; i < liczba; ++i)
            elementy[i] = pary[static_cast<std::size_t>(i)].second;
    }

    T* Element(std::int32_t pozycja) const { return Poprawna_pozycja(pozycja) ? elementy[pozycja] : nullptr; }
    bool Poprawna_pozycja(std::int32_t pozycja) const { return pozycja >= 0 && pozycja < liczba; }

    // Deletes the elements, last first, then releases the room.
    void Usun_wszystkie()
    {
        for (std::int32_t i = liczba - 1; i >= 0; --i)
            delete elementy[i];
        std::deque<T*>().swap(elementy);
        pojemnosc = 0;
        liczba = 0;
    }

protected:
    std::deque<T*> elementy;

private:
    static constexpr std::int64_t najwieksza_pojemnosc = 0x7fffffff;
    std::int32_t pojemnosc = 0;
};

template <class T> class TKol2 : public TKol1<T> {
public:
    using typename TKol1<T>::Porownanie;

    // Lower bound: p is the first position whose element is not less than the key.
    T* Szukaj(Porownanie cmp, std::int32_t& p, const void* klucz) override
    {
        p = this->liczba;
        std::int64_t lo = -1;
        while (lo + 1 != p) {
            const auto mid = static_cast<std::int32_t>((lo + p) / 2);
            if (cmp(this->elementy[mid], klucz) < 0)
                lo = mid;
            else
                p = mid;
        }
        if (p == this->liczba || cmp(this->elementy[p], klucz) != 0)
            return nullptr;
        return this->elementy[p];
    }
};

template <class T> class TKol3 : public TKol2<T> {
public:
    using typename TKol1<T>::Porownanie;

    // Classic binary search. The comparison is evaluated a second time on the
    // same element before a match is taken; p is left at the last position
    // examined, and untouched when the collection is empty.
    T* Szukaj(Porownanie cmp, std::int32_t& p, const void* klucz) override
    {
        std::int64_t lo = 0;
        std::int64_t hi = std::int64_t { this->liczba } - 1;
        while (lo <= hi) {
            const auto mid = static_cast<std::int32_t>((lo + hi) / 2);
            p = mid;
            if (cmp(this->elementy[mid], klucz) < 0)
                lo = mid + 1;
            else if (cmp(this->elementy[mid], klucz) <= 0)
                return this->elementy[mid];
            else
                hi = mid - 1;
        }
        return nullptr;
    }
};

template <class T> class TKol4 : public TKol3<T> {
};
