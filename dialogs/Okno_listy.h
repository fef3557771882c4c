// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Okna_dialogowe.h"

#include <QString>

class Siatka_tekstow;

// What the two list dialogs share: a grid with a header row and one row per
// element, filled at each showing and emptied when closed. The grid has the
// keyboard at once, on the first row; Enter and Esc still close the list.
class Okno_listy : public Okno_dialogowe {
    Q_OBJECT
public:
    using Okno_dialogowe::Okno_dialogowe;

    // Fills the grid, then shows the dialog until it is closed.
    bool Execute();
    // Sorts the elements and fills the grid; the first half of Execute.
    virtual void Wypelnij() = 0;

protected:
    // The grid's accessible name and columns, once its form is set up.
    void Przygotuj_siatke(Siatka_tekstow& siatka, const QString& nazwa, int kolumny);
    void showEvent(QShowEvent* zdarzenie) override;
    void hideEvent(QHideEvent* zdarzenie) override;

private:
    Siatka_tekstow* siatka_listy = nullptr;
};
