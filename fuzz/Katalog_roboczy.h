// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fuzz targets work in a directory of their own, on a memory file system
// where there is one, since every Save syncs its file.
void Przejdz_do_katalogu_roboczego();
