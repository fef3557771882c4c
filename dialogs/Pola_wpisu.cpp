// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Pola_wpisu.h"

#include "toolkit/Konwersje.h"

#include <QDialog>
#include <QLineEdit>

bool Pokaz_z_pustymi_polami(QDialog& dialog, std::initializer_list<QLineEdit*> pola)
{
    // setText, unlike clear, also forgets the undo history: Ctrl+Z cannot
    // bring back text typed before an earlier Cancel.
    for (QLineEdit* pole : pola)
        pole->setText(QString());
    if (pola.size() > 0)
        (*pola.begin())->setFocus();
    return dialog.exec() == QDialog::Accepted;
}

void Przepisz(char (&pole)[rozmiar_pola], const QLineEdit& z)
{
    Kopiuj_do_pola(pole, Kodowanie_cp1250().Na_bajty(z.text()).c_str());
}
