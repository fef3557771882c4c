// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Writes `nowe` over the file `cel` itself, so that every name of it shows
// the new content, and only once the write can finish: another writer's lock
// (ten seconds at most), the file-size limit and the room are checked first.
// Then, before the first byte changes, the old bytes are kept whole in a
// numbered backup beside it (unless the newest holds them already), for good
// where `kopia_zapasowa` points at true (it is then set false), else until
// the new bytes are synced. Where no backup can be made (no right to create
// files, no room for a copy) the write goes on without one. A write that
// fails all the same puts the old bytes back; signals that would end the
// program wait until the file is whole. True once the file holds `nowe`,
// synced; false when it holds its old content, or where putting it back
// failed too (the old bytes then in a backup where one could be made).
bool Zapisz_w_miejscu(const std::string& cel, std::string_view nowe, bool* kopia_zapasowa);
