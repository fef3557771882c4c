#include "dialogs/wysks.h"

#include "dialogs/ui_wysks.h"
#include "domain/Porownania.h"
#include "domain/TKlasaAplikacji.h"
#include "domain/TTytul.h"
#include "toolkit/Okna_dialogowe.h"
#include "toolkit/Siatka_tekstow.h"

#include <string>

TOKWysKsiazkiDlg* OKWysKsiazkiDlg = nullptr;

TOKWysKsiazkiDlg::TOKWysKsiazkiDlg(QWidget* rodzic)
    : Okno_dialogowe(rodzic)
    , ui(std::make_unique<Ui::TOKWysKsiazkiDlg>())
{
    ui->setupUi(this);
    OKBtn = ui->OKBtn;
    CancelBtn = ui->CancelBtn;
    Bevel1 = ui->Bevel1;
    StringGrid1 = ui->StringGrid1;
    StringGrid1->setAccessibleName(QStringLiteral("Książki"));
    StringGrid1->Ustaw_ColCount(5);
    Ustaw_ramke_dialogu(this);
}

TOKWysKsiazkiDlg::~TOKWysKsiazkiDlg() = default;

void TOKWysKsiazkiDlg::Wypelnij()
{
    pozycje = aplikacja ? &aplikacja->pozycje : nullptr;
    if (pozycje == nullptr)
        return;
    // The order of Sortuj with Porownaj_pozycje, reached without chasing every
    // element through memory at each comparison.
    pozycje->Sortuj_wedlug_klucza(Klucz_pozycji);
    {
        Wypelnianie_siatki wypelnianie(*StringGrid1);
        StringGrid1->Ustaw_RowCount(pozycje->Podaj_liczbe() + 1);
        StringGrid1->Ustaw_Cells(0, 0, QStringLiteral("L.p."));
        StringGrid1->Ustaw_Cells(1, 0, QStringLiteral("Numer"));
        StringGrid1->Ustaw_Cells(2, 0, QStringLiteral("Tytuł"));
        StringGrid1->Ustaw_Cells(3, 0, QStringLiteral("Autor"));
        StringGrid1->Ustaw_Cells(4, 0, QStringLiteral("ISBN"));
        for (std::int32_t p = 0; const TPozycja* pozycja = pozycje->Element(p); ++p) {
            // Copies and their titles lie scattered in memory: ask for later
            // ones early, the copy first and its title once the copy is near.
            __builtin_prefetch(pozycje->Element(p + 32));
            if (const TPozycja* dalej = pozycje->Element(p + 16))
                __builtin_prefetch(dalej->Podaj_tytul());
            const int r = p + 1;
            StringGrid1->Ustaw_komorke_cp1250(0, r, std::to_string(r).c_str());
            StringGrid1->Ustaw_komorke_cp1250(1, r, std::to_string(pozycja->Podaj_numer()).c_str());
            // A copy whose title did not resolve on Open shows empty title cells.
            if (const TTytul* tytul = pozycja->Podaj_tytul()) {
                StringGrid1->Ustaw_komorke_cp1250(2, r, tytul->Podaj_nazwe());
                StringGrid1->Ustaw_komorke_cp1250(3, r, tytul->Podaj_autora());
                StringGrid1->Ustaw_komorke_cp1250(4, r, tytul->Podaj_ISBN());
            } else {
                for (int kolumna = 2; kolumna <= 4; ++kolumna)
                    StringGrid1->Ustaw_komorke_cp1250(kolumna, r, "");
            }
        }
    }
}

bool TOKWysKsiazkiDlg::Execute()
{
    Wypelnij();
    exec();
    return true;
}
