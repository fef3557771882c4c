// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Katalog_tymczasowy.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

Katalog_tymczasowy::Katalog_tymczasowy()
    : poprzedni(std::filesystem::current_path())
{
    std::string wzor = (std::filesystem::temp_directory_path() / "wolumat-XXXXXX").string();
    if (::mkdtemp(wzor.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    sciezka = wzor;
    std::filesystem::current_path(sciezka);
}

Katalog_tymczasowy::~Katalog_tymczasowy()
{
    std::error_code blad;
    std::filesystem::current_path(poprzedni, blad);
    std::filesystem::remove_all(sciezka, blad);
}

std::string Czytaj_bajty(const std::filesystem::path& plik)
{
    std::ifstream in(plik, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void Zapisz_bajty(const std::filesystem::path& plik, const std::string& bajty)
{
    std::ofstream out(plik, std::ios::binary | std::ios::trunc);
    out << bajty;
}

std::set<std::string> Pliki_w(const std::filesystem::path& katalog)
{
    std::set<std::string> nazwy;
    for (const auto& wpis : std::filesystem::directory_iterator(katalog))
        nazwy.insert(wpis.path().filename().string());
    return nazwy;
}
