// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two entry dialogs share: text boxes that start empty at each
// showing, and whose confirmed texts become windows-1250 fields.

#include "domain/Tekst.h"

#include <initializer_list>

class QDialog;
class QLineEdit;

// Shows the dialog with the boxes emptied and the focus in the first;
// true when it is closed with OK.
bool Pokaz_z_pustymi_polami(QDialog& dialog, std::initializer_list<QLineEdit*> pola);

// The box's text as a field.
void Przepisz(char (&pole)[rozmiar_pola], const QLineEdit& z);
