// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Tekst.h"

#include "toolkit/Okna_dialogowe.h"

#include <memory>

namespace Ui {
class TOKTytulDlg;
}

// The new-title dialog: name, author and ISBN.
class TOKTytulDlg : public Okno_dialogowe {
    Q_OBJECT
public:
    explicit TOKTytulDlg(QWidget* rodzic = nullptr);
    ~TOKTytulDlg() override;

    // Shows the dialog with empty boxes; on OK copies them into the fields.
    bool Execute();

    // The last confirmed entry, as windows-1250 text.
    char nazwa[rozmiar_pola] = {};
    char autor[rozmiar_pola] = {};
    char ISBN[rozmiar_pola] = {};

private:
    std::unique_ptr<Ui::TOKTytulDlg> ui;
};

extern TOKTytulDlg* OKTytulDlg;
