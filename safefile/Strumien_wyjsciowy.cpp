// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile/Strumien_wyjsciowy.h"

#include "safefile/Deskryptor.h"

#include <algorithm>
#include <charconv>

void Strumien_wyjsciowy::Liczba(std::int32_t liczba)
{
    Zapewnij(12);
    kursor = std::to_chars(kursor, kursor + 12, liczba).ptr;
}

void Strumien_wyjsciowy::Zrob_miejsce(std::size_t n)
{
    Oproznij();
    const auto uzyte = static_cast<std::size_t>(kursor - bufor.get());
    const auto pojemnosc = static_cast<std::size_t>(koniec - bufor.get());
    if (pojemnosc - uzyte >= n)
        return;
    // A file gets one large block; text kept in memory grows from a small one.
    const std::size_t nowa = std::max({ fd >= 0 ? rozmiar_bloku_pliku : 4096, 2 * pojemnosc, uzyte + n });
    auto nowy = std::make_unique_for_overwrite<char[]>(nowa);
    std::copy(bufor.get(), kursor, nowy.get());
    kursor = nowy.get() + uzyte;
    koniec = nowy.get() + nowa;
    bufor = std::move(nowy);
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
