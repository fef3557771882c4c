#include "persistence/Strumien_wyjsciowy.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <unistd.h>

namespace {
constexpr std::size_t rozmiar_bloku = 1 << 20;
}

void Strumien_wyjsciowy::Liczba(std::int32_t liczba)
{
    Zapewnij(12);
    kursor = std::to_chars(kursor, kursor + 12, liczba).ptr;
}

void Strumien_wyjsciowy::Zrob_miejsce(std::size_t n)
{
    const std::size_t uzyte = bufor ? static_cast<std::size_t>(kursor - bufor.get()) : 0;
    const std::size_t pojemnosc = bufor ? static_cast<std::size_t>(koniec - bufor.get()) : 0;
    if (fd >= 0 && uzyte > 0)
        Oproznij();
    const std::size_t teraz = bufor ? static_cast<std::size_t>(kursor - bufor.get()) : 0;
    if (pojemnosc - teraz >= n)
        return;
    const std::size_t nowa = std::max({ rozmiar_bloku, 2 * pojemnosc, teraz + n });
    auto nowy = std::make_unique<char[]>(nowa);
    std::copy(bufor.get(), bufor.get() + teraz, nowy.get());
    bufor = std::move(nowy);
    kursor = bufor.get() + teraz;
    koniec = bufor.get() + nowa;
}

bool Strumien_wyjsciowy::Oproznij()
{
    if (fd < 0 || !bufor)
        return !blad;
    const char* dane = bufor.get();
    std::size_t zostalo = static_cast<std::size_t>(kursor - dane);
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
    kursor = bufor.get();
    return !blad;
}
