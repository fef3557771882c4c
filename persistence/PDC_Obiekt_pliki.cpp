// SPDX-License-Identifier: GPL-3.0-or-later
// The persistence operations of every domain object and collection.

#include "domain/PDC_Obiekt.h"
#include "persistence/Format_obiektow.h"
#include "persistence/Mapa_klas.h"
#include "persistence/Tablica_obiektow.h"

namespace {
Format_obiektow* Format_dla(PDC_Obiekt* obiekt, Tablica_obiektow* tablica)
{
    Mapa_klas* mapa = tablica ? tablica->Mapa() : nullptr;
    Format_obiektow* format = mapa ? mapa->Format(obiekt->Podaj_kod_klasy()) : nullptr;
    if (format != nullptr)
        format->Ustaw_obiekt(obiekt);
    return format;
}
} // namespace

void PDC_Obiekt::Wpisz_do_tablicy(Tablica_obiektow* tablica)
{
    tablica->Dodaj(identyfikator, this);
    Wpisz_skladniki(tablica);
}

Strumien_wyjsciowy& PDC_Obiekt::Zapisz(Strumien_wyjsciowy& strumien, Tablica_obiektow* tablica)
{
    if (Format_obiektow* format = Format_dla(this, tablica))
        format->Zapisz_definicje(strumien);
    return strumien;
}

Strumien_wejsciowy& PDC_Obiekt::Odczytaj(Strumien_wejsciowy& strumien, Tablica_obiektow* tablica)
{
    if (Format_obiektow* format = Format_dla(this, tablica))
        format->Czytaj_definicje(strumien, tablica);
    return strumien;
}
