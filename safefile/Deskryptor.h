// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>

// Owns one POSIX file descriptor and closes it on every path.
class Deskryptor {
public:
    Deskryptor() = default;
    explicit Deskryptor(int numer)
        : fd(numer)
    {
    }
    ~Deskryptor() { Zamknij(); }

    Deskryptor(Deskryptor&& inny) noexcept
        : fd(std::exchange(inny.fd, -1))
    {
    }
    // The descriptor held so far goes with `inny`, closed at once.
    Deskryptor& operator=(Deskryptor inny) noexcept
    {
        std::swap(fd, inny.fd);
        return *this;
    }

    bool Otwarty() const { return fd >= 0; }
    int Numer() const { return fd; }

    // Closes now; false when the close reports an error, which for a file
    // just written means its content may not have reached the disk.
    bool Zamknij();

private:
    int fd = -1;
};

// Writes all of `dane` at the descriptor's offset, retrying short writes and
// interrupted ones; a write that takes no byte is a failure, never retried.
// `zapis` stands in for write(2) where a test needs a descriptor that refuses.
bool Zapisz_wszystko(int fd, std::string_view dane, ssize_t (*zapis)(int, const void*, std::size_t) = nullptr);

// The content of an open file from its offset on; nothing on a read error.
std::optional<std::string> Czytaj_wszystko(int fd);

// Takes a lock of the whole file (F_RDLCK or F_WRLCK) for the descriptor's
// open file description, waiting about ten seconds at most for another
// holder; false when it still holds a conflicting one. Where the file system
// keeps no locks, true without one.
bool Zablokuj(int fd, short rodzaj);

// The content of a regular file, or nothing when it cannot be read whole:
// also where a writer's lock on it outlasts Zablokuj's wait.
std::optional<std::string> Wczytaj_plik(const char* nazwa);
