#include "persistence/Tablica_obiektow.h"

#include "domain/PDC_Obiekt.h"
#include "persistence/Format_obiektow.h"
#include "persistence/Mapa_klas.h"
#include "persistence/Pliki.h"
#include "persistence/Strumien_wejsciowy.h"
#include "persistence/Strumien_wyjsciowy.h"

#include <limits>
#include <utility>

bool Tablica_obiektow::Zawiera(std::int32_t id) const
{
    return pozycje_identyfikatorow.count(id) != 0;
}

void Tablica_obiektow::Dodaj(std::int32_t id, PDC_Obiekt* obiekt)
{
    if (Zawiera(id) || licznik == std::numeric_limits<std::int32_t>::max())
        return;
    try {
        identyfikatory.push_back(id);
        obiekty.push_back(obiekt);
        pozycje_identyfikatorow.emplace(id, licznik);
    } catch (...) {
        // Out of memory leaves the table as it was.
        identyfikatory.resize(static_cast<std::size_t>(licznik));
        obiekty.resize(static_cast<std::size_t>(licznik));
        throw;
    }
    ++licznik;
}

PDC_Obiekt* Tablica_obiektow::Znajdz(std::int32_t id) const
{
    const auto it = pozycje_identyfikatorow.find(id);
    return it == pozycje_identyfikatorow.end() ? nullptr : obiekty[static_cast<std::size_t>(it->second)];
}

PDC_Obiekt* Tablica_obiektow::Obiekt(std::int32_t pozycja) const
{
    if (pozycja < 0 || pozycja >= licznik)
        return nullptr;
    return obiekty[static_cast<std::size_t>(pozycja)];
}

PDC_Obiekt* Tablica_obiektow::Posiadacz(std::int32_t id) const
{
    const auto it = zmienione.find(id);
    return it != zmienione.end() ? it->second : Znajdz(id);
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
    zmienione[stary] = nullptr;
    zmienione[nowy] = obiekt;
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
    for (std::int32_t i = 0; i < licznik; ++i)
        Obiekt(i)->Zapisz(s, this);
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
        Obiekt(i)->Odczytaj(s, this);
    return s;
}

int Tablica_obiektow::Zapisz_do_pliku(const char* nazwa)
{
    Zapis_bezpieczny plik(nazwa);
    if (!plik.Otwarty())
        return 0;
    Strumien_wyjsciowy s(plik.Deskryptor());
    Zapisz_tablice(s);
    Zapisz_obiekty(s);
    if (!s.Oproznij())
        return 0;
    return plik.Zatwierdz() ? 1 : 0;
}

int Tablica_obiektow::Czytaj_z_pliku(const char* nazwa)
{
    std::optional<std::string> bajty = Wczytaj_plik(nazwa);
    if (!bajty)
        return 0;
    Strumien_wejsciowy s(std::move(*bajty));
    Czytaj_tablice(s);
    Czytaj_obiekty(s);
    return 1;
}
