// SPDX-License-Identifier: GPL-3.0-or-later
// No key pressed by habit or by mistake on the main window runs a command:
// only the menu, its access keys and the shortcuts do.

#include "Okna_testowe.h"

#include <QTest>

#include <filesystem>

namespace {

using Klawisze = Okna_testowe;

// Keys a hand may press by habit or by mistake, as key sequences: "Tab,
// Space" is Tab, then Space.
const char* const nawykowe[] = { "Space", "Enter", "Return", "Backspace", "Del", "Esc", "O", "2", "Tab, Space",
    "Tab, Tab, Space", "Backtab, Space", "F1", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12" };

TEST_F(Klawisze, NoStrayKeyOnTheMainWindowRunsACommand)
{
    auto zamknij = [this](QDialog* dialog, Qt::Key klawisz) {
        Gdy_otwarty(dialog, [klawisz](QDialog* d) {
            QTest::keyClick(d, klawisz);
            EXPECT_FALSE(d->isVisible()) << "the key closes " << d->objectName().toStdString();
        });
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
        for (const char* n : nawykowe) {
            przygotuj();
            okno->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(okno.get())) << chwila << ", " << n;
            const auto tytuly = App().tytuly.Podaj_liczbe();
            const auto pozycje = App().pozycje.Podaj_liczbe();
            const QKeySequence klawisze(QString::fromLatin1(n));
            EXPECT_GT(klawisze.count(), 0) << n;
            for (int i = 0; i < klawisze.count(); ++i) {
                // A key goes to whatever holds the keyboard.
                QWidget* cel = QApplication::focusWidget() ? QApplication::focusWidget() : okno.get();
                QTest::keyClick(cel, klawisze[i].key(), klawisze[i].keyboardModifiers());
            }
            // A menu that a key opened is closed, as the next key would.
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
            EXPECT_EQ(App().tytuly.Podaj_liczbe(), tytuly) << chwila << ", " << n << ": Open ran";
            EXPECT_EQ(App().pozycje.Podaj_liczbe(), pozycje) << chwila << ", " << n;
            EXPECT_FALSE(std::filesystem::exists("proba1.txt")) << chwila << ", " << n << ": Save ran";
            EXPECT_FALSE(std::filesystem::exists("proba2.txt")) << chwila << ", " << n << ": Open ran";
            EXPECT_TRUE(okno->isVisible()) << chwila << ", " << n << ": Exit ran";
            okno->show(); // for the next case
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
