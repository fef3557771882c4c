// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile/Kopie_zapasowe.h"

#include "safefile/Plik_tymczasowy.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <memory>
#include <optional>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t zachowywane = 10;

struct Wpis_kopii {
    unsigned long numer;
    std::string sciezka;
};

// Every name of a backup of `cel`, whatever it holds, oldest first.
std::vector<Wpis_kopii> Kopie(const std::string& cel)
{
    const std::string katalog = Katalog(cel);
    const std::string przedrostek = std::filesystem::path(cel).filename().string() + ".~";
    std::vector<Wpis_kopii> kopie;
    const std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(katalog.c_str()), ::closedir);
    if (d == nullptr)
        return kopie;
    while (const dirent* wpis = ::readdir(d.get())) {
        const std::string_view nazwa = wpis->d_name;
        if (!nazwa.starts_with(przedrostek) || !nazwa.ends_with('~'))
            continue;
        const std::string_view cyfry = nazwa.substr(przedrostek.size(), nazwa.size() - przedrostek.size() - 1);
        if (cyfry.empty() || cyfry.size() > 9 || cyfry[0] == '0'
            || !std::all_of(cyfry.begin(), cyfry.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        kopie.push_back({ std::stoul(std::string(cyfry)), katalog + "/" + std::string(nazwa) });
    }
    std::sort(kopie.begin(), kopie.end(), [](const auto& a, const auto& b) { return a.numer < b.numer; });
    return kopie;
}

bool Zwykly_plik(const std::string& sciezka, struct stat& st)
{
    return ::lstat(sciezka.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Tries the numbers past the highest taken until `utworz(nazwa)` makes one
// (an open descriptor, or a closed one for a second name) or fails with
// anything but a name already taken.
template <typename F> Kopia_zapasowa Pod_nowym_numerem(const std::string& cel, F utworz)
{
    const std::vector<Wpis_kopii> kopie = Kopie(cel);
    unsigned long numer = kopie.empty() ? 1 : kopie.back().numer + 1;
    for (int proba = 0; proba < 100; ++proba, ++numer) {
        std::string sciezka = cel + ".~" + std::to_string(numer) + "~";
        if (std::optional<Deskryptor> fd = utworz(sciezka))
            return { std::move(sciezka), std::move(*fd) };
        if (errno != EEXIST)
            break;
    }
    return {};
}

// A new file under the next number, filled by `wypelnij(fd)`, given the
// rights of `st`, synced; removed again where any of it fails.
template <typename F> Kopia_zapasowa Nowy_plik_kopii(const std::string& cel, const struct stat& st, F wypelnij)
{
    return Pod_nowym_numerem(cel, [&](const std::string& sciezka) -> std::optional<Deskryptor> {
        // Private until it holds the file's content and rights.
        Deskryptor fd(::open(sciezka.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.Otwarty())
            return std::nullopt;
        if (wypelnij(fd.Numer()) && (Nadaj_prawa(fd.Numer(), st), ::fsync(fd.Numer()) == 0)) {
            Synchronizuj_katalog(Katalog(cel));
            return fd;
        }
        const int blad = errno == EEXIST ? EIO : errno;
        ::unlink(sciezka.c_str());
        errno = blad;
        return std::nullopt;
    });
}

} // namespace

Kopia_zapasowa::Kopia_zapasowa(std::string sciezka, Deskryptor fd)
    : sciezka(std::move(sciezka))
    , fd(std::move(fd))
{
}

void Kopia_zapasowa::Usun()
{
    fd.Zamknij();
    if (!sciezka.empty())
        ::unlink(std::exchange(sciezka, {}).c_str());
}

Kopia_zapasowa Dowiaz_kopie(const std::string& cel)
{
    return Pod_nowym_numerem(cel, [&](const std::string& sciezka) -> std::optional<Deskryptor> {
        if (::link(cel.c_str(), sciezka.c_str()) != 0)
            return std::nullopt;
        Synchronizuj_katalog(Katalog(cel));
        return Deskryptor();
    });
}

Kopia_zapasowa Sklonuj_kopie(const std::string& cel, int zrodlo, const struct stat& st)
{
    return Nowy_plik_kopii(cel, st, [zrodlo](int fd) { return ::ioctl(fd, FICLONE, zrodlo) == 0; });
}

Kopia_zapasowa Zapisz_kopie(const std::string& cel, std::string_view dane, const struct stat& st)
{
    return Nowy_plik_kopii(cel, st, [dane](int fd) { return Zapisz_wszystko(fd, dane); });
}

nlink_t Nazwy_kopii(const std::string& cel, const struct stat& st)
{
    nlink_t ile = 0;
    struct stat kopia { };
    for (const Wpis_kopii& wpis : Kopie(cel))
        ile += Zwykly_plik(wpis.sciezka, kopia) && kopia.st_dev == st.st_dev && kopia.st_ino == st.st_ino;
    return ile;
}

bool Rowna_najnowszej(const std::string& cel, const struct stat& st, const std::string* dane)
{
    const std::vector<Wpis_kopii> kopie = Kopie(cel);
    struct stat kopia { };
    const auto najnowsza = std::find_if(
        kopie.rbegin(), kopie.rend(), [&](const Wpis_kopii& wpis) { return Zwykly_plik(wpis.sciezka, kopia); });
    if (najnowsza == kopie.rend() || (kopia.st_dev == st.st_dev && kopia.st_ino == st.st_ino)
        || kopia.st_size != st.st_size || (dane != nullptr && dane->size() != static_cast<std::size_t>(st.st_size)))
        return false;
    constexpr int flagi = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    const Deskryptor w_kopii(::open(najnowsza->sciezka.c_str(), flagi));
    const Deskryptor w_pliku(dane != nullptr ? -1 : ::open(cel.c_str(), flagi));
    // Compared block by block: no more memory than two blocks.
    constexpr std::size_t blok = 1 << 20;
    const auto a = std::make_unique_for_overwrite<char[]>(blok);
    const auto b = std::make_unique_for_overwrite<char[]>(blok);
    const auto czytaj = [](const Deskryptor& fd, char* dokad, std::size_t n, std::size_t od) {
        for (std::size_t gotowe = 0; gotowe < n;) {
            const ssize_t przeczytane
                = ::pread(fd.Numer(), dokad + gotowe, n - gotowe, static_cast<off_t>(od + gotowe));
            if (przeczytane <= 0)
                return false;
            gotowe += static_cast<std::size_t>(przeczytane);
        }
        return true;
    };
    const auto dlugosc = static_cast<std::size_t>(st.st_size);
    for (std::size_t od = 0; od < dlugosc; od += blok) {
        const std::size_t n = std::min(blok, dlugosc - od);
        if (!czytaj(w_kopii, a.get(), n, od))
            return false;
        const char* drugi = dane != nullptr ? dane->data() + od : b.get();
        if ((dane == nullptr && !czytaj(w_pliku, b.get(), n, od)) || std::memcmp(a.get(), drugi, n) != 0)
            return false;
    }
    return true;
}

void Usun_nadmiarowe_kopie(const std::string& cel)
{
    std::vector<Wpis_kopii> kopie = Kopie(cel);
    struct stat st { };
    std::erase_if(kopie, [&](const Wpis_kopii& wpis) { return !Zwykly_plik(wpis.sciezka, st); });
    for (std::size_t i = 0; i + zachowywane < kopie.size(); ++i)
        ::unlink(kopie[i].sciezka.c_str());
}

void Nadaj_prawa(int fd, const struct stat& st)
{
    // Best effort: FAT keeps neither owner nor mode; a user may give a file
    // only to a group of their own.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
        [[maybe_unused]] const int wynik = ::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    }
    struct stat nowy { };
    mode_t prawa = st.st_mode & 07777;
    if (::fstat(fd, &nowy) != 0 || nowy.st_gid != st.st_gid)
        prawa = (prawa & ~static_cast<mode_t>(S_IRWXG)) | ((prawa & S_IRWXO) << 3);
    [[maybe_unused]] const int wynik = ::fchmod(fd, prawa);
}
