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
    // The order of Sortuj with Porownaj_tytuly (bench/README.md, row "keyed
    // sort of the titles list").
    if (sortowanie_wedlug_klucza)
        tytuly->Sortuj_wedlug_klucza(Klucz_tytulu);
    else
        tytuly->Sortuj(Porownaj_tytuly);
    Pokaz_elementy({ QStringLiteral("L.p."), QStringLiteral("Tytuł"), QStringLiteral("Autor"), QStringLiteral("ISBN") },
        tytuly, [](const TTytul& tytul, int kolumna) { return Pole_tytulu(&tytul, kolumna - 1); });
    ui->StringGrid1->setVisible(true);
}
