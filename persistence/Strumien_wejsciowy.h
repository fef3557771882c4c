// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The input side of the object file: the whole file in memory, read from a
// cursor that can go back exactly. CR LF reads as one newline, as LF does; a
// CR alone stays.
// Reading past the end fails the stream and every read after it.
class Strumien_wejsciowy {
public:
    // Bytes as on disk; their line ends are turned here, in place.
    explicit Strumien_wejsciowy(std::string bajty);

    // The next byte as 0..255, or -1 at the end (which fails the stream).
    int Pobierz()
    {
        if (zly || poz >= dane.size()) {
            zly = true;
            return -1;
        }
        return static_cast<unsigned char>(dane[poz++]);
    }
    int Podejrzyj() const { return poz < dane.size() ? static_cast<unsigned char>(dane[poz]) : -1; }

    std::size_t Pozycja() const { return poz; }
    void Ustaw_pozycje(std::size_t nowa) { poz = std::min(nowa, dane.size()); }
    bool Zly() const { return zly; }
    void Wyczysc() { zly = false; }
    void Ustaw_zly() { zly = true; }
    bool Na_koncu() const { return poz >= dane.size(); }
    // What is left to read, without reading it.
    std::string_view Reszta() const { return std::string_view(dane).substr(poz); }

    // Takes at most `najwiecej` bytes up to, not including, `ogranicznik`.
    std::string_view Pobierz_do(char ogranicznik, std::size_t najwiecej);
    // Skips past the next newline, or to the end.
    void Pomin_linie();

private:
    std::string dane;
    std::size_t poz = 0;
    bool zly = false;
};
