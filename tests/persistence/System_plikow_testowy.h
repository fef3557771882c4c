// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// A small file system of one kind ("tmpfs" of 1 MB, "ext4", "xfs", "btrfs",
// "btrfs_kwota" with an 8 MB quota, "vfat", "exfat", "ntfs", "bindfs_btrfs"
// and "bindfs_ext4" through FUSE), made in an image file under `katalog` and
// mounted at `katalog`/punkt for the object's life; unmounted and removed on
// every path.
class System_plikow_testowy {
public:
    System_plikow_testowy(std::string rodzaj, const std::filesystem::path& katalog);
    ~System_plikow_testowy();

    System_plikow_testowy(const System_plikow_testowy&) = delete;
    System_plikow_testowy& operator=(const System_plikow_testowy&) = delete;

    // Empty once mounted; otherwise what is missing, for the skip message.
    const std::string& Brak() const { return brak; }
    const std::filesystem::path& Punkt() const { return punkt; }

    bool Odmontuj();
    bool Zamontuj();

private:
    std::string rodzaj;
    std::filesystem::path obraz;
    std::filesystem::path punkt;
    std::string petla;
    bool zamontowany = false;
    std::string brak;
};
