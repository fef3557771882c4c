// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kopie.h"

#include "Biblioteka.h"
#include "Pomiary.h"
#include "domain/TKlasaAplikacji.h"
#include "persistence/Mapa_kartx.h"
#include "persistence/Tablica_obiektow.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// Save as Zachowaj does it, as a run's first Save (`pierwszy`) or a later one.
void Zachowaj(TKlasaAplikacji& app, bool pierwszy)
{
    Tablica_obiektow tablica;
    Mapa_kartx mapa;
    tablica.Ustaw_mape(&mapa);
    app.tytuly.Wpisz_do_tablicy(&tablica);
    app.pozycje.Wpisz_do_tablicy(&tablica);
    bool kopia = pierwszy;
    tablica.Zapisz_do_pliku("proba1.txt", &kopia);
}

void Usun_kopie()
{
    for (const auto& wpis : std::filesystem::directory_iterator("."))
        if (wpis.path().filename().string().starts_with("proba1.txt.~"))
            std::filesystem::remove(wpis.path());
}

struct Wariant {
    const char* nazwa;
    std::function<void()> przygotuj; // untimed
    bool pierwszy;
    std::vector<double> czasy;
};

} // namespace

int Zmierz_kopie(long obiekty, int proby)
{
    TKlasaAplikacji app;
    Generuj_biblioteke(app, obiekty);
    Zachowaj(app, false);
    const auto jedna_nazwa = [] {
        std::filesystem::remove("druga_nazwa.txt");
        Usun_kopie();
    };
    const auto druga_nazwa = [] {
        Usun_kopie();
        std::filesystem::remove("druga_nazwa.txt");
        std::filesystem::create_hard_link("proba1.txt", "druga_nazwa.txt");
    };
    // The newest backup holds the file found: it is compared, not kept again.
    const auto rowna_kopia = [] {
        std::filesystem::remove("druga_nazwa.txt");
        Usun_kopie();
        std::filesystem::copy_file("proba1.txt", "proba1.txt.~1~");
    };
    std::vector<Wariant> warianty {
        { "replaced, no backup (a later Save)", jedna_nazwa, false, {} },
        { "replaced, backup a second name", jedna_nazwa, true, {} },
        { "replaced, the newest backup holds the file", rowna_kopia, true, {} },
        { "in place, the old bytes copied", druga_nazwa, true, {} },
    };
    // Interleaved, so that the machine's drift falls on every variant alike.
    for (int proba = 0; proba < proby; ++proba)
        for (Wariant& w : warianty) {
            w.przygotuj();
            const auto start = std::chrono::steady_clock::now();
            Zachowaj(app, w.pierwszy);
            w.czasy.push_back(Sekundy_od(start));
        }
    const double bez = Mediana(warianty[0].czasy);
    std::printf(
        "Save's backups at %ld objects (medians of %d, seconds; ratio to Save without a backup)\n", obiekty, proby);
    for (const Wariant& w : warianty)
        std::printf("%-44s %8.4f %6.3f\n", w.nazwa, Mediana(w.czasy), Mediana(w.czasy) / bez);
    Usun_kopie();
    return 0;
}
