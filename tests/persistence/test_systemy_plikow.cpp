// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Open wherever a librarian keeps the catalogue: other file systems,
// folders that allow no new file or no rename over another user's file, hard
// links, full disks, and a power cut in the middle of a Save.

#include "System_plikow_testowy.h"
#include "domain/TKlasaAplikacji.h"
#include "tests/support/Biblioteka_testowa.h"
#include "tests/support/Dziecko.h"
#include "tests/support/Katalog_tymczasowy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <optional>
#include <random>
#include <sched.h>
#include <set>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uid_t nobody = 65534;
constexpr gid_t nogroup = 65534;
constexpr uid_t daemon_uzytkownik = 1;

struct Wynik {
    std::string proba1;
    std::string proba2;
    std::set<std::string> pliki;
    bool operator==(const Wynik&) const = default;
};

void PrintTo(const Wynik& w, std::ostream* os)
{
    *os << w.proba1.size() << "+" << w.proba2.size() << " bytes, files:";
    for (const std::string& p : w.pliki)
        *os << " " << p;
}

Wynik Wynik_w(const fs::path& katalog)
{
    return { Czytaj_bajty(katalog / "proba1.txt"), Czytaj_bajty(katalog / "proba2.txt"), Pliki_w(katalog) };
}

// What a librarian does in one session: two titles with copies, Save, one
// more, Save over the first file, Open, one more, Save.
void Sesja()
{
    licznik_obiektow = 0;
    TKlasaAplikacji app;
    app.Dodaj_tytul("Lalka", "Prus", "83-01");
    app.Dodaj_tytul("Potop", "Sienkiewicz", "83-02");
    app.Dodaj_ksiazke("Lalka", 1);
    app.Dodaj_ksiazke("Potop", 2);
    app.Zachowaj();
    app.Dodaj_tytul("Ogniem i mieczem", "Sienkiewicz", "83-03");
    app.Zachowaj();
    app.Usun_wszystko();
    app.Otworz();
    app.Dodaj_tytul("Faraon", "Prus", "83-04");
    app.Zachowaj();
}

// A fresh run that saves a library of `tytuly` titles and their copies.
auto Zapis_biblioteki(int tytuly)
{
    return [tytuly] {
        licznik_obiektow = 0;
        TKlasaAplikacji app;
        Wypelnij_biblioteke(app, tytuly);
        app.Zachowaj();
    };
}

class Miejsca_zapisu : public ::testing::Test {
protected:
    // The session's files in an ordinary folder.
    const Wynik& Wzor()
    {
        if (!wzor) {
            const fs::path k = katalog.Sciezka() / "wzor";
            fs::create_directory(k);
            EXPECT_EQ(W_dziecku(Sesja, k.c_str()), 0);
            wzor = Wynik_w(k);
        }
        return *wzor;
    }

    // The file that a fresh run saving `tytuly` titles writes, in a folder of its own.
    std::string Plik_biblioteki(int tytuly)
    {
        fs::create_directory(katalog.Sciezka() / "wzor");
        EXPECT_EQ(W_dziecku(Zapis_biblioteki(tytuly), (katalog.Sciezka() / "wzor").c_str()), 0);
        return Czytaj_bajty(katalog.Sciezka() / "wzor" / "proba1.txt");
    }

    Katalog_tymczasowy katalog;
    std::optional<Wynik> wzor;
};

// A place where the session runs: another file system (none: the test's own
// folder); a folder of root's that a librarian shares with others, the data
// files made beforehand with the owner and mode given, the session run as
// nobody or as root; a second name of the data file.
enum class Druga_nazwa { brak, dowiazanie, montowanie };

struct Miejsce {
    const char* nazwa;
    const char* system = nullptr;
    mode_t tryb_folderu = 0; // 0: an ordinary folder
    uid_t wlasciciel_plikow = 0;
    mode_t tryb_plikow = 0;
    bool jako_nobody = false;
    Druga_nazwa druga = Druga_nazwa::brak;
    bool kopia = true; // the old file found can be kept beside it
    gid_t grupa_plikow = nogroup;
    mode_t tryb_kopii = 0; // the backup's mode where it differs from the file's
};

void PrintTo(const Miejsce& m, std::ostream* os)
{
    *os << m.nazwa;
}

class Miejsca : public Miejsca_zapisu, public ::testing::WithParamInterface<Miejsce> { };

// Every Save reaches the file, under every name, which keeps its owner and mode.
TEST_P(Miejsca, TheSessionWritesTheSameFilesAsInAnOrdinaryFolder)
{
    const Miejsce& m = GetParam();
    const Wynik& oczekiwany = Wzor();
    std::optional<System_plikow_testowy> system;
    if (m.system != nullptr && !system.emplace(m.system, katalog.Sciezka()).Brak().empty())
        GTEST_SKIP() << system->Brak();
    if ((m.tryb_folderu != 0 || m.druga == Druga_nazwa::montowanie) && ::geteuid() != 0)
        GTEST_SKIP() << "giving files to other users, acting as nobody and bind-mounting need root";
    const fs::path k = (system ? system->Punkt() : katalog.Sciezka()) / "katalog";
    const fs::path zrodlo = katalog.Sciezka() / "zrodlo.txt";
    fs::create_directory(k);
    if (m.tryb_folderu != 0) {
        fs::permissions(katalog.Sciezka(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        ASSERT_EQ(::chmod(k.c_str(), m.tryb_folderu), 0);
        for (const char* nazwa : { "proba1.txt", "proba2.txt" }) {
            Zapisz_bajty(k / nazwa, "stara zawartosc\r\n");
            ASSERT_EQ(::chown((k / nazwa).c_str(), m.wlasciciel_plikow, m.grupa_plikow), 0);
            ASSERT_EQ(::chmod((k / nazwa).c_str(), m.tryb_plikow), 0);
        }
    } else if (m.druga == Druga_nazwa::dowiazanie) {
        Zapisz_bajty(k / "proba1.txt", "stara zawartosc\r\n");
        ASSERT_EQ(::chmod((k / "proba1.txt").c_str(), 0600), 0); // a private catalogue
        fs::create_hard_link(k / "proba1.txt", k / "druga_nazwa.txt");
    } else if (m.druga == Druga_nazwa::montowanie) {
        Zapisz_bajty(k / "proba1.txt", "");
        Zapisz_bajty(zrodlo, "stara zawartosc\r\n");
        if (::mount(zrodlo.c_str(), (k / "proba1.txt").c_str(), nullptr, MS_BIND, nullptr) != 0)
            GTEST_SKIP() << "bind-mounting a file needs CAP_SYS_ADMIN";
    }
    // Renaming over a mount point is refused (EBUSY).
    struct Odmontowanie {
        fs::path punkt;
        ~Odmontowanie()
        {
            if (!punkt.empty())
                ::umount(punkt.c_str());
        }
    } odmontowanie { m.druga == Druga_nazwa::montowanie ? k / "proba1.txt" : fs::path() };
    struct stat przed { };
    ::stat((k / "proba1.txt").c_str(), &przed);
    ASSERT_EQ(W_dziecku(Sesja, k.c_str(), m.jako_nobody), 0);
    Wynik w = Wynik_w(k);
    // The first Save keeps the file it finds, written in place or replaced,
    // readable by no one who could not read the file.
    if (m.tryb_folderu != 0 || m.druga != Druga_nazwa::brak) {
        EXPECT_EQ(w.pliki.erase("proba1.txt.~1~"), m.kopia);
        struct stat kopia { };
        if (m.kopia && ::stat((k / "proba1.txt.~1~").c_str(), &kopia) == 0) {
            EXPECT_EQ(Czytaj_bajty(k / "proba1.txt.~1~"), "stara zawartosc\r\n");
            EXPECT_EQ(kopia.st_mode & 07777, m.tryb_kopii != 0 ? m.tryb_kopii : przed.st_mode & 07777);
            EXPECT_EQ(kopia.st_gid, m.tryb_kopii != 0 ? nogroup : przed.st_gid);
        }
    }
    if (m.druga == Druga_nazwa::dowiazanie) {
        EXPECT_EQ(Czytaj_bajty(k / "druga_nazwa.txt"), oczekiwany.proba1);
        EXPECT_EQ(fs::hard_link_count(k / "proba1.txt"), 2u);
        EXPECT_EQ(w.pliki.erase("druga_nazwa.txt"), 1u);
    }
    EXPECT_TRUE(m.druga != Druga_nazwa::montowanie || Czytaj_bajty(zrodlo) == oczekiwany.proba1);
    EXPECT_EQ(w, oczekiwany);
    struct stat st { };
    ASSERT_EQ(::stat((k / "proba1.txt").c_str(), &st), 0);
    if (m.tryb_folderu != 0) {
        EXPECT_EQ(st.st_uid, m.wlasciciel_plikow);
        EXPECT_EQ(st.st_gid, m.grupa_plikow);
        EXPECT_EQ(st.st_mode & 07777, m.tryb_plikow);
    }
}

INSTANTIATE_TEST_SUITE_P(, Miejsca,
    ::testing::Values(Miejsce { "ext4", "ext4" }, Miejsce { "xfs", "xfs" }, Miejsce { "btrfs", "btrfs" },
        Miejsce { "vfat", "vfat" }, Miejsce { "exfat", "exfat" }, Miejsce { "ntfs", "ntfs" },
        // Files of nobody in root's folder: nobody may write them but create nothing beside them.
        Miejsce { "bez_prawa_tworzenia", nullptr, 0755, nobody, 0644, true, Druga_nazwa::brak, false },
        // A /tmp-like folder: nobody may not rename over daemon's file, only write it.
        Miejsce { "lepki", nullptr, 01777, daemon_uzytkownik, 0664, true },
        // There nobody cannot give the copy daemon's group: its bits become the others'.
        Miejsce {
            "lepki_cudza_grupa", nullptr, 01777, daemon_uzytkownik, 0646, true, Druga_nazwa::brak, true, 1, 0666 },
        // Root replaces nobody's file, which keeps its owner and mode.
        Miejsce { "cudzy_plik", nullptr, 0755, nobody, 0640, false },
        Miejsce { "dowiazanie", nullptr, 0, 0, 0, false, Druga_nazwa::dowiazanie },
        // The backup of a private file written in place on btrfs: a clone.
        Miejsce { "btrfs_dowiazanie", "btrfs", 0, 0, 0, false, Druga_nazwa::dowiazanie },
        Miejsce { "zamontowany_plik", nullptr, 0, 0, 0, false, Druga_nazwa::montowanie }),
    [](const auto& info) { return std::string(info.param.nazwa); });

// Fills a file system until only about `zostaw` bytes stay free: a spacer of
// that size, a filler until the disk or the quota refuses, then the spacer
// goes (over a quota, even cutting a file needs room).
bool Wypelnij_do(const fs::path& punkt, std::size_t zostaw)
{
    const std::string blok(1 << 20, 'x');
    auto wypelnij = [&](const fs::path& plik, std::size_t ile) {
        const int fd = ::open(plik.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        for (std::size_t krok = blok.size(); fd >= 0 && krok >= 4096; krok /= 16)
            for (ssize_t n; ile >= krok && (n = ::write(fd, blok.data(), krok)) > 0;)
                ile -= static_cast<std::size_t>(n);
        const bool zapisany = fd >= 0 && ::fsync(fd) == 0 && ::syncfs(fd) == 0;
        ::close(fd);
        return zapisany;
    };
    const bool gotowe = wypelnij(punkt / "odstep", zostaw) && wypelnij(punkt / "wypelniacz", SIZE_MAX);
    fs::remove(punkt / "odstep");
    ::sync();
    return gotowe;
}

// How the Save goes: through a temporary file, or in place because the file
// has a second name, or because it is nobody's file in root's folder, where
// nothing may be created beside it.
enum class Droga { przez_tymczasowy, druga_nazwa, bez_prawa_tworzenia };

// How a Save on a nearly full disk ends: refused before its first byte (the
// file's change time kept), with the old bytes back, or saved.
enum class Koniec { nietkniety, stary, nowy };

// A Save on a nearly full disk: the file system, its way, the catalogue
// before and after (in titles), how full, and how it ends.
struct Pelny_dysk {
    const char* nazwa;
    const char* system;
    Droga droga;
    int stare_tytuly;
    int nowe_tytuly;
    std::size_t wolne; // left free for root
    Koniec koniec;
    bool dopisywany = false; // another program keeps appending to a file on the disk meanwhile
    bool zwolnione = false; // the disk is filled, then emptied just before the Save, uncommitted
};

void PrintTo(const Pelny_dysk& p, std::ostream* os)
{
    *os << p.nazwa;
}

class Pelne_dyski : public Miejsca_zapisu, public ::testing::WithParamInterface<Pelny_dysk> { };

// A Save that cannot finish leaves the old bytes under every name, whatever
// takes the room meanwhile; an in-place write starts only when it can finish,
// and one that needs no more room than there is finishes.
TEST_P(Pelne_dyski, AFailedSaveLeavesTheOldBytesUnderEveryName)
{
    const Pelny_dysk& p = GetParam();
    System_plikow_testowy system(p.system, katalog.Sciezka());
    if (!system.Brak().empty())
        GTEST_SKIP() << system.Brak();
    const std::string stary = Plik_biblioteki(p.stare_tytuly);
    const std::string nowy = Plik_biblioteki(p.nowe_tytuly);

    const fs::path k = system.Punkt() / "katalog";
    fs::create_directory(k);
    Zapisz_bajty(k / "proba1.txt", stary);
    std::vector<fs::path> nazwy { k / "proba1.txt" };
    const bool jako_nobody = p.droga == Droga::bez_prawa_tworzenia;
    if (jako_nobody) {
        fs::permissions(katalog.Sciezka(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        ASSERT_EQ(::chown((k / "proba1.txt").c_str(), nobody, nogroup), 0);
        ASSERT_EQ(::chmod(k.c_str(), 0755), 0);
    } else if (p.droga == Droga::druga_nazwa) {
        nazwy.push_back(k / "druga_nazwa.txt");
        fs::create_hard_link(nazwy[0], nazwy[1]);
    }
    ASSERT_TRUE(Wypelnij_do(system.Punkt(), p.wolne));
    if (p.zwolnione)
        fs::remove(system.Punkt() / "wypelniacz");
    struct stat przed { };
    ASSERT_EQ(::stat(nazwy[0].c_str(), &przed), 0);
    // Another process, not a thread: a fork beside a running thread may copy a lock it holds.
    const pid_t dopisujacy = p.dopisywany ? Rozpocznij_w_dziecku([&] {
        const int fd = ::open((system.Punkt() / "dopisywany").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        const std::string blok(4096, 'd');
        for (;;)
            if (::write(fd, blok.data(), blok.size()) < 0)
                ::sched_yield();
    })
                                          : 0;
    const bool zakonczony = W_dziecku(Zapis_biblioteki(p.nowe_tytuly), k.c_str(), jako_nobody) == 0;
    if (dopisujacy > 0) {
        ::kill(dopisujacy, SIGKILL);
        Zaczekaj(dopisujacy);
    }
    EXPECT_TRUE(zakonczony);
    const std::string& oczekiwany = p.koniec == Koniec::nowy ? nowy : stary;
    for (const fs::path& nazwa : nazwy) {
        const std::string po = Czytaj_bajty(nazwa);
        EXPECT_TRUE(po == oczekiwany) << nazwa << " holds " << po.size() << " bytes, not the expected "
                                      << oczekiwany.size() << " (old " << stary.size() << ", new " << nowy.size()
                                      << ")";
    }
    struct stat po { };
    ASSERT_EQ(::stat(nazwy[0].c_str(), &po), 0);
    EXPECT_TRUE(p.koniec != Koniec::nietkniety
        || (po.st_ctim.tv_sec == przed.st_ctim.tv_sec && po.st_ctim.tv_nsec == przed.st_ctim.tv_nsec))
        << "the file was touched";
    // A backup, where one could be made, holds the old file.
    const bool kopia = fs::exists(k / "proba1.txt.~1~");
    EXPECT_TRUE(!kopia || Czytaj_bajty(k / "proba1.txt.~1~") == stary);
    EXPECT_EQ(Pliki_w(k).size(), nazwy.size() + kopia) << "no temporary file, no proba2.txt";

    // Once there is room again, the same Save goes through.
    fs::remove(system.Punkt() / "wypelniacz");
    fs::remove(system.Punkt() / "dopisywany");
    ::sync();
    ASSERT_EQ(W_dziecku(Zapis_biblioteki(p.nowe_tytuly), k.c_str(), jako_nobody), 0);
    for (const fs::path& nazwa : nazwy)
        EXPECT_EQ(Czytaj_bajty(nazwa), nowy) << nazwa;
}

INSTANTIATE_TEST_SUITE_P(, Pelne_dyski,
    ::testing::Values(
        Pelny_dysk { "tmpfs_przez_tymczasowy", "tmpfs", Droga::przez_tymczasowy, 40, 2000, 0, Koniec::nietkniety },
        Pelny_dysk { "tmpfs_druga_nazwa", "tmpfs", Droga::druga_nazwa, 40, 2000, 0, Koniec::nietkniety },
        Pelny_dysk { "btrfs_druga_nazwa", "btrfs", Droga::druga_nazwa, 40, 6000, 200 * 1024, Koniec::nietkniety },
        Pelny_dysk { "btrfs_bez_prawa_tworzenia", "btrfs", Droga::bez_prawa_tworzenia, 40, 6000, 200 * 1024,
            Koniec::nietkniety },
        // The free room reported ignores the quota.
        Pelny_dysk { "btrfs_kwota", "btrfs_kwota", Droga::druga_nazwa, 40, 6000, 200 * 1024, Koniec::nietkniety },
        // No reservation through FUSE; the room reported is less than the new file.
        // (bindfs shows one link of a hard-linked file, so its in-place writes are nobody's.)
        Pelny_dysk {
            "bindfs_nad_btrfs", "bindfs_btrfs", Droga::bez_prawa_tworzenia, 40, 6000, 200 * 1024, Koniec::nietkniety },
        Pelny_dysk { "bindfs_z_miejscem", "bindfs_ext4", Droga::bez_prawa_tworzenia, 40, 6000, 8 << 20, Koniec::nowy },
        // A large file grown a little: freed extents are not reused at once.
        // xfs stamps the file's change time on a refused reservation too.
        Pelny_dysk { "xfs_duzy_plik", "xfs", Droga::druga_nazwa, 20000, 20040, 0, Koniec::stary },
        // Saves that need no more room than is free.
        Pelny_dysk { "xfs_mniejszy", "xfs", Droga::druga_nazwa, 20000, 19990, 64 * 1024, Koniec::nowy },
        Pelny_dysk { "xfs_o_tytul_wiekszy", "xfs", Droga::druga_nazwa, 20000, 20001, 64 * 1024, Koniec::nowy },
        // Only root's reserve is left: what nobody frees falls back into it.
        Pelny_dysk { "ext4_rezerwa_roota", "ext4", Droga::bez_prawa_tworzenia, 2000, 6000, 0, Koniec::nietkniety },
        Pelny_dysk { "ext4_dopisywany", "ext4", Droga::druga_nazwa, 2000, 6000, 0, Koniec::stary, true },
        // A catalogue of about 2 MB made a little shorter, with room a little
        // short of the whole new file and a little past it: on copy-on-write
        // behind a quota, and through FUSE over a nearly full btrfs.
        Pelny_dysk {
            "btrfs_kwota_krotszy_16k", "btrfs_kwota", Droga::druga_nazwa, 6000, 5990, 16 * 1024, Koniec::nietkniety },
        Pelny_dysk {
            "btrfs_kwota_krotszy_1m", "btrfs_kwota", Droga::druga_nazwa, 6000, 5990, 1024 * 1024, Koniec::nietkniety },
        // Room for the new bytes beside the file, not for the old bytes' clone.
        Pelny_dysk { "btrfs_kwota_krotszy_1940k", "btrfs_kwota", Droga::druga_nazwa, 6000, 5990, 1940 * 1024,
            Koniec::nietkniety },
        Pelny_dysk {
            "btrfs_kwota_krotszy_3m", "btrfs_kwota", Droga::druga_nazwa, 6000, 5990, 3 * 1024 * 1024, Koniec::nowy },
        Pelny_dysk { "bindfs_nad_btrfs_krotszy", "bindfs_btrfs", Droga::druga_nazwa, 6000, 5990, 256 * 1024,
            Koniec::nietkniety },
        Pelny_dysk { "bindfs_nad_btrfs_krotszy_bez_prawa_tworzenia", "bindfs_btrfs", Droga::bez_prawa_tworzenia, 6000,
            5990, 1024 * 1024, Koniec::nietkniety },
        // Room freed a moment ago counts once committed: no temporary file on
        // copy-on-write, the room must be free, and it is.
        Pelny_dysk { "btrfs_zwolnione_bez_prawa_tworzenia", "btrfs", Droga::bez_prawa_tworzenia, 40, 6000, 200 * 1024,
            Koniec::nowy, false, true }),
    [](const auto& info) { return std::string(info.param.nazwa); });

// Shuts a file system down as a power cut would: what is not yet in its log is lost.
bool Odetnij_zasilanie(const fs::path& punkt)
{
    constexpr unsigned long fs_ioc_shutdown = _IOR('X', 125, std::uint32_t);
    std::uint32_t bez_zapisu_dziennika = 2;
    const int fd = ::open(punkt.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool odciete = ::ioctl(fd, fs_ioc_shutdown, &bez_zapisu_dziennika) == 0;
    ::close(fd);
    return odciete;
}

void Zapisz_trwale(const fs::path& plik, const std::string& bajty)
{
    Zapisz_bajty(plik, bajty);
    const int fd = ::open(plik.c_str(), O_RDONLY | O_CLOEXEC);
    ::syncfs(fd);
    ::close(fd);
}

class Odciecie_zasilania : public Miejsca_zapisu, public ::testing::WithParamInterface<const char*> { };

TEST_P(Odciecie_zasilania, LeavesExactlyTheOldOrTheNewFile)
{
    System_plikow_testowy system(GetParam(), katalog.Sciezka());
    if (!system.Brak().empty())
        GTEST_SKIP() << system.Brak();
    // Open of the old catalogue, one more title, Save: done in an ordinary
    // folder first for the new file, then on the file system for its pace.
    auto otworz_dodaj_zachowaj = [] {
        licznik_obiektow = 0;
        TKlasaAplikacji app;
        app.Otworz();
        app.Dodaj_tytul("Po awarii", "Autor", "99-99");
        app.Zachowaj();
    };
    const std::string stary = Plik_biblioteki(20000);
    const fs::path wzor = katalog.Sciezka() / "wzor";
    ASSERT_EQ(W_dziecku(otworz_dodaj_zachowaj, wzor.c_str()), 0);
    const std::string nowy = Czytaj_bajty(wzor / "proba1.txt");
    ASSERT_NE(stary, nowy);

    const fs::path k = system.Punkt() / "katalog";
    int stare = 0, nowe = 0, zle = 0;
    Przerywaj_w_losowych_chwilach(
        24, 2, 20261207,
        [&] {
            ASSERT_TRUE(system.Zamontuj());
            fs::create_directories(k);
            Zapisz_trwale(k / "proba1.txt", stary);
        },
        otworz_dodaj_zachowaj,
        [&](pid_t) { ASSERT_TRUE(Odetnij_zasilanie(system.Punkt())) << "FS_IOC_SHUTDOWN refused"; },
        [&](int, bool przerwany) {
            ASSERT_TRUE(system.Odmontuj());
            ASSERT_TRUE(system.Zamontuj());
            const std::string po = Czytaj_bajty(k / "proba1.txt");
            ASSERT_TRUE(system.Odmontuj());
            ASSERT_TRUE(przerwany || po == nowy) << "an uninterrupted Save saves";
            if (przerwany)
                (po == stary ? stare : po == nowy ? nowe : zle)++;
        },
        k.c_str());
    std::printf("%s power cuts: %d left the old file, %d the new one, %d neither\n", GetParam(), stare, nowe, zle);
    EXPECT_EQ(zle, 0);
    EXPECT_GT(stare, 0);
    EXPECT_GT(nowe, 0);
}

INSTANTIATE_TEST_SUITE_P(
    , Odciecie_zasilania, ::testing::Values("ext4", "xfs"), [](const auto& info) { return std::string(info.param); });

} // namespace
