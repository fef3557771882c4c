#include "persistence/Format_pozycji.h"

#include "domain/Klasy_zadeklarowane.h"
#include "domain/TTytul.h"

namespace {
// A reference resolves only to a listed object of the class it names.
template <class T>
T* Rozwiaz(Tablica_obiektow* tablica, std::int32_t id)
{
    if (tablica == nullptr || id == -1)
        return nullptr;
    return dynamic_cast<T*>(tablica->Znajdz(id));
}
}

Strumien_wyjsciowy& Format_pozycji::Zapisz_nazwe_klasy(Strumien_wyjsciowy& s)
{
    Zapisz_klucz_wartosc(s, "Nazwa_klasy", "TPozycja");
    return s;
}

Strumien_wyjsciowy& Format_pozycji::Zapisz_pola(Strumien_wyjsciowy& s)
{
    s.Znak('<');
    s.Liczba(obiekt ? obiekt->Podaj_numer() : 0);
    s.Koniec_linii();
    return s;
}

Strumien_wyjsciowy& Format_pozycji::Zapisz_powiazania(Strumien_wyjsciowy& s)
{
    const TTytul* tytul = obiekt ? obiekt->Podaj_tytul() : nullptr;
    const TWypozyczenie* wypozyczenie = obiekt ? obiekt->Podaj_wypozyczenie() : nullptr;
    Zapisz_klucz(s, "TTytul");
    Zapisz_liczbe(s, "id", tytul ? tytul->Podaj_identyfikator() : -1);
    Zapisz_klucz(s, "TWypozyczenie");
    Zapisz_liczbe(s, "id", wypozyczenie ? wypozyczenie->Podaj_identyfikator() : -1);
    return s;
}

Strumien_wejsciowy& Format_pozycji::Czytaj_pola(Strumien_wejsciowy& s)
{
    s.Pobierz();
    std::int32_t numer = obiekt ? obiekt->Podaj_numer() : 0;
    Czytaj_liczbe_pola(s, numer);
    if (obiekt != nullptr)
        obiekt->Ustaw_numer(numer);
    return s;
}

Strumien_wejsciowy& Format_pozycji::Czytaj_powiazania(Strumien_wejsciowy& s, Tablica_obiektow* tablica)
{
    if (Czytaj_klucz(s, "TTytul")) {
        TTytul* tytul = Rozwiaz<TTytul>(tablica, Czytaj_liczbe(s, "id"));
        if (obiekt != nullptr)
            obiekt->Ustaw_tytul(tytul);
    }
    if (Czytaj_klucz(s, "TWypozyczenie")) {
        TWypozyczenie* wypozyczenie = Rozwiaz<TWypozyczenie>(tablica, Czytaj_liczbe(s, "id"));
        if (obiekt != nullptr)
            obiekt->Ustaw_wypozyczenie(wypozyczenie);
    }
    return s;
}
