// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Tekst.h"

#include "toolkit/Okna_dialogowe.h"

#include <cstdint>
#include <memory>

namespace Ui {
class TOKKsiazkaDlg;
}

// The new-book dialog: a copy number and the name of its title.
class TOKKsiazkaDlg : public Okno_dialogowe {
    Q_OBJECT
public:
    explicit TOKKsiazkaDlg(QWidget* rodzic = nullptr);
    ~TOKKsiazkaDlg() override;

    // Shows the dialog with empty boxes; on OK fills numer and nazwa_tytulu.
    // A number text that is no integer raises Blad_konwersji.
    bool Execute();

    std::int32_t numer = 0;
    char nazwa_tytulu[rozmiar_pola] = {};

private:
    std::unique_ptr<Ui::TOKKsiazkaDlg> ui;
};

extern TOKKsiazkaDlg* OKKsiazkaDlg;
