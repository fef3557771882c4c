// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    Deskryptor& operator=(Deskryptor&& inny) noexcept
    {
        if (this != &inny) {
            Zamknij();
            fd = std::exchange(inny.fd, -1);
        }
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
