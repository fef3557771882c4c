// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/wysks.h"

#include "dialogs/ui_wysks.h"
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"

#include <string>

TOKWysKsiazkiDlg* OKWysKsiazkiDlg = nullptr;

TOKWysKsiazkiDlg::TOKWysKsiazkiDlg(QWidget* rodzic)
    : Okno_listy(rodzic)
    , ui(std::make_unique<Ui::TOKWysKsiazkiDlg>())
{
    ui->setupUi(this);
    Przygotuj_siatke(*ui->StringGrid1, QStringLiteral("Książki"), 5);
    Ustaw_ramke_dialogu(this);
}

TOKWysKsiazkiDlg::~TOKWysKsiazkiDlg() = default;

void TOKWysKsiazkiDlg::Wypelnij()
{
    pozycje = aplikacja ? &aplikacja->pozycje : nullptr;
    if (pozycje == nullptr)
        return;
    pozycje->Sortuj(Porownaj_pozycje);
    // A copy whose title did not resolve on Open shows empty title cells.
    Pokaz_elementy({ QStringLiteral("L.p."), QStringLiteral("Numer"), QStringLiteral("Tytuł"), QStringLiteral("Autor"),
                       QStringLiteral("ISBN") },
        pozycje, [](const TPozycja& pozycja, int kolumna) {
            return kolumna == 1 ? std::to_string(pozycja.Podaj_numer())
                                : Pole_tytulu(pozycja.Podaj_tytul(), kolumna - 2);
        });
}
