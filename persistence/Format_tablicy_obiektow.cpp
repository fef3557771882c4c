// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Formaty.h"

#include "domain/PDC_Obiekt.h"
#include "persistence/Mapa_klas.h"
#include "persistence/Tablica_obiektow.h"

void Format_tablicy_obiektow::Zapisz_pola(Strumien_wyjsciowy& s)
{
    Zapisz_znacznik(s, "Tablica_obiektow");
    for (std::int32_t i = 0; PDC_Obiekt* wpis = obiekt ? obiekt->Obiekt(i) : nullptr; ++i) {
        Zapisz_liczbe(s, "Kod_klasy", wpis->Podaj_kod_klasy());
        Zapisz_klucz(s, "Obiekt_ID");
        Zapisz_liczbe(s, "id", wpis->Podaj_identyfikator());
    }
    Zapisz_znacznik(s, "\\Tablica_obiektow");
}

void Format_tablicy_obiektow::Czytaj_pola(Strumien_wejsciowy& s)
{
    Czytaj_znacznik(s, "Tablica_obiektow");
    Mapa_klas* mapa = obiekt ? obiekt->Mapa() : nullptr;
    for (;;) {
        const std::int32_t kod_klasy = Czytaj_liczbe(s, "Kod_klasy");
        if (kod_klasy == -1)
            break;
        Czytaj_klucz(s, "Obiekt_ID");
        const std::int32_t id = Czytaj_liczbe(s, "id");
        if (mapa != nullptr)
            mapa->Utworz_obiekt(id, kod_klasy, obiekt);
    }
    Czytaj_znacznik(s, "\\Tablica_obiektow");
}
