// SPDX-License-Identifier: GPL-3.0-or-later
// Wolumat's benchmark: Save and Open of generated libraries against the plain
// write and read of the same bytes and against SQLite, peak memory, the list
// dialogs, and single additions; all measured in one run, medians printed
// with their ratios. Usage: wolumat_bench [--smoke] [--runs N] [objects ...]
// (default 10000 100000 1000000), or wolumat_bench --hostile [--runs N] [N]:
// Open of files whose identifiers are chosen against ways of hashing an int;
// or wolumat_bench --devices [--runs N] [N]: each speed device against its
// simpler version at N objects (default 1,000,000).
// See bench/README.md.

#include "Biblioteka.h"
#include "Kopie.h"
#include "Pomiary.h"
#include "Sqlite.h"
#include "Urzadzenia.h"
#include "app/kartxform.h"
#include "dialogs/wysks.h"
#include "dialogs/wystyt.h"
#include "tests/support/Wrogie_identyfikatory.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Wynik {
    double mb = 0, zapis = 0, zwykly_zapis = 0, odczyt = 0, zwykly_odczyt = 0, sqlite_zapis = 0, sqlite_odczyt = 0;
    double szczyt_otwarcia_mb = 0, szczyt_zapisu_mb = 0, dodaj_tytul_ms = 0, dodaj_ksiazke_ms = 0;
    double zapis_w_miejscu = 0, szczyt_w_miejscu_mb = 0;
};

// Open's peak memory, in a fresh process that holds nothing before it.
double Szczyt_otwarcia_mb(const char* program)
{
    int rura[2];
    if (::pipe(rura) != 0)
        return -1;
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        ::dup2(rura[1], STDOUT_FILENO);
        ::execl(program, program, "--szczyt-otwarcia", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(rura[1]);
    char bufor[64] = {};
    const ssize_t n = ::read(rura[0], bufor, sizeof bufor - 1);
    ::close(rura[0]);
    ::waitpid(dziecko, nullptr, 0);
    return n > 0 ? std::atof(bufor) : -1;
}

int Szczyt_otwarcia_w_procesie()
{
    const long przed = Pamiec_rezydentna();
    TKlasaAplikacji app;
    app.Otworz();
    std::printf("%f\n", static_cast<double>(Szczyt_pamieci() - przed) / 1e6);
    return 0;
}

double Dodawanie_ms(int ile, const std::function<void(int)>& dodaj)
{
    std::vector<double> czasy;
    for (int i = 0; i < ile; ++i) {
        const auto start = std::chrono::steady_clock::now();
        dodaj(i);
        czasy.push_back(Sekundy_od(start) * 1000);
    }
    return Mediana(czasy);
}

Wynik Zmierz_pliki(long obiekty, int proby, const char* program)
{
    Wynik w;
    TKlasaAplikacji app;
    Generuj_biblioteke(app, obiekty);
    w.zapis = Zmierz(proby, [&] { app.Zachowaj(); });
    const std::string bajty = Czytaj_plik("proba1.txt");
    w.mb = static_cast<double>(bajty.size()) / 1e6;
    w.zwykly_zapis = Zmierz(proby, [&] { Zapisz_zwykle("zwykly.txt", bajty); });
    w.zwykly_odczyt = Zmierz(proby, [&] { Czytaj_plik("proba1.txt"); });
    w.odczyt = Zmierz(proby, [&] {
        app.Usun_wszystko();
        app.Otworz();
    });
    w.sqlite_zapis = Zmierz(proby, [&] { Zapisz_sqlite(app, "baza.sqlite"); });
    w.sqlite_odczyt = Zmierz(proby, [&] {
        TKlasaAplikacji druga;
        Czytaj_sqlite(druga, "baza.sqlite");
        druga.Usun_wszystko();
    });
    aplikacja = &app;

    const long przed = Pamiec_rezydentna();
    Zeruj_szczyt();
    app.Zachowaj();
    w.szczyt_zapisu_mb = static_cast<double>(Szczyt_pamieci() - przed) / 1e6;
    // The same Save written in place, the file having a second name.
    std::filesystem::create_hard_link("proba1.txt", "druga_nazwa.txt");
    w.zapis_w_miejscu = Zmierz(proby, [&] { app.Zachowaj(); });
    Zeruj_szczyt();
    app.Zachowaj();
    w.szczyt_w_miejscu_mb = static_cast<double>(Szczyt_pamieci() - przed) / 1e6;
    std::filesystem::remove("druga_nazwa.txt");
    w.szczyt_otwarcia_mb = Szczyt_otwarcia_mb(program);

    // One addition at a time into the full library.
    w.dodaj_tytul_ms = Dodawanie_ms(
        21, [&](int i) { app.Dodaj_tytul("Nowy tytu\xB3", "Autor", ("NOWY-" + std::to_string(i)).c_str()); });
    w.dodaj_ksiazke_ms = Dodawanie_ms(21, [&](int i) { app.Dodaj_ksiazke("Nowy tytu\xB3", 1 + i); });
    return w;
}

// Open (and Save after it) of a table listing n copies under each pattern of
// identifiers, against the consecutive pattern in the same run.
int Zmierz_wrogie(long n, int proby)
{
    std::printf("Hostile identifiers: Open and Save of %ld listed copies (medians of %d runs, seconds)\n", n, proby);
    std::printf("%18s %8s %8s %8s %8s\n", "pattern", "open", "ratio", "save", "ratio");
    TKlasaAplikacji app;
    double otwarcie_kolejnych = 0, zapis_kolejnych = 0;
    for (const auto& wzorzec : wrogie_identyfikatory::wzorce) {
        Zapisz_zwykle(
            "proba1.txt", wrogie_identyfikatory::Plik_z_pozycjami(wzorzec.utworz(static_cast<std::size_t>(n))));
        const double otwarcie = Zmierz(proby, [&] {
            app.Usun_wszystko();
            app.Otworz();
        });
        const double zapis = Zmierz(proby, [&] { app.Zachowaj(); });
        if (otwarcie_kolejnych == 0) {
            otwarcie_kolejnych = otwarcie;
            zapis_kolejnych = zapis;
        }
        std::printf("%18s %8.4f %8.2f %8.4f %8.2f\n", wzorzec.nazwa, otwarcie, otwarcie / otwarcie_kolejnych, zapis,
            zapis / zapis_kolejnych);
        std::fflush(stdout);
    }
    return 0;
}

std::pair<double, double> Zmierz_listy(long wiersze, int proby)
{
    Tkartexform okno;
    TOKWystytulyDlg tytuly(&okno);
    TOKWysKsiazkiDlg ksiazki(&okno);
    Generuj_biblioteke(okno.Aplikacja(), 2 * wiersze);
    auto otworz = [](auto& dialog) {
        return Zmierz(1, [&] {
            dialog.Wypelnij();
            dialog.show();
            if (!QTest::qWaitForWindowExposed(&dialog))
                std::abort();
            dialog.repaint();
        });
    };
    std::vector<double> t, k;
    for (int p = 0; p < proby; ++p) {
        Od_najnowszych(okno.Aplikacja());
        t.push_back(otworz(tytuly));
        tytuly.hide();
        k.push_back(otworz(ksiazki));
        ksiazki.hide();
    }
    return { Mediana(t), Mediana(k) };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--szczyt-otwarcia")
        return Szczyt_otwarcia_w_procesie();
    int proby = 5;
    bool smoke = false;
    bool wrogie = false;
    bool urzadzenia = false;
    bool kopie = false;
    std::vector<long> rozmiary;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            proby = std::max(1, std::atoi(argv[++i]));
        else if (a == "--smoke")
            smoke = true;
        else if (a == "--hostile")
            wrogie = true;
        else if (a == "--devices")
            urzadzenia = true;
        else if (a == "--backups")
            kopie = true;
        else
            rozmiary.push_back(std::atol(argv[i]));
    }
    const long wrogie_n = smoke ? 10000 : rozmiary.empty() ? 131072 : rozmiary.front();
    const long urzadzenia_n = smoke ? 10000 : rozmiary.empty() ? 1000000 : rozmiary.front();
    if (smoke) {
        rozmiary = { 10000 };
        proby = 1;
    }
    if (rozmiary.empty())
        rozmiary = { 10000, 100000, 1000000 };
    const std::string program = std::filesystem::canonical("/proc/self/exe").string();

    std::string wzor = (std::filesystem::temp_directory_path() / "wolumat-bench-XXXXXX").string();
    if (::mkdtemp(wzor.data()) == nullptr)
        return 1;
    std::filesystem::current_path(wzor);

    if (wrogie) {
        const int wynik = Zmierz_wrogie(wrogie_n, smoke ? 1 : proby);
        std::filesystem::current_path("/");
        std::filesystem::remove_all(wzor);
        return wynik;
    }

    if (kopie) {
        const int wynik = Zmierz_kopie(urzadzenia_n, smoke ? 1 : proby);
        std::filesystem::current_path("/");
        std::filesystem::remove_all(wzor);
        return wynik;
    }

    if (urzadzenia) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication qt(argc, argv);
        const int wynik = Zmierz_urzadzenia(urzadzenia_n, smoke ? 1 : proby);
        std::filesystem::current_path("/");
        std::filesystem::remove_all(wzor);
        return wynik;
    }

    std::map<long, Wynik> wyniki;
    std::printf("Save and Open (medians of %d runs, seconds)\n", proby);
    std::printf("%9s %7s %8s %8s %7s %8s %8s %9s %8s %8s %8s %8s %8s %9s %9s\n", "objects", "MB", "save", "write",
        "save/w", "open", "read+wr", "open/r+w", "sql save", "sql read", "save/sql", "open/sql", "open pk", "pk/file",
        "add ms t/b");
    for (long obiekty : rozmiary) {
        const Wynik w = Zmierz_pliki(obiekty, proby, program.c_str());
        wyniki[obiekty] = w;
        std::printf("%9ld %7.1f %8.4f %8.4f %7.2f %8.4f %8.4f %9.2f %8.4f %8.4f %8.2f %8.2f %7.0fM %9.2f %4.3f/%4.3f\n",
            obiekty, w.mb, w.zapis, w.zwykly_zapis, w.zapis / w.zwykly_zapis, w.odczyt,
            w.zwykly_odczyt + w.zwykly_zapis, w.odczyt / (w.zwykly_odczyt + w.zwykly_zapis), w.sqlite_zapis,
            w.sqlite_odczyt, w.zapis / w.sqlite_zapis, w.odczyt / w.sqlite_odczyt, w.szczyt_otwarcia_mb,
            w.szczyt_otwarcia_mb / w.mb, w.dodaj_tytul_ms, w.dodaj_ksiazke_ms);
        std::fflush(stdout);
    }
    std::printf("\nSave's peak memory (growth, MB) and Save in place (a second name: built in memory)\n");
    std::printf("%9s %8s %9s %8s %9s\n", "objects", "save pk", "in place", "in/w", "in pk");
    for (const auto& [obiekty, w] : wyniki)
        std::printf("%9ld %7.0fM %9.4f %8.2f %8.0fM\n", obiekty, w.szczyt_zapisu_mb, w.zapis_w_miejscu,
            w.zapis_w_miejscu / w.zwykly_zapis, w.szczyt_w_miejscu_mb);
    if (wyniki.count(100000) && wyniki.count(1000000))
        std::printf("growth 100k -> 1M: save %.1fx, open %.1fx\n", wyniki[1000000].zapis / wyniki[100000].zapis,
            wyniki[1000000].odczyt / wyniki[100000].odczyt);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    std::printf("\nLists: sort, fill, show and paint (medians, seconds)\n%9s %12s %12s\n", "rows", "titles", "books");
    std::map<long, std::pair<double, double>> listy;
    for (long wiersze : smoke ? std::vector<long> { 10000 } : std::vector<long> { 100000, 1000000 }) {
        listy[wiersze] = Zmierz_listy(wiersze, std::min(proby, 3));
        std::printf("%9ld %12.4f %12.4f\n", wiersze, listy[wiersze].first, listy[wiersze].second);
        std::fflush(stdout);
    }
    if (listy.count(100000) && listy.count(1000000))
        std::printf("growth 100k -> 1M: titles %.1fx, books %.1fx\n", listy[1000000].first / listy[100000].first,
            listy[1000000].second / listy[100000].second);

    std::filesystem::current_path("/");
    std::filesystem::remove_all(wzor);
    return 0;
}
