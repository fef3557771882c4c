// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Deskryptor.h"
#include "persistence/Sygnaly.h"

#include <string>
#include <string_view>

// Replaces a file so that it always holds its old or its new content: the
// new content goes to a temporary file beside it, synced, then renamed over
// the target. Where the folder allows no new file or no rename over it, and
// where it has other hard links, the file is written in place, from memory,
// at Zatwierdz; that write starts only when it can finish (a lock on the
// file, the file-size limit, its room reserved first), puts the old bytes
// back if it fails, and holds every signal that would end the program (a
// power cut or SIGKILL can still leave a mix). A target that may not be
// written is refused, also for root; a symbolic link stays a link; mode and
// owner stay where the file system allows.
class Zapis_bezpieczny {
public:
    explicit Zapis_bezpieczny(const char* nazwa);
    // Without Zatwierdz the temporary file is removed and the target untouched.
    ~Zapis_bezpieczny();

    Zapis_bezpieczny(const Zapis_bezpieczny&) = delete;
    Zapis_bezpieczny& operator=(const Zapis_bezpieczny&) = delete;

    bool Otwarty() const { return fd.Otwarty(); }
    // Where the content goes as it is made; -1 where the target is written
    // in place: then it is collected in memory and given to Zatwierdz.
    int Numer_deskryptora() const { return w_miejscu ? -1 : fd.Numer(); }

    // Syncs, closes and renames, or writes `zebrane` in place; false when any
    // step fails, and then the target holds its old content.
    bool Zatwierdz(std::string_view zebrane = {});

private:
    // Opens the target itself, to be written in place.
    bool Zacznij_w_miejscu();
    bool Zapisz_w_miejscu(std::string_view nowe);
    void Porzuc();

    const Obsluga_sygnalow bez_sygnalu_limitu = Bez_sygnalu_limitu();
    std::string cel;
    std::string tymczasowy;
    Deskryptor fd;
    bool w_miejscu = false;
};
