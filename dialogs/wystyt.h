#pragma once

#include "domain/Kolekcje.h"
#include "domain/TTytul.h"

#include "toolkit/Okna_dialogowe.h"

#include <memory>

class QFrame;
class QPushButton;
class Siatka_tekstow;

namespace Ui {
class TOKWystytulyDlg;
}

// The titles list: every title, sorted by name in the application's own
// collection, one grid row each below the header row.
class TOKWystytulyDlg : public Okno_dialogowe {
    Q_OBJECT
public:
    explicit TOKWystytulyDlg(QWidget* rodzic = nullptr);
    ~TOKWystytulyDlg() override;

    bool Execute();
    // Sorts the titles and fills the grid; the first half of Execute.
    void Wypelnij();

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QFrame* Bevel1;
    Siatka_tekstow* StringGrid1;

    TKol4<TTytul>* tytuly = nullptr;

private:
    std::unique_ptr<Ui::TOKWystytulyDlg> ui;
};

extern TOKWystytulyDlg* OKWystytulyDlg;
