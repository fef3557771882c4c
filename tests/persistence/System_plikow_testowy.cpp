// SPDX-License-Identifier: GPL-3.0-or-later
#include "System_plikow_testowy.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Rodzaj {
    const char* nazwa;
    const char* narzedzia; // what must be installed, as command names
    const char* rozmiar;
    const char* utworz; // %1 the image
    const char* zamontuj; // %1 the image or its loop device, %2 the mount point
    bool na_petli; // the mount command wants a block device
    bool pod_spodem = false; // the image is mounted at the point's "-pod" beside it, and a layer over that
};

constexpr std::array rodzaje {
    Rodzaj { "tmpfs", "mount", "0", "true", "mount -t tmpfs -o size=1m tmpfs %2", false }, // its image stays empty
    Rodzaj { "ext4", "mkfs.ext4", "64M", "mkfs.ext4 -q -F %1", "mount -o loop %1 %2", false },
    Rodzaj { "xfs", "mkfs.xfs", "300M", "mkfs.xfs -q -f %1", "mount -o loop %1 %2", false },
    Rodzaj { "btrfs", "mkfs.btrfs", "128M", "mkfs.btrfs -q -f %1", "mount -o loop %1 %2", false },
    // A quota-group limit, which the free room reported ignores.
    Rodzaj { "btrfs_kwota", "mkfs.btrfs btrfs", "128M", "mkfs.btrfs -q -f %1",
        "mount -o loop %1 %2 && btrfs quota enable %2 && btrfs qgroup limit 8M %2", false },
    // A FUSE pass-through, which reserves no room, over a copy-on-write file system and over ext4.
    Rodzaj { "bindfs_btrfs", "mkfs.btrfs bindfs", "128M", "mkfs.btrfs -q -f %1",
        "mount -o loop %1 %2-pod && bindfs %2-pod %2", false, true },
    Rodzaj { "bindfs_ext4", "mkfs.ext4 bindfs", "64M", "mkfs.ext4 -q -F %1",
        "mount -o loop %1 %2-pod && bindfs %2-pod %2", false, true },
    Rodzaj { "vfat", "mkfs.vfat fusefat", "64M", "mkfs.vfat -F 32 %1", "fusefat -o rw+ %1 %2", false },
    Rodzaj { "exfat", "mkfs.exfat mount.exfat-fuse", "64M", "mkfs.exfat %1", "mount.exfat-fuse %1 %2", true },
    Rodzaj { "ntfs", "mkfs.ntfs ntfs-3g", "64M", "mkfs.ntfs -q -F %1", "ntfs-3g %1 %2", false },
};

std::string Podstaw(std::string polecenie, const std::string& pierwszy, const std::string& drugi = {})
{
    for (auto [znacznik, wartosc] : { std::pair { "%1", &pierwszy }, std::pair { "%2", &drugi } })
        for (auto i = polecenie.find(znacznik); i != std::string::npos; i = polecenie.find(znacznik, i))
            polecenie.replace(i, 2, "'" + *wartosc + "'");
    return polecenie;
}

bool Wykonaj(const std::string& polecenie)
{
    return std::system((polecenie + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Wyjscie(const std::string& polecenie)
{
    const std::unique_ptr<FILE, int (*)(FILE*)> potok(::popen((polecenie + " 2>/dev/null").c_str(), "r"), ::pclose);
    std::string tekst;
    char bufor[256];
    while (potok && std::fgets(bufor, sizeof bufor, potok.get()) != nullptr)
        tekst += bufor;
    while (!tekst.empty() && (tekst.back() == '\n' || tekst.back() == ' '))
        tekst.pop_back();
    return tekst;
}

const Rodzaj* Znajdz_rodzaj(const std::string& nazwa)
{
    for (const Rodzaj& r : rodzaje)
        if (nazwa == r.nazwa)
            return &r;
    return nullptr;
}

} // namespace

System_plikow_testowy::System_plikow_testowy(std::string rodzaj_, const fs::path& katalog)
    : rodzaj(std::move(rodzaj_))
    , obraz(katalog / (rodzaj + ".img"))
    , punkt(katalog / ("punkt-" + rodzaj))
{
    const Rodzaj* r = Znajdz_rodzaj(rodzaj);
    if (r == nullptr) {
        brak = "no such kind of file system in the test table: " + rodzaj;
        return;
    }
    if (::geteuid() != 0) {
        brak = "mounting " + rodzaj + " needs root";
        return;
    }
    std::istringstream narzedzia(r->narzedzia);
    for (std::string narzedzie; narzedzia >> narzedzie;) {
        if (!Wykonaj("command -v " + narzedzie)) {
            brak = narzedzie + " is not installed (scripts/install-deps.sh installs it)";
            return;
        }
    }
    fs::create_directories(punkt);
    if (r->pod_spodem)
        fs::create_directories(punkt.string() + "-pod");
    if (!Wykonaj("truncate -s " + std::string(r->rozmiar) + " '" + obraz.string() + "'")
        || !Wykonaj(Podstaw(r->utworz, obraz.string()))) {
        brak = "could not make a " + rodzaj + " image";
        return;
    }
    if (!Zamontuj())
        brak = "could not mount a " + rodzaj + " image (no loop device or no FUSE here?)";
}

System_plikow_testowy::~System_plikow_testowy()
{
    Odmontuj();
    std::error_code blad;
    fs::remove(obraz, blad);
    fs::remove(punkt, blad);
    fs::remove(punkt.string() + "-pod", blad);
}

bool System_plikow_testowy::Zamontuj()
{
    const Rodzaj* r = Znajdz_rodzaj(rodzaj);
    if (zamontowany || r == nullptr)
        return zamontowany;
    std::string zrodlo = obraz.string();
    if (r->na_petli) {
        petla = Wyjscie("losetup -f --show '" + zrodlo + "'");
        if (petla.empty())
            return false;
        zrodlo = petla;
    }
    zamontowany = Wykonaj(Podstaw(r->zamontuj, zrodlo, punkt.string()));
    if (!zamontowany && !petla.empty()) {
        Wykonaj("losetup -d '" + petla + "'");
        petla.clear();
    }
    return zamontowany;
}

bool System_plikow_testowy::Odmontuj()
{
    const Rodzaj* r = Znajdz_rodzaj(rodzaj);
    std::string polecenie = "umount '" + punkt.string() + "'";
    if (r != nullptr && r->pod_spodem)
        polecenie = "(! mountpoint -q %1 || umount %1) && (! mountpoint -q %1-pod || umount %1-pod)";
    if (zamontowany) {
        // A FUSE daemon may still hold the mount for a moment after its last file closed.
        for (int proba = 0; proba < 50 && zamontowany; ++proba) {
            zamontowany = !Wykonaj(Podstaw(polecenie, punkt.string()));
            if (zamontowany)
                ::usleep(100000);
        }
    }
    if (!zamontowany && !petla.empty()) {
        Wykonaj("losetup -d '" + petla + "'");
        petla.clear();
    }
    return !zamontowany;
}
