// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Writes `nowe` over the file `cel` itself, so that every name of it shows
// the new content, and only once the write can finish: another writer's lock
// (ten seconds at most), the file-size limit and the room are checked first.
// A write that fails all the same puts the old bytes back; signals that would
// end the program wait until the file is whole. Where `kopia_zapasowa`
// points at true, a copy of the old file becomes `cel`~ and it is set false.
// True once the file holds `nowe`, synced; false when it holds its old
// content, or where putting it back failed too (the old bytes then kept as
// `cel`~ where they could be).
bool Zapisz_w_miejscu(const std::string& cel, std::string_view nowe, bool* kopia_zapasowa);
