// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Class codes: stored in the file beside each identifier and used as the
// positions of the formats in a class map.
inline constexpr std::int32_t kod_tablicy = 0;
inline constexpr std::int32_t kod_kolekcji = 1;
inline constexpr std::int32_t kod_tytulu = 2;
inline constexpr std::int32_t kod_pozycji = 3;
