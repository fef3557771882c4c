// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TKlasaAplikacji.h"

// The peer a user might otherwise pick: the same titles and copies as rows
// of an SQLite database, written in one transaction and read back into
// objects of the same classes, copies linked to their titles.
void Zapisz_sqlite(const TKlasaAplikacji& app, const char* plik);
void Czytaj_sqlite(TKlasaAplikacji& app, const char* plik);
