// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

// A note at an edit box that says what the box refused and why, so that no
// refusal passes unseen: a small window under the box, in the colours of a
// tooltip, which no key release or pointer closes (a tooltip would close at
// the release of Ctrl+V), and for a screen reader the box's description and
// an alert. It goes after a while, when the box loses the focus or hides,
// or for the next note.
class Komunikat_przy_polu : public QLabel {
    Q_OBJECT
public:
    explicit Komunikat_przy_polu(QWidget* pole);

    void Pokaz(const QString& tekst);
    void Schowaj();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QWidget* pole;
    QTimer czas;
};
