// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Zapis_bezpieczny.h"

#include "persistence/Plik_tymczasowy.h"
#include "persistence/Strumien_wyjsciowy.h"
#include "persistence/Sygnaly.h"
#include "persistence/Zapis_w_miejscu.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
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

enum class Zastapienie { zrobione, nieudane, odmowa_folderu };

// Errors of a folder or file system that lets the file be written but not
// replaced: no create right, a sticky folder, a bind-mounted file, some FUSE
// file systems.
bool Odmowa_folderu(int blad, bool przy_przemianowaniu)
{
    if (blad == EACCES || blad == EPERM)
        return true;
    return przy_przemianowaniu && (blad == EBUSY || blad == EXDEV || blad == ENOTSUP || blad == EINVAL);
}

Zastapienie Zastap(const std::string& cel, const struct stat* stary, const Tresc_pliku& tresc, bool* kopia)
{
    Plik_tymczasowy nowy(cel);
    if (!nowy.Jest())
        return stary != nullptr && Odmowa_folderu(nowy.Blad(), false) ? Zastapienie::odmowa_folderu
                                                                      : Zastapienie::nieudane;
    if (stary != nullptr) {
        // Best effort: FAT keeps neither owner nor mode.
        if (stary->st_uid != ::geteuid() || stary->st_gid != ::getegid()) {
            [[maybe_unused]] const int wynik = ::fchown(nowy.Numer(), stary->st_uid, stary->st_gid);
        }
        [[maybe_unused]] const int wynik = ::fchmod(nowy.Numer(), stary->st_mode & 07777);
    }
    Strumien_wyjsciowy s(nowy.Numer());
    tresc(s);
    if (!s.Oproznij() || !nowy.Utrwal())
        return Zastapienie::nieudane;
    const bool z_kopia = stary != nullptr && kopia != nullptr && *kopia;
    if (z_kopia && nowy.Zamien(cel)) {
        // The old file, now under the temporary name, becomes the backup. (A
        // second name made beforehand could not always be removed again: in
        // a sticky folder, of another user's file.)
        *kopia = false;
        nowy.Przemianuj(Nazwa_kopii(cel));
        Synchronizuj_katalog(Katalog(cel));
        return Zastapienie::zrobione;
    }
    const bool bez_zamiany = errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP;
    if (z_kopia && !bez_zamiany)
        return Odmowa_folderu(errno, true) ? Zastapienie::odmowa_folderu : Zastapienie::nieudane;
    // Where names cannot be swapped (FUSE, FAT), the backup is a copy.
    std::optional<Plik_tymczasowy> zapas;
    if (z_kopia) {
        const Deskryptor stary_plik(::open(cel.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (stary_plik.Otwarty())
            zapas = Kopia_pliku(cel, stary_plik.Numer(), Sposob_kopii::klon_lub_kopia);
    }
    if (!nowy.Przemianuj(cel))
        return Odmowa_folderu(errno, true) ? Zastapienie::odmowa_folderu : Zastapienie::nieudane;
    if (kopia != nullptr)
        *kopia = false;
    if (zapas)
        zapas->Przemianuj(Nazwa_kopii(cel));
    Synchronizuj_katalog(Katalog(cel));
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
    // The route: a file with other names is written in place, so that every
    // name shows the new content; any other is replaced, unless its folder
    // then refuses the temporary file or the rename.
    enum class Droga { przez_tymczasowy, w_miejscu };
    const Droga droga = istnieje && st.st_nlink > 1 ? Droga::w_miejscu : Droga::przez_tymczasowy;
    if (droga == Droga::przez_tymczasowy) {
        const Zastapienie zastapienie = Zastap(cel, istnieje ? &st : nullptr, tresc, kopia_zapasowa);
        if (zastapienie != Zastapienie::odmowa_folderu)
            return zastapienie == Zastapienie::zrobione;
    }
    // Written in place from memory: the old bytes stay until the new ones are whole.
    Strumien_wyjsciowy w_pamieci;
    tresc(w_pamieci);
    return Zapisz_w_miejscu(cel, w_pamieci.Zebrane(), kopia_zapasowa);
}
