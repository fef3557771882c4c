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
    tytuly->Sortuj_wedlug_klucza(Klucz_tytulu);
    Siatka_tekstow& siatka = *ui->StringGrid1;
    siatka.Pokaz({ QStringLiteral("L.p."), QStringLiteral("Tytuł"), QStringLiteral("Autor"), QStringLiteral("ISBN") },
        tytuly->Podaj_liczbe(), [tytuly = tytuly](int kolumna, std::int32_t p) -> std::string {
            const TTytul* tytul = tytuly->Element(p);
            if (tytul == nullptr)
                return {};
            return kolumna == 1 ? tytul->Podaj_nazwe() : kolumna == 2 ? tytul->Podaj_autora() : tytul->Podaj_ISBN();
        });
    siatka.setVisible(true);
}
