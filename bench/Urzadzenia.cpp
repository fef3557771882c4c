// SPDX-License-Identifier: GPL-3.0-or-later
#include "Urzadzenia.h"

#include "Biblioteka.h"
#include "Pomiary.h"
#include "app/kartxform.h"
#include "dialogs/wystyt.h"
#include "domain/Porownania.h"
#include "persistence/Indeks_identyfikatorow.h"
#include "persistence/Mapa_kartx.h"
#include "persistence/Tablica_obiektow.h"
#include "safefile/Deskryptor.h"
#include "safefile/Strumien_wyjsciowy.h"

#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <random>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace {

// What the index holds after Open: every entry of the table, and the title
// that each copy names.
struct Praca_indeksu {
    std::vector<std::pair<std::int32_t, Indeks_identyfikatorow::Wpis>> wpisy;
    std::vector<std::int32_t> odwolania;
};

Praca_indeksu Praca(TKlasaAplikacji& app)
{
    Praca_indeksu p;
    p.wpisy.emplace_back(app.tytuly.Podaj_identyfikator(), Indeks_identyfikatorow::Wpis { &app.tytuly, 1 });
    for (std::int32_t i = 0; TTytul* t = app.tytuly.Element(i); ++i)
        p.wpisy.emplace_back(t->Podaj_identyfikator(), Indeks_identyfikatorow::Wpis { t, 2 });
    p.wpisy.emplace_back(app.pozycje.Podaj_identyfikator(), Indeks_identyfikatorow::Wpis { &app.pozycje, 1 });
    for (std::int32_t i = 0; TPozycja* k = app.pozycje.Element(i); ++i) {
        p.wpisy.emplace_back(k->Podaj_identyfikator(), Indeks_identyfikatorow::Wpis { k, 3 });
        p.odwolania.push_back(k->Podaj_tytul()->Podaj_identyfikator());
    }
    return p;
}

const std::uint64_t ziarno = std::random_device {}();

// The simpler version of the index: a standard map, its hash keyed with a
// seed drawn once per run (a Fibonacci multiply), as QHash seeds its own.
struct Mapa_standardowa {
    struct Skrot {
        std::size_t operator()(std::int32_t id) const
        {
            const std::uint64_t x = (static_cast<std::uint32_t>(id) ^ ziarno) * 0x9E3779B97F4A7C15ull;
            return static_cast<std::size_t>(x ^ (x >> 32));
        }
    };
    std::unordered_map<std::int32_t, Indeks_identyfikatorow::Wpis, Skrot> mapa;
    void Wpisz(std::int32_t id, Indeks_identyfikatorow::Wpis w) { mapa.emplace(id, w); }
    Indeks_identyfikatorow::Wpis Wpisany(std::int32_t id) const
    {
        const auto it = mapa.find(id);
        return it == mapa.end() ? Indeks_identyfikatorow::Wpis {} : it->second;
    }
};

// The index work of an Open: every entry listed, then each copy's title
// looked up.
template <class Indeks> double Czas_indeksu(const Praca_indeksu& p, int proby)
{
    std::uintptr_t suma = 0;
    const double czas = Zmierz(proby, [&] {
        Indeks indeks;
        for (const auto& [id, wpis] : p.wpisy)
            indeks.Wpisz(id, wpis);
        for (const std::int32_t id : p.odwolania)
            suma += reinterpret_cast<std::uintptr_t>(indeks.Wpisany(id).obiekt);
    });
    if (suma == 1)
        std::printf(" "); // keeps the lookups from being optimised away
    return czas;
}

// How much of the operation the device saves: the operation took `calosc`
// with the device's part `urzadzenie`; with the simpler part it would take
// calosc - urzadzenie + prostsze.
double Zysk(double calosc, double urzadzenie, double prostsze)
{
    return 100 * (prostsze - urzadzenie) / (calosc - urzadzenie + prostsze);
}

struct Czesc {
    const char* operacja;
    double calosc, urzadzenie, prostsze;
    double bez_urzadzenia = 0; // the whole operation the simpler way, where it can run so
};

// One line of the table's row: for each operation it serves, the whole
// operation with the device and without it and the gain the rule weighs;
// then the device's part and the simpler one's, and their gain.
void Wiersz(const char* nazwa, std::initializer_list<Czesc> czesci)
{
    std::printf("%s:", nazwa);
    const char* oddzielnik = "";
    for (const Czesc& c : czesci) {
        std::printf("%s %s %.4f s", oddzielnik, c.operacja, c.calosc);
        if (c.bez_urzadzenia > 0)
            std::printf(", without %.4f s, whole gain %.0f %%", c.bez_urzadzenia,
                100 * (c.bez_urzadzenia - c.calosc) / c.bez_urzadzenia);
        std::printf("; part: device %.4f s, simpler %.4f s, gain %.0f %%", c.urzadzenie, c.prostsze,
            Zysk(c.calosc, c.urzadzenie, c.prostsze));
        oddzielnik = ";";
    }
    std::printf("\n");
    std::fflush(stdout);
}

// The whole operation with the device switched on and off, in turn, so that
// the machine's drift falls on both alike; both medians, the device left on.
template <class Przelacznik, class Operacja>
std::pair<double, double> Z_i_bez(int proby, Przelacznik& przelacznik, Operacja operacja)
{
    const Przelacznik wlaczony = przelacznik;
    std::vector<double> z, bez;
    for (int i = 0; i < proby; ++i) {
        przelacznik = wlaczony;
        z.push_back(operacja());
        przelacznik = Przelacznik {};
        bez.push_back(operacja());
    }
    przelacznik = wlaczony;
    return { Mediana(z), Mediana(bez) };
}

// Save's writes of the file's bytes in blocks of `blok`, synced as Save syncs.
double Czas_blokow(const std::string& plik, std::size_t blok, int proby)
{
    return Zmierz(proby, [&] {
        const Deskryptor fd(::open("bloki.tmp", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        for (std::size_t od = 0; od < plik.size(); od += blok)
            Zapisz_wszystko(fd.Numer(), std::string_view(plik).substr(od, blok));
        ::fsync(fd.Numer());
    });
}

template <class Sortowanie> double Czas_sortowania(TKlasaAplikacji& app, int proby, Sortowanie sortuj)
{
    std::vector<double> czasy;
    for (int i = 0; i < proby; ++i) {
        Od_najnowszych(app);
        czasy.push_back(Zmierz(1, sortuj));
    }
    return Mediana(czasy);
}

} // namespace

int Zmierz_urzadzenia(long obiekty, int proby)
{
    std::printf("Speed devices against their simpler versions, %ld objects (medians of %d runs)\n", obiekty, proby);
    Tkartexform okno;
    TKlasaAplikacji& app = okno.Aplikacja();
    Generuj_biblioteke(app, obiekty);

    app.Zachowaj(); // the file that Open reads
    const double otwarcie = Zmierz(proby, [&] {
        app.Usun_wszystko();
        app.Otworz();
    });
    const Praca_indeksu praca = Praca(app);
    Wiersz("identifier index",
        { { "Open", otwarcie, Czas_indeksu<Indeks_identyfikatorow>(praca, proby),
            Czas_indeksu<Mapa_standardowa>(praca, proby) } });

    const std::string plik = Czytaj_plik("proba1.txt");
    const auto zapisz = [&] { return Zmierz(1, [&] { app.Zachowaj(); }); };
    {
        // Switched off, a file goes out in stdio's blocks.
        bool blok = true;
        const std::size_t mebibajt = rozmiar_bloku_pliku;
        const auto [z, bez] = Z_i_bez(proby, blok, [&] {
            rozmiar_bloku_pliku = blok ? mebibajt : BUFSIZ;
            return zapisz();
        });
        rozmiar_bloku_pliku = mebibajt;
        Wiersz("output block of a mebibyte",
            { { "Save", z, Czas_blokow(plik, 1 << 20, proby), Czas_blokow(plik, BUFSIZ, proby), bez } });
        ::unlink("bloki.tmp");
    }

    // Save's writing of the objects, with and without the prefetch, to a
    // sink that costs nothing.
    {
        Tablica_obiektow tablica;
        Mapa_kartx mapa;
        tablica.Ustaw_mape(&mapa);
        app.tytuly.Wpisz_do_tablicy(&tablica);
        app.pozycje.Wpisz_do_tablicy(&tablica);
        const Deskryptor nic(::open("/dev/null", O_WRONLY | O_CLOEXEC));
        auto pisz = [&](bool z_wyprzedzeniem) {
            return Zmierz(proby, [&] {
                Strumien_wyjsciowy s(nic.Numer());
                if (z_wyprzedzeniem) {
                    tablica.Zapisz_obiekty(s);
                } else {
                    for (std::int32_t i = 0; i < tablica.Podaj_licznik(); ++i)
                        if (PDC_Obiekt* obiekt = tablica.Obiekt(i))
                            obiekt->Zapisz(s, &tablica);
                }
                s.Oproznij();
            });
        };
        const double czesc = pisz(true);
        const auto [z, bez] = Z_i_bez(proby, Mapa_kartx::wyprzedzenie, zapisz);
        Wiersz("prefetch of a copy's title while saving", { { "Save", z, czesc, pisz(false), bez } });
    }

    // The titles list: its sort, fill, show and paint, with the keyed sort.
    TOKWystytulyDlg tytuly(&okno);
    const auto lista = [&] {
        Od_najnowszych(app);
        const double czas = Zmierz(1, [&] {
            tytuly.Wypelnij();
            tytuly.show();
            if (!QTest::qWaitForWindowExposed(&tytuly))
                std::abort();
            tytuly.repaint();
        });
        tytuly.hide();
        return czas;
    };
    const auto [z, bez] = Z_i_bez(proby, TOKWystytulyDlg::sortowanie_wedlug_klucza, lista);
    Wiersz("keyed sort of the titles list",
        { { "titles list", z, Czas_sortowania(app, proby, [&] { app.tytuly.Sortuj_wedlug_klucza(Klucz_tytulu); }),
            Czas_sortowania(app, proby, [&] { app.tytuly.Sortuj(Porownaj_tytuly); }), bez } });
    return 0;
}
