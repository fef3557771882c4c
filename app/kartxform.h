#pragma once

#include "domain/TKlasaAplikacji.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QStatusBar;
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

    // Components, by the names the rest of the program and the tests use.
    QMenuBar* SDIAppMenu;
    QMenu* FileMenu;
    QAction* OpenItem;
    QAction* SaveItem;
    QAction* ExitItem;
    QAction* N1;
    QMenu* Help1;
    QAction* About1;
    QFrame* SpeedPanel;
    QToolButton* OpenBtn;
    QToolButton* SaveBtn;
    QToolButton* ExitBtn;
    QStatusBar* StatusBar;
    QMenu* Edit1;
    QAction* Nowytytul1;
    QAction* Nowaksiazka1;
    QMenu* Wyswietl1;
    QAction* Tytuly1;
    QAction* Ksiazki1;

    void ShowHint(QObject* Sender);
    void ExitItemClick(QObject* Sender);
    void OpenItemClick(QObject* Sender);
    void SaveItemClick(QObject* Sender);
    void About1Click(QObject* Sender);
    void FormCreate(QObject* Sender);
    void Tytuly1Click(QObject* Sender);
    void Tytuly2Click(QObject* Sender);
    void Ksiazki1Click(QObject* Sender);
    void Ksiazki2Click(QObject* Sender);

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void Polacz(QAction* pozycja, void (Tkartexform::*obsluga)(QObject*));
    void Polacz(QToolButton* przycisk, void (Tkartexform::*obsluga)(QObject*));

    std::unique_ptr<Ui::Tkartexform> ui;
    bool zewnetrzny_rozmiar_ustalony = false;
    // Built after the window and ended before it.
    std::optional<TKlasaAplikacji> aplikacja_okna;
};

extern Tkartexform* kartexform;
