// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Formaty.h"

#include "domain/Klasy_zadeklarowane.h"
#include "domain/Kolekcje.h"
#include "persistence/Mapa_klas.h"

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

namespace {
// The rest of the line as a title field: its first 19 bytes, the line end
// consumed, not stored. At the end of the file the field is left as it was.
template <void (TTytul::*ustaw)(std::string_view)> void Czytaj_pole(Strumien_wejsciowy& s, TTytul* tytul)
{
    if (s.Zly())
        return;
    if (s.Na_koncu()) {
        s.Ustaw_zly();
        return;
    }
    const std::string_view pole = s.Pobierz_do('\n', rozmiar_pola - 1);
    if (tytul != nullptr)
        (tytul->*ustaw)(pole);
    s.Pomin_linie();
}
} // namespace

void Format_tytulu::Zapisz_pola(Strumien_wyjsciowy& s)
{
    if (obiekt == nullptr)
        return;
    s.Znak('<');
    s.Tekst(obiekt->Podaj_nazwe());
    s.Koniec_linii();
    s.Tekst(obiekt->Podaj_autora());
    s.Koniec_linii();
    s.Tekst(obiekt->Podaj_ISBN());
    s.Koniec_linii();
}

void Format_tytulu::Czytaj_pola(Strumien_wejsciowy& s)
{
    s.Pobierz();
    Czytaj_pole<&TTytul::Ustaw_nazwe>(s, obiekt);
    Czytaj_pole<&TTytul::Ustaw_autora>(s, obiekt);
    Czytaj_pole<&TTytul::Ustaw_ISBN>(s, obiekt);
}

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
