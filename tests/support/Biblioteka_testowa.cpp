// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Biblioteka_testowa.h"

#include <string>

void Wypelnij_biblioteke(TKlasaAplikacji& app, int tytuly)
{
    for (int i = 0; i < tytuly; ++i) {
        const std::string n = std::to_string(i);
        auto* tytul = new TTytul(
            ("Tytu\xB3 " + n).c_str(), ("Autor \xB9 " + n).c_str(), ("83-" + n).c_str(), &app.pozycje, &app.rezerwacje);
        app.tytuly.Powieksz(1);
        app.tytuly.Wstaw(tytul, 0);
    }
    for (int i = 0; i < tytuly; ++i) {
        app.pozycje.Powieksz(1);
        app.pozycje.Wstaw(new TPozycja(i, app.tytuly.Element(i), nullptr), 0);
    }
}
