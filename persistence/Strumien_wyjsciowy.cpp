#include "persistence/Strumien_wyjsciowy.h"

#include <cerrno>
#include <charconv>
#include <unistd.h>

namespace {
constexpr std::size_t rozmiar_bloku = 1 << 20;
}

void Strumien_wyjsciowy::Znak(char znak)
{
    bufor.push_back(znak);
}

void Strumien_wyjsciowy::Tekst(std::string_view tekst)
{
    bufor.append(tekst);
}

void Strumien_wyjsciowy::Liczba(std::int32_t liczba)
{
    char cyfry[16];
    const auto wynik = std::to_chars(cyfry, cyfry + sizeof cyfry, liczba);
    bufor.append(cyfry, wynik.ptr);
}

void Strumien_wyjsciowy::Koniec_linii()
{
    bufor.append("\r\n", 2);
    Oproznij_gdy_pelny();
}

void Strumien_wyjsciowy::Oproznij_gdy_pelny()
{
    if (fd >= 0 && bufor.size() >= rozmiar_bloku)
        Oproznij();
}

bool Strumien_wyjsciowy::Oproznij()
{
    if (fd < 0)
        return !blad;
    const char* dane = bufor.data();
    std::size_t zostalo = bufor.size();
    while (zostalo > 0 && !blad) {
        const ssize_t zapisane = ::write(fd, dane, zostalo);
        if (zapisane < 0) {
            if (errno != EINTR)
                blad = true;
            continue;
        }
        dane += zapisane;
        zostalo -= static_cast<std::size_t>(zapisane);
    }
    bufor.clear();
    return !blad;
}
