#include "dialogs/nowytyt.h"

#include "dialogs/ui_nowytyt.h"
#include "toolkit/Konwersje.h"
#include "toolkit/Okna_dialogowe.h"

TOKTytulDlg* OKTytulDlg = nullptr;

TOKTytulDlg::TOKTytulDlg(QWidget* rodzic)
    : Okno_dialogowe(rodzic)
    , ui(std::make_unique<Ui::TOKTytulDlg>())
{
    ui->setupUi(this);
    OKBtn = ui->OKBtn;
    CancelBtn = ui->CancelBtn;
    Bevel1 = ui->Bevel1;
    Label1 = ui->Label1;
    Label2 = ui->Label2;
    Label3 = ui->Label3;
    edytnazwa = ui->edytnazwa;
    edytautor = ui->edytautor;
    edytISBN = ui->edytISBN;
    for (QLineEdit* pole : { edytnazwa, edytautor, edytISBN })
        Ustaw_pole_tekstowe(pole);
    Ustaw_ramke_dialogu(this);
}

TOKTytulDlg::~TOKTytulDlg() = default;

bool TOKTytulDlg::Execute()
{
    edytnazwa->clear();
    edytautor->clear();
    edytISBN->clear();
    edytnazwa->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    Kopiuj_do_pola(nazwa, Na_cp1250(edytnazwa->text()).c_str());
    Kopiuj_do_pola(autor, Na_cp1250(edytautor->text()).c_str());
    Kopiuj_do_pola(ISBN, Na_cp1250(edytISBN->text()).c_str());
    return true;
}
