#include "dialogs/nowaks.h"

#include "dialogs/ui_nowaks.h"
#include "toolkit/Konwersje.h"
#include "toolkit/Okna_dialogowe.h"

TOKKsiazkaDlg* OKKsiazkaDlg = nullptr;

TOKKsiazkaDlg::TOKKsiazkaDlg(QWidget* rodzic)
    : Okno_dialogowe(rodzic)
    , ui(std::make_unique<Ui::TOKKsiazkaDlg>())
{
    ui->setupUi(this);
    OKBtn = ui->OKBtn;
    CancelBtn = ui->CancelBtn;
    Bevel1 = ui->Bevel1;
    Numer = ui->Numer;
    edytnum = ui->edytnum;
    Label1 = ui->Label1;
    edyttytul = ui->edyttytul;
    Ustaw_pole_tekstowe(edytnum);
    Ustaw_pole_tekstowe(edyttytul);
    Ustaw_ramke_dialogu(this);
}

TOKKsiazkaDlg::~TOKKsiazkaDlg() = default;

bool TOKKsiazkaDlg::Execute()
{
    edytnum->clear();
    edyttytul->clear();
    edytnum->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    char robocze[rozmiar_pola];
    Kopiuj_do_pola(robocze, Na_cp1250(edytnum->text()).c_str());
    // A failed conversion leaves here with both fields as they were.
    numer = robocze[0] == '\0' ? 0 : Na_liczbe(Z_cp1250(robocze));
    Kopiuj_do_pola(nazwa_tytulu, Na_cp1250(edyttytul->text()).c_str());
    return true;
}
