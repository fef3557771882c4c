// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "safefile/Deskryptor.h"

#include <string>
#include <string_view>
#include <sys/stat.h>

// Numbered backups of a file, beside it and named as text editors name
// theirs: "name.~1~", "name.~2~", ..., the highest the newest. A backup takes
// its number with link() or an exclusive create, never with a rename, so it
// replaces nothing; a number whose name anything else holds is skipped. Each
// is made under its visible name from the start and is whole and synced,
// with its folder, when it is handed back; where it cannot be made whole,
// none is left.

// One backup that a Save made; a default one is none.
class Kopia_zapasowa {
public:
    Kopia_zapasowa() = default;
    Kopia_zapasowa(std::string sciezka, Deskryptor fd);

    bool Jest() const { return !sciezka.empty(); }
    // Open for reading where it was cloned or copied; -1 for a second name.
    int Numer() const { return fd.Numer(); }
    // Removes it: what it holds is whole elsewhere.
    void Usun();

private:
    std::string sciezka;
    Deskryptor fd;
};

// A second name of the file `cel` itself.
Kopia_zapasowa Dowiaz_kopie(const std::string& cel);
// A clone of the file open as `zrodlo` and described by `st` (its blocks shared).
Kopia_zapasowa Sklonuj_kopie(const std::string& cel, int zrodlo, const struct stat& st);
// A new file holding `dane`, the content of the file described by `st`.
Kopia_zapasowa Zapisz_kopie(const std::string& cel, std::string_view dane, const struct stat& st);

// How many names of the file `st` are backups of `cel`.
nlink_t Nazwy_kopii(const std::string& cel, const struct stat& st);
// Whether the newest backup of `cel` is another file than `st` holding the
// same bytes: `dane`, or where that is null, what `cel` holds.
bool Rowna_najnowszej(const std::string& cel, const struct stat& st, const std::string* dane);
// Removes all but the ten newest backups of `cel`; a name that is not a
// regular file is neither counted nor removed.
void Usun_nadmiarowe_kopie(const std::string& cel);

// Gives `fd`, a file made to stand for the file `st`, that file's owner and
// group where allowed, and its mode; where the group cannot be kept, the
// group's bits become the others', so that no one reads it who could not
// read that file.
void Nadaj_prawa(int fd, const struct stat& st);
