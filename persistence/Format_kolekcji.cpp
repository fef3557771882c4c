// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Formaty.h"

#include "domain/Kolekcje.h"

void Format_kolekcji::Zapisz_pola(Strumien_wyjsciowy& s)
{
    // Only collections have the collection code.
    const auto* kolekcja
        = obiekt && obiekt->Podaj_kod_klasy() == kod_kolekcji ? static_cast<const Kolekcja_obiektow*>(obiekt) : nullptr;
    Zapisz_liczbe_pola(s, kolekcja ? kolekcja->Podaj_liczbe() : 0);
}

void Format_kolekcji::Czytaj_pola(Strumien_wejsciowy& s)
{
    // The stored count is read past but never taken: the count is always the
    // number of elements the factory attached.
    std::int32_t zapisana_liczba = 0;
    Czytaj_liczbe_pola(s, zapisana_liczba);
}
