// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/Okno_listy.h"
#include "domain/Kolekcje.h"
#include "domain/TTytul.h"

#include <memory>

namespace Ui {
class TOKWystytulyDlg;
}

// The titles list: every title, sorted by name in the application's own
// collection, one grid row each below the header row.
class TOKWystytulyDlg : public Okno_listy {
    Q_OBJECT
public:
    explicit TOKWystytulyDlg(QWidget* rodzic = nullptr);
    ~TOKWystytulyDlg() override;

    // Sorted by a key of the whole name field; the benchmark turns it off
    // to weigh it.
    static inline bool sortowanie_wedlug_klucza = true;

    void Wypelnij() override;

private:
    // The collection shown, set afresh at every showing.
    TKol4<TTytul>* tytuly = nullptr;
    std::unique_ptr<Ui::TOKWystytulyDlg> ui;
};

extern TOKWystytulyDlg* OKWystytulyDlg;
