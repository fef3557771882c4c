// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <set>
#include <string>

// A fresh directory that becomes the working directory for the test's life,
// since the data files resolve against it; removed afterwards.
class Katalog_tymczasowy {
public:
    Katalog_tymczasowy();
    ~Katalog_tymczasowy();

    Katalog_tymczasowy(const Katalog_tymczasowy&) = delete;
    Katalog_tymczasowy& operator=(const Katalog_tymczasowy&) = delete;

    const std::filesystem::path& Sciezka() const { return sciezka; }

private:
    std::filesystem::path sciezka;
    std::filesystem::path poprzedni;
};

std::string Czytaj_bajty(const std::filesystem::path& plik);
void Zapisz_bajty(const std::filesystem::path& plik, const std::string& bajty);
// The names in a folder.
std::set<std::string> Pliki_w(const std::filesystem::path& katalog);
