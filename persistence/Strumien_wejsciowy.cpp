// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Strumien_wejsciowy.h"

#include <algorithm>
#include <cstring>

char* Scal_konce_linii(const char* od, const char* koniec, char* cel)
{
    // Whole runs between CRs move at once.
    while (const void* cr = std::memchr(od, '\r', static_cast<std::size_t>(koniec - od))) {
        const char* znak = static_cast<const char*>(cr);
        const bool crlf = znak + 1 < koniec && znak[1] == '\n';
        const std::size_t dlugosc = static_cast<std::size_t>(znak - od) + (crlf ? 0 : 1);
        if (cel != od)
            std::memmove(cel, od, dlugosc);
        cel += dlugosc;
        od = znak + 1; // after a CR LF, the LF starts the next run
    }
    const std::size_t reszta = static_cast<std::size_t>(koniec - od);
    if (cel != od)
        std::memmove(cel, od, reszta);
    return cel + reszta;
}

Strumien_wejsciowy::Strumien_wejsciowy(std::string bajty)
    : dane(std::move(bajty))
{
    char* poczatek = dane.data();
    dane.resize(static_cast<std::size_t>(Scal_konce_linii(poczatek, poczatek + dane.size(), poczatek) - poczatek));
}

std::string_view Strumien_wejsciowy::Pobierz_do(char ogranicznik, std::size_t najwiecej)
{
    // Spans are short (a key, a value, a field): a plain loop beats memchr.
    const std::size_t dostepne = std::min(najwiecej, dane.size() - poz);
    const char* start = dane.data() + poz;
    std::size_t n = 0;
    while (n < dostepne && start[n] != ogranicznik)
        ++n;
    poz += n;
    return { start, n };
}

void Strumien_wejsciowy::Pomin_linie()
{
    // Mostly the cursor stands on the newline already (a field just read).
    if (poz < dane.size() && dane[poz] == '\n') {
        ++poz;
        return;
    }
    const void* nl = std::memchr(dane.data() + poz, '\n', dane.size() - poz);
    poz = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - dane.data()) + 1 : dane.size();
}
