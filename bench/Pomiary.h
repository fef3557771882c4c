// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <vector>

// Seconds since `od`.
double Sekundy_od(std::chrono::steady_clock::time_point od);
double Mediana(std::vector<double> wartosci);

// Times `dzialanie` `proby` times; the median in seconds.
template <class F> double Zmierz(int proby, F&& dzialanie)
{
    std::vector<double> czasy;
    for (int i = 0; i < proby; ++i) {
        const auto start = std::chrono::steady_clock::now();
        dzialanie();
        czasy.push_back(Sekundy_od(start));
    }
    return Mediana(czasy);
}

// Resident memory now and its peak since the last Zeruj_szczyt, in bytes.
long Pamiec_rezydentna();
long Szczyt_pamieci();
void Zeruj_szczyt();

std::string Czytaj_plik(const char* nazwa);
void Zapisz_zwykle(const char* nazwa, const std::string& dane);
