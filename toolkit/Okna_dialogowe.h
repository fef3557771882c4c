#pragma once

class QDialog;
class QLineEdit;
class QWidget;

// A dialog frame: title and system menu, fixed at the size of its design.
void Ustaw_ramke_dialogu(QDialog* dialog);
void Wysrodkuj_na_ekranie(QWidget* okno);

// An edit box for a text field: at most 19 characters, and only characters
// that windows-1250 holds (any other keystroke is not accepted).
void Ustaw_pole_tekstowe(QLineEdit* pole);
