// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Strumien_wyjsciowy.h"

#include "persistence/Deskryptor.h"

#include <algorithm>
#include <charconv>

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
    // A file gets one large block; text kept in memory grows from a small one.
    const std::size_t poczatkowa = fd >= 0 ? rozmiar_bloku : 4096;
    const std::size_t nowa = std::max({ poczatkowa, 2 * pojemnosc, teraz + n });
    auto nowy = std::unique_ptr<char[]>(new char[nowa]); // every byte used is written first
    std::copy(bufor.get(), bufor.get() + teraz, nowy.get());
    bufor = std::move(nowy);
    kursor = bufor.get() + teraz;
    koniec = bufor.get() + nowa;
}

bool Strumien_wyjsciowy::Oproznij()
{
    if (fd < 0 || !bufor)
        return !blad;
    if (!blad && !Zapisz_wszystko(fd, Zebrane()))
        blad = true;
    kursor = bufor.get();
    return !blad;
}
