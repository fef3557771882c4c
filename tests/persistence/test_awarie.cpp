// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that are killed, signalled or raced by a second writer: the data file
// is always exactly the old or exactly the new one.

#include "Aplikacja_w_katalogu.h"
#include "tests/support/Biblioteka_testowa.h"
#include "tests/support/Dziecko.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <sstream>
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

    const std::string stary = "<Definicja_obiektu>\r\nstary plik\r\n";
};

int Tymczasowe_w(const fs::path& katalog)
{
    int ile = 0;
    for (const std::string& nazwa : Pliki_w(katalog))
        ile += nazwa.rfind(".proba1.txt.tmp-", 0) == 0;
    return ile;
}

// The process's signals of one kind ("SigPnd", "ShdPnd": waiting to be
// taken; "SigCgt": caught by a handler), bit n - 1 for signal n.
std::uint64_t Sygnaly_procesu(pid_t proces, const std::string& rodzaj)
{
    std::istringstream linie(Czytaj_bajty("/proc/" + std::to_string(proces) + "/status"));
    for (std::string linia; std::getline(linie, linia);)
        if (linia.rfind(rodzaj + ":", 0) == 0)
            return std::stoull(linia.substr(rodzaj.size() + 1), nullptr, 16);
    return 0;
}

// Saves interrupted at random moments, over it and past it: SIGKILL over a
// file replaced through a temporary one; every signal that ends a program
// (logout, Ctrl+C, a closed terminal, a user signal, a timer) while a
// hard-linked file is written in place, where it waits until the file is
// whole. Of two sent one after the other while that Save holds them, the
// first is acted on (the higher number first, so that it is not merely the
// lowest). Every name always holds the old or the new file.
TEST_F(Awarie, InterruptedSavesLeaveTheOldOrTheNewFile)
{
    struct Przerwanie {
        const char* co;
        bool w_miejscu;
        std::vector<std::vector<int>> sygnaly;
        unsigned ziarno;
        double rozrzut; // the moments spread over this many Saves; 0: once it holds signals
        int ile = 30;
    };
    const Przerwanie przerwania[] = {
        { "kills", false, { { SIGKILL } }, 20261207, 1.5 },
        { "signals", true,
            { { SIGTERM }, { SIGINT }, { SIGHUP }, { SIGUSR1 }, { SIGUSR2 }, { SIGALRM }, { SIGPWR }, { SIGVTALRM },
                { SIGRTMIN } },
            20261208, 1.5 },
        { "two signals", true, { { SIGTERM, SIGHUP } }, 20261209, 0, 4 },
    };
    const std::string nowy = Nowy_plik();
    for (const Przerwanie& p : przerwania) {
        fs::remove("druga_nazwa.txt");
        Zapisz_bajty("proba1.txt", stary);
        if (p.w_miejscu)
            fs::create_hard_link("proba1.txt", "druga_nazwa.txt");
        int stare = 0, nowe = 0, trzymane = 0;
        std::size_t proba = 0;
        const std::vector<int>* wyslane = &p.sygnaly[0];
        Przerywaj_w_losowych_chwilach(
            p.ile, p.rozrzut, p.ziarno, [&] { Zapisz_bajty("proba1.txt", stary); }, [&] { app.Zachowaj(); },
            [&](pid_t dziecko) {
                wyslane = &p.sygnaly[proba++ % p.sygnaly.size()];
                // The Save holds signals while its handler catches SIGTERM.
                for (int i = 0;
                     p.rozrzut == 0 && i < 20000 && !(Sygnaly_procesu(dziecko, "SigCgt") >> (SIGTERM - 1) & 1); ++i)
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                trzymane += Sygnaly_procesu(dziecko, "SigCgt") >> (SIGTERM - 1) & 1;
                // Each taken before the next is sent: of two waiting at once,
                // the lower number would be taken first.
                for (const int sygnal : *wyslane)
                    for (int ms = (::kill(dziecko, sygnal), 0);
                         ms < 1000 && (Sygnaly_procesu(dziecko, "SigPnd") | Sygnaly_procesu(dziecko, "ShdPnd")); ++ms)
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
            },
            [&](int status, bool przerwany) {
                ASSERT_NE(status, -1);
                const std::string po = Czytaj_bajty("proba1.txt");
                ASSERT_TRUE(po == stary || po == nowy)
                    << strsignal(wyslane->at(0)) << " " << proba << " left " << po.size();
                ASSERT_TRUE(przerwany || po == nowy) << "an uninterrupted Save saves";
                ASSERT_TRUE(!p.w_miejscu || Czytaj_bajty("druga_nazwa.txt") == po) << "both names hold one file";
                EXPECT_TRUE(!WIFSIGNALED(status) || WTERMSIG(status) == wyslane->at(0))
                    << strsignal(wyslane->at(0)) << " sent first, acted on " << strsignal(WTERMSIG(status));
                // Each Save removes what killed ones left, so they never pile up.
                ASSERT_LE(Tymczasowe_w("."), 1);
                if (przerwany)
                    (po == stary ? stare : nowe)++;
            });
        std::printf("%s: %d left the old file, %d the new one, %d sent while held\n", p.co, stare, nowe, trzymane);
        // Interruptions that always came too late, or a Save that never
        // replaces the file, would show only one of the two; signals meant
        // for a held Save must have met one.
        EXPECT_TRUE(p.rozrzut == 0 || stare > 0) << p.co;
        EXPECT_GT(nowe, 0) << p.co;
        EXPECT_TRUE(p.rozrzut > 0 || trzymane == p.ile) << p.co;
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
        EXPECT_TRUE(a > 0 && b > 0) << "try " << proba;
        Zaczekaj(a);
        Zaczekaj(b);
        const std::string po = Czytaj_bajty("a/proba1.txt");
        EXPECT_TRUE(po == pierwszy || po == drugi) << "try " << proba << " left " << po.size() << " bytes";
        EXPECT_EQ(Czytaj_bajty("b/proba1.txt"), po) << "try " << proba;
    }
}

} // namespace
