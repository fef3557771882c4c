// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "safefile/Deskryptor.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>

// A new file beside a target, named after it and after this process, so that
// a later Save removes it once this process is gone: it only ever holds new
// bytes, never the only copy of old ones. Created with the mode `prawa` (the
// process's mask applies), private by default. Removed with the object unless
// it took a name of its own.
class Plik_tymczasowy {
public:
    explicit Plik_tymczasowy(const std::string& cel, mode_t prawa = 0600);
    ~Plik_tymczasowy();

    Plik_tymczasowy(Plik_tymczasowy&& inny) noexcept
        : sciezka(std::exchange(inny.sciezka, {}))
        , fd(std::move(inny.fd))
        , blad(inny.blad)
    {
    }
    // The file held so far goes with `inny`, removed at once.
    Plik_tymczasowy& operator=(Plik_tymczasowy inny) noexcept
    {
        std::swap(sciezka, inny.sciezka);
        std::swap(fd, inny.fd);
        blad = inny.blad;
        return *this;
    }

    bool Jest() const { return !sciezka.empty(); }
    int Numer() const { return fd.Numer(); }
    // Why it could not be made: the errno of the refused create.
    int Blad() const { return blad; }

    // Syncs and closes it; false when either fails.
    bool Utrwal();
    // Renames it over `nazwa`, which it then is; errno tells why not.
    bool Przemianuj(const std::string& nazwa);

private:
    std::string sciezka;
    Deskryptor fd;
    int blad = 0;
};

// The folder that holds `sciezka`.
std::string Katalog(const std::string& sciezka);

// Removes temporary files of earlier Saves of `cel` whose process is gone.
void Usun_porzucone(const std::string& cel);

void Synchronizuj_katalog(const std::string& katalog);
