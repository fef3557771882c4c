// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Formaty.h"

#include "domain/Kolekcje.h"

Strumien_wyjsciowy& Format_kolekcji::Zapisz_nazwe_klasy(Strumien_wyjsciowy& s)
{
    Zapisz_klucz_wartosc(s, "Nazwa_klasy", "TKol1");
    return s;
}

Strumien_wyjsciowy& Format_kolekcji::Zapisz_pola(Strumien_wyjsciowy& s)
{
    // Only collections have the collection code.
    const auto* kolekcja
        = obiekt && obiekt->Podaj_kod_klasy() == kod_kolekcji ? static_cast<const Kolekcja_obiektow*>(obiekt) : nullptr;
    s.Znak('<');
    s.Liczba(kolekcja ? kolekcja->Podaj_liczbe() : 0);
    s.Koniec_linii();
    return s;
}

Strumien_wejsciowy& Format_kolekcji::Czytaj_pola(Strumien_wejsciowy& s)
{
    // The stored count is read past but never taken: the count is always the
    // number of elements the factory attached.
    s.Pobierz();
    std::int32_t zapisana_liczba = 0;
    Czytaj_liczbe_pola(s, zapisana_liczba);
    return s;
}
