// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The toolkit's current hint: one text that follows the control under the
// pointer and the highlighted menu item, with a notification when it
// changes. A control's hint is "short|long": tooltips show the short part,
// the current hint (and so the status bar) the long one.

#include <QObject>
#include <QString>

class QAction;
class QWidget;

QString Krotka_podpowiedz(const QString& podpowiedz);
QString Dluga_podpowiedz(const QString& podpowiedz);

// Gives a control or menu item its hint: the tooltip and status tip derived
// from it, and the hint itself kept as the property "hint".
void Ustaw_podpowiedz(QWidget* kontrolka, const QString& podpowiedz);
void Ustaw_podpowiedz(QAction* pozycja, const QString& podpowiedz);

class Podpowiedzi : public QObject {
    Q_OBJECT
public:
    // The one instance of the running application, watching all of it; a
    // child of the application object. Needs the application object.
    static Podpowiedzi& Aplikacji();

    QString Tekst() const { return tekst; }
    void Ustaw(const QString& nowy);

signals:
    void Zmiana(QObject* nadawca);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    explicit Podpowiedzi(QObject* rodzic);

    QString tekst;
};
