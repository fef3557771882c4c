// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Each speed device of the program against its simpler version, in one run
// on the same data: one line per row of bench/README.md's device table.
// Needs a QApplication for the lists.
int Zmierz_urzadzenia(long obiekty, int proby);
