// SPDX-License-Identifier: GPL-3.0-or-later
// Save must never destroy the previous file; Open must survive whatever
// stands under the data file's name.

#include "Aplikacja_w_katalogu.h"
#include "Przyklad.h"
#include "System_plikow_testowy.h"
#include "persistence/Mapa_kartx.h"
#include "persistence/Tablica_obiektow.h"
#include "safefile/Deskryptor.h"
#include "tests/support/Dziecko.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <linux/falloc.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <memory>
#include <optional>
#include <set>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

// Each step by which a Save changes a file (a rename, a link, a write, a
// truncate, a clone, a sync) counts this down once done; the one that brings
// it to 0 kills the program, as SIGKILL or a power cut would there.
static int kroki_do_zabicia = 0;
static long Krok(long wynik)
{
    if (kroki_do_zabicia > 0 && --kroki_do_zabicia == 0)
        ::raise(SIGKILL);
    return wynik;
}

// The error the next renames report instead of renaming; 0 lets them rename.
// Defined here, rename(2) and renameat2(2) of this program are these.
static int blad_przemianowania = 0;
extern "C" int renameat2(int z, const char* stara, int do_, const char* nowa, unsigned flagi) noexcept
{
    if (blad_przemianowania != 0) {
        errno = blad_przemianowania;
        return -1;
    }
    return static_cast<int>(Krok(::syscall(SYS_renameat2, z, stara, do_, nowa, flagi)));
}

// The error that links report, as on FAT; 0 lets them link.
static int blad_dowiazania = 0;
extern "C" int link(const char* stara, const char* nowa) noexcept
{
    if (blad_dowiazania != 0) {
        errno = blad_dowiazania;
        return -1;
    }
    return static_cast<int>(Krok(::syscall(SYS_linkat, AT_FDCWD, stara, AT_FDCWD, nowa, 0)));
}
extern "C" int ftruncate(int fd, off_t dlugosc) noexcept
{
    return static_cast<int>(Krok(::syscall(SYS_ftruncate, fd, dlugosc)));
}
extern "C" int fsync(int fd)
{
    return static_cast<int>(Krok(::syscall(SYS_fsync, fd)));
}
// Whether every file's blocks are reported shared with a clone, and the
// error that their unsharing then reports.
static bool bloki_wspolne = false;
static int blad_odwspolnienia = 0;
extern "C" int ioctl(int fd, unsigned long zadanie, ...) noexcept
{
    va_list argumenty;
    va_start(argumenty, zadanie);
    void* argument = va_arg(argumenty, void*);
    va_end(argumenty);
    if (zadanie == FS_IOC_FIEMAP && bloki_wspolne) {
        auto* mapa = static_cast<fiemap*>(argument);
        auto* zakres = reinterpret_cast<fiemap_extent*>(mapa + 1);
        *zakres = fiemap_extent {};
        zakres->fe_length = mapa->fm_length;
        zakres->fe_flags = FIEMAP_EXTENT_SHARED | FIEMAP_EXTENT_LAST;
        mapa->fm_mapped_extents = 1;
        return 0;
    }
    const long wynik = ::syscall(SYS_ioctl, fd, zadanie, argument);
    return static_cast<int>(zadanie == FICLONE || zadanie == FICLONERANGE ? Krok(wynik) : wynik);
}
extern "C" int rename(const char* stara, const char* nowa) noexcept
{
    return renameat2(AT_FDCWD, stara, AT_FDCWD, nowa, 0);
}

// Writes to the file with this inode fail with ENOSPC past this offset, as on
// a disk that fills meanwhile, and are counted; an offset of -1 lets them
// through uncounted. Defined here, write(2) of this program is this one.
static ino_t zapis_pliku = 0;
static off_t zapis_do = -1;
static int zapisy_pliku = 0;
extern "C" ssize_t write(int fd, const void* dane, std::size_t n)
{
    struct stat st { };
    if (zapis_do >= 0 && ::fstat(fd, &st) == 0 && st.st_ino == zapis_pliku) {
        ++zapisy_pliku;
        const off_t gdzie = ::lseek(fd, 0, SEEK_CUR);
        if (gdzie >= zapis_do) {
            errno = ENOSPC;
            return -1;
        }
        n = std::min(n, static_cast<std::size_t>(zapis_do - gdzie));
    }
    return Krok(::syscall(SYS_write, fd, dane, n));
}

// The error that reservations of room report, as on a full disk; 0 lets them
// through. Defined here, fallocate(2) of this program is this one.
static int blad_rezerwacji = 0;
extern "C" int fallocate(int fd, int tryb, off_t od, off_t dlugosc)
{
    const int blad = tryb & FALLOC_FL_UNSHARE_RANGE ? blad_odwspolnienia : blad_rezerwacji;
    if (blad != 0) {
        errno = blad;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fallocate, fd, tryb, od, dlugosc));
}

namespace {

class Pliki : public Aplikacja_w_katalogu {
protected:
    // Save of the application, with the driver's result; the file found is
    // kept as a backup where `kopia` points at true.
    int Zachowaj_z_wynikiem(bool* kopia = nullptr)
    {
        Tablica_obiektow tablica;
        Mapa_kartx mapa;
        tablica.Ustaw_mape(&mapa);
        app.tytuly.Wpisz_do_tablicy(&tablica);
        app.pozycje.Wpisz_do_tablicy(&tablica);
        return tablica.Zapisz_do_pliku("proba1.txt", kopia);
    }

    void Dodaj_tytuly(int ile)
    {
        for (int i = 0; i < ile; ++i)
            app.Dodaj_tytul(("Tytul " + std::to_string(i)).c_str(), "Autor", std::to_string(i).c_str());
    }

    int Pliki_w_katalogu() const { return static_cast<int>(Pliki_w(".").size()); }

    const std::string stary = "stara zawartosc\r\n";
};

// Saves that meet an obstacle, replaced or written in place (a second name):
// the file-size limit (SIGXFSZ left as it is, so that it would end the
// program), a refused rename (a folder that refuses one falls back to writing
// in place; any other error fails the Save), a write that fails after its
// first bytes (the old bytes put back, or kept beside the file where even
// that failed), another program's lock and a refused reservation. Every name
// ends whole; a Save refused before its first byte never wrote the file; no
// temporary file remains.
TEST_F(Pliki, SavesThatMeetAnObstacleEndWholeUnderEveryName)
{
    enum class Koniec { nowy, przywrocony, obok, bez_zapisu };
    struct Przeszkoda {
        const char* co;
        bool druga_nazwa;
        Koniec koniec;
        rlim_t limit = RLIM_INFINITY; // of the file size
        int blad_przemianowania = 0;
        off_t zapis_do = 1L << 40; // writes to the file fail past it
        int blad_rezerwacji = 0;
        bool blokada = false; // another program holds a lock on one byte far past the end
        int blad_odwspolnienia = 0; // where set, the file shares its blocks with a clone; unsharing fails so
    };
    const off_t stary_koniec = static_cast<off_t>(stary.size());
    const Przeszkoda przeszkody[] = {
        { "file-size limit, replaced", false, Koniec::bez_zapisu, 4096 },
        { "file-size limit, in place", true, Koniec::bez_zapisu, 4096 },
        { "rename EXDEV", false, Koniec::nowy, RLIM_INFINITY, EXDEV },
        { "rename EBUSY", false, Koniec::nowy, RLIM_INFINITY, EBUSY },
        { "rename EPERM", false, Koniec::nowy, RLIM_INFINITY, EPERM },
        { "rename EIO", false, Koniec::bez_zapisu, RLIM_INFINITY, EIO },
        { "rename ENOSPC", false, Koniec::bez_zapisu, RLIM_INFINITY, ENOSPC },
        { "rename EROFS", false, Koniec::bez_zapisu, RLIM_INFINITY, EROFS },
        { "a write that fails past the old end", true, Koniec::przywrocony, RLIM_INFINITY, 0, stary_koniec + 5 },
        { "a write and its restore that fail", true, Koniec::obok, RLIM_INFINITY, 0, 5 },
        { "another program's lock", true, Koniec::bez_zapisu, RLIM_INFINITY, 0, 1L << 40, 0, true },
        { "a refused reservation", true, Koniec::bez_zapisu, RLIM_INFINITY, 0, 1L << 40, ENOSPC },
        { "no room to unshare blocks shared with a clone", true, Koniec::bez_zapisu, RLIM_INFINITY, 0, 1L << 40, 0,
            false, ENOSPC },
        { "blocks shared with a clone that cannot be unshared", true, Koniec::nowy, RLIM_INFINITY, 0, 1L << 40, 0,
            false, EINVAL },
    };
    Dodaj_tytuly(500);
    app.Zachowaj();
    const std::string nowy = Czytaj_bajty("proba1.txt");
    for (const Przeszkoda& p : przeszkody) {
        for (const std::string& nazwa : Pliki_w("."))
            fs::remove(nazwa);
        Zapisz_bajty("proba1.txt", stary);
        if (p.druga_nazwa)
            fs::create_hard_link("proba1.txt", "druga_nazwa.txt");
        struct stat przed { };
        ::stat("proba1.txt", &przed);
        const pid_t blokujacy = p.blokada ? Rozpocznij_w_dziecku([] {
            struct flock blokada { };
            blokada.l_type = F_WRLCK;
            blokada.l_start = 1 << 30;
            blokada.l_len = 1;
            ::fcntl(::open("proba1.txt", O_RDWR | O_CLOEXEC), F_SETLK, &blokada);
            Zapisz_bajty("zablokowany", "");
            ::pause();
        })
                                          : 0;
        while (p.blokada && !fs::exists("zablokowany"))
            ::usleep(1000);
        fs::remove("zablokowany");
        const auto start = std::chrono::steady_clock::now();
        // The driver's result, and 2 where a byte reached the file.
        const int status = W_dziecku([&] {
            const rlimit limit { p.limit, p.limit };
            ::setrlimit(RLIMIT_FSIZE, &limit);
            blad_przemianowania = p.blad_przemianowania;
            std::tie(zapis_pliku, zapis_do) = std::pair(przed.st_ino, p.zapis_do);
            blad_rezerwacji = p.blad_rezerwacji;
            std::tie(bloki_wspolne, blad_odwspolnienia) = std::pair(p.blad_odwspolnienia != 0, p.blad_odwspolnienia);
            bool kopia = true;
            return Zachowaj_z_wynikiem(&kopia) | (zapisy_pliku > 0 ? 2 : 0);
        });
        const auto trwanie = std::chrono::steady_clock::now() - start;
        if (blokujacy > 0)
            ::kill(blokujacy, SIGKILL), Zaczekaj(blokujacy);
        EXPECT_TRUE(WIFEXITED(status)) << p.co << ": ended by " << strsignal(WTERMSIG(status));
        if (!WIFEXITED(status))
            continue;
        const int wynik = WEXITSTATUS(status);
        EXPECT_EQ(wynik & 1, p.koniec == Koniec::nowy) << p.co << ": the driver's result";
        const std::string po_zapisie = Czytaj_bajty("proba1.txt");
        EXPECT_TRUE(p.koniec == Koniec::nowy ? po_zapisie == nowy : p.koniec == Koniec::obok || po_zapisie == stary)
            << p.co;
        // The backup made before the first change stays where the Save went
        // on, or where the old bytes could not come back.
        const bool z_kopia = p.koniec == Koniec::nowy || p.koniec == Koniec::obok;
        EXPECT_EQ(fs::exists("proba1.txt.~1~"), z_kopia) << p.co;
        EXPECT_TRUE(!z_kopia || Czytaj_bajty("proba1.txt.~1~") == stary) << p.co;
        EXPECT_TRUE(!p.druga_nazwa || Czytaj_bajty("druga_nazwa.txt") == Czytaj_bajty("proba1.txt")) << p.co;
        if (p.koniec == Koniec::bez_zapisu) {
            struct stat po { };
            ::stat("proba1.txt", &po);
            EXPECT_EQ(wynik & 2, 0) << p.co << ": the file was written";
            // Giving back what a reservation may have taken stamps the file,
            // and so does the backup's second name, made and removed again.
            EXPECT_TRUE(p.blad_rezerwacji != 0 || p.blad_przemianowania != 0 || p.blad_odwspolnienia != 0
                || (po.st_ctim.tv_sec == przed.st_ctim.tv_sec && po.st_ctim.tv_nsec == przed.st_ctim.tv_nsec))
                << p.co << ": the file was touched";
        }
        EXPECT_LT(trwanie, std::chrono::seconds(30)) << p.co;
        // (Refused renames refuse the backup's too.)
        EXPECT_EQ(Pliki_w_katalogu(), 1 + p.druga_nazwa + z_kopia) << p.co << ": files left";
    }
}

// A run's first Save keeps the file it finds as its next numbered backup,
// private as the file, and later ones add none; a run that found none makes
// none, nor does a Save refused before writing, nor one that finds the file
// in its newest backup already. Names that something else holds are skipped
// and left as they are; an older "proba1.txt~" stays; a file written in
// place keeps a copy, and one whose second name is its own backup is no
// reason to write in place.
TEST_F(Pliki, TheRunsFirstSaveKeepsTheFileItReplaces)
{
    struct Przebieg {
        const char* co;
        bool plik; // proba1.txt is there to be found
        // What stands beside it: a name and its bytes; "->x" a link to x,
        // "/" a folder, "=" a second name of proba1.txt.
        std::vector<std::pair<const char*, std::string>> obok;
        const char* kopia; // the backup that then holds the file found, or none
        fs::perms prawa = fs::perms::owner_read | fs::perms::owner_write;
    };
    const std::string starszy = "starsza\r\n";
    const Przebieg przebiegi[] = {
        { "no file", false, {}, nullptr },
        { "a file replaced", true, {}, "proba1.txt.~1~" },
        { "a file replaced, readable by all", true, {}, "proba1.txt.~1~",
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read },
        { "an older backup of another kind stays", true, { { "proba1.txt~", starszy } }, "proba1.txt.~1~" },
        { "numbered backups", true, { { "proba1.txt.~1~", starszy }, { "proba1.txt.~7~", starszy } },
            "proba1.txt.~8~" },
        { "the newest backup holds the file", true, { { "proba1.txt.~1~", starszy }, { "proba1.txt.~2~", stary } },
            nullptr },
        { "names held by a link and a folder", true,
            { { "cel.txt", starszy }, { "proba1.txt.~1~", "->cel.txt" }, { "proba1.txt.~2~", "/" } },
            "proba1.txt.~3~" },
        { "names that are no backups", true, { { "proba1.txt.~01~", starszy }, { "proba1.txt.~x~", starszy } },
            "proba1.txt.~1~" },
        { "written in place", true, { { "druga_nazwa.txt", "=" } }, "proba1.txt.~1~" },
        { "a second name that is its own backup", true, { { "proba1.txt.~1~", "=" } }, nullptr },
        { "a read-only file", true, {}, nullptr, fs::perms::owner_read },
    };
    for (const Przebieg& p : przebiegi) {
        for (const std::string& nazwa : Pliki_w("."))
            fs::remove_all(nazwa);
        if (p.plik)
            Zapisz_bajty("proba1.txt", stary);
        for (const auto& [nazwa, bajty] : p.obok) {
            if (bajty == "=")
                fs::create_hard_link("proba1.txt", nazwa);
            else if (bajty == "/")
                fs::create_directory(nazwa);
            else if (bajty.starts_with("->"))
                fs::create_symlink(bajty.substr(2), nazwa);
            else
                Zapisz_bajty(nazwa, bajty);
        }
        if (p.plik)
            fs::permissions("proba1.txt", p.prawa);
        std::set<std::string> przed = Pliki_w(".");
        const int status = W_dziecku([] {
            licznik_obiektow = 0;
            TKlasaAplikacji run;
            run.Dodaj_tytul("Pierwszy", "Autor", "1");
            run.Zachowaj();
            run.Dodaj_tytul("Drugi", "Autor", "2");
            run.Zachowaj();
        });
        EXPECT_EQ(status, 0) << p.co;
        if (status != 0)
            continue;
        const std::string zapisany = Czytaj_bajty("proba1.txt");
        if (p.kopia != nullptr) {
            EXPECT_EQ(Czytaj_bajty(p.kopia), stary) << p.co;
            EXPECT_EQ(fs::status(p.kopia).permissions(), p.prawa) << p.co;
            przed.insert(p.kopia);
        }
        przed.insert("proba1.txt");
        EXPECT_EQ(Pliki_w("."), przed) << p.co << ": one backup at most, and nothing else";
        for (const auto& [nazwa, bajty] : p.obok) {
            if (bajty == "=")
                EXPECT_EQ(Czytaj_bajty(nazwa), nazwa[0] == 'd' ? zapisany : stary) << p.co << " " << nazwa;
            else if (bajty == "/" || bajty.starts_with("->"))
                EXPECT_EQ(
                    fs::symlink_status(nazwa).type(), bajty == "/" ? fs::file_type::directory : fs::file_type::symlink)
                    << p.co << " " << nazwa;
            else
                EXPECT_EQ(Czytaj_bajty(nazwa), bajty) << p.co << " " << nazwa;
        }
        app.Otworz();
        EXPECT_EQ(Pliki_w(".").count("proba2.txt.~1~"), 0u) << p.co << ": Open's file keeps no backup";
        fs::permissions("proba1.txt", fs::perms::owner_all);
    }
}

// Eleven runs that each save leave the files that the last ten replaced;
// habitual empty Saves push out one backup, not all of them.
TEST_F(Pliki, BackupsLastTenRuns)
{
    Zapisz_bajty("proba1.txt", stary);
    std::vector<std::string> zastapione { stary };
    auto przebieg = [](int tytuly) {
        return [tytuly] {
            licznik_obiektow = 0;
            TKlasaAplikacji run;
            for (int i = 0; i < tytuly; ++i)
                run.Dodaj_tytul(("Tytul " + std::to_string(i)).c_str(), "Autor", std::to_string(i).c_str());
            run.Zachowaj();
            run.Zachowaj();
        };
    };
    for (int run = 1; run <= 11; ++run) {
        ASSERT_EQ(W_dziecku(przebieg(run)), 0);
        zastapione.push_back(Czytaj_bajty("proba1.txt"));
    }
    for (int run = 12; run <= 14; ++run)
        ASSERT_EQ(W_dziecku(przebieg(0)), 0);
    // Runs 12 and 13 replaced run 11's file and the first empty one; 14 found its file in the newest backup.
    zastapione.push_back(Czytaj_bajty("proba1.txt"));
    std::set<std::string> oczekiwane { "proba1.txt" };
    for (int numer = 4; numer <= 13; ++numer) {
        const std::string nazwa = "proba1.txt.~" + std::to_string(numer) + "~";
        oczekiwane.insert(nazwa);
        EXPECT_EQ(Czytaj_bajty(nazwa), zastapione[static_cast<std::size_t>(numer - 1)]) << nazwa;
    }
    EXPECT_EQ(Pliki_w("."), oczekiwane);
}

// A Save stopped after any step by which it changes a file, on each route,
// leaves what was on disk before it whole in a file that the librarian sees
// (a name without a leading dot), and so does the next run's Save after it.
// A run's later Save in place keeps its old bytes so until the new ones are
// synced.
TEST_F(Pliki, ASaveStoppedAfterAnyStepLeavesTheOldCatalogueWholeInSight)
{
    struct Droga {
        const char* co;
        bool druga_nazwa; // written in place
        int blad_dowiazania; // the backup is a copy where links are refused
        bool pozniejszy; // the run's second Save is the one stopped
        const char* system = nullptr; // mounted for the row (root only); none: the test's folder
        std::size_t dopelnienie = 0; // bytes that make the old file longer than the new one
    };
    const Droga drogi[] = {
        { "replaced", false, 0, false },
        { "replaced, links refused", false, EPERM, false },
        { "in place", true, 0, false },
        { "in place, a later Save", true, 0, true },
        { "btrfs, replaced", false, 0, false, "btrfs" },
        { "btrfs, cloned over", true, 0, false, "btrfs" },
        { "btrfs, cloned over by a later Save", true, 0, true, "btrfs" },
        { "btrfs, cloned over a longer file", true, 0, false, "btrfs", 100000 },
        { "vfat, no links", false, 0, false, "vfat" },
        { "FUSE over ext4", false, 0, false, "bindfs_ext4" },
    };
    Dodaj_tytuly(300);
    auto przebieg = [&](int kroki, int blad, bool pozniejszy) {
        return [=, this] {
            blad_dowiazania = blad;
            if (pozniejszy)
                app.Zachowaj();
            app.Dodaj_tytul("Nowy", "Autor", "N-1");
            kroki_do_zabicia = kroki;
            app.Zachowaj();
        };
    };
    auto widoczne_z = [](const std::string& bajty) {
        for (const std::string& nazwa : Pliki_w("."))
            if (nazwa[0] != '.' && fs::is_regular_file(nazwa) && Czytaj_bajty(nazwa) == bajty)
                return true;
        return false;
    };
    const fs::path folder = fs::current_path();
    for (const Droga& d : drogi) {
        std::optional<System_plikow_testowy> system;
        if (d.system != nullptr && !system.emplace(d.system, folder).Brak().empty()) {
            std::printf("skipped: %s: %s\n", d.co, system->Brak().c_str());
            continue;
        }
        // Back in the test's folder before the file system goes.
        const std::unique_ptr<const fs::path, void (*)(const fs::path*)> powrot(
            &folder, [](const fs::path* f) { fs::current_path(*f); });
        if (system)
            fs::current_path(system->Punkt());
        int kroki = 1;
        for (; kroki < 400; ++kroki) {
            for (const std::string& nazwa : Pliki_w("."))
                fs::remove(nazwa);
            std::string przed = stary + std::string(d.dopelnienie, 'x');
            Zapisz_bajty("proba1.txt", przed);
            if (d.druga_nazwa)
                fs::create_hard_link("proba1.txt", "druga_nazwa.txt");
            if (d.pozniejszy) {
                const int pierwszy = W_dziecku([&] { app.Zachowaj(); });
                EXPECT_EQ(pierwszy, 0) << d.co << ", step " << kroki << ": the first Save";
                if (pierwszy != 0)
                    break;
                przed = Czytaj_bajty("proba1.txt");
                Zapisz_bajty("proba1.txt", stary);
            }
            const int status = W_dziecku(przebieg(kroki, d.blad_dowiazania, d.pozniejszy));
            const bool zabity = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
            EXPECT_TRUE(zabity || status == 0) << d.co << ", step " << kroki;
            if (!zabity)
                break;
            EXPECT_TRUE(widoczne_z(przed)) << d.co << ": stopped after step " << kroki;
            EXPECT_EQ(W_dziecku([&] { app.Zachowaj(); }), 0) << d.co << ", step " << kroki << ": the next Save";
            EXPECT_TRUE(widoczne_z(przed)) << d.co << ": stopped after step " << kroki << ", then saved";
        }
        EXPECT_GT(kroki, 4) << d.co << ": too few steps to stop at";
        std::printf("%s: stopped after each of %d steps\n", d.co, kroki - 1);
    }
}

// An Open through another name while a Save writes the file waits for it,
// and loads the whole new catalogue, never half of it; where the writer's
// lock outlasts the wait (about ten seconds), it loads nothing, as for a
// missing file.
TEST_F(Pliki, OpenWaitsForASaveWritingTheFileThroughAnotherName)
{
    Dodaj_tytuly(2000);
    app.Zachowaj();
    const std::string nowy = Czytaj_bajty("proba1.txt");
    struct Piszacy {
        const char* co;
        useconds_t przerwa; // between the two halves
        int tytuly; // what Open then loads
    };
    for (const Piszacy p : { Piszacy { "a writer that finishes", 300000, 2000 },
             Piszacy { "a writer that outlasts the wait", 15000000, 0 } }) {
        fs::remove("druga_nazwa.txt");
        Zapisz_bajty("proba1.txt", stary);
        fs::create_hard_link("proba1.txt", "druga_nazwa.txt");
        // A writer as a Save in place is: the file locked, then written in two halves.
        const pid_t piszacy = Rozpocznij_w_dziecku([&] {
            const int fd = ::open("druga_nazwa.txt", O_RDWR | O_CLOEXEC);
            struct flock blokada { };
            blokada.l_type = F_WRLCK;
            ::fcntl(fd, F_OFD_SETLK, &blokada);
            ::pwrite(fd, nowy.data(), nowy.size() / 2, 0);
            Zapisz_bajty("zaczety", "");
            ::usleep(p.przerwa);
            ::pwrite(fd, nowy.data() + nowy.size() / 2, nowy.size() - nowy.size() / 2, nowy.size() / 2);
        });
        while (!fs::exists("zaczety"))
            ::usleep(1000);
        fs::remove("zaczety");
        app.Usun_wszystko();
        app.Otworz();
        ::kill(piszacy, SIGKILL);
        Zaczekaj(piszacy);
        EXPECT_EQ(app.tytuly.Podaj_liczbe(), p.tytuly) << p.co;
        EXPECT_TRUE(p.tytuly == 0 || Czytaj_bajty("proba2.txt") == nowy) << p.co;
    }
}

// Every write of the program goes through one loop: short and interrupted
// writes go on, a write that takes nothing ends it.
TEST(Zapisz_wszystko, RetriesShortAndInterruptedWritesAndFailsOnOneThatTakesNothing)
{
    struct Zapis {
        const char* opis;
        std::vector<ssize_t> odpowiedzi; // bytes taken, or -errno
        bool wynik;
    };
    const Zapis zapisy[] = {
        { "whole", { 10 }, true },
        { "short writes", { 3, 3, 3, 1 }, true },
        { "interrupted", { -EINTR, 4, -EINTR, 6 }, true },
        { "takes nothing", { 0 }, false },
        { "takes nothing after a part", { 5, 0 }, false },
        { "fails", { 2, -EIO }, false },
    };
    static std::vector<ssize_t> odpowiedzi;
    static std::size_t wywolania;
    static std::string przyjete;
    for (const Zapis& z : zapisy) {
        odpowiedzi = z.odpowiedzi;
        wywolania = 0;
        przyjete.clear();
        const bool wynik = Zapisz_wszystko(-1, "0123456789", [](int, const void* dane, std::size_t n) -> ssize_t {
            // Past the answers given every write fails, so a loop that
            // retries forever ends too.
            const ssize_t odpowiedz = wywolania < odpowiedzi.size() ? odpowiedzi[wywolania] : -EIO;
            ++wywolania;
            if (odpowiedz < 0) {
                errno = static_cast<int>(-odpowiedz);
                return -1;
            }
            przyjete.append(static_cast<const char*>(dane), std::min(n, static_cast<std::size_t>(odpowiedz)));
            return odpowiedz;
        });
        EXPECT_EQ(wynik, z.wynik) << z.opis;
        EXPECT_EQ(wywolania, z.odpowiedzi.size()) << z.opis << ": the loop wrote on after its last answer";
        if (z.wynik) {
            EXPECT_EQ(przyjete, "0123456789") << z.opis;
        }
    }
}

TEST_F(Pliki, ModesAndLinksArePreserved)
{
    const mode_t poprzednia = ::umask(022);
    Dodaj_tytuly(2);
    EXPECT_EQ(Zachowaj_z_wynikiem(), 1);
    EXPECT_EQ(fs::status("proba1.txt").permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    ::umask(poprzednia);

    fs::permissions("proba1.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Zachowaj_z_wynikiem(), 1);
    EXPECT_EQ(fs::status("proba1.txt").permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::create_directory("dane");
    fs::rename("proba1.txt", "dane/biblioteka.txt");
    fs::create_symlink("dane/biblioteka.txt", "proba1.txt");
    app.Dodaj_tytul("przez dowiazanie", "a", "x");
    EXPECT_EQ(Zachowaj_z_wynikiem(), 1);
    EXPECT_TRUE(fs::is_symlink("proba1.txt"));
    EXPECT_NE(Czytaj_bajty("dane/biblioteka.txt").find("przez dowiazanie"), std::string::npos);
    EXPECT_EQ(Pliki_w_katalogu(), 2);
}

TEST_F(Pliki, TemporaryFilesOfKilledSavesAreRemoved)
{
    const pid_t martwy = Rozpocznij_w_dziecku([] {});
    Zaczekaj(martwy);
    const std::string porzucony = ".proba1.txt.tmp-" + std::to_string(martwy) + "-123";
    Zapisz_bajty(porzucony, "urwany zap");
    const std::string cudzy = ".proba1.txt.tmp-" + std::to_string(::getppid()) + "-5"; // a live process
    Zapisz_bajty(cudzy, "w toku");
    EXPECT_EQ(Zachowaj_z_wynikiem(), 1);
    EXPECT_FALSE(fs::exists(porzucony));
    EXPECT_TRUE(fs::exists(cudzy));
    EXPECT_EQ(Pliki_w_katalogu(), 2);
}

// Whatever stands under the data file's name that may not be written, even
// by root, Save leaves as it was and reports failing; Open takes it for no
// catalogue and does not hang on it.
TEST_F(Pliki, TargetsThatMayNotBeWrittenStayAsTheyWere)
{
    int plik = -1, flagi = 0;
    auto zmien_flage = [&](bool ustaw) {
        flagi = ustaw ? flagi | FS_IMMUTABLE_FL : flagi & ~FS_IMMUTABLE_FL;
        return ::ioctl(plik, FS_IOC_SETFLAGS, &flagi) == 0;
    };
    struct Cel {
        const char* co;
        std::function<bool()> przygotuj; // false: cannot be made here
    };
    const Cel cele[] = {
        { "a read-only file", [&] { return ::chmod("proba1.txt", 0444) == 0; } },
        { "an immutable file (needs root and a file system with flags)",
            [&] {
                plik = ::open("proba1.txt", O_RDONLY | O_CLOEXEC);
                return ::ioctl(plik, FS_IOC_GETFLAGS, &flagi) == 0 && zmien_flage(true);
            } },
        { "a directory", [] { return fs::remove("proba1.txt") && fs::create_directory("proba1.txt"); } },
        { "a FIFO", [] { return fs::remove("proba1.txt") && ::mkfifo("proba1.txt", 0666) == 0; } },
        { "a link to a device",
            [] {
                fs::remove("proba1.txt");
                fs::create_symlink("/dev/null", "proba1.txt");
                return true;
            } },
    };
    auto zwolnij = [&] {
        if (plik >= 0)
            zmien_flage(false), ::close(std::exchange(plik, -1));
    };
    for (const Cel& c : cele) {
        Zapisz_bajty("proba1.txt", stary);
        if (!c.przygotuj()) {
            std::printf("skipped: %s cannot be made here\n", c.co);
            zwolnij();
            continue;
        }
        const fs::file_type rodzaj = fs::symlink_status("proba1.txt").type();
        Dodaj_tytuly(3);
        EXPECT_EQ(Zachowaj_z_wynikiem(), 0) << c.co;
        EXPECT_EQ(fs::symlink_status("proba1.txt").type(), rodzaj) << c.co;
        EXPECT_TRUE(rodzaj != fs::file_type::regular || Czytaj_bajty("proba1.txt") == stary) << c.co;
        EXPECT_EQ(Pliki_w_katalogu(), 1) << c.co << ": no temporary file may remain";
        app.Usun_wszystko();
        app.Otworz();
        EXPECT_EQ(app.tytuly.Podaj_liczbe(), 0) << c.co;
        zwolnij();
        fs::remove_all("proba1.txt");
        fs::remove("proba2.txt");
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(Pliki, UnreadableFileOpensAsMissing)
{
    Zapisz_bajty("proba1.txt", Przyklad_roboczy());
    fs::permissions("proba1.txt", fs::perms::none);
    const std::string pusta_tablica = "<Definicja_obiektu>\r\n<Nazwa_klasy>Tablica_obiektow\r\n"
                                      "<Tablica_obiektow>\r\n<\\Tablica_obiektow>\r\n<\\Definicja_obiektu>\r\n";
    auto otwiera_jak_brak = [&] {
        app.Otworz();
        return app.tytuly.Podaj_liczbe() == 0 && Czytaj_bajty("proba2.txt") == pusta_tablica;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(otwiera_jak_brak());
        return;
    }
    // Root reads a file without read bits, so the check runs as nobody.
    fs::permissions(".", fs::perms::all);
    EXPECT_EQ(W_dziecku([&] { return otwiera_jak_brak() ? 0 : 1; }, nullptr, true), 0);
}

} // namespace
