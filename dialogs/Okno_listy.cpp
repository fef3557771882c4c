// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Okno_listy.h"

#include "domain/TTytul.h"
#include "toolkit/Kursor_zajetosci.h"

#include <QItemSelectionModel>

bool Okno_listy::Execute()
{
    {
        const Kursor_zajetosci zajetosc;
        Wypelnij();
    }
    exec();
    return true;
}

void Okno_listy::showEvent(QShowEvent* zdarzenie)
{
    Okno_dialogowe::showEvent(zdarzenie);
    if (siatka_listy == nullptr)
        return;
    // The column that typing searches: the name, or the number.
    const int wiersz = siatka_listy->RowCount() > 1 ? 1 : 0;
    // Highlighted alone, whatever modifier keys are held as the list opens.
    siatka_listy->selectionModel()->setCurrentIndex(
        siatka_listy->model()->index(wiersz, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    siatka_listy->setFocus(Qt::OtherFocusReason);
}

void Okno_listy::hideEvent(QHideEvent* zdarzenie)
{
    Okno_dialogowe::hideEvent(zdarzenie);
    // A closed list holds no rows, so a screen reader finds none showing
    // and nothing is read from a catalogue that changes meanwhile.
    if (siatka_listy != nullptr)
        siatka_listy->Oproznij();
}

void Okno_listy::Przygotuj_siatke(Siatka_tekstow& siatka, const QString& nazwa, int kolumny)
{
    siatka_listy = &siatka;
    siatka.setAccessibleName(nazwa);
    siatka.Ustaw_ColCount(kolumny);
    // Typing finds a title's name, or a copy's number.
    siatka.Ustaw_kolumne_wyszukiwania(1);
}

std::string Okno_listy::Pole_tytulu(const TTytul* tytul, int pole)
{
    if (tytul == nullptr)
        return {};
    return pole == 0 ? tytul->Podaj_nazwe() : pole == 1 ? tytul->Podaj_autora() : tytul->Podaj_ISBN();
}
