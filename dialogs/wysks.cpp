// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/wysks.h"

#include "dialogs/ui_wysks.h"
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "domain/TTytul.h"
#include "toolkit/Siatka_tekstow.h"

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
    ui->StringGrid1->Pokaz({ QStringLiteral("L.p."), QStringLiteral("Numer"), QStringLiteral("Tytuł"),
                               QStringLiteral("Autor"), QStringLiteral("ISBN") },
        pozycje->Podaj_liczbe(), [pozycje = pozycje](int kolumna, std::int32_t p) -> std::string {
            const TPozycja* pozycja = pozycje->Element(p);
            if (pozycja == nullptr)
                return {};
            if (kolumna == 1)
                return std::to_string(pozycja->Podaj_numer());
            // A copy whose title did not resolve on Open shows empty title cells.
            const TTytul* tytul = pozycja->Podaj_tytul();
            if (tytul == nullptr)
                return {};
            return kolumna == 2 ? tytul->Podaj_nazwe() : kolumna == 3 ? tytul->Podaj_autora() : tytul->Podaj_ISBN();
        });
}
