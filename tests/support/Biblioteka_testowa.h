// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TKlasaAplikacji.h"

// Fills an application with `tytuly` titles and as many copies, every copy
// linked, placed as additions place them but without the duplicate searches,
// so that large libraries build in linear time.
void Wypelnij_biblioteke(TKlasaAplikacji& app, int tytuly);
