// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/Deskryptor.h"
#include "persistence/Strumien_wejsciowy.h"

#include <optional>
#include <string>

// Replaces a file so that it always holds either its old or its new content:
// the new content goes to a temporary file beside it, which is synced and then
// renamed over the target. Where the folder allows no new file, or no rename
// over the target, and where the target has other hard links, the file is
// written in place instead: a failed write puts the old bytes back, but a
// power cut can leave a mix. A target that may not be written (no write bit,
// immutable, not a regular file) is refused, also for root. A symbolic link
// stays a link; its target is written. An existing file keeps its mode and
// owner where the file system allows it.
class Zapis_bezpieczny {
public:
    explicit Zapis_bezpieczny(const char* nazwa);
    // Without Zatwierdz the temporary file is removed and the target untouched.
    ~Zapis_bezpieczny();

    Zapis_bezpieczny(const Zapis_bezpieczny&) = delete;
    Zapis_bezpieczny& operator=(const Zapis_bezpieczny&) = delete;

    bool Otwarty() const { return fd.Otwarty(); }
    int Numer_deskryptora() const { return fd.Numer(); }

    // Syncs, closes and renames; false when any step fails.
    bool Zatwierdz();

private:
    // Opens the target itself for writing from offset 0, its old bytes kept.
    bool Zacznij_w_miejscu();
    bool Przepisz_tymczasowy();
    bool Zakoncz_w_miejscu();
    bool Przywroc();
    void Porzuc();

    std::string cel;
    std::string tymczasowy;
    Deskryptor fd;
    // The target's old content while it is written in place.
    std::optional<std::string> stare;
};

// The whole content of a regular file, its CR LF turned into LF once it is
// read, or nothing when it cannot be opened or read to its end.
std::optional<Tresc_pliku> Wczytaj_plik(const char* nazwa);
