// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/wystyt.h"

#include "dialogs/ui_wystyt.h"
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "toolkit/Siatka_tekstow.h"

TOKWystytulyDlg* OKWystytulyDlg = nullptr;

TOKWystytulyDlg::TOKWystytulyDlg(QWidget* rodzic)
    : Okno_listy(rodzic)
    , ui(std::make_unique<Ui::TOKWystytulyDlg>())
{
    ui->setupUi(this);
    Siatka_tekstow& siatka = *ui->StringGrid1;
    Przygotuj_siatke(siatka, QStringLiteral("Tytuły"), 4);
    siatka.Ustaw_FixedCols(1);
    siatka.setColumnWidth(1, 63);
    siatka.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    siatka.setVisible(false); // until the first showing
    Ustaw_ramke_dialogu(this);
}

TOKWystytulyDlg::~TOKWystytulyDlg() = default;

void TOKWystytulyDlg::Wypelnij()
{
    tytuly = aplikacja ? &aplikacja->tytuly : nullptr;
    if (tytuly == nullptr)
        return;
    // The order of Sortuj with Porownaj_tytuly, reached without chasing every
    // element through memory at each comparison (bench/README.md, row "keyed
    // sort of the titles list").
    tytuly->Sortuj_wedlug_klucza(Klucz_tytulu);
    Siatka_tekstow& siatka = *ui->StringGrid1;
    {
        Wypelnianie_siatki wypelnianie(siatka);
        Przygotuj_wiersze(siatka, tytuly->Podaj_liczbe(),
            { QStringLiteral("L.p."), QStringLiteral("Tytuł"), QStringLiteral("Autor"), QStringLiteral("ISBN") });
        for (std::int32_t p = 0; const TTytul* tytul = tytuly->Element(p); ++p) {
            const int r = p + 1;
            siatka.Ustaw_komorke_cp1250(1, r, tytul->Podaj_nazwe());
            siatka.Ustaw_komorke_cp1250(2, r, tytul->Podaj_autora());
            siatka.Ustaw_komorke_cp1250(3, r, tytul->Podaj_ISBN());
        }
    }
    siatka.setVisible(true);
}
