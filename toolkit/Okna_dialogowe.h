// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <initializer_list>

class QLineEdit;

// A dialog of the program: a dialog frame, fixed at its design size once
// Ustaw_ramke_dialogu is called, fitted to and centred on the screen at
// every showing.
class Okno_dialogowe : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
};

// Fits a window to the available area of its screen (a large font or scale
// may make it larger): one that would not fit, frame included, takes the
// largest size that does and its form scrolls; then it is moved just enough
// that its frame lies within that area.
void Zmiesc_na_ekranie(QWidget* okno);

// How much larger than the one the windows were drawn for the font of
// `okno` is: 1 at that font or a smaller one.
double Skala_czcionki(const QWidget* okno);

// Grows a window drawn at fixed places, and every control in it (not the
// windows it owns) and its icons, by the scale of its font, so that a larger desktop font
// cuts no text and a grid shows as many rows; at the design's font nothing
// moves.
void Dopasuj_do_czcionki(QWidget* okno);

// A dialog frame: title and system menu, fixed at the size of its design,
// grown for a larger font.
void Ustaw_ramke_dialogu(QDialog* dialog);

// Edit boxes for text fields, each: at most 19 characters (a longer paste is
// cut), all of them ones that windows-1250 holds, digits of other scripts as
// ASCII ones, and no control characters (C1 ones included): a paste loses its
// trailing line end, its other line ends and tabs become spaces, and one with
// other controls is refused. What a box refuses, a note at it says. Alt
// chords type nothing.
void Ustaw_pola_tekstowe(std::initializer_list<QLineEdit*> pola);
