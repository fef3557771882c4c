// SPDX-License-Identifier: GPL-3.0-or-later
#include "Katalog_roboczy.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

void Przejdz_do_katalogu_roboczego()
{
    static bool zrobione = false;
    if (zrobione)
        return;
    zrobione = true;
    const std::filesystem::path baza
        = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string wzor = (baza / "wolumat-fuzz-XXXXXX").string();
    if (::mkdtemp(wzor.data()) == nullptr || ::chdir(wzor.c_str()) != 0)
        std::abort();
}
