// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/PDC_Obiekt.h"

// Loans, reservations and client data: held in collections that always stay
// empty. None is ever created; each stays abstract.
class TWypozyczenie : public PDC_Obiekt { };

class TRezerwacja : public PDC_Obiekt { };

class TDane_klienta : public PDC_Obiekt { };
