#pragma once

#include "domain/Kolekcje.h"
#include "domain/TPozycja.h"

#include "toolkit/Okna_dialogowe.h"

#include <memory>

class QFrame;
class QPushButton;
class Siatka_tekstow;

namespace Ui {
class TOKWysKsiazkiDlg;
}

// The books list: every copy with its title's data, sorted by number in the
// application's own collection.
class TOKWysKsiazkiDlg : public Okno_dialogowe {
    Q_OBJECT
public:
    explicit TOKWysKsiazkiDlg(QWidget* rodzic = nullptr);
    ~TOKWysKsiazkiDlg() override;

    bool Execute();
    // Sorts the copies and fills the grid; the first half of Execute.
    void Wypelnij();

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QFrame* Bevel1;
    Siatka_tekstow* StringGrid1;

    TKol4<TPozycja>* pozycje = nullptr;

private:
    std::unique_ptr<Ui::TOKWysKsiazkiDlg> ui;
};

extern TOKWysKsiazkiDlg* OKWysKsiazkiDlg;
