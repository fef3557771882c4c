// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Deskryptor.h"
#include "persistence/Sygnaly.h"

#include <string>
#include <string_view>

// Replaces a file so that it always holds either its old or its new content:
// the new content goes to a temporary file beside it, which is synced and then
// renamed over the target. Where the folder allows no new file, or no rename
// over the target, and where the target has other hard links, the file is
// written in place instead, from memory, at Zatwierdz, and that write starts
// only when it can finish: one writer at a time (a lock on the file), within
// the file-size limit, with the room it needs reserved first (on a
// copy-on-write file system: free for the new bytes and the old ones again).
// A write that still fails puts the old bytes back, and every signal that
// would end the program waits until the file is whole; a power cut or SIGKILL
// during that write can leave a mix. SIGXFSZ never ends a Save. A target that
// may not be written (no write bit, immutable, not a regular file) is refused,
// also for root. A symbolic link stays a link; its target is written. An
// existing file keeps its mode and owner where the file system allows it.
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
