// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Formaty.h"

#include "domain/Klasy_zadeklarowane.h"
#include "domain/TTytul.h"

namespace {
// A reference resolves only to a listed object of the class it names.
TTytul* Rozwiaz_tytul(Tablica_obiektow* tablica, std::int32_t id)
{
    PDC_Obiekt* obiekt = tablica && id != -1 ? tablica->Wpisany_pod_klasy(id, kod_tytulu) : nullptr;
    return static_cast<TTytul*>(obiekt);
}

// No loan is ever created, but whatever a file names must be one to count.
TWypozyczenie* Rozwiaz_wypozyczenie(Tablica_obiektow* tablica, std::int32_t id)
{
    return tablica && id != -1 ? dynamic_cast<TWypozyczenie*>(tablica->Wpisany_pod(id)) : nullptr;
}
} // namespace

void Format_pozycji::Zapisz_pola(Strumien_wyjsciowy& s)
{
    Zapisz_liczbe_pola(s, obiekt ? obiekt->Podaj_numer() : 0);
}

void Format_pozycji::Zapisz_powiazania(Strumien_wyjsciowy& s)
{
    const TTytul* tytul = obiekt ? obiekt->Podaj_tytul() : nullptr;
    const TWypozyczenie* wypozyczenie = obiekt ? obiekt->Podaj_wypozyczenie() : nullptr;
    Zapisz_klucz(s, "TTytul");
    Zapisz_liczbe(s, "id", tytul ? tytul->Podaj_identyfikator() : -1);
    Zapisz_klucz(s, "TWypozyczenie");
    Zapisz_liczbe(s, "id", wypozyczenie ? wypozyczenie->Podaj_identyfikator() : -1);
}

void Format_pozycji::Czytaj_pola(Strumien_wejsciowy& s)
{
    std::int32_t numer = obiekt ? obiekt->Podaj_numer() : 0;
    Czytaj_liczbe_pola(s, numer);
    if (obiekt != nullptr)
        obiekt->Ustaw_numer(numer);
}

void Format_pozycji::Czytaj_powiazania(Strumien_wejsciowy& s, Tablica_obiektow* tablica)
{
    if (Czytaj_klucz(s, "TTytul")) {
        const std::int32_t id = Czytaj_liczbe(s, "id");
        if (obiekt != nullptr)
            obiekt->Ustaw_tytul(Rozwiaz_tytul(tablica, id));
    }
    if (Czytaj_klucz(s, "TWypozyczenie")) {
        TWypozyczenie* wypozyczenie = Rozwiaz_wypozyczenie(tablica, Czytaj_liczbe(s, "id"));
        if (obiekt != nullptr)
            obiekt->Ustaw_wypozyczenie(wypozyczenie);
    }
}
