// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Mapa_kartx.h"

#include "domain/TKlasaAplikacji.h"
#include "persistence/Formaty.h"
#include "persistence/Tablica_obiektow.h"

#include <memory>

namespace {
// Puts a new object at the front of its collection, then lists it: the table
// never names an object that is gone.
template <class T>
void Wstaw_nowy(std::unique_ptr<T> obiekt, std::int32_t id, TKol4<T>& kolekcja, Tablica_obiektow* tablica)
{
    if (!kolekcja.Powieksz(1) || !kolekcja.Wstaw(obiekt.get(), 0))
        return;
    tablica->Dodaj(id, obiekt.release());
}

template <class F> void Zarejestruj(TKol4<Format_obiektow>& formaty, std::int32_t kod, std::string_view nazwa_klasy)
{
    auto format = std::make_unique<F>(nazwa_klasy);
    if (formaty.Powieksz(1) && formaty.Wstaw(format.get(), kod))
        format.release();
}
} // namespace

Mapa_kartx::Mapa_kartx()
{
    try {
        Zarejestruj<Format_tablicy_obiektow>(formaty, kod_tablicy, "Tablica_obiektow");
        Zarejestruj<Format_kolekcji>(formaty, kod_kolekcji, "TKol1");
        Zarejestruj<Format_tytulu>(formaty, kod_tytulu, "TTytul");
        Zarejestruj<Format_pozycji>(formaty, kod_pozycji, "TPozycja");
    } catch (...) {
        formaty.Usun_wszystkie();
        throw;
    }
}

Mapa_kartx::~Mapa_kartx()
{
    formaty.Usun_wszystkie();
}

void Mapa_kartx::Utworz_obiekt(std::int32_t id, std::int32_t kod_klasy, Tablica_obiektow* tablica)
{
    // -1 means no object; an identifier listed already would give an object
    // that never receives a definition and can never be saved.
    if (aplikacja == nullptr || tablica == nullptr || id == -1 || tablica->Jest_wpisany(id))
        return;
    switch (kod_klasy) {
    case kod_tytulu:
        // Built under the stored identifier: drawing one first would scan the
        // whole library for each object once the counter is exhausted.
        Wstaw_nowy(std::make_unique<TTytul>(Identyfikator_z_pliku { id }, &aplikacja->pozycje, &aplikacja->rezerwacje),
            id, aplikacja->tytuly, tablica);
        break;
    case kod_kolekcji: {
        Kolekcja_obiektow* kolekcja = &aplikacja->pozycje;
        if (!kolekcja_tytulow_zwiazana) {
            kolekcja = &aplikacja->tytuly;
            kolekcja_tytulow_zwiazana = true;
        }
        // Through the table, which then knows that a collection bound again
        // no longer holds the identifier it was first listed under.
        tablica->Zmien_identyfikator(kolekcja, id);
        tablica->Dodaj(id, kolekcja);
        break;
    }
    case kod_pozycji:
        Wstaw_nowy(std::make_unique<TPozycja>(Identyfikator_z_pliku { id }), id, aplikacja->pozycje, tablica);
        break;
    default:
        break;
    }
}
