// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

class Strumien_wyjsciowy;

// What a Save writes: `tresc` writes it into the stream it is given, once
// for each route tried.
using Tresc_pliku = std::function<void(Strumien_wyjsciowy&)>;

// Replaces the file `nazwa` so that it holds its old or its new content:
// through a temporary file beside it, synced and renamed over it (mode and
// owner kept where the file system allows), or in place where the file has
// other hard links or its folder refuses the temporary file or the rename
// (see Zapis_w_miejscu.h). A target that may not be written is refused, also
// for root; a symbolic link stays a link. Where `kopia_zapasowa` points at
// true, the file found is kept as `nazwa`~ (never written through a link) by
// the step that changes it, and it is set false. True once the file holds the
// new content.
bool Zapisz_bezpiecznie(const char* nazwa, const Tresc_pliku& tresc, bool* kopia_zapasowa = nullptr);

// The name of the backup of `cel`.
inline std::string Nazwa_kopii(const std::string& cel)
{
    return cel + "~";
}
