// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/Kolekcje.h"
#include "toolkit/Okna_dialogowe.h"
#include "toolkit/Siatka_tekstow.h"

#include <QString>

#include <string>

class TTytul;

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
    // The header row, then a row for each element of the collection, its
    // cells (column 1 and on) from `komorka`.
    template <class T, class Komorka> void Pokaz_elementy(QStringList naglowki, TKol4<T>* elementy, Komorka komorka)
    {
        siatka_listy->Pokaz(std::move(naglowki), elementy->Podaj_liczbe(),
            [elementy, komorka](int kolumna, std::int32_t p) -> std::string {
                const T* element = elementy->Element(p);
                return element ? komorka(*element, kolumna) : std::string();
            });
    }
    // A title's name, author or ISBN (pole 0, 1, 2); nothing for no title.
    static std::string Pole_tytulu(const TTytul* tytul, int pole);
    void showEvent(QShowEvent* zdarzenie) override;
    void hideEvent(QHideEvent* zdarzenie) override;

private:
    Siatka_tekstow* siatka_listy = nullptr;
};
