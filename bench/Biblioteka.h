// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TKlasaAplikacji.h"

// A generated library: half titles, half copies, every copy linked to a
// title; field lengths of real catalogues, Polish windows-1250 letters.
// Built without the duplicate searches, which are measured on their own.
void Generuj_biblioteke(TKlasaAplikacji& app, long obiekty);

// Newest first, the order additions leave a collection in: where every
// measured sort starts from.
void Od_najnowszych(TKlasaAplikacji& app);
