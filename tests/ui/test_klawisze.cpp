// SPDX-License-Identifier: GPL-3.0-or-later
// No key pressed by habit or by mistake on the main window runs a command:
// only the menu, its access keys and the shortcuts do.

#include "Okna_testowe.h"

#include <QTest>

#include <filesystem>

namespace {

using Klawisze = Okna_testowe;

struct Nacisniecia {
    const char* opis;
    std::vector<Qt::Key> klawisze;
};

const Nacisniecia nawykowe[] = {
    { "Space", { Qt::Key_Space } },
    { "Enter", { Qt::Key_Enter } },
    { "Return", { Qt::Key_Return } },
    { "Backspace", { Qt::Key_Backspace } },
    { "Delete", { Qt::Key_Delete } },
    { "Esc", { Qt::Key_Escape } },
    { "a letter", { Qt::Key_O } },
    { "a digit", { Qt::Key_2 } },
    { "Tab Space", { Qt::Key_Tab, Qt::Key_Space } },
    { "Tab Tab Space", { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space } },
    { "Shift+Tab Space", { Qt::Key_Backtab, Qt::Key_Space } },
    { "F1", { Qt::Key_F1 } },
    { "F4", { Qt::Key_F4 } },
    { "F5", { Qt::Key_F5 } },
    { "F6", { Qt::Key_F6 } },
    { "F7", { Qt::Key_F7 } },
    { "F8", { Qt::Key_F8 } },
    { "F9", { Qt::Key_F9 } },
    { "F10", { Qt::Key_F10 } },
    { "F11", { Qt::Key_F11 } },
    { "F12", { Qt::Key_F12 } },
};

TEST_F(Klawisze, NoStrayKeyOnTheMainWindowRunsACommand)
{
    auto zamknij = [this](QDialog* dialog, Qt::Key klawisz) {
        Gdy_otwarty(dialog, [klawisz](QDialog* d) { QTest::keyClick(d, klawisz); });
    };
    // Where the main window stands when a hand reaches for the keyboard.
    const std::vector<std::pair<const char*, std::function<void()>>> chwile = {
        { "right after start-up", [] {} },
        { "after OK in New title", [this] { Nowy_tytul("Lalka", "Prus", "83-1"); } },
        { "after Esc in New title",
            [&] {
                zamknij(nowy_tytul, Qt::Key_Escape);
                Kontrolka<QAction>(okno.get(), "Nowytytul1")->trigger();
            } },
        { "after OK in New book", [this] { Nowa_ksiazka("7", "Lalka"); } },
        { "after Esc in New book",
            [&] {
                zamknij(nowa_ksiazka, Qt::Key_Escape);
                Kontrolka<QAction>(okno.get(), "Nowaksiazka1")->trigger();
            } },
        { "after OK in About",
            [&] {
                zamknij(o_programie, Qt::Key_Return);
                Kontrolka<QAction>(okno.get(), "About1")->trigger();
            } },
        { "after Esc in About",
            [&] {
                zamknij(o_programie, Qt::Key_Escape);
                Kontrolka<QAction>(okno.get(), "About1")->trigger();
            } },
        { "after the titles list", [this] { Lista_tytulow(); } },
        { "after the books list", [this] { Lista_ksiazek(); } },
    };
    App().Dodaj_tytul("Potop", "Sienkiewicz", "83-2");
    for (const auto& [chwila, przygotuj] : chwile) {
        for (const Nacisniecia& n : nawykowe) {
            przygotuj();
            okno->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get())) << chwila;
            const auto tytuly = App().tytuly.Podaj_liczbe();
            const auto pozycje = App().pozycje.Podaj_liczbe();
            for (const Qt::Key klawisz : n.klawisze) {
                // A key goes to whatever holds the keyboard.
                QWidget* cel = QApplication::focusWidget() ? QApplication::focusWidget() : okno.get();
                QTest::keyClick(cel, klawisz);
            }
            // A menu that a key opened is closed, as the next key would.
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
            EXPECT_EQ(App().tytuly.Podaj_liczbe(), tytuly) << chwila << ", " << n.opis << ": Open ran";
            EXPECT_EQ(App().pozycje.Podaj_liczbe(), pozycje) << chwila << ", " << n.opis;
            EXPECT_FALSE(std::filesystem::exists("proba1.txt")) << chwila << ", " << n.opis << ": Save ran";
            EXPECT_FALSE(std::filesystem::exists("proba2.txt")) << chwila << ", " << n.opis << ": Open ran";
            ASSERT_TRUE(okno->isVisible()) << chwila << ", " << n.opis << ": Exit ran";
        }
    }

    // The deliberate ways still work: the access keys of the menu, then the
    // shortcuts.
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get()));
    QTest::keyClick(okno.get(), Qt::Key_P, Qt::AltModifier);
    QMenu* pliki = Kontrolka<QMenu>(okno.get(), "FileMenu");
    ASSERT_TRUE(QTest::qWaitFor([pliki] { return pliki->isVisible(); }, 2000)) << "Alt+P opens the file menu";
    QTest::keyClick(pliki, Qt::Key_Z);
    EXPECT_TRUE(std::filesystem::exists("proba1.txt")) << "Alt+P, Z saves";
    std::filesystem::remove("proba1.txt");
    QTest::keyClick(okno.get(), Qt::Key_F2);
    EXPECT_TRUE(std::filesystem::exists("proba1.txt")) << "F2 saves";
    QTest::keyClick(okno.get(), Qt::Key_F3);
    EXPECT_TRUE(std::filesystem::exists("proba2.txt")) << "F3 opens";
    QTest::keyClick(okno.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(okno->isVisible()) << "Alt+X ends";
}

} // namespace
