// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Deskryptor.h"
#include "persistence/Strumien_wejsciowy.h"

#include <optional>
#include <string>
#include <string_view>

// Replaces a file so that it always holds either its old or its new content:
// the new content goes to a temporary file beside it, which is synced and then
// renamed over the target. Where the folder allows no new file, or no rename
// over the target, and where the target has other hard links, the file is
// written in place instead, from memory, at Zatwierdz: a failed write puts the
// old bytes back (the new ones freed first, for copy-on-write file systems),
// and SIGTERM, SIGINT, SIGHUP and SIGQUIT wait until the file is whole; a
// power cut or SIGKILL during that write can leave a mix. A target that may
// not be written (no write bit, immutable, not a regular file) is refused,
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

    std::string cel;
    std::string tymczasowy;
    Deskryptor fd;
    bool w_miejscu = false;
};

// The whole content of a regular file, its CR LF turned into LF once it is
// read, or nothing when it cannot be opened or read to its end.
std::optional<Tresc_pliku> Wczytaj_plik(const char* nazwa);
