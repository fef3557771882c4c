// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that are killed, signalled or raced by a second writer: the data file
// is always exactly the old or exactly the new one.

#include "Aplikacja_w_katalogu.h"
#include "tests/support/Biblioteka_testowa.h"
#include "tests/support/Dziecko.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Awarie : public Aplikacja_w_katalogu {
protected:
    // Fills the library with 25,000 titles and their copies; the file they
    // save, made in a folder of its own.
    std::string Nowy_plik()
    {
        Wypelnij_biblioteke(app, 25000);
        fs::create_directory("wzor");
        fs::current_path("wzor");
        app.Zachowaj();
        std::string nowy = Czytaj_bajty("proba1.txt");
        fs::current_path("..");
        return nowy;
    }

    // How long one Save takes here, in microseconds, to spread the kills
    // over it and past it: a forked child saves slower, its pages copied as
    // it writes them.
    long Czas_zapisu()
    {
        const auto start = std::chrono::steady_clock::now();
        app.Zachowaj();
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    }

    // Writes the old file, starts a Save over it in a child and sends it
    // the signals `po_us` microseconds after the Save began; the child's wait
    // status, or -1 when no child could be started.
    int Przerwij_zapis(long po_us, const std::vector<int>& sygnaly)
    {
        Zapisz_bajty("proba1.txt", stary);
        const pid_t dziecko = Rozpocznij_w_dziecku([&] { app.Zachowaj(); });
        if (dziecko <= 0)
            return -1;
        std::this_thread::sleep_for(std::chrono::microseconds(po_us));
        for (const int sygnal : sygnaly)
            ::kill(dziecko, sygnal);
        return Zaczekaj(dziecko);
    }

    const std::string stary = "<Definicja_obiektu>\r\nstary plik\r\n";
};

int Tymczasowe_w(const fs::path& katalog)
{
    int ile = 0;
    for (const std::string& nazwa : Pliki_w(katalog))
        ile += nazwa.rfind(".proba1.txt.tmp-", 0) == 0;
    return ile;
}

// Saves interrupted at random moments, over it and past it. SIGKILL over a
// file replaced through a temporary one; every signal that ends a program
// (logout, Ctrl+C, a closed terminal, a user signal, a timer) while a
// hard-linked file is written in place, where it waits until the file is
// whole and, of two, the first is acted on (the lower number goes first when
// both are pending). Every name always holds the old or the new file.
TEST_F(Awarie, InterruptedSavesLeaveTheOldOrTheNewFile)
{
    struct Przerwanie {
        const char* co;
        bool w_miejscu;
        std::vector<std::vector<int>> sygnaly;
        unsigned ziarno;
        long rozrzut; // the moments spread over this many Saves
    };
    const Przerwanie przerwania[] = {
        { "kills", false, { { SIGKILL } }, 20261207, 3 },
        { "signals", true,
            { { SIGTERM }, { SIGINT }, { SIGHUP }, { SIGUSR1 }, { SIGUSR2 }, { SIGALRM }, { SIGPWR }, { SIGVTALRM },
                { SIGRTMIN }, { SIGHUP, SIGTERM } },
            20261208, 2 },
    };
    const std::string nowy = Nowy_plik();
    for (const Przerwanie& p : przerwania) {
        Zapisz_bajty("proba1.txt", stary);
        fs::remove("druga_nazwa.txt");
        if (p.w_miejscu)
            fs::create_hard_link("proba1.txt", "druga_nazwa.txt");
        const long trwanie = Czas_zapisu();
        ASSERT_EQ(Czytaj_bajty("proba1.txt"), nowy);
        std::mt19937 los(p.ziarno);
        std::uniform_int_distribution<long> chwila(0, trwanie * p.rozrzut);
        int stare = 0, nowe = 0;
        for (std::size_t proba = 0; proba < 30; ++proba) {
            const std::vector<int>& wyslane = p.sygnaly[proba % p.sygnaly.size()];
            const int status = Przerwij_zapis(chwila(los), wyslane);
            ASSERT_NE(status, -1);
            const std::string po = Czytaj_bajty("proba1.txt");
            ASSERT_TRUE(po == stary || po == nowy) << strsignal(wyslane[0]) << " " << proba << " left " << po.size();
            ASSERT_TRUE(!p.w_miejscu || Czytaj_bajty("druga_nazwa.txt") == po) << "both names hold one file";
            EXPECT_TRUE(!WIFSIGNALED(status) || WTERMSIG(status) == wyslane[0])
                << strsignal(wyslane[0]) << " sent first, acted on " << strsignal(WTERMSIG(status));
            // Each Save removes what killed ones left, so they never pile up.
            ASSERT_LE(Tymczasowe_w("."), 1);
            (po == stary ? stare : nowe)++;
        }
        std::printf("%s: %d left the old file, %d the new one\n", p.co, stare, nowe);
        // Interruptions that always came too late, or a Save that never
        // replaces the file, would show only one of the two.
        EXPECT_GT(stare, 0) << p.co;
        EXPECT_GT(nowe, 0) << p.co;
    }
    // What the killed Saves left behind goes with the next Save.
    fs::remove("druga_nazwa.txt");
    Zapisz_bajty("proba1.txt", stary);
    app.Zachowaj();
    EXPECT_EQ(Czytaj_bajty("proba1.txt"), nowy);
    EXPECT_EQ(Tymczasowe_w("."), 0);
}

// Two windows in two folders, one file under two names: Saves at the same
// time end as one whole catalogue, the last one's.
TEST_F(Awarie, TwoSavesThroughTwoNamesLeaveOneWholeCatalogue)
{
    const std::string pierwszy = Nowy_plik();
    auto z_nowym_tytulem = [&] {
        app.Dodaj_tytul("Drugi zapis", "Autor", "99-99");
        app.Zachowaj();
    };
    W_dziecku(z_nowym_tytulem, "wzor");
    const std::string drugi = Czytaj_bajty("wzor/proba1.txt");
    ASSERT_NE(drugi, pierwszy);
    fs::create_directory("a");
    fs::create_directory("b");
    for (int proba = 0; proba < 6; ++proba) {
        fs::remove("b/proba1.txt");
        Zapisz_bajty("a/proba1.txt", stary);
        fs::create_hard_link("a/proba1.txt", "b/proba1.txt");
        const pid_t a = Rozpocznij_w_dziecku([&] { app.Zachowaj(); }, "a");
        const pid_t b = Rozpocznij_w_dziecku(z_nowym_tytulem, "b");
        ASSERT_TRUE(a > 0 && b > 0);
        Zaczekaj(a);
        Zaczekaj(b);
        const std::string po = Czytaj_bajty("a/proba1.txt");
        ASSERT_TRUE(po == pierwszy || po == drugi) << "try " << proba << " left " << po.size() << " bytes";
        ASSERT_EQ(Czytaj_bajty("b/proba1.txt"), po);
    }
}

} // namespace
