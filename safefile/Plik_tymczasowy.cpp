// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile/Plik_tymczasowy.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

std::string Przedrostek(const std::string& cel)
{
    return "." + std::filesystem::path(cel).filename().string() + ".tmp-";
}

} // namespace

std::string Katalog(const std::string& sciezka)
{
    const std::string katalog = std::filesystem::path(sciezka).parent_path();
    return katalog.empty() ? "." : katalog;
}

Plik_tymczasowy::Plik_tymczasowy(const std::string& cel, mode_t prawa)
{
    std::random_device losowe;
    const std::string poczatek = Katalog(cel) + "/" + Przedrostek(cel) + std::to_string(::getpid()) + "-";
    for (int proba = 0; proba < 100; ++proba) {
        sciezka = poczatek + std::to_string(losowe());
        fd = Deskryptor(::open(sciezka.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, prawa));
        blad = fd.Otwarty() ? 0 : errno;
        if (blad != EEXIST)
            break;
    }
    if (blad != 0)
        sciezka.clear();
}

Plik_tymczasowy::~Plik_tymczasowy()
{
    fd.Zamknij();
    if (!sciezka.empty())
        ::unlink(sciezka.c_str());
}

bool Plik_tymczasowy::Utrwal()
{
    const bool zapisany = fd.Otwarty() && ::fsync(fd.Numer()) == 0;
    return fd.Zamknij() && zapisany;
}

bool Plik_tymczasowy::Przemianuj(const std::string& nazwa)
{
    if (sciezka.empty() || ::rename(sciezka.c_str(), nazwa.c_str()) != 0)
        return false;
    sciezka.clear();
    fd.Zamknij();
    return true;
}

void Usun_porzucone(const std::string& cel)
{
    const std::string katalog = Katalog(cel);
    const std::string przedrostek = Przedrostek(cel);
    const std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(katalog.c_str()), ::closedir);
    if (d == nullptr)
        return;
    while (const dirent* wpis = ::readdir(d.get())) {
        const std::string nazwa = wpis->d_name;
        if (nazwa.compare(0, przedrostek.size(), przedrostek) != 0)
            continue;
        const long pid = std::strtol(nazwa.c_str() + przedrostek.size(), nullptr, 10);
        const bool zywy = pid > 0 && pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (!zywy)
            ::unlink((katalog + "/" + nazwa).c_str());
    }
}

void Synchronizuj_katalog(const std::string& katalog)
{
    const Deskryptor fd(::open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Otwarty())
        ::fsync(fd.Numer());
}
