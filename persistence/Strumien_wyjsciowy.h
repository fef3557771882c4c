#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The output side of the object file: bytes collect in a buffer and go to a
// file descriptor in large blocks, every write checked. Without a descriptor
// everything stays in memory. A line end is stored as CR LF.
class Strumien_wyjsciowy {
public:
    Strumien_wyjsciowy() = default;
    explicit Strumien_wyjsciowy(int deskryptor) : fd(deskryptor) {}

    Strumien_wyjsciowy(const Strumien_wyjsciowy&) = delete;
    Strumien_wyjsciowy& operator=(const Strumien_wyjsciowy&) = delete;

    void Znak(char znak);
    void Tekst(std::string_view tekst);
    void Liczba(std::int32_t liczba);
    void Koniec_linii();

    // Sends what is buffered to the descriptor; false once any write failed.
    bool Oproznij();
    bool Blad() const { return blad; }

    // What was written, for a stream without a descriptor.
    const std::string& Zawartosc() const { return bufor; }

private:
    void Oproznij_gdy_pelny();

    std::string bufor;
    int fd = -1;
    bool blad = false;
};
