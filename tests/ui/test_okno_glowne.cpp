// SPDX-License-Identifier: GPL-3.0-or-later
#include "Okna_testowe.h"

#include "app/Jedna_instancja.h"

#include <QAction>
#include <QDebug>
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

// A property of a component as the forms draw it; besides Qt's own: "akcje",
// the names of a menu's items (or of the menu bar's menus) in order;
// "pozycja", a menu item's text|shortcut|hint, "-" before a separator's;
// "tab", where Tab goes from the component.
QVariant Wlasnosc(QObject* o, const char* wlasnosc)
{
    const std::string w = wlasnosc;
    if (w == "akcje") {
        QStringList nazwy;
        for (const QAction* a : qobject_cast<QWidget*>(o)->actions())
            nazwy << (a->menu() ? a->menu()->objectName() : a->objectName());
        return nazwy;
    }
    if (const auto* a = qobject_cast<QAction*>(o); a && w == "pozycja")
        return QString(a->isSeparator() ? "-" : "") + a->text() + "|" + a->shortcut().toString() + "|" + a->statusTip();
    if (w == "tab") {
        QWidget* n = qobject_cast<QWidget*>(o)->nextInFocusChain();
        while (n != o && (n->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            n = n->nextInFocusChain();
        return n->objectName();
    }
    return o->property(wlasnosc);
}

// Each window as its form draws it: caption, size, places, texts, menus,
// shortcuts, hints and Tab order.
TEST_F(Okno_glowne, EveryWindowIsAsItsFormDrawsIt)
{
    const struct {
        QWidget* okno;
        const char* nazwa; // nothing: the window itself
        const char* wlasnosc;
        QVariant wartosc;
    } cechy[] = {
        { okno.get(), "", "windowTitle", "wolumat" },
        { okno.get(), "", "frameGeometry", QRect(151, 66, 531, 467) },
        { okno.get(), "SDIAppMenu", "akcje", QStringList { "FileMenu", "Help1", "Edit1", "Wyswietl1" } },
        { okno.get(), "FileMenu", "title", "&Pliki" },
        { okno.get(), "Help1", "title", "Pomo&c" },
        { okno.get(), "Edit1", "title", "&Dane" },
        { okno.get(), "Wyswietl1", "title", "&Wyswietl" },
        { okno.get(), "FileMenu", "akcje", QStringList { "OpenItem", "SaveItem", "N1", "ExitItem" } },
        { okno.get(), "Help1", "akcje", QStringList { "About1" } },
        { okno.get(), "Edit1", "akcje", QStringList { "Nowytytul1", "Nowaksiazka1" } },
        { okno.get(), "Wyswietl1", "akcje", QStringList { "Tytuly1", "Ksiazki1" } },
        { okno.get(), "OpenItem", "pozycja", "&Otwórz|F3|Otworz plik" },
        { okno.get(), "SaveItem", "pozycja", "&Zachowaj|F2|Zachowaj bieżący plik" },
        { okno.get(), "N1", "pozycja", "-||" },
        { okno.get(), "ExitItem", "pozycja", "&Koniec|Alt+X|Koniec programu" },
        { okno.get(), "About1", "pozycja", "&O programie...||" },
        { okno.get(), "Nowytytul1", "pozycja", "Nowy &tytuł||" },
        { okno.get(), "Nowaksiazka1", "pozycja", "Nowa &książka||" },
        { okno.get(), "Tytuly1", "pozycja", "&Tytuły||" },
        { okno.get(), "Ksiazki1", "pozycja", "&Książki||" },
        { okno.get(), "SpeedPanel", "height", 30 },
        { okno.get(), "StatusBar", "height", 24 },
        // Left to right: Open, Exit, Save.
        { okno.get(), "OpenBtn", "geometry", QRect(4, 2, 25, 25) },
        { okno.get(), "ExitBtn", "geometry", QRect(42, 2, 24, 25) },
        { okno.get(), "SaveBtn", "geometry", QRect(77, 2, 23, 25) },
        { okno.get(), "OpenBtn", "toolTip", "Otwórz" },
        { okno.get(), "ExitBtn", "toolTip", "Wyjście" },
        { okno.get(), "SaveBtn", "toolTip", "Zachowaj" },
        { okno.get(), "OpenBtn", "iconSize", QSize(20, 20) },
        { okno.get(), "ExitBtn", "iconSize", QSize(20, 20) },
        { okno.get(), "SaveBtn", "iconSize", QSize(20, 20) },
        { nowy_tytul, "", "windowTitle", "Tytuły" },
        { nowy_tytul, "", "size", QSize(313, 214) },
        { nowy_tytul, "OKBtn", "tab", "CancelBtn" },
        { nowy_tytul, "CancelBtn", "tab", "edytnazwa" },
        { nowy_tytul, "edytnazwa", "tab", "edytautor" },
        { nowy_tytul, "edytautor", "tab", "edytISBN" },
        { nowy_tytul, "edytnazwa", "geometry", QRect(91, 33, 98, 21) },
        { nowy_tytul, "OKBtn", "geometry", QRect(79, 180, 75, 25) },
        { nowy_tytul, "Label1", "text", "Tytuł" },
        { nowy_tytul, "OKBtn", "default", true },
        { nowa_ksiazka, "", "windowTitle", "Książka" },
        { nowa_ksiazka, "Numer", "text", "Numer" },
        { nowa_ksiazka, "Label1", "text", "Tytul" },
        { nowa_ksiazka, "", "size", QSize(313, 215) },
        { nowa_ksiazka, "CancelBtn", "tab", "edytnum" },
        { nowa_ksiazka, "edytnum", "tab", "edyttytul" },
        { tytuly, "", "windowTitle", "Wyswietl tytuły" },
        { tytuly, "", "size", QSize(364, 284) },
        { tytuly, "StringGrid1", "geometry", QRect(32, 24, 297, 204) },
        { ksiazki, "", "windowTitle", "Wyświetl książki" },
        { ksiazki, "", "size", QSize(378, 251) },
        { ksiazki, "StringGrid1", "geometry", QRect(20, 20, 333, 143) },
        { o_programie, "", "windowTitle", "O programie" },
        { o_programie, "", "size", QSize(298, 218) },
        { o_programie, "Nazwa", "text", "Nazwa programu: Wolumat" },
        { o_programie, "Wersja", "text", "Wersja: 1a" },
        { o_programie, "OKButton", "default", true },
    };
    for (const auto& c : cechy) {
        QObject* o = *c.nazwa ? Kontrolka<QObject>(c.okno, c.nazwa) : c.okno;
        ASSERT_NE(o, nullptr);
        const QVariant jest = Wlasnosc(o, c.wlasnosc);
        QString tekst;
        QDebug(&tekst) << jest;
        EXPECT_EQ(jest, c.wartosc) << c.okno->objectName().toStdString() << " " << c.nazwa << " " << c.wlasnosc << ": "
                                   << tekst.toStdString();
    }
}

TEST_F(Okno_glowne, WindowToolBarAndStatusBarHaveTheirPlaces)
{
    EXPECT_TRUE(okno->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(okno->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Kontrolka<QFrame>(okno.get(), "SpeedPanel")->width(), okno->width());
    EXPECT_EQ(Kontrolka<QStatusBar>(okno.get(), "StatusBar")->geometry().bottom(), okno->height() - 1);

    // Placed off the screen (a small or scaled one), it is moved just onto it.
    const QRect ekran = okno->screen()->availableGeometry();
    okno->hide();
    okno->move(ekran.right() - 100, ekran.bottom() - 50);
    okno->show();
    EXPECT_TRUE(ekran.contains(okno->frameGeometry())) << "the window runs off the screen";
    EXPECT_EQ(okno->frameGeometry().bottomRight(), ekran.bottomRight());

    for (const char* nazwa : { "OpenBtn", "ExitBtn", "SaveBtn" }) {
        const auto* przycisk = Kontrolka<QToolButton>(okno.get(), nazwa);
        EXPECT_EQ(przycisk->parentWidget(), Kontrolka<QFrame>(okno.get(), "SpeedPanel"));
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
        EXPECT_FALSE(Kontrolka<QLabel>(o_programie, "Autor")->text().isEmpty());
        EXPECT_EQ(d->focusWidget(), Kontrolka<QPushButton>(o_programie, "OKButton"));
        EXPECT_FALSE(Kontrolka<QLabel>(o_programie, "ProgramIcon")->pixmap().isNull());
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible()) << "Return closes the box";
        sprawdzone = true;
    });
    EXPECT_TRUE(sprawdzone);
}

} // namespace
