// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/About.h"
#include "app/kartxform.h"
#include "dialogs/nowaks.h"
#include "dialogs/nowytyt.h"
#include "dialogs/wysks.h"
#include "dialogs/wystyt.h"
#include "tests/support/Katalog_tymczasowy.h"
#include "toolkit/Siatka_tekstow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Texts in failure messages as text.
inline void PrintTo(const QString& tekst, std::ostream* os)
{
    *os << '"' << tekst.toStdString() << '"';
}

// A window's component by its object name; the test fails where it is missing.
template <class T> T* Kontrolka(const QObject* okno, const char* nazwa)
{
    T* kontrolka = okno->findChild<T*>(QString::fromLatin1(nazwa));
    EXPECT_NE(kontrolka, nullptr) << "no component " << nazwa;
    return kontrolka;
}

// Types text into a widget as key presses, any Unicode letters included.
void Wpisz(QWidget* kontrolka, const QString& tekst);

// The program's six windows, created as the entry function creates them, in
// a temporary working directory; error boxes are caught, not shown.
class Okna_testowe : public ::testing::Test {
protected:
    Okna_testowe();
    ~Okna_testowe() override;

    TKlasaAplikacji& App() { return okno->Aplikacja(); }

    // Runs `dzialanie` on the next modal dialog once it is shown, then lets
    // the test's call that opened it return when the dialog closes. Another
    // dialog than `oczekiwany`, or none within ten seconds, fails the test;
    // a dialog left open is closed.
    void Gdy_otwarty(QDialog* oczekiwany, std::function<void(QDialog*)> dzialanie);
    // The same, for the dialog that the main window's command opens.
    void Po_poleceniu(const char* polecenie, QDialog* oczekiwany, std::function<void(QDialog*)> dzialanie)
    {
        Gdy_otwarty(oczekiwany, std::move(dzialanie));
        Kontrolka<QAction>(okno.get(), polecenie)->trigger();
    }

    // The New title command with the three texts typed, confirmed with Enter.
    void Nowy_tytul(const QString& nazwa, const QString& autor, const QString& isbn);
    void Nowa_ksiazka(const QString& numer, const QString& tytul);
    // The list dialogs' grid rows as texts joined by "|", read while shown.
    std::vector<QString> Lista_tytulow();
    std::vector<QString> Lista_ksiazek();
    std::vector<QString> Lista(QAction* polecenie, const Siatka_tekstow* siatka, Qt::Key zamkniecie);

    // The error boxes shown so far, taken: a test that expects some checks
    // them this way; any left at the test's end fail it.
    std::vector<QString> Zabierz_bledy() { return std::exchange(bledy, {}); }

    Katalog_tymczasowy katalog;
    std::vector<QString> bledy;
    int czekajace = 0; // actions of Gdy_otwarty not run yet
    std::unique_ptr<Tkartexform> okno;
    // Owned by the main window, their Qt parent.
    TAboutBox* o_programie = nullptr;
    TOKTytulDlg* nowy_tytul = nullptr;
    TOKWystytulyDlg* tytuly = nullptr;
    TOKKsiazkaDlg* nowa_ksiazka = nullptr;
    TOKWysKsiazkiDlg* ksiazki = nullptr;
};
