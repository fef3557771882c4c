#include "persistence/Strumien_wejsciowy.h"

#include <algorithm>
#include <cstring>

Strumien_wejsciowy::Strumien_wejsciowy(std::string bajty) : dane(std::move(bajty))
{
    // CR LF becomes one newline, in place.
    char* poczatek = dane.data();
    char* koniec = poczatek + dane.size();
    char* cr = static_cast<char*>(std::memchr(poczatek, '\r', dane.size()));
    if (cr == nullptr)
        return;
    char* zapis = cr;
    for (char* odczyt = cr; odczyt < koniec; ++odczyt) {
        if (*odczyt == '\r' && odczyt + 1 < koniec && odczyt[1] == '\n')
            continue;
        *zapis++ = *odczyt;
    }
    dane.resize(static_cast<std::size_t>(zapis - poczatek));
}

int Strumien_wejsciowy::Pobierz()
{
    if (zly || poz >= dane.size()) {
        zly = true;
        return -1;
    }
    return static_cast<unsigned char>(dane[poz++]);
}

std::string_view Strumien_wejsciowy::Pobierz_do(char ogranicznik, std::size_t najwiecej)
{
    const std::size_t dostepne = std::min(najwiecej, dane.size() - poz);
    const char* start = dane.data() + poz;
    const void* znaleziony = std::memchr(start, ogranicznik, dostepne);
    const std::size_t n = znaleziony ? static_cast<std::size_t>(static_cast<const char*>(znaleziony) - start) : dostepne;
    poz += n;
    return {start, n};
}

void Strumien_wejsciowy::Pomin_linie()
{
    const void* nl = std::memchr(dane.data() + poz, '\n', dane.size() - poz);
    poz = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - dane.data()) + 1 : dane.size();
}
