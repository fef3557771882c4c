// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

// The block in which a file's bytes go out (bench/README.md, row "output
// block of a mebibyte"), which the benchmark sets to stdio's to weigh it.
inline std::size_t rozmiar_bloku_pliku = std::size_t { 1 } << 20;

// The output side of the object file: bytes collect in a buffer and go to a
// file descriptor in large blocks, every write checked. Without a descriptor
// everything stays in memory. A line end is stored as CR LF.
class Strumien_wyjsciowy {
public:
    Strumien_wyjsciowy() = default;
    explicit Strumien_wyjsciowy(int deskryptor)
        : fd(deskryptor)
    {
    }

    Strumien_wyjsciowy(const Strumien_wyjsciowy&) = delete;
    Strumien_wyjsciowy& operator=(const Strumien_wyjsciowy&) = delete;

    void Znak(char znak)
    {
        Zapewnij(1);
        *kursor++ = znak;
    }
    void Tekst(std::string_view tekst)
    {
        Zapewnij(tekst.size());
        std::memcpy(kursor, tekst.data(), tekst.size());
        kursor += tekst.size();
    }
    void Liczba(std::int32_t liczba);
    void Koniec_linii() { Tekst("\r\n"); }

    // Sends what is buffered to the descriptor; false once any write failed.
    bool Oproznij();

    // What is buffered: for a stream without a descriptor, all that was written.
    std::string_view Zebrane() const { return { bufor.get(), static_cast<std::size_t>(kursor - bufor.get()) }; }

private:
    // Room for n more bytes: a full buffer goes to the file, or grows in memory.
    void Zapewnij(std::size_t n)
    {
        if (static_cast<std::size_t>(koniec - kursor) < n)
            Zrob_miejsce(n);
    }
    void Zrob_miejsce(std::size_t n);

    std::unique_ptr<char[]> bufor;
    char* kursor = nullptr;
    char* koniec = nullptr;
    int fd = -1;
    bool blad = false;
};
