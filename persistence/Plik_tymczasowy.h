// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Deskryptor.h"

#include <optional>
#include <string>
#include <utility>

// A new file beside a target, named after it and after this process, so that
// a later Save removes it once this process is gone. Removed with the object
// unless it took a name of its own.
class Plik_tymczasowy {
public:
    explicit Plik_tymczasowy(const std::string& cel);
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
    // Swaps it with `nazwa` in one step: it then holds what `nazwa` held.
    bool Zamien(const std::string& nazwa);

private:
    std::string sciezka;
    Deskryptor fd;
    int blad = 0;
};

// A synced copy beside `cel` of the file open as `zrodlo`, made as asked: a
// clone (no room, blocks shared), bytes copied, or a clone where the file
// system can and else a copy; none where it cannot be made.
enum class Sposob_kopii { klon, kopia, klon_lub_kopia };
std::optional<Plik_tymczasowy> Kopia_pliku(const std::string& cel, int zrodlo, Sposob_kopii sposob);

// The folder that holds `sciezka`.
std::string Katalog(const std::string& sciezka);

// Removes temporary files of earlier Saves of `cel` whose process is gone.
void Usun_porzucone(const std::string& cel);

void Synchronizuj_katalog(const std::string& katalog);
