// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Strumien_wejsciowy.h"

#include <algorithm>

Strumien_wejsciowy::Strumien_wejsciowy(std::string bajty)
    : dane(std::move(bajty))
{
    std::size_t cel = 0;
    for (std::size_t i = 0; i < dane.size(); ++i)
        if (dane[i] != '\r' || i + 1 == dane.size() || dane[i + 1] != '\n')
            dane[cel++] = dane[i];
    dane.resize(cel);
}

std::string_view Strumien_wejsciowy::Pobierz_do(char ogranicznik, std::size_t najwiecej)
{
    const char* start = dane.data() + poz;
    const std::size_t n = static_cast<std::size_t>(
        std::find(start, start + std::min(najwiecej, dane.size() - poz), ogranicznik) - start);
    poz += n;
    return { start, n };
}

void Strumien_wejsciowy::Pomin_linie()
{
    const std::size_t nl = dane.find('\n', poz);
    poz = nl == std::string::npos ? dane.size() : nl + 1;
}
