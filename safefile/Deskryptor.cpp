// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile/Deskryptor.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool Deskryptor::Zamknij()
{
    if (fd < 0)
        return true;
    const bool zamkniety = ::close(fd) == 0;
    fd = -1;
    return zamkniety;
}

bool Zapisz_wszystko(int fd, std::string_view dane, ssize_t (*zapis)(int, const void*, std::size_t))
{
    if (zapis == nullptr)
        zapis = ::write;
    while (!dane.empty()) {
        const ssize_t zapisane = zapis(fd, dane.data(), dane.size());
        if (zapisane < 0 && errno == EINTR)
            continue;
        if (zapisane <= 0)
            return false;
        dane.remove_prefix(static_cast<std::size_t>(zapisane));
    }
    return true;
}

std::optional<std::string> Czytaj_wszystko(int fd)
{
    // Room for the file and one byte more, to see its end without growing.
    struct stat st { };
    const off_t znany = ::fstat(fd, &st) == 0 ? st.st_size : 0;
    std::string dane(std::max<std::size_t>(static_cast<std::size_t>(znany) + 1, 1 << 16), '\0');
    std::size_t gotowe = 0;
    for (;;) {
        if (gotowe == dane.size())
            dane.resize(2 * dane.size());
        const ssize_t n = ::read(fd, dane.data() + gotowe, dane.size() - gotowe);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        gotowe += static_cast<std::size_t>(n);
    }
    dane.resize(gotowe);
    return dane;
}

bool Zablokuj(int fd, short rodzaj)
{
    struct flock blokada { };
    blokada.l_type = rodzaj;
    blokada.l_whence = SEEK_SET;
    // Polled every hundredth of a second rather than waited on: a lock that
    // is never released must not hold the program.
    constexpr timespec odstep { 0, 10'000'000 };
    for (int proba = 0; proba < 1000; ++proba) {
        if (::fcntl(fd, F_OFD_SETLK, &blokada) == 0)
            return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR)
            return true;
        ::nanosleep(&odstep, nullptr);
    }
    return false;
}

std::optional<std::string> Wczytaj_plik(const char* nazwa)
{
    // Non-blocking, so that a FIFO under the name cannot hang the program.
    const Deskryptor fd(::open(nazwa, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st { };
    if (!fd.Otwarty() || ::fstat(fd.Numer(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    // A Save writing the file in place through another name holds it; a
    // lock that outlasts the wait leaves the file unread, as half written.
    if (!Zablokuj(fd.Numer(), F_RDLCK))
        return std::nullopt;
    return Czytaj_wszystko(fd.Numer());
}
