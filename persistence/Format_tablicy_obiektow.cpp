// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Formaty.h"

#include "domain/PDC_Obiekt.h"
#include "persistence/Mapa_klas.h"
#include "persistence/Tablica_obiektow.h"

Strumien_wyjsciowy& Format_tablicy_obiektow::Zapisz_definicje(Strumien_wyjsciowy& s)
{
    Zapisz_znacznik(s, "Definicja_obiektu");
    Zapisz_nazwe_klasy(s);
    Zapisz_znacznik(s, "Tablica_obiektow");
    Zapisz_wpisy(s);
    Zapisz_znacznik(s, "\\Tablica_obiektow");
    Zapisz_znacznik(s, "\\Definicja_obiektu");
    return s;
}

Strumien_wyjsciowy& Format_tablicy_obiektow::Zapisz_nazwe_klasy(Strumien_wyjsciowy& s)
{
    Zapisz_klucz_wartosc(s, "Nazwa_klasy", "Tablica_obiektow");
    return s;
}

void Format_tablicy_obiektow::Zapisz_wpisy(Strumien_wyjsciowy& s)
{
    if (obiekt == nullptr)
        return;
    for (std::int32_t i = 0; PDC_Obiekt* wpis = obiekt->Obiekt(i); ++i) {
        Zapisz_liczbe(s, "Kod_klasy", wpis->Podaj_kod_klasy());
        Zapisz_klucz(s, "Obiekt_ID");
        Zapisz_liczbe(s, "id", wpis->Podaj_identyfikator());
    }
}

Strumien_wejsciowy& Format_tablicy_obiektow::Czytaj_definicje(Strumien_wejsciowy& s, Tablica_obiektow* tablica)
{
    Czytaj_znacznik(s, "Definicja_obiektu");
    Czytaj_nazwe_klasy(s);
    Czytaj_znacznik(s, "Tablica_obiektow");
    Czytaj_wpisy(s, tablica);
    Czytaj_znacznik(s, "\\Tablica_obiektow");
    Czytaj_znacznik(s, "\\Definicja_obiektu");
    return s;
}

void Format_tablicy_obiektow::Czytaj_wpisy(Strumien_wejsciowy& s, Tablica_obiektow* tablica)
{
    obiekt = tablica;
    Mapa_klas* mapa = tablica ? tablica->Mapa() : nullptr;
    for (;;) {
        const std::int32_t kod_klasy = Czytaj_liczbe(s, "Kod_klasy");
        if (kod_klasy == -1)
            return;
        Czytaj_klucz(s, "Obiekt_ID");
        const std::int32_t id = Czytaj_liczbe(s, "id");
        if (mapa != nullptr)
            mapa->Utworz_obiekt(id, kod_klasy, tablica);
    }
}
