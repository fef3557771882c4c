// SPDX-License-Identifier: GPL-3.0-or-later
// TKlasaAplikacji's Open and Save: the fixed data files in the working
// directory.

#include "domain/TKlasaAplikacji.h"
#include "persistence/Mapa_kartx.h"
#include "persistence/Tablica_obiektow.h"

namespace {
// A collection that the file did not bind keeps the identifier it had, which
// a loaded object or the other collection may hold; it then takes one that
// none holds, or the next Save would write two objects under one identifier
// and lose one.
void Uwolnij_identyfikator(Kolekcja_obiektow& kolekcja, const Tablica_obiektow& tablica)
{
    const PDC_Obiekt* posiadacz = tablica.Posiadacz(kolekcja.Podaj_identyfikator());
    if (posiadacz != nullptr && posiadacz != &kolekcja)
        kolekcja.Ustaw_identyfikator(Nowy_identyfikator());
}
} // namespace

void TKlasaAplikacji::Zachowaj()
{
    Tablica_obiektow tablica;
    Mapa_kartx mapa;
    tablica.Ustaw_mape(&mapa);
    tytuly.Wpisz_do_tablicy(&tablica);
    pozycje.Wpisz_do_tablicy(&tablica);
    // The catalogue that the run's first Save replaces is kept as its next
    // numbered backup, "proba1.txt.~N~".
    tablica.Zapisz_do_pliku("proba1.txt", &kopia_zapasowa);
}

void TKlasaAplikacji::Otworz()
{
    // The objects read reach the application through the factory, which
    // works on the current application object.
    Tablica_obiektow tablica;
    Mapa_kartx mapa;
    tablica.Ustaw_mape(&mapa);
    tablica.Czytaj_z_pliku("proba1.txt");
    if (aplikacja != nullptr) {
        Uwolnij_identyfikator(aplikacja->tytuly, tablica);
        Uwolnij_identyfikator(aplikacja->pozycje, tablica);
    }
    tablica.Zapisz_do_pliku("proba2.txt");
}
