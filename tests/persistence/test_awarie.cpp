// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that die or run out of room: the data file is always exactly the old
// or exactly the new one.

#include "Aplikacja_w_katalogu.h"
#include "Dziecko_w_toku.h"
#include "tests/support/Biblioteka_testowa.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <sys/mount.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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
    // the signal `po_us` microseconds after the Save began; false when no
    // child could be started.
    bool Przerwij_zapis(long po_us, int sygnal)
    {
        Zapisz_bajty("proba1.txt", stary);
        const pid_t dziecko = Rozpocznij_w_dziecku([&] { app.Zachowaj(); });
        if (dziecko <= 0)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(po_us));
        ::kill(dziecko, sygnal);
        return ::waitpid(dziecko, nullptr, 0) == dziecko;
    }

    const std::string stary = "<Definicja_obiektu>\r\nstary plik\r\n";
};

int Tymczasowe_w(const fs::path& katalog)
{
    int ile = 0;
    for (const auto& wpis : fs::directory_iterator(katalog))
        ile += wpis.path().filename().string().rfind(".proba1.txt.tmp-", 0) == 0;
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
        ASSERT_TRUE(Przerwij_zapis(chwila(los), SIGKILL));
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

// Logout, Ctrl+C and a closed terminal while a hard-linked file is written
// in place: the signal waits until the file is whole.
TEST_F(Awarie, SignalsDuringAnInPlaceSaveLeaveTheOldOrTheNewFile)
{
    const std::string nowy = Nowy_plik();
    Zapisz_bajty("proba1.txt", stary);
    fs::create_hard_link("proba1.txt", "druga_nazwa.txt"); // so the Save writes in place
    const long trwanie = Czas_zapisu();
    ASSERT_EQ(Czytaj_bajty("druga_nazwa.txt"), nowy);

    std::mt19937 los(20261208);
    std::uniform_int_distribution<long> chwila(0, trwanie * 2);
    const int sygnaly[] = { SIGTERM, SIGINT, SIGHUP };
    int stare = 0, nowe = 0;
    for (int proba = 0; proba < 30; ++proba) {
        const int sygnal = sygnaly[proba % 3];
        ASSERT_TRUE(Przerwij_zapis(chwila(los), sygnal));
        const std::string po = Czytaj_bajty("druga_nazwa.txt");
        ASSERT_TRUE(po == stary || po == nowy)
            << strsignal(sygnal) << " " << proba << " left " << po.size() << " bytes";
        ASSERT_EQ(Czytaj_bajty("proba1.txt"), po) << "both names hold one file";
        (po == stary ? stare : nowe)++;
    }
    std::printf("signals: %d left the old file, %d the new one\n", stare, nowe);
    EXPECT_GT(stare, 0);
    EXPECT_GT(nowe, 0);
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
