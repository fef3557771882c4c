// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a run's first Save pays for its backup: Save with each kind of backup
// against Save without one, interleaved in one run; prints one line each.
int Zmierz_kopie(long obiekty, int proby);
