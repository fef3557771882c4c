// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pomiary.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

double Sekundy_od(std::chrono::steady_clock::time_point od)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - od).count();
}

double Mediana(std::vector<double> wartosci)
{
    std::sort(wartosci.begin(), wartosci.end());
    return wartosci[wartosci.size() / 2];
}

namespace {
long Pole_statusu(const char* nazwa)
{
    std::ifstream status("/proc/self/status");
    std::string linia;
    while (std::getline(status, linia))
        if (linia.rfind(nazwa, 0) == 0)
            return std::atol(linia.c_str() + std::string(nazwa).size()) * 1024;
    return 0;
}
} // namespace

long Pamiec_rezydentna()
{
    return Pole_statusu("VmRSS:");
}

long Szczyt_pamieci()
{
    return Pole_statusu("VmHWM:");
}

void Zeruj_szczyt()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::string Czytaj_plik(const char* nazwa)
{
    const int fd = ::open(nazwa, O_RDONLY);
    struct stat st { };
    ::fstat(fd, &st);
    std::string dane(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t wczytane = 0;
    while (wczytane < dane.size()) {
        const ssize_t n = ::read(fd, dane.data() + wczytane, dane.size() - wczytane);
        if (n <= 0)
            break;
        wczytane += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return dane;
}

void Zapisz_zwykle(const char* nazwa, const std::string& dane)
{
    const int fd = ::open(nazwa, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, dane.data(), dane.size()) != static_cast<ssize_t>(dane.size()) || ::fsync(fd) != 0)
        std::abort();
    ::close(fd);
}
