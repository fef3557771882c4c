// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile/Zapis_bezpieczny.h"

#include "safefile/Kopie_zapasowe.h"
#include "safefile/Plik_tymczasowy.h"
#include "safefile/Strumien_wyjsciowy.h"
#include "safefile/Sygnaly.h"
#include "safefile/Zapis_w_miejscu.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {

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

// Errors of a folder or file system that lets the file be written but not
// replaced: no create right, a sticky folder, a bind-mounted file, some FUSE
// file systems.
bool Odmowa_folderu(int blad, bool przy_przemianowaniu)
{
    if (blad == EACCES || blad == EPERM)
        return true;
    return przy_przemianowaniu && (blad == EBUSY || blad == EXDEV || blad == ENOTSUP || blad == EINVAL);
}

enum class Droga { zastapienie, w_miejscu };

// Chosen before anything is made, so that a backup that is a second name of
// the file is never written through.
Droga Wybierz_droge(const std::string& cel, const struct stat* st)
{
    if (st == nullptr)
        return Droga::zastapienie;
    // Other names show the new content only where the file is written in
    // place; names of its own backups are none of them.
    if (st->st_nlink > 1 && st->st_nlink > 1 + Nazwy_kopii(cel, *st))
        return Droga::w_miejscu;
    // A bind-mounted file cannot be renamed over, nor, in a sticky folder,
    // another user's file (nor a second name of it removed).
    struct stat folder { };
    if (::stat(Katalog(cel).c_str(), &folder) != 0)
        return Droga::zastapienie;
    const uid_t ja = ::geteuid();
    const bool cudzy_w_lepkim = (folder.st_mode & S_ISVTX) != 0 && ja != 0 && st->st_uid != ja && folder.st_uid != ja;
    return folder.st_dev != st->st_dev || cudzy_w_lepkim ? Droga::w_miejscu : Droga::zastapienie;
}

// The old file's backup before its name goes to the new one: a second name
// of it, except through FUSE, which may show another file than it links;
// else a clone or a copy.
Kopia_zapasowa Kopia_starego(const std::string& cel, const struct stat& st)
{
    constexpr long fuse = 0x65735546;
    struct statfs system { };
    if (::statfs(cel.c_str(), &system) == 0 && static_cast<long>(system.f_type) != fuse)
        if (Kopia_zapasowa kopia = Dowiaz_kopie(cel); kopia.Jest())
            return kopia;
    const Deskryptor stary(::open(cel.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!stary.Otwarty())
        return {};
    if (Kopia_zapasowa kopia = Sklonuj_kopie(cel, stary.Numer(), st); kopia.Jest())
        return kopia;
    const std::optional<std::string> dane = Czytaj_wszystko(stary.Numer());
    return dane ? Zapisz_kopie(cel, *dane, st) : Kopia_zapasowa();
}

enum class Zastapienie { zrobione, nieudane, odmowa_folderu };

Zastapienie Zastap(const std::string& cel, const struct stat* stary, const Tresc_pliku& tresc, bool* pierwszy)
{
    Plik_tymczasowy nowy(cel, stary != nullptr ? 0600 : 0666);
    if (!nowy.Jest())
        return stary != nullptr && Odmowa_folderu(nowy.Blad(), false) ? Zastapienie::odmowa_folderu
                                                                      : Zastapienie::nieudane;
    if (stary != nullptr)
        Nadaj_prawa(nowy.Numer(), *stary);
    Strumien_wyjsciowy s(nowy.Numer());
    tresc(s);
    if (!s.Oproznij() || !nowy.Utrwal())
        return Zastapienie::nieudane;
    Kopia_zapasowa kopia;
    const bool z_kopia = stary != nullptr && pierwszy != nullptr && *pierwszy;
    // A backup that is a second name of the file keeps it already.
    if (z_kopia && (stary->st_nlink == 1 || Nazwy_kopii(cel, *stary) == 0) && !Rowna_najnowszej(cel, *stary, nullptr))
        kopia = Kopia_starego(cel, *stary);
    if (!nowy.Przemianuj(cel)) {
        const int blad = errno;
        kopia.Usun();
        return Odmowa_folderu(blad, true) ? Zastapienie::odmowa_folderu : Zastapienie::nieudane;
    }
    Synchronizuj_katalog(Katalog(cel));
    if (pierwszy != nullptr)
        *pierwszy = false;
    if (kopia.Jest())
        Usun_nadmiarowe_kopie(cel);
    return Zastapienie::zrobione;
}

} // namespace

bool Zapisz_bezpiecznie(const char* nazwa, const Tresc_pliku& tresc, bool* kopia_zapasowa)
{
    Bez_sygnalu_limitu();
    const std::string cel = Rozwiaz_dowiazania(nazwa ? nazwa : "");
    struct stat st { };
    bool istnieje = false;
    if (cel.empty() || !Zapisywalny(cel, st, istnieje))
        return false;
    Usun_porzucone(cel);
    if (Wybierz_droge(cel, istnieje ? &st : nullptr) == Droga::zastapienie) {
        const Zastapienie zastapienie = Zastap(cel, istnieje ? &st : nullptr, tresc, kopia_zapasowa);
        if (zastapienie != Zastapienie::odmowa_folderu)
            return zastapienie == Zastapienie::zrobione;
    }
    // Written in place from memory: the old bytes stay until the new ones are whole.
    Strumien_wyjsciowy w_pamieci;
    tresc(w_pamieci);
    return Zapisz_w_miejscu(cel, w_pamieci.Zebrane(), kopia_zapasowa);
}
