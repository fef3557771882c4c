#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The input side of the object file: the whole file in memory, read from a
// cursor, so a remembered position is restored exactly. CR LF on disk reads as
// one newline, as does a bare LF. Reading past the end puts the stream into its
// failed state, in which every further read fails.
class Strumien_wejsciowy {
public:
    explicit Strumien_wejsciowy(std::string bajty);

    // The next byte as 0..255, or -1 at the end (which fails the stream).
    int Pobierz();
    int Podejrzyj() const { return poz < dane.size() ? static_cast<unsigned char>(dane[poz]) : -1; }

    std::size_t Pozycja() const { return poz; }
    void Ustaw_pozycje(std::size_t nowa) { poz = nowa < dane.size() ? nowa : dane.size(); }
    bool Zly() const { return zly; }
    void Wyczysc() { zly = false; }
    void Ustaw_zly() { zly = true; }
    bool Na_koncu() const { return poz >= dane.size(); }

    // Takes at most `najwiecej` bytes up to, not including, `ogranicznik`.
    std::string_view Pobierz_do(char ogranicznik, std::size_t najwiecej);
    // Skips past the next newline, or to the end.
    void Pomin_linie();

private:
    std::string dane;
    std::size_t poz = 0;
    bool zly = false;
};
