// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Tablica_obiektow.h"

#include "domain/PDC_Obiekt.h"
#include "persistence/Format_obiektow.h"
#include "persistence/Mapa_klas.h"
#include "persistence/Strumien_wejsciowy.h"
#include "safefile/Deskryptor.h"
#include "safefile/Strumien_wyjsciowy.h"
#include "safefile/Zapis_bezpieczny.h"

#include <limits>
#include <utility>

void Tablica_obiektow::Dodaj(std::int32_t id, PDC_Obiekt* obiekt)
{
    if (licznik == std::numeric_limits<std::int32_t>::max())
        return;
    // Room first, so that out of memory leaves the table as it was.
    if (obiekty.size() == obiekty.capacity())
        obiekty.reserve(2 * obiekty.size() + 16);
    // The index says whether the identifier is new, in the same probe.
    if (indeks.Wpisz(id, { obiekt, obiekt ? obiekt->Podaj_kod_klasy() : -1 })) {
        obiekty.push_back(obiekt);
        ++licznik;
    }
}

PDC_Obiekt* Tablica_obiektow::Obiekt(std::int32_t pozycja) const
{
    if (pozycja < 0 || pozycja >= licznik)
        return nullptr;
    return obiekty[static_cast<std::size_t>(pozycja)];
}

bool Tablica_obiektow::Zmien_identyfikator(PDC_Obiekt* obiekt, std::int32_t nowy)
{
    const std::int32_t stary = obiekt->Podaj_identyfikator();
    if (nowy == stary)
        return true;
    if (nowy == -1)
        return false;
    PDC_Obiekt* posiadacz = Posiadacz(nowy);
    if (posiadacz != nullptr && posiadacz != obiekt)
        return false;
    // The old identifier is free only if this object was its holder; an
    // object that was never listed under it frees nothing.
    if (Posiadacz(stary) == obiekt)
        indeks.Ustaw_posiadacza(stary, nullptr);
    indeks.Ustaw_posiadacza(nowy, obiekt);
    obiekt->Ustaw_identyfikator(nowy);
    return true;
}

Strumien_wyjsciowy& Tablica_obiektow::Zapisz_tablice(Strumien_wyjsciowy& s)
{
    if (Format_obiektow* format = mapa ? mapa->Format_tablicy() : nullptr) {
        format->Ustaw_obiekt(this);
        format->Zapisz_definicje(s);
    }
    return s;
}

Strumien_wyjsciowy& Tablica_obiektow::Zapisz_obiekty(Strumien_wyjsciowy& s)
{
    // The map is told of each object a few ahead, so that what its writing
    // reaches far away in memory is on its way by then.
    constexpr std::int32_t naprzod = 8;
    for (std::int32_t i = 0; i < licznik; ++i) {
        if (const PDC_Obiekt* dalej = mapa && i + naprzod < licznik ? Obiekt(i + naprzod) : nullptr)
            mapa->Zapowiedz_zapis(dalej);
        if (PDC_Obiekt* obiekt = Obiekt(i))
            obiekt->Zapisz(s, this);
    }
    return s;
}

Strumien_wejsciowy& Tablica_obiektow::Czytaj_tablice(Strumien_wejsciowy& s)
{
    if (Format_obiektow* format = mapa ? mapa->Format_tablicy() : nullptr) {
        format->Ustaw_obiekt(this);
        format->Czytaj_definicje(s, this);
    }
    return s;
}

Strumien_wejsciowy& Tablica_obiektow::Czytaj_obiekty(Strumien_wejsciowy& s)
{
    for (std::int32_t i = 0; i < licznik; ++i)
        if (PDC_Obiekt* obiekt = Obiekt(i))
            obiekt->Odczytaj(s, this);
    return s;
}

int Tablica_obiektow::Zapisz_do_pliku(const char* nazwa, bool* kopia_zapasowa)
{
    const auto tresc = [this](Strumien_wyjsciowy& s) {
        Zapisz_tablice(s);
        Zapisz_obiekty(s);
    };
    return Zapisz_bezpiecznie(nazwa, tresc, kopia_zapasowa) ? 1 : 0;
}

int Tablica_obiektow::Czytaj_z_pliku(const char* nazwa)
{
    std::optional<std::string> tresc = Wczytaj_plik(nazwa);
    if (!tresc)
        return 0;
    Strumien_wejsciowy s(std::move(*tresc));
    Czytaj_tablice(s);
    Czytaj_obiekty(s);
    return 1;
}
