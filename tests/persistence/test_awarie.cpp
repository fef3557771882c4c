// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that die or run out of room: the data file is always exactly the old
// or exactly the new one.

#include "Aplikacja_w_katalogu.h"
#include "tests/support/Biblioteka_testowa.h"
#include "tests/support/Dziecko.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <random>
#include <sys/mount.h>
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

TEST_F(Awarie, KilledSavesLeaveTheOldOrTheNewFile)
{
    const std::string nowy = Nowy_plik();
    Zapisz_bajty("proba1.txt", stary);
    const long trwanie = Czas_zapisu();
    ASSERT_EQ(Czytaj_bajty("proba1.txt"), nowy);

    std::mt19937 los(20261207);
    std::uniform_int_distribution<long> chwila(0, trwanie * 3);
    int stare = 0, nowe = 0;
    for (int proba = 0; proba < 30; ++proba) {
        ASSERT_NE(Przerwij_zapis(chwila(los), { SIGKILL }), -1);
        const std::string po = Czytaj_bajty("proba1.txt");
        ASSERT_TRUE(po == stary || po == nowy) << "kill " << proba << " left " << po.size() << " bytes";
        (po == stary ? stare : nowe)++;
        // Each Save removes what killed ones left, so they never pile up.
        ASSERT_LE(Tymczasowe_w("."), 1);
    }
    std::printf(
        "kills: %d left the old file, %d the new one, %d temporary files behind\n", stare, nowe, Tymczasowe_w("."));
    // Kills that always came too late, or a Save that never replaces the
    // file, would show only one of the two.
    EXPECT_GT(stare, 0);
    EXPECT_GT(nowe, 0);

    // What the killed Saves left behind goes with the next Save.
    Zapisz_bajty("proba1.txt", stary);
    app.Zachowaj();
    EXPECT_EQ(Czytaj_bajty("proba1.txt"), nowy);
    EXPECT_EQ(Tymczasowe_w("."), 0);
}

// Every signal that ends a program (logout, Ctrl+C, a closed terminal, a
// user signal, a timer) while a hard-linked file is written in place: it
// waits until the file is whole, and of two the first one is acted on (the
// lower number goes first when both are pending).
TEST_F(Awarie, SignalsDuringAnInPlaceSaveLeaveTheOldOrTheNewFile)
{
    const std::string nowy = Nowy_plik();
    Zapisz_bajty("proba1.txt", stary);
    fs::create_hard_link("proba1.txt", "druga_nazwa.txt"); // so the Save writes in place
    const long trwanie = Czas_zapisu();
    ASSERT_EQ(Czytaj_bajty("druga_nazwa.txt"), nowy);

    std::mt19937 los(20261208);
    std::uniform_int_distribution<long> chwila(0, trwanie * 2);
    const std::vector<int> sygnaly[] = { { SIGTERM }, { SIGINT }, { SIGHUP }, { SIGUSR1 }, { SIGUSR2 }, { SIGALRM },
        { SIGPWR }, { SIGVTALRM }, { SIGRTMIN }, { SIGHUP, SIGTERM } };
    int stare = 0, nowe = 0;
    for (int proba = 0; proba < 30; ++proba) {
        const std::vector<int>& wyslane = sygnaly[proba % std::size(sygnaly)];
        const int status = Przerwij_zapis(chwila(los), wyslane);
        ASSERT_NE(status, -1);
        const std::string po = Czytaj_bajty("druga_nazwa.txt");
        ASSERT_TRUE(po == stary || po == nowy)
            << strsignal(wyslane[0]) << " " << proba << " left " << po.size() << " bytes";
        ASSERT_EQ(Czytaj_bajty("proba1.txt"), po) << "both names hold one file";
        EXPECT_TRUE(!WIFSIGNALED(status) || WTERMSIG(status) == wyslane[0])
            << strsignal(wyslane[0]) << " sent first, acted on " << strsignal(WTERMSIG(status));
        (po == stary ? stare : nowe)++;
    }
    std::printf("signals: %d left the old file, %d the new one\n", stare, nowe);
    EXPECT_GT(stare, 0);
    EXPECT_GT(nowe, 0);
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

TEST_F(Awarie, SaveIntoAFullFileSystemKeepsTheOldFile)
{
    fs::create_directory("maly");
    if (::geteuid() != 0 || ::mount("tmpfs", "maly", "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "a 1 MB tmpfs can be mounted only by root with CAP_SYS_ADMIN";
    Zapisz_bajty("maly/proba1.txt", stary);
    Zapisz_bajty("maly/wypelniacz", std::string(1000 * 1024, 'x'));
    Wypelnij_biblioteke(app, 500);
    fs::current_path("maly");
    app.Zachowaj();
    const std::string po = Czytaj_bajty("proba1.txt");
    const int tymczasowe = Tymczasowe_w(".");
    fs::current_path("..");
    ::umount("maly");
    EXPECT_EQ(po, stary);
    EXPECT_EQ(tymczasowe, 0);
}

} // namespace
