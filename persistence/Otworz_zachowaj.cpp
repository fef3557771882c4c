// Open and Save of the application object: the fixed data files in the
// working directory.

#include "domain/TKlasaAplikacji.h"
#include "persistence/Mapa_kartx.h"
#include "persistence/Tablica_obiektow.h"

void TKlasaAplikacji::Zachowaj()
{
    Tablica_obiektow tablica;
    Mapa_kartx mapa;
    tablica.Ustaw_mape(&mapa);
    tytuly.Wpisz_do_tablicy(&tablica);
    pozycje.Wpisz_do_tablicy(&tablica);
    tablica.Zapisz_do_pliku("proba1.txt");
}

void TKlasaAplikacji::Otworz()
{
    // The objects read reach the application through the factory, which
    // works on the current application object.
    Tablica_obiektow tablica;
    Mapa_kartx mapa;
    tablica.Ustaw_mape(&mapa);
    tablica.Czytaj_z_pliku("proba1.txt");
    tablica.Zapisz_do_pliku("proba2.txt");
}
