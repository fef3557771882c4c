// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/nowaks.h"

#include "dialogs/Pola_wpisu.h"
#include "dialogs/ui_nowaks.h"
#include "toolkit/Konwersje.h"

TOKKsiazkaDlg* OKKsiazkaDlg = nullptr;

TOKKsiazkaDlg::TOKKsiazkaDlg(QWidget* rodzic)
    : Okno_dialogowe(rodzic)
    , ui(std::make_unique<Ui::TOKKsiazkaDlg>())
{
    ui->setupUi(this);
    Ustaw_pola_tekstowe({ ui->edytnum, ui->edyttytul });
    Ustaw_ramke_dialogu(this);
}

TOKKsiazkaDlg::~TOKKsiazkaDlg() = default;

bool TOKKsiazkaDlg::Execute()
{
    if (!Pokaz_z_pustymi_polami(*this, { ui->edytnum, ui->edyttytul }))
        return false;
    char robocze[rozmiar_pola];
    Przepisz(robocze, *ui->edytnum);
    // A failed conversion leaves here with both fields as they were.
    numer = robocze[0] == '\0' ? 0 : Na_liczbe(Kodowanie_cp1250().Z_bajtow(robocze));
    Przepisz(nazwa_tytulu, *ui->edyttytul);
    return true;
}
