// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/nowytyt.h"

#include "dialogs/Pola_wpisu.h"
#include "dialogs/ui_nowytyt.h"

TOKTytulDlg* OKTytulDlg = nullptr;

TOKTytulDlg::TOKTytulDlg(QWidget* rodzic)
    : Okno_dialogowe(rodzic)
    , ui(std::make_unique<Ui::TOKTytulDlg>())
{
    ui->setupUi(this);
    Ustaw_pola_tekstowe({ ui->edytnazwa, ui->edytautor, ui->edytISBN });
    Ustaw_ramke_dialogu(this);
}

TOKTytulDlg::~TOKTytulDlg() = default;

bool TOKTytulDlg::Execute()
{
    if (!Pokaz_z_pustymi_polami(*this, { ui->edytnazwa, ui->edytautor, ui->edytISBN }))
        return false;
    Przepisz(nazwa, *ui->edytnazwa);
    Przepisz(autor, *ui->edytautor);
    Przepisz(ISBN, *ui->edytISBN);
    return true;
}
