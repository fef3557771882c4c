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
    Siatka_tekstow& siatka = *ui->StringGrid1;
    Wypelnianie_siatki wypelnianie(siatka);
    Przygotuj_wiersze(siatka, pozycje->Podaj_liczbe(),
        { QStringLiteral("L.p."), QStringLiteral("Numer"), QStringLiteral("Tytuł"), QStringLiteral("Autor"),
            QStringLiteral("ISBN") });
    for (std::int32_t p = 0; const TPozycja* pozycja = pozycje->Element(p); ++p) {
        const int r = p + 1;
        siatka.Ustaw_komorke_cp1250(1, r, std::to_string(pozycja->Podaj_numer()).c_str());
        // A copy whose title did not resolve on Open shows empty title cells.
        const TTytul* tytul = pozycja->Podaj_tytul();
        siatka.Ustaw_komorke_cp1250(2, r, tytul ? tytul->Podaj_nazwe() : "");
        siatka.Ustaw_komorke_cp1250(3, r, tytul ? tytul->Podaj_autora() : "");
        siatka.Ustaw_komorke_cp1250(4, r, tytul ? tytul->Podaj_ISBN() : "");
    }
}
