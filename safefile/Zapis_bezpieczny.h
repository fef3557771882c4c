// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class Strumien_wyjsciowy;

// What a Save writes: `tresc` writes it into the stream it is given, once
// for each route tried.
using Tresc_pliku = std::function<void(Strumien_wyjsciowy&)>;

// Replaces the file `nazwa` so that, whatever stops it (a failure, a kill, a
// power cut), the file holds its old or its new content, or where it was
// being written in place, its old content is whole in a backup beside it.
// The route: through a temporary file beside it, synced and renamed over it
// (owner and mode kept where the file system allows), or in place where the
// file has other hard links, is bind-mounted, is another user's in a sticky
// folder, or where its folder refuses the temporary file or the rename (see
// Zapis_w_miejscu.h). A target that may not be written is refused, also for
// root; a symbolic link stays a link.
//
// Where `kopia_zapasowa` points at true, the file found is kept as its next
// numbered backup (Kopie_zapasowe.h) before anything changes, unless the
// newest backup holds the same bytes; the ten newest backups stay. It is set
// false once the file holds the new content. True once it does.
bool Zapisz_bezpiecznie(const char* nazwa, const Tresc_pliku& tresc, bool* kopia_zapasowa = nullptr);
