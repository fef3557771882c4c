// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/Okno_listy.h"
#include "domain/Kolekcje.h"
#include "domain/TPozycja.h"

#include <memory>

namespace Ui {
class TOKWysKsiazkiDlg;
}

// The books list: every copy with its title's data, sorted by number in the
// application's own collection.
class TOKWysKsiazkiDlg : public Okno_listy {
    Q_OBJECT
public:
    explicit TOKWysKsiazkiDlg(QWidget* rodzic = nullptr);
    ~TOKWysKsiazkiDlg() override;

    void Wypelnij() override;

private:
    // The collection shown, set afresh at every showing.
    TKol4<TPozycja>* pozycje = nullptr;
    std::unique_ptr<Ui::TOKWysKsiazkiDlg> ui;
};

extern TOKWysKsiazkiDlg* OKWysKsiazkiDlg;
