// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Pliki.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <linux/fs.h>
#include <memory>
#include <random>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Katalog(const std::string& sciezka)
{
    const auto ukosnik = sciezka.rfind('/');
    if (ukosnik == std::string::npos)
        return ".";
    return ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}

std::string Nazwa_w_katalogu(const std::string& sciezka)
{
    const auto ukosnik = sciezka.rfind('/');
    return ukosnik == std::string::npos ? sciezka : sciezka.substr(ukosnik + 1);
}

// Follows symbolic links to the file that a write through the name reaches.
std::string Rozwiaz_dowiazania(std::string sciezka)
{
    for (int krok = 0; krok < 40; ++krok) {
        struct stat st { };
        if (::lstat(sciezka.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return sciezka;
        std::string cel(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
        const ssize_t n = ::readlink(sciezka.c_str(), cel.data(), cel.size());
        if (n < 0 || static_cast<std::size_t>(n) >= cel.size())
            return sciezka;
        cel.resize(static_cast<std::size_t>(n));
        sciezka = (!cel.empty() && cel[0] == '/') ? cel : Katalog(sciezka) + "/" + cel;
    }
    return sciezka;
}

bool Niezmienny(const std::string& sciezka)
{
    const Deskryptor fd(::open(sciezka.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.Otwarty())
        return false;
    int flagi = 0;
    const bool odczytane = ::ioctl(fd.Numer(), FS_IOC_GETFLAGS, &flagi) == 0;
    return odczytane && (flagi & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
}

std::string Przedrostek_tymczasowych(const std::string& cel)
{
    return "." + Nazwa_w_katalogu(cel) + ".tmp-";
}

// Removes temporary files that earlier Saves of this target left behind when
// they were killed: those whose process is gone.
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
    // Root passes access(); the mode bits and file flags still say read-only.
    if ((st.st_mode & 0222) == 0 || ::access(cel.c_str(), W_OK) != 0)
        return false;
    return !Niezmienny(cel);
}

void Synchronizuj_katalog(const std::string& katalog)
{
    const Deskryptor fd(::open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Otwarty())
        ::fsync(fd.Numer());
}

// The folder refuses a new file beside the target: the file itself may
// still be written.
bool Odmowa_utworzenia(int blad)
{
    return blad == EACCES || blad == EPERM;
}

// The folder or the file system refuses to rename over the target (a
// sticky folder, a bind-mounted file, some FUSE file systems).
bool Odmowa_przemianowania(int blad)
{
    return blad == EACCES || blad == EPERM || blad == EBUSY || blad == EXDEV || blad == ENOTSUP || blad == EINVAL;
}

// A catchable signal that ends the program (logout, Ctrl+C, a closed
// terminal) waits while a file is half written, and acts once it is whole.
// Handlers, not a mask: a mask holds one thread, and any other thread of the
// process could take the signal.
class Wstrzymane_sygnaly {
public:
    Wstrzymane_sygnaly()
    {
        struct sigaction zapamietaj { };
        zapamietaj.sa_handler = [](int numer) { odebrany = numer; };
        zapamietaj.sa_flags = SA_RESTART;
        sigemptyset(&zapamietaj.sa_mask);
        for (const int numer : sygnaly)
            sigaddset(&zapamietaj.sa_mask, numer);
        for (std::size_t i = 0; i < std::size(sygnaly); ++i)
            ::sigaction(sygnaly[i], &zapamietaj, &poprzednie[i]);
    }
    ~Wstrzymane_sygnaly()
    {
        for (std::size_t i = 0; i < std::size(sygnaly); ++i)
            ::sigaction(sygnaly[i], &poprzednie[i], nullptr);
        if (const int numer = odebrany) {
            odebrany = 0;
            ::raise(numer);
        }
    }
    Wstrzymane_sygnaly(const Wstrzymane_sygnaly&) = delete;
    Wstrzymane_sygnaly& operator=(const Wstrzymane_sygnaly&) = delete;

private:
    static constexpr int sygnaly[] = { SIGTERM, SIGINT, SIGHUP, SIGQUIT };
    static inline volatile std::sig_atomic_t odebrany = 0;
    struct sigaction poprzednie[std::size(sygnaly)] {};
};

// The whole content of an open file, from offset 0; nothing on a read error.
std::optional<std::string> Czytaj_wszystko(int fd)
{
    std::string dane;
    char blok[1 << 16];
    for (;;) {
        const ssize_t n = ::pread(fd, blok, sizeof blok, static_cast<off_t>(dane.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return dane;
        dane.append(blok, static_cast<std::size_t>(n));
    }
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
        if (istnieje && Odmowa_utworzenia(blad))
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

bool Zapisz_od_poczatku(int fd, std::string_view dane)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && Zapisz_wszystko(fd, dane)
        && ::ftruncate(fd, static_cast<off_t>(dane.size())) == 0 && ::fsync(fd) == 0;
}

// On a copy-on-write file system the old bytes need new room like any
// write: the new bytes are freed and the freeing committed first, and a
// restore that still fails is tried again.
bool Przywroc(int fd, std::string_view stare)
{
    for (int proba = 0; proba < 3; ++proba) {
        if (::ftruncate(fd, 0) == 0 && ::fsync(fd) == 0)
            ::syncfs(fd);
        if (Zapisz_od_poczatku(fd, stare))
            return true;
    }
    return false;
}

} // namespace

bool Zapis_bezpieczny::Zapisz_w_miejscu(std::string_view nowe)
{
    // A power cut or SIGKILL during this write can still leave a mix.
    const Wstrzymane_sygnaly wstrzymane;
    // The old bytes are read before the first write, to be put back.
    const std::optional<std::string> stare = Czytaj_wszystko(fd.Numer());
    if (!stare)
        return false;
    if (Zapisz_od_poczatku(fd.Numer(), nowe))
        return fd.Zamknij();
    Przywroc(fd.Numer(), *stare);
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
    // The folder lets the file be written but not replaced: its content
    // goes into it in place, and the temporary file's room is given back
    // before that write.
    std::optional<std::string> nowe;
    if (Odmowa_przemianowania(errno)) {
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

std::optional<Tresc_pliku> Wczytaj_plik(const char* nazwa)
{
    // Non-blocking, so that a FIFO under the name cannot hang the program.
    const Deskryptor fd(::open(nazwa, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Otwarty())
        return std::nullopt;
    struct stat st { };
    if (::fstat(fd.Numer(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    // The buffer is not cleared first, as every byte used is read into it.
    constexpr std::size_t blok = 1 << 20;
    std::size_t pojemnosc = static_cast<std::size_t>(st.st_size) + blok;
    auto dane = std::unique_ptr<char[]>(new char[pojemnosc]);
    std::size_t gotowe = 0;
    for (;;) {
        if (pojemnosc - gotowe < blok) {
            // The file grew while it was read.
            auto wieksze = std::unique_ptr<char[]>(new char[2 * pojemnosc]);
            std::memcpy(wieksze.get(), dane.get(), gotowe);
            dane = std::move(wieksze);
            pojemnosc *= 2;
        }
        const ssize_t n = ::read(fd.Numer(), dane.get() + gotowe, blok);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        gotowe += static_cast<std::size_t>(n);
    }
    gotowe = static_cast<std::size_t>(Scal_konce_linii(dane.get(), dane.get() + gotowe, dane.get()) - dane.get());
    return Tresc_pliku { std::move(dane), gotowe };
}
