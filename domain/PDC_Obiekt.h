#pragma once

// The problem-domain layer: every title, copy and collection is a PDC_Obiekt
// carrying an identifier drawn from one program-wide counter. The collections
// (Kolekcje.h) hold the objects; TKlasaAplikacji owns them all. The three
// persistence operations declared here are defined by the persistence layer.

#include <cstdint>

class Tablica_obiektow;
class Strumien_wejsciowy;
class Strumien_wyjsciowy;

// The last identifier drawn; 0 before the first object of the run.
extern std::int32_t licznik_obiektow;

class PDC_Obiekt {
public:
    PDC_Obiekt();
    // Virtual although objects are always deleted through their own class:
    // it costs nothing and keeps a delete through the base well defined.
    virtual ~PDC_Obiekt() = default;

    PDC_Obiekt(const PDC_Obiekt&) = delete;
    PDC_Obiekt& operator=(const PDC_Obiekt&) = delete;

    virtual std::int32_t Podaj_kod_klasy() const = 0;
    virtual void Wpisz_skladniki(Tablica_obiektow* tablica);

    std::int32_t Podaj_identyfikator() const { return identyfikator; }
    void Ustaw_identyfikator(std::int32_t nowy);

    void Wpisz_do_tablicy(Tablica_obiektow* tablica);
    Strumien_wyjsciowy& Zapisz(Strumien_wyjsciowy& strumien, Tablica_obiektow* tablica);
    Strumien_wejsciowy& Odczytaj(Strumien_wejsciowy& strumien, Tablica_obiektow* tablica);

protected:
    std::int32_t identyfikator;
};

// True once the counter has reached the largest identifier: a new object would
// share its identifier with another, so no further title or copy is created.
bool Identyfikatory_wyczerpane();
