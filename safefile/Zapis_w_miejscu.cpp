// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile/Zapis_w_miejscu.h"

#include "safefile/Deskryptor.h"
#include "safefile/Kopie_zapasowe.h"
#include "safefile/Plik_tymczasowy.h"
#include "safefile/Sygnaly.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <linux/falloc.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <memory>
#include <optional>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

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

bool W_limicie_rozmiaru(std::size_t dlugosc)
{
    struct rlimit limit { };
    return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || dlugosc <= limit.rlim_cur;
}

// Whether the file system reports `potrzebne` bytes free for this user; true
// where it reports no figure.
bool Wolne(int fd, unsigned long long potrzebne)
{
    struct statvfs wolne { };
    if (::fstatvfs(fd, &wolne) != 0 || wolne.f_blocks == 0)
        return true;
    const unsigned long long bloki = ::geteuid() == 0 ? wolne.f_bfree : wolne.f_bavail;
    return bloki * wolne.f_frsize >= potrzebne;
}

bool Bez_rezerwacji(int blad)
{
    return blad == EOPNOTSUPP || blad == ENOSYS;
}

bool Bez_miejsca(int blad)
{
    return blad == ENOSPC || blad == EDQUOT;
}

// Whether some of the file's first `dlugosc` bytes lie in blocks shared with
// a clone; where the map cannot be read (tmpfs), nothing is shared.
bool Ma_wspolne_bloki(int fd, std::size_t dlugosc)
{
    constexpr unsigned ile = 64;
    const auto bufor
        = std::make_unique<std::uint64_t[]>((sizeof(fiemap) + ile * sizeof(fiemap_extent)) / sizeof(std::uint64_t) + 1);
    auto* mapa = reinterpret_cast<fiemap*>(bufor.get());
    // The extents follow the header (a zero-length array in the kernel's).
    const auto* zakresy = reinterpret_cast<const fiemap_extent*>(bufor.get() + sizeof(fiemap) / sizeof(std::uint64_t));
    for (std::uint64_t poczatek = 0; poczatek < dlugosc;) {
        std::memset(mapa, 0, sizeof(fiemap));
        mapa->fm_start = poczatek;
        mapa->fm_length = dlugosc - poczatek;
        mapa->fm_extent_count = ile;
        if (::ioctl(fd, FS_IOC_FIEMAP, mapa) != 0 || mapa->fm_mapped_extents == 0)
            return false;
        for (unsigned i = 0; i < mapa->fm_mapped_extents; ++i) {
            const fiemap_extent& zakres = zakresy[i];
            if (zakres.fe_flags & FIEMAP_EXTENT_SHARED)
                return true;
            if (zakres.fe_flags & FIEMAP_EXTENT_LAST)
                return false;
            poczatek = zakres.fe_logical + zakres.fe_length;
        }
    }
    return false;
}

// Room for overwriting `stare` bytes with `nowe` where blocks are overwritten
// where they lie. Only what the write adds is asked for: a reservation over
// blocks the file already has may be refused on a nearly full disk (xfs)
// although the write needs none of them. A layer without reservations (FUSE,
// FAT, NTFS) may hide a copy-on-write file system, so there the reported free
// room must hold the whole new file, and `bez_rezerwacji` is set.
bool Zarezerwuj(int fd, std::size_t nowe, std::size_t stare, bool& bez_rezerwacji)
{
    // Refused without touching the file where the room is plainly not there.
    if (nowe > stare && !Wolne(fd, nowe - stare))
        return false;
    // Asking for the first block, which the file has, tells whether the file
    // system reserves at all; any answer but "not supported" says it does.
    bez_rezerwacji = stare != 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, 1) != 0 && Bez_rezerwacji(errno);
    if (bez_rezerwacji)
        return Wolne(fd, nowe);
    if (nowe > stare) {
        const off_t dodane = static_cast<off_t>(nowe - stare);
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, static_cast<off_t>(stare), dodane) != 0) {
            bez_rezerwacji = Bez_rezerwacji(errno);
            if (bez_rezerwacji)
                return Wolne(fd, nowe);
            // Whatever part was reserved past the end is given back.
            [[maybe_unused]] const int wynik = ::ftruncate(fd, static_cast<off_t>(stare));
            return false;
        }
    }
    // Blocks shared with a clone (a reflinked copy) get their own before the
    // write. Only then: xfs asks room for the whole range even where nothing
    // is shared.
    const std::size_t nadpisane = std::min(nowe, stare);
    if (Ma_wspolne_bloki(fd, nadpisane)
        && ::fallocate(fd, FALLOC_FL_UNSHARE_RANGE | FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(nadpisane)) != 0
        && !Bez_rezerwacji(errno) && errno != EINVAL) {
        [[maybe_unused]] const int wynik = ::ftruncate(fd, static_cast<off_t>(stare));
        return false;
    }
    return true;
}

// The new bytes are synced before the file is cut to their length, so that a
// restore still finds the old length's room.
bool Zapisz_od_poczatku(int fd, std::string_view dane)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && Zapisz_wszystko(fd, dane) && ::fsync(fd) == 0
        && ::ftruncate(fd, static_cast<off_t>(dane.size())) == 0 && ::fsync(fd) == 0;
}

// Makes `cel` hold what `zrodlo` holds by sharing its blocks: no room for the
// data, so a quota that the free room reported hides cannot stop it halfway.
// Cut first where it shrinks: a clone may end in mid-block only at the end.
bool Sklonuj_na(int cel, int zrodlo, std::size_t dlugosc)
{
    struct stat st { };
    if (::fstat(cel, &st) != 0)
        return false;
    if (static_cast<std::size_t>(st.st_size) > dlugosc && ::ftruncate(cel, static_cast<off_t>(dlugosc)) != 0)
        return false;
    const file_clone_range zakres { zrodlo, 0, 0, 0 };
    return (dlugosc == 0 || ::ioctl(cel, FICLONERANGE, &zakres) == 0) && ::fsync(cel) == 0;
}

// How the new bytes reach the file, and how the old ones come back.
class Nadpisanie {
public:
    Nadpisanie(const std::string& cel, int fd, const struct stat& st, const std::string& stare)
        : cel(cel)
        , fd(fd)
        , st(st)
        , stare(stare)
        , kopiowany(Kopiowany_przy_zapisie(fd))
        , nowa_kopia(!Rowna_najnowszej(cel, st, &stare))
    {
    }

    // The room proven, then the old bytes whole under a backup's name where
    // the newest backup does not hold them already; the file untouched.
    bool Przygotuj(std::string_view nowe)
    {
        if (!W_limicie_rozmiaru(std::max(nowe.size(), stare.size())))
            return false;
        if (!kopiowany) {
            bool bez_rezerwacji = false;
            if (!Zarezerwuj(fd, nowe.size(), stare.size(), bez_rezerwacji))
                return false;
            // A copy: a clone would share the blocks just made the file's own.
            if (nowa_kopia)
                kopia = Zapisz_kopie(cel, stare, st);
            // Where the old bytes found no room beside the file, a layer that
            // reserves nothing (FUSE) proves no room for the write either.
            return kopia.Jest() || !nowa_kopia || !bez_rezerwacji || !Bez_miejsca(errno);
        }
        // A quota may hide the room on copy-on-write: the new bytes are
        // written beside the file, where a lack of room stops them, to be
        // cloned over it; the old bytes' clone is the backup and serves the
        // restore.
        nowy.emplace(cel);
        if (nowy->Jest()) {
            if (!Zapisz_wszystko(nowy->Numer(), nowe) || ::fsync(nowy->Numer()) != 0)
                return false;
            kopia = Sklonuj_kopie(cel, fd, st);
            if (kopia.Jest())
                return true;
            // A quota that the new bytes passed may stop their clone.
            if (Bez_miejsca(errno))
                return false;
        } else if (Bez_miejsca(nowy->Blad())) {
            return false; // a quota with no room for even an empty file
        }
        nowy.reset();
        // Without a clone the room cannot be proven: it must be free for the
        // new bytes and for putting the old ones back. A copy never stops a
        // Save that would succeed without it.
        if (nowa_kopia)
            kopia = Zapisz_kopie(cel, stare, st);
        if (Wolne_po_zapisie(nowe.size()))
            return true;
        if (!kopia.Jest())
            return false;
        kopia.Usun();
        return Wolne_po_zapisie(nowe.size());
    }

    bool Zapisz(std::string_view dane)
    {
        return nowy ? Sklonuj_na(fd, nowy->Numer(), dane.size()) : Zapisz_od_poczatku(fd, dane);
    }

    // A run's first Save keeps its backup (the ten newest stay); a later
    // one's, and one whose old bytes came back, goes. Where they could not
    // come back, the old bytes stay in a backup whatever happens.
    void Zakoncz(bool zapisany, bool pierwszy)
    {
        if (zapisany && pierwszy && nowa_kopia && kopia.Jest())
            Usun_nadmiarowe_kopie(cel);
        else if (zapisany || Przywroc())
            kopia.Usun();
        else if (!kopia.Jest() && nowa_kopia)
            Zapisz_kopie(cel, stare, st);
    }

private:
    // The old bytes come back as a clone of their backup, or overwrite
    // blocks that the file still has; on copy-on-write the new ones are
    // freed first.
    bool Przywroc()
    {
        for (int proba = 0; proba < 3; ++proba) {
            if (kopia.Numer() >= 0 && kopiowany && Sklonuj_na(fd, kopia.Numer(), stare.size()))
                return true;
            if (kopiowany && ::ftruncate(fd, 0) == 0 && ::fsync(fd) == 0)
                ::syncfs(fd);
            if (Zapisz_od_poczatku(fd, stare))
                return true;
        }
        return false;
    }

    // Room freed a moment ago (a temporary file) counts once committed.
    bool Wolne_po_zapisie(std::size_t nowe)
    {
        ::syncfs(fd);
        const unsigned long long potrzebne = nowe + stare.size();
        return Wolne(fd, potrzebne + potrzebne / 8 + (4u << 20));
    }

    const std::string& cel;
    int fd;
    const struct stat& st;
    const std::string& stare;
    bool kopiowany;
    bool nowa_kopia; // the newest backup does not hold the old bytes
    std::optional<Plik_tymczasowy> nowy; // the new bytes, to be cloned over the file
    Kopia_zapasowa kopia; // the old bytes
};

} // namespace

bool Zapisz_w_miejscu(const std::string& cel, std::string_view nowe, bool* kopia_zapasowa)
{
    Deskryptor plik(::open(cel.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    struct stat st { };
    if (!plik.Otwarty() || ::fstat(plik.Numer(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const int fd = plik.Numer();
    // One writer at a time (another Wolumat through another name), and no
    // reader meanwhile; another program's lock refuses the Save in time.
    if (!Zablokuj(fd, F_WRLCK))
        return false;
    // The old bytes are read once the file is this writer's, to be put back.
    const std::optional<std::string> stare = Czytaj_wszystko(fd);
    if (!stare)
        return false;
    Nadpisanie nadpisanie(cel, fd, st, *stare);
    if (!nadpisanie.Przygotuj(nowe))
        return false;
    const Obsluga_sygnalow wstrzymane;
    const bool zapisany = nadpisanie.Zapisz(nowe);
    const bool pierwszy = kopia_zapasowa != nullptr && *kopia_zapasowa;
    nadpisanie.Zakoncz(zapisany, pierwszy);
    if (zapisany && pierwszy)
        *kopia_zapasowa = false;
    return zapisany;
}
