// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Writes `nowe` over the file `cel` itself, so that every name of it shows
// the new content. The write starts only when it can finish: it waits about
// ten seconds at most for another writer's lock, keeps within the file-size
// limit, and proves its room first. Where the file system reserves room, only
// the room the write adds is reserved (past the old end, and the own copies
// of blocks shared with a clone); where it reserves none, the room it reports
// free must hold the whole new file; on a copy-on-write file system the new
// bytes are written beside the file and then cloned over it. A write that
// fails all the same puts the old bytes back; every signal that would end
// the program waits until the file is whole (a power cut or SIGKILL can still
// leave a mix). Where `kopia_zapasowa` points at true, a synced copy of the
// old file (a clone where the file system can) becomes `cel`~ once the new
// content stands, and it is set false; a copy that finds no room is left out.
// True once the file holds `nowe`, synced: a close that fails after that
// changes nothing. False when it holds its old content, or where putting it
// back failed too, a mix (the old bytes are then kept as `cel`~ where they
// could be).
bool Zapisz_w_miejscu(const std::string& cel, std::string_view nowe, bool* kopia_zapasowa);
