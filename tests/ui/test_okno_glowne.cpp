// SPDX-License-Identifier: GPL-3.0-or-later
#include "Okna_testowe.h"

#include "app/Jedna_instancja.h"

#include <QAction>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <future>
#include <memory>
#include <thread>

namespace {

using Okno_glowne = Okna_testowe;

struct Pozycja_menu {
    const char* nazwa;
    const char* tekst;
    const char* skrot;
    const char* podpowiedz;
};

TEST_F(Okno_glowne, MenuTreeHasEveryItemCaptionShortcutAndHint)
{
    const std::vector<std::pair<const char*, const char*>> menu
        = { { "FileMenu", "&Pliki" }, { "Help1", "Pomo&c" }, { "Edit1", "&Dane" }, { "Wyswietl1", "&Wyswietl" } };
    const QList<QAction*> tytuly_menu = Kontrolka<QMenuBar>(okno.get(), "SDIAppMenu")->actions();
    ASSERT_EQ(tytuly_menu.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tytuly_menu[i]->menu()->objectName(), menu[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(tytuly_menu[i]->text(), QString::fromUtf8(menu[static_cast<std::size_t>(i)].second));
    }
    EXPECT_EQ(Kontrolka<QMenuBar>(okno.get(), "SDIAppMenu"), okno->menuBar());

    const std::vector<std::vector<Pozycja_menu>> pozycje = {
        { { "OpenItem", "&Otwórz", "F3", "Otworz plik" }, { "SaveItem", "&Zachowaj", "F2", "Zachowaj bieżący plik" },
            { "N1", "", "", "" }, { "ExitItem", "&Koniec", "Alt+X", "Koniec programu" } },
        { { "About1", "&O programie...", "", "" } },
        { { "Nowytytul1", "Nowy &tytuł", "", "" }, { "Nowaksiazka1", "Nowa &książka", "", "" } },
        { { "Tytuly1", "&Tytuły", "", "" }, { "Ksiazki1", "&Książki", "", "" } }
    };
    for (std::size_t m = 0; m < pozycje.size(); ++m) {
        const QList<QAction*> akcje = tytuly_menu[static_cast<int>(m)]->menu()->actions();
        ASSERT_EQ(static_cast<std::size_t>(akcje.size()), pozycje[m].size());
        for (std::size_t i = 0; i < pozycje[m].size(); ++i) {
            const Pozycja_menu& p = pozycje[m][i];
            const QAction* a = akcje[static_cast<int>(i)];
            EXPECT_EQ(a->objectName(), p.nazwa);
            EXPECT_EQ(a->isSeparator(), std::string(p.nazwa) == "N1");
            EXPECT_EQ(a->text(), QString::fromUtf8(p.tekst));
            EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromUtf8(p.skrot)));
            EXPECT_EQ(a->statusTip(), QString::fromUtf8(p.podpowiedz));
        }
    }
}

TEST_F(Okno_glowne, WindowToolBarAndStatusBarHaveTheirPlaces)
{
    EXPECT_EQ(okno->windowTitle(), "wolumat");
    EXPECT_EQ(okno->frameGeometry().size(), QSize(531, 467));
    EXPECT_EQ(okno->frameGeometry().topLeft(), QPoint(151, 66));
    EXPECT_TRUE(okno->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(okno->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Kontrolka<QFrame>(okno.get(), "SpeedPanel")->height(), 30);
    EXPECT_EQ(Kontrolka<QFrame>(okno.get(), "SpeedPanel")->width(), okno->width());
    EXPECT_EQ(Kontrolka<QStatusBar>(okno.get(), "StatusBar")->height(), 24);
    EXPECT_EQ(Kontrolka<QStatusBar>(okno.get(), "StatusBar")->geometry().bottom(), okno->height() - 1);

    // Placed off the screen (a small or scaled one), it is moved just onto it.
    const QRect ekran = okno->screen()->availableGeometry();
    okno->hide();
    okno->move(ekran.right() - 100, ekran.bottom() - 50);
    okno->show();
    EXPECT_TRUE(ekran.contains(okno->frameGeometry())) << "the window runs off the screen";
    EXPECT_EQ(okno->frameGeometry().bottomRight(), ekran.bottomRight());

    // Left to right: Open, Exit, Save.
    const std::vector<std::tuple<QToolButton*, QRect, QString>> przyciski
        = { { Kontrolka<QToolButton>(okno.get(), "OpenBtn"), QRect(4, 2, 25, 25), QStringLiteral("Otwórz") },
              { Kontrolka<QToolButton>(okno.get(), "ExitBtn"), QRect(42, 2, 24, 25), QStringLiteral("Wyjście") },
              { Kontrolka<QToolButton>(okno.get(), "SaveBtn"), QRect(77, 2, 23, 25), QStringLiteral("Zachowaj") } };
    for (const auto& [przycisk, miejsce, podpowiedz] : przyciski) {
        EXPECT_EQ(przycisk->parentWidget(), Kontrolka<QFrame>(okno.get(), "SpeedPanel"));
        EXPECT_EQ(przycisk->geometry(), miejsce);
        EXPECT_EQ(przycisk->toolTip(), podpowiedz);
        EXPECT_EQ(przycisk->iconSize(), QSize(20, 20));
        EXPECT_FALSE(przycisk->icon().isNull());
    }
}

TEST_F(Okno_glowne, StatusBarShowsLongHintOfControlUnderPointerAndHighlightedItem)
{
    auto status = [this] { return Kontrolka<QStatusBar>(okno.get(), "StatusBar")->currentMessage(); };
    QTest::mouseMove(Kontrolka<QToolButton>(okno.get(), "OpenBtn"));
    EXPECT_EQ(status(), "Otwórz");
    QTest::mouseMove(Kontrolka<QToolButton>(okno.get(), "SaveBtn"));
    EXPECT_EQ(status(), "Zachowaj");
    QTest::mouseMove(Kontrolka<QToolButton>(okno.get(), "ExitBtn"));
    EXPECT_EQ(status(), "");
    QTest::mouseMove(Kontrolka<QToolButton>(okno.get(), "OpenBtn"));
    QTest::mouseMove(Kontrolka<QFrame>(okno.get(), "SpeedPanel"), QPoint(300, 15));
    EXPECT_EQ(status(), "");

    // Menus opened as a user opens them: the access key, then the arrows.
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get()));
    auto otworz = [this](Qt::Key klawisz, const char* nazwa) {
        QTest::keyClick(okno.get(), klawisz, Qt::AltModifier);
        QMenu* menu = Kontrolka<QMenu>(okno.get(), nazwa);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) << nazwa;
        return menu;
    };
    // The pointer rests on a tool button, which the opened menu takes it
    // from: the item's hint stands all the same.
    QTest::mouseMove(Kontrolka<QToolButton>(okno.get(), "OpenBtn"));
    QMenu* pliki = otworz(Qt::Key_P, "FileMenu");
    QEvent opuszczenie(QEvent::Leave);
    QApplication::sendEvent(Kontrolka<QToolButton>(okno.get(), "OpenBtn"), &opuszczenie);
    for (const char* tekst : { "Otworz plik", "Zachowaj bieżący plik", "Koniec programu" }) {
        if (std::string(tekst) != "Otworz plik")
            QTest::keyClick(pliki, Qt::Key_Down);
        EXPECT_EQ(status(), QString::fromUtf8(tekst));
    }
    QTest::keyClick(pliki, Qt::Key_Escape);
    EXPECT_FALSE(pliki->isVisible());
    EXPECT_EQ(status(), "") << "a closed menu, its title still highlighted";
    QTest::keyClick(Kontrolka<QMenuBar>(okno.get(), "SDIAppMenu"), Qt::Key_Escape);

    QMenu* dane = otworz(Qt::Key_D, "Edit1");
    EXPECT_EQ(dane->activeAction(), Kontrolka<QAction>(okno.get(), "Nowytytul1"));
    EXPECT_EQ(status(), "");
    QTest::keyClick(dane, Qt::Key_Escape);
    QTest::keyClick(Kontrolka<QMenuBar>(okno.get(), "SDIAppMenu"), Qt::Key_Escape);

    // With the pointer: an item, then a menu title in the menu bar.
    auto* pasek = Kontrolka<QMenuBar>(okno.get(), "SDIAppMenu");
    QTest::mouseClick(pasek, Qt::LeftButton, {}, pasek->actionGeometry(pliki->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([pliki] { return pliki->isVisible(); }, 2000));
    QTest::mouseMove(pliki, pliki->actionGeometry(Kontrolka<QAction>(okno.get(), "SaveItem")).center());
    EXPECT_EQ(status(), "Zachowaj bieżący plik");
    QTest::mouseMove(pasek, pasek->actionGeometry(Kontrolka<QMenu>(okno.get(), "Help1")->menuAction()).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return status().isEmpty(); }, 2000)) << "a menu title has no hint";
    if (QWidget* otwarte = QApplication::activePopupWidget())
        otwarte->close();
    EXPECT_EQ(status(), "");
}

// A start while the first Wolumat in the folder is ending gets a window of
// its own: the ending one takes no request, and one that takes a request and
// closes without an answer does not count as a window that came forward.
TEST_F(Okno_glowne, AStartWhileTheFirstIsEndingMakesItsOwnWindow)
{
    {
        Jedna_instancja pierwsza;
        ASSERT_FALSE(pierwsza.Przekazano_dzialajacej());
        QObject::connect(okno.get(), &Tkartexform::Konczenie, &pierwsza, &Jedna_instancja::Przestan_sluchac);
        Kontrolka<QAction>(okno.get(), "ExitItem")->trigger();
        EXPECT_FALSE(Jedna_instancja().Przekazano_dzialajacej()) << "the ending Wolumat took the request";
    }
    // The request taken, the connection closed with no answer.
    std::promise<bool> slucha;
    const std::jthread konczacy([&slucha, nazwa = Jedna_instancja().Nazwa()] {
        QLocalServer serwer;
        serwer.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        slucha.set_value(serwer.listen(nazwa));
        for (int i = 0; i < 3 && serwer.waitForNewConnection(5000); ++i)
            std::unique_ptr<QLocalSocket>(serwer.nextPendingConnection())->waitForReadyRead(2000);
    });
    ASSERT_TRUE(slucha.get_future().get());
    EXPECT_FALSE(Jedna_instancja().Przekazano_dzialajacej()) << "a closed connection taken for a window";
}

TEST_F(Okno_glowne, ShortcutsRunSaveOpenAndExitWithoutTheMenu)
{
    App().Dodaj_tytul("Stary dom", "Anonim", "83-01-00001-5");
    okno->activateWindow();
    QTest::keyClick(okno.get(), Qt::Key_F2);
    ASSERT_TRUE(std::filesystem::exists("proba1.txt"));
    EXPECT_FALSE(Kontrolka<QMenu>(okno.get(), "FileMenu")->isVisible());
    App().Dodaj_tytul("Drugi", "X", "2");

    QTest::keyClick(okno.get(), Qt::Key_F3);
    EXPECT_EQ(App().tytuly.Podaj_liczbe(), 1);
    EXPECT_EQ(Czytaj_bajty("proba2.txt"), Czytaj_bajty("proba1.txt"));

    QTest::keyClick(okno.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(okno->isVisible());
    EXPECT_EQ(App().tytuly.Podaj_liczbe(), 0);
}

TEST_F(Okno_glowne, OpenWithoutDataFileEmptiesEverything)
{
    App().Dodaj_tytul("a", "b", "c");
    Kontrolka<QToolButton>(okno.get(), "OpenBtn")->click();
    EXPECT_EQ(App().tytuly.Podaj_liczbe(), 0);
    EXPECT_TRUE(std::filesystem::exists("proba2.txt"));
    EXPECT_EQ(Lista_tytulow(), std::vector<QString> { "L.p.|Tytuł|Autor|ISBN" });
}

TEST_F(Okno_glowne, ClosingThroughTheFrameSavesNothing)
{
    App().Dodaj_tytul("a", "b", "c");
    okno->close();
    EXPECT_FALSE(std::filesystem::exists("proba1.txt"));
    // Closing asks nothing and saves nothing: the catalogue is still held,
    // to be released with the application object.
    EXPECT_EQ(App().tytuly.Podaj_liczbe(), 1);
}

TEST_F(Okno_glowne, FailingCommandShowsMessageAndProgramGoesOn)
{
    Nowy_tytul("Lalka", "Prus", "1");
    Nowa_ksiazka("abc", "Lalka");
    EXPECT_EQ(Zabierz_bledy(), std::vector<QString> { QStringLiteral("„abc” nie jest poprawną liczbą całkowitą") });
    EXPECT_EQ(App().pozycje.Podaj_liczbe(), 0);
    // The next command runs normally.
    Nowa_ksiazka("7", "Lalka");
    EXPECT_EQ(App().pozycje.Podaj_liczbe(), 1);
    EXPECT_TRUE(okno->isVisible());
}

TEST_F(Okno_glowne, AboutBoxOpensModallyWithOkFocusedAndDefault)
{
    bool sprawdzone = false;
    Po_poleceniu("About1", o_programie, [&](QDialog* d) {
        EXPECT_EQ(d, o_programie);
        EXPECT_EQ(d->windowTitle(), "O programie");
        EXPECT_EQ(Kontrolka<QLabel>(o_programie, "Nazwa")->text(), "Nazwa programu: Wolumat");
        EXPECT_EQ(Kontrolka<QLabel>(o_programie, "Wersja")->text(), "Wersja: 1a");
        EXPECT_FALSE(Kontrolka<QLabel>(o_programie, "Autor")->text().isEmpty());
        EXPECT_EQ(d->size(), QSize(298, 218));
        EXPECT_TRUE(Kontrolka<QPushButton>(o_programie, "OKButton")->isDefault());
        EXPECT_EQ(d->focusWidget(), Kontrolka<QPushButton>(o_programie, "OKButton"));
        EXPECT_FALSE(Kontrolka<QLabel>(o_programie, "ProgramIcon")->pixmap().isNull());
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible()) << "Return closes the box";
        sprawdzone = true;
    });
    EXPECT_TRUE(sprawdzone);
}

} // namespace
