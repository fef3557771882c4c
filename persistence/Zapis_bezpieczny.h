// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

class Strumien_wyjsciowy;

// What a Save writes: `tresc` writes it into the stream it is given, once
// for each route tried.
using Tresc_pliku = std::function<void(Strumien_wyjsciowy&)>;

// Replaces the file `nazwa` so that it holds its old or its new content, by
// one of two routes, chosen once:
// - through a temporary file: the new content goes to a file beside it,
//   synced, then renamed over it; mode and owner stay where the file system
//   allows;
// - in place, where the file has other hard links (so that every name shows
//   the new content), or where the folder refuses the temporary file or the
//   rename over the target (see Zapis_w_miejscu.h).
// A target that may not be written is refused, also for root; a symbolic
// link stays a link. Where `kopia_zapasowa` points at true, the file found is
// kept as `nazwa`~ beside it (best effort, never written through a link) by
// the step that changes it, and it is set false then, also where there was no
// file. True once the file holds the new content; false otherwise, and then
// it holds the old content, unless putting the old bytes back after a failed
// in-place write failed too.
bool Zapisz_bezpiecznie(const char* nazwa, const Tresc_pliku& tresc, bool* kopia_zapasowa = nullptr);

// The name of the backup of `cel`.
inline std::string Nazwa_kopii(const std::string& cel)
{
    return cel + "~";
}
