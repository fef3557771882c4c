// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/TKlasaAplikacji.h"

#include <QIcon>
#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QToolButton;

namespace Ui {
class Tkartexform;
}

// The main window: menu bar, tool bar and status bar; every command runs
// through the top-level error handler. It holds the application object.
class Tkartexform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tkartexform(QWidget* rodzic = nullptr);
    ~Tkartexform() override;

    TKlasaAplikacji& Aplikacja() { return *aplikacja_okna; }

    void ShowHint(QObject* Sender);
    // Brings the window to the front, a modal dialog open over it included.
    void Przywolaj();
    void ExitItemClick(QObject* Sender);
    void OpenItemClick(QObject* Sender);
    void SaveItemClick(QObject* Sender);
    void About1Click(QObject* Sender);
    void FormCreate(QObject* Sender);
    void Tytuly1Click(QObject* Sender);
    void Tytuly2Click(QObject* Sender);
    void Ksiazki1Click(QObject* Sender);
    void Ksiazki2Click(QObject* Sender);

signals:
    // The program is about to end: Exit was chosen or the window is closing.
    void Konczenie();

protected:
    bool event(QEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void changeEvent(QEvent* zdarzenie) override;

private:
    void Polacz(QAction* pozycja, void (Tkartexform::*obsluga)(QObject*));
    void Dopasuj_ikony();

    std::unique_ptr<Ui::Tkartexform> ui;
    QString podpowiedz;
    bool zewnetrzny_rozmiar_ustalony = false;
    // The tool buttons with their icons as drawn.
    std::vector<std::pair<QToolButton*, QIcon>> ikony;
    // Built after the window and ended before it.
    std::optional<TKlasaAplikacji> aplikacja_okna;
};

extern Tkartexform* kartexform;
