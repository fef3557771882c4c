// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Zapis_bezpieczny.h"

#include "persistence/Sygnaly.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <linux/falloc.h>
#include <linux/fs.h>
#include <memory>
#include <random>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

std::string Katalog(const std::string& sciezka)
{
    const std::string katalog = std::filesystem::path(sciezka).parent_path();
    return katalog.empty() ? "." : katalog;
}

// Follows symbolic links to the file that a write through the name reaches.
std::string Rozwiaz_dowiazania(std::string sciezka)
{
    for (int krok = 0; krok < 40; ++krok) {
        std::error_code blad;
        const std::filesystem::path cel = std::filesystem::read_symlink(sciezka, blad);
        if (blad || cel.empty())
            return sciezka;
        sciezka = cel.is_absolute() ? cel.string() : Katalog(sciezka) + "/" + cel.string();
    }
    return sciezka;
}

std::string Przedrostek_tymczasowych(const std::string& cel)
{
    return "." + std::filesystem::path(cel).filename().string() + ".tmp-";
}

// Removes temporary files of earlier Saves of this target whose process is gone.
void Usun_porzucone(const std::string& cel)
{
    const std::string katalog = Katalog(cel);
    const std::string przedrostek = Przedrostek_tymczasowych(cel);
    const std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(katalog.c_str()), ::closedir);
    if (d == nullptr)
        return;
    while (const dirent* wpis = ::readdir(d.get())) {
        const std::string nazwa = wpis->d_name;
        if (nazwa.compare(0, przedrostek.size(), przedrostek) != 0)
            continue;
        const long pid = std::strtol(nazwa.c_str() + przedrostek.size(), nullptr, 10);
        const bool zywy = pid > 0 && pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (!zywy)
            ::unlink((katalog + "/" + nazwa).c_str());
    }
}

bool Zapisywalny(const std::string& cel, struct stat& st, bool& istnieje)
{
    istnieje = ::stat(cel.c_str(), &st) == 0;
    if (!istnieje)
        return errno == ENOENT;
    if (!S_ISREG(st.st_mode))
        return false;
    // Root passes access() (not for an immutable file); the mode bits still say read-only.
    return (st.st_mode & 0222) != 0 && ::access(cel.c_str(), W_OK) == 0;
}

void Synchronizuj_katalog(const std::string& katalog)
{
    const Deskryptor fd(::open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Otwarty())
        ::fsync(fd.Numer());
}

} // namespace

Zapis_bezpieczny::Zapis_bezpieczny(const char* nazwa)
    : cel(Rozwiaz_dowiazania(nazwa ? nazwa : ""))
{
    if (cel.empty())
        return;
    struct stat st { };
    bool istnieje = false;
    if (!Zapisywalny(cel, st, istnieje))
        return;
    // A file with other names is written in place, so that every name shows
    // the new content; a replacement would leave the others on the old one.
    if (istnieje && st.st_nlink > 1) {
        Zacznij_w_miejscu();
        return;
    }
    Usun_porzucone(cel);
    std::random_device losowe;
    const std::string poczatek = Katalog(cel) + "/" + Przedrostek_tymczasowych(cel) + std::to_string(::getpid()) + "-";
    int blad = 0;
    for (int proba = 0; proba < 100 && !fd.Otwarty(); ++proba) {
        tymczasowy = poczatek + std::to_string(losowe());
        fd = Deskryptor(::open(tymczasowy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        blad = fd.Otwarty() ? 0 : errno;
        if (blad != 0 && blad != EEXIST)
            break;
    }
    if (!fd.Otwarty()) {
        tymczasowy.clear();
        // The folder refuses a new file beside the target, which itself may
        // still be written.
        if (istnieje && (blad == EACCES || blad == EPERM))
            Zacznij_w_miejscu();
        return;
    }
    if (istnieje) {
        // Best effort: the replacement keeps the owner and mode of the old
        // file where the file system allows it (FAT keeps neither).
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
            [[maybe_unused]] const int wynik = ::fchown(fd.Numer(), st.st_uid, st.st_gid);
        }
        [[maybe_unused]] const int wynik = ::fchmod(fd.Numer(), st.st_mode & 07777);
    }
}

Zapis_bezpieczny::~Zapis_bezpieczny()
{
    Porzuc();
}

bool Zapis_bezpieczny::Zacznij_w_miejscu()
{
    Deskryptor plik(::open(cel.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    struct stat st { };
    if (!plik.Otwarty() || ::fstat(plik.Numer(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    fd = std::move(plik);
    w_miejscu = true;
    return true;
}

namespace {

// Every overwritten block takes new room on a copy-on-write file system,
// unless the file is marked to be overwritten in place.
bool Kopiowany_przy_zapisie(int fd)
{
    constexpr long btrfs = 0x9123683e, zfs = 0x2fc12fc1, bcachefs = 0xca451a4e;
    struct statfs system { };
    if (::fstatfs(fd, &system) != 0)
        return false;
    const long rodzaj = static_cast<long>(system.f_type);
    if (rodzaj != btrfs && rodzaj != zfs && rodzaj != bcachefs)
        return false;
    int flagi = 0;
    return ::ioctl(fd, FS_IOC_GETFLAGS, &flagi) != 0 || (flagi & FS_NOCOW_FL) == 0;
}

// Whether an in-place write of `nowe` bytes over `stare` can finish: within
// the file-size limit, its room reserved or, where an overwrite takes new room,
// free for it and for putting the old bytes back; where neither can be
// known, the write goes ahead.
bool Jest_miejsce(int fd, std::size_t nowe, std::size_t stare, bool kopiowany)
{
    struct rlimit limit { };
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && std::max(nowe, stare) > limit.rlim_cur)
        return false;
    if (kopiowany) {
        // Room freed a moment ago (a temporary file) counts once committed.
        ::syncfs(fd);
        struct statvfs wolne { };
        if (::fstatvfs(fd, &wolne) != 0 || wolne.f_blocks == 0)
            return true;
        const unsigned long long potrzebne = nowe + stare;
        return static_cast<unsigned long long>(wolne.f_bavail) * wolne.f_frsize
            >= potrzebne + potrzebne / 8 + (4u << 20);
    }
    if (nowe == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(nowe)) == 0)
        return true;
    if (errno == EOPNOTSUPP || errno == ENOSYS)
        return true;
    // Whatever part was reserved past the end is given back.
    [[maybe_unused]] const int wynik = ::ftruncate(fd, static_cast<off_t>(stare));
    return false;
}

// Waits for any other writer (another Wolumat through another name); the lock
// goes with the descriptor. Without such locks, the write goes on alone.
void Zablokuj(int fd)
{
    struct flock blokada { };
    blokada.l_type = F_WRLCK;
    blokada.l_whence = SEEK_SET;
    while (::fcntl(fd, F_OFD_SETLKW, &blokada) != 0 && errno == EINTR) { }
}

// The new bytes are synced before the file is cut to their length, so that a
// restore still finds the old length's room.
bool Zapisz_od_poczatku(int fd, std::string_view dane)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && Zapisz_wszystko(fd, dane) && ::fsync(fd) == 0
        && ::ftruncate(fd, static_cast<off_t>(dane.size())) == 0 && ::fsync(fd) == 0;
}

// The old bytes overwrite the new ones: no new room where blocks are
// overwritten in place; on copy-on-write, the new bytes are freed first.
bool Przywroc(int fd, std::string_view stare, bool kopiowany)
{
    for (int proba = 0; proba < 3; ++proba) {
        if (kopiowany && ::ftruncate(fd, 0) == 0 && ::fsync(fd) == 0)
            ::syncfs(fd);
        if (Zapisz_od_poczatku(fd, stare))
            return true;
    }
    return false;
}

} // namespace

bool Zapis_bezpieczny::Zapisz_w_miejscu(std::string_view nowe)
{
    const int f = fd.Numer();
    Zablokuj(f);
    // The old bytes are read once the file is this writer's, to be put back.
    const std::optional<std::string> stare = Czytaj_wszystko(f);
    const bool kopiowany = Kopiowany_przy_zapisie(f);
    if (!stare || !Jest_miejsce(f, nowe.size(), stare->size(), kopiowany))
        return false;
    // A power cut or SIGKILL during this write can still leave a mix.
    const Obsluga_sygnalow wstrzymane = Wstrzymane();
    if (Zapisz_od_poczatku(f, nowe))
        return fd.Zamknij();
    Przywroc(f, *stare, kopiowany);
    return false;
}

void Zapis_bezpieczny::Porzuc()
{
    fd.Zamknij();
    if (!tymczasowy.empty())
        ::unlink(tymczasowy.c_str());
    tymczasowy.clear();
}

bool Zapis_bezpieczny::Zatwierdz(std::string_view zebrane)
{
    if (!fd.Otwarty())
        return false;
    if (w_miejscu) {
        const bool zapisany = Zapisz_w_miejscu(zebrane);
        Porzuc();
        return zapisany;
    }
    const bool zapisany = ::fsync(fd.Numer()) == 0;
    const bool zamkniety = fd.Zamknij();
    if (!zapisany || !zamkniety) {
        Porzuc();
        return false;
    }
    if (::rename(tymczasowy.c_str(), cel.c_str()) == 0) {
        tymczasowy.clear();
        Synchronizuj_katalog(Katalog(cel));
        return true;
    }
    // The folder or file system lets the file be written but not replaced (a
    // sticky folder, a bind-mounted file, some FUSE file systems): its content
    // goes into it in place, the temporary file's room given back first.
    std::optional<std::string> nowe;
    const int blad = errno;
    if (blad == EACCES || blad == EPERM || blad == EBUSY || blad == EXDEV || blad == ENOTSUP || blad == EINVAL) {
        const Deskryptor zrodlo(::open(tymczasowy.c_str(), O_RDONLY | O_CLOEXEC));
        if (zrodlo.Otwarty())
            nowe = Czytaj_wszystko(zrodlo.Numer());
    }
    Porzuc();
    if (!nowe || !Zacznij_w_miejscu())
        return false;
    const bool zapisany_w_miejscu = Zapisz_w_miejscu(*nowe);
    Porzuc();
    return zapisany_w_miejscu;
}
