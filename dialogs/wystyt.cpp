#include "dialogs/wystyt.h"

#include "dialogs/ui_wystyt.h"
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "toolkit/Okna_dialogowe.h"
#include "toolkit/Siatka_tekstow.h"

#include <string>

TOKWystytulyDlg* OKWystytulyDlg = nullptr;

TOKWystytulyDlg::TOKWystytulyDlg(QWidget* rodzic)
    : Okno_dialogowe(rodzic)
    , ui(std::make_unique<Ui::TOKWystytulyDlg>())
{
    ui->setupUi(this);
    OKBtn = ui->OKBtn;
    CancelBtn = ui->CancelBtn;
    Bevel1 = ui->Bevel1;
    StringGrid1 = ui->StringGrid1;
    StringGrid1->setAccessibleName(QStringLiteral("Tytuły"));
    StringGrid1->Ustaw_ColCount(4);
    StringGrid1->Ustaw_FixedCols(1);
    StringGrid1->setColumnWidth(1, 63);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVisible(false); // until the first showing
    Ustaw_ramke_dialogu(this);
}

TOKWystytulyDlg::~TOKWystytulyDlg() = default;

void TOKWystytulyDlg::Wypelnij()
{
    tytuly = aplikacja ? &aplikacja->tytuly : nullptr;
    if (tytuly == nullptr)
        return;
    // The order of Sortuj with Porownaj_tytuly, reached without chasing every
    // element through memory at each comparison.
    tytuly->Sortuj_wedlug_klucza(Klucz_tytulu);
    {
        Wypelnianie_siatki wypelnianie(*StringGrid1);
        StringGrid1->Ustaw_RowCount(tytuly->Podaj_liczbe() + 1);
        StringGrid1->Ustaw_Cells(0, 0, QStringLiteral("L.p."));
        StringGrid1->Ustaw_Cells(1, 0, QStringLiteral("Tytuł"));
        StringGrid1->Ustaw_Cells(2, 0, QStringLiteral("Autor"));
        StringGrid1->Ustaw_Cells(3, 0, QStringLiteral("ISBN"));
        for (std::int32_t p = 0; const TTytul* tytul = tytuly->Element(p); ++p) {
            // The titles lie scattered in memory: ask for later ones early.
            __builtin_prefetch(tytuly->Element(p + 8));
            const int r = p + 1;
            StringGrid1->Ustaw_komorke_cp1250(0, r, std::to_string(r).c_str());
            StringGrid1->Ustaw_komorke_cp1250(1, r, tytul->Podaj_nazwe());
            StringGrid1->Ustaw_komorke_cp1250(2, r, tytul->Podaj_autora());
            StringGrid1->Ustaw_komorke_cp1250(3, r, tytul->Podaj_ISBN());
        }
    }
    StringGrid1->setVisible(true);
}

bool TOKWystytulyDlg::Execute()
{
    Wypelnij();
    exec();
    return true;
}
