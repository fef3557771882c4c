// SPDX-License-Identifier: GPL-3.0-or-later
// The lists as a reader uses them: whole texts of clipped cells, copying
// rows out, finding by typing, and the busy cursor.

#include "Okna_testowe.h"

#include "toolkit/Kursor_zajetosci.h"
#include "toolkit/Obsluga_bledow.h"

#include <QClipboard>
#include <QCursor>
#include <QHelpEvent>
#include <QMimeData>
#include <QTest>
#include <QToolTip>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <type_traits>
#include <unistd.h>

namespace {

using Listy = Okna_testowe;

// The row whose cell in the column reads as given; -1 when none does.
int Wiersz(const Siatka_tekstow* siatka, int kolumna, const QString& tekst)
{
    for (int w = 0; w < siatka->RowCount(); ++w)
        if (siatka->Cells(kolumna, w) == tekst)
            return w;
    return -1;
}

// What another program reads from the clipboard: its UTF-8 text.
QString Schowek()
{
    const QMimeData* dane = QApplication::clipboard()->mimeData();
    return dane ? QString::fromUtf8(dane->data(QStringLiteral("text/plain"))) : QString();
}

TEST_F(Listy, ClippedCellsShowTheirWholeTextAsATooltip)
{
    Nowy_tytul("Pan Tadeusz", "Żółkiewski", "83-1");
    Nowy_tytul("Lalka", "Prus", "83-2");
    Po_poleceniu("Tytuly1", tytuly, [&](QDialog*) {
        auto* siatka = Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1");
        const int pan = Wiersz(siatka, 1, "Pan Tadeusz");
        const int lalka = Wiersz(siatka, 1, "Lalka");
        ASSERT_GT(pan, 0);
        ASSERT_GT(lalka, 0);
        EXPECT_EQ(siatka->Tekst_przyciety(siatka->model()->index(pan, 1)), "Pan Tadeusz");
        EXPECT_EQ(siatka->Tekst_przyciety(siatka->model()->index(pan, 2)), "Żółkiewski");
        EXPECT_EQ(siatka->Tekst_przyciety(siatka->model()->index(lalka, 1)), "");
        EXPECT_EQ(siatka->Tekst_przyciety(siatka->model()->index(lalka, 3)), "");

        // Through the view's own tooltip event.
        const QRect komorka = siatka->visualRect(siatka->model()->index(pan, 1));
        QHelpEvent pomoc(QEvent::ToolTip, komorka.center(), siatka->viewport()->mapToGlobal(komorka.center()));
        QApplication::sendEvent(siatka->viewport(), &pomoc);
        EXPECT_EQ(QToolTip::text(), "Pan Tadeusz");
        const QRect mala = siatka->visualRect(siatka->model()->index(lalka, 1));
        QHelpEvent brak(QEvent::ToolTip, mala.center(), siatka->viewport()->mapToGlobal(mala.center()));
        QApplication::sendEvent(siatka->viewport(), &brak);
        EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::text().isEmpty(); }, 2000))
            << "a cell that fits hides the tooltip";

        // Reached by the keyboard, from the row above.
        siatka->setCurrentIndex(siatka->model()->index(pan - 1, 1));
        QTest::keyClick(siatka, Qt::Key_Down);
        EXPECT_EQ(siatka->currentIndex().row(), pan);
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), "Pan Tadeusz");

        // Again, with the pointer resting where the tip opens by default. A
        // window opened under the pointer takes it: the grid hears it leave,
        // as the window system tells it. The tip stays a second on.
        QToolTip::hideText();
        siatka->setCurrentIndex(siatka->model()->index(pan - 1, 1));
        QCursor::setPos(siatka->viewport()->mapToGlobal(komorka.bottomLeft()) + QPoint(8, 22));
        QTest::keyClick(siatka, Qt::Key_Down);
        const QWidgetList okna = QApplication::topLevelWidgets();
        for (QWidget* dymek : okna)
            if (dymek->isVisible() && dymek->objectName() == "qtooltip_label"
                && dymek->frameGeometry().contains(QCursor::pos())) {
                QEvent wyjscie(QEvent::Leave);
                QApplication::sendEvent(siatka->viewport(), &wyjscie);
            }
        QTest::qWait(1000);
        EXPECT_TRUE(QToolTip::isVisible()) << "the tip closed under the resting pointer";
        EXPECT_EQ(QToolTip::text(), "Pan Tadeusz");
    });
}

TEST_F(Listy, CopyTakesTheCurrentRowOrEverySelectedRowAsUtf8Lines)
{
    Nowy_tytul("Łódź nocą", "Żółkiewski", "ĄĘ-1");
    Nowy_tytul("Lalka", "Prus", "83-2");
    Nowy_tytul("Quo vadis", "Sienkiewicz", "83-3");
    Nowa_ksiazka("7", "Łódź nocą");
    Po_poleceniu("Tytuly1", tytuly, [&](QDialog*) {
        auto* siatka = Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1");
        siatka->setFocus();
        siatka->setCurrentIndex(siatka->model()->index(2, 2));
        QTest::keyClick(siatka, Qt::Key_Down);
        QApplication::clipboard()->clear();
        QTest::keySequence(siatka, QKeySequence::Copy);
        EXPECT_EQ(Schowek(), "3\tŁódź nocą\tŻółkiewski\tĄĘ-1\n");

        // A click on the header row, then two rows down with Shift: three rows in order.
        QTest::mouseClick(siatka->viewport(), Qt::LeftButton, Qt::NoModifier,
            siatka->visualRect(siatka->model()->index(0, 1)).center());
        QTest::keyClick(siatka, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(siatka, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keySequence(siatka, QKeySequence::Copy);
        EXPECT_EQ(Schowek(), "L.p.\tTytuł\tAutor\tISBN\n1\tLalka\tPrus\t83-2\n2\tQuo vadis\tSienkiewicz\t83-3\n");
    });

    Po_poleceniu("Ksiazki1", ksiazki, [&](QDialog*) {
        auto* siatka = Kontrolka<Siatka_tekstow>(ksiazki, "StringGrid1");
        siatka->setFocus();
        QTest::keyClick(siatka, Qt::Key_Home, Qt::ControlModifier);
        QTest::keySequence(siatka, QKeySequence::Copy);
        EXPECT_EQ(Schowek(), "1\t7\tŁódź nocą\tŻółkiewski\tĄĘ-1\n");
    });
}

// Every key that moves the current row moves the highlight with it, and
// Copy takes exactly what is highlighted.
TEST_F(Listy, CopyTakesWhatIsHighlightedAfterEveryKeyThatMoves)
{
    for (const char* nazwa : { "Dziady", "Chlopi", "Bajki", "Ferdydurke", "Emancypantki" })
        Nowy_tytul(QString::fromUtf8(nazwa), "A", QString::fromUtf8(nazwa));
    struct Krok {
        Qt::Key klawisz;
        Qt::KeyboardModifiers modyfikatory;
        const char* skopiowane;
    };
    const Krok kroki[] = {
        { Qt::Key_Down, Qt::NoModifier, "2\tChlopi\tA\tChlopi\n" },
        { Qt::Key_Down, Qt::NoModifier, "3\tDziady\tA\tDziady\n" },
        { Qt::Key_End, Qt::ControlModifier, "5\tFerdydurke\tA\tFerdydurke\n" },
        { Qt::Key_Home, Qt::ControlModifier, "1\tBajki\tA\tBajki\n" },
        { Qt::Key_Down, Qt::ControlModifier, "2\tChlopi\tA\tChlopi\n" },
        { Qt::Key_PageDown, Qt::ShiftModifier,
            "2\tChlopi\tA\tChlopi\n3\tDziady\tA\tDziady\n4\tEmancypantki\tA\tEmancypantki\n"
            "5\tFerdydurke\tA\tFerdydurke\n" },
        { Qt::Key_PageUp, Qt::NoModifier, "L.p.\tTytuł\tAutor\tISBN\n" },
        { Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier,
            "L.p.\tTytuł\tAutor\tISBN\n1\tBajki\tA\tBajki\n2\tChlopi\tA\tChlopi\n3\tDziady\tA\tDziady\n"
            "4\tEmancypantki\tA\tEmancypantki\n5\tFerdydurke\tA\tFerdydurke\n" },
        { Qt::Key_E, Qt::NoModifier, "4\tEmancypantki\tA\tEmancypantki\n" },
        { Qt::Key_Home, Qt::NoModifier, "4\tEmancypantki\tA\tEmancypantki\n" }, // to column 0
        { Qt::Key_Down, Qt::ShiftModifier, "4\tEmancypantki\tA\tEmancypantki\n5\tFerdydurke\tA\tFerdydurke\n" },
        { Qt::Key_Up, Qt::NoModifier, "4\tEmancypantki\tA\tEmancypantki\n" },
        { Qt::Key_Space, Qt::ControlModifier, "poprzedni" }, // nothing highlighted: the clipboard stays
        { Qt::Key_Down, Qt::NoModifier, "5\tFerdydurke\tA\tFerdydurke\n" },
        { Qt::Key_Tab, Qt::NoModifier, "poprzedni" }, // on to the OK button, which copies nothing
        { Qt::Key_Backtab, Qt::ShiftModifier, "5\tFerdydurke\tA\tFerdydurke\n" },
        { Qt::Key_Tab, Qt::ControlModifier, "poprzedni" },
    };
    Po_poleceniu("Tytuly1", tytuly, [&](QDialog*) {
        auto* siatka = Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1");
        for (const Krok& krok : kroki) {
            const std::string opis = QKeySequence(krok.klawisz | krok.modyfikatory).toString().toStdString();
            QApplication::clipboard()->setText("poprzedni");
            QTest::keyClick(QApplication::focusWidget(), krok.klawisz, krok.modyfikatory);
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
            EXPECT_EQ(Schowek(), QString::fromUtf8(krok.skopiowane)) << opis;
            // The highlight is what Copy takes: whole rows.
            for (const QModelIndex& komorka : siatka->selectionModel()->selectedIndexes())
                EXPECT_TRUE(siatka->selectionModel()->isRowSelected(komorka.row())) << opis << ": a part of a row";
        }
    });
}

TEST_F(Listy, TypingFindsTheFirstNameOrNumberThatStartsSo)
{
    for (const char* nazwa : { "Quo vadis", "Ogniem i mieczem", "Żywoty", "Ostatni", "Lalka" })
        Nowy_tytul(QString::fromUtf8(nazwa), "A", QString::fromUtf8(nazwa));
    for (const char* numer : { "120", "5", "12", "7" })
        Nowa_ksiazka(numer, "Lalka");
    const int przerwa = QApplication::keyboardInputInterval() + 100;
    Po_poleceniu("Tytuly1", tytuly, [&](QDialog*) {
        auto* siatka = Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1");
        siatka->setFocus();
        Wpisz(siatka, "Og");
        EXPECT_EQ(siatka->Cells(1, siatka->currentIndex().row()), "Ogniem i mieczem");
        QTest::qWait(przerwa); // a pause starts a new search
        Wpisz(siatka, "Ż");
        EXPECT_EQ(siatka->Cells(1, siatka->currentIndex().row()), "Żywoty");
        QTest::qWait(przerwa);
        Wpisz(siatka, "o");
        EXPECT_EQ(siatka->Cells(1, siatka->currentIndex().row()), "Ogniem i mieczem");
    });

    Po_poleceniu("Ksiazki1", ksiazki, [&](QDialog*) {
        auto* siatka = Kontrolka<Siatka_tekstow>(ksiazki, "StringGrid1");
        siatka->setFocus();
        Wpisz(siatka, "12");
        EXPECT_EQ(siatka->Cells(1, siatka->currentIndex().row()), "12");
        EXPECT_EQ(siatka->currentIndex().row(), 3); // 5, 7, 12, 120
    });
}

// Each list opens with the keyboard on its grid, on the first row below the
// header (the header row when the catalogue is empty): the keys below go to
// whatever has the focus, with no Tab before them.
TEST_F(Listy, EachListOpensWithTheKeyboardOnTheFirstRow)
{
    struct Lista {
        const char* polecenie;
        QDialog* dialog;
        QString pierwszy_wiersz;
        QString drugi;
        Qt::Key zamkniecie;
    };
    auto wyslij = [](auto klawisz) {
        QWidget* cel = QApplication::focusWidget();
        ASSERT_NE(cel, nullptr);
        if constexpr (std::is_same_v<decltype(klawisz), QKeySequence::StandardKey>)
            QTest::keySequence(cel, klawisz);
        else
            QTest::keyClick(cel, klawisz);
    };
    auto sprawdz = [&](const Lista& lista, int wiersz) {
        Po_poleceniu(lista.polecenie, lista.dialog, [&](QDialog* d) {
            auto* siatka = Kontrolka<Siatka_tekstow>(lista.dialog, "StringGrid1");
            EXPECT_EQ(QApplication::focusWidget(), siatka) << lista.polecenie;
            EXPECT_EQ(siatka->currentIndex().row(), wiersz) << lista.polecenie;
            if (wiersz == 1) {
                QApplication::clipboard()->clear();
                wyslij(QKeySequence::Copy);
                EXPECT_EQ(Schowek(), lista.pierwszy_wiersz);
                wyslij(Qt::Key_Down);
                wyslij(QKeySequence::Copy);
                EXPECT_EQ(Schowek(), lista.drugi);
            }
            // Tab and Shift+Tab go round the grid and the buttons; where the
            // focus is shows: on OK, the default button anyway, and on the
            // grid's highlighted row (away from its current cell).
            auto* ok = Kontrolka<QPushButton>(lista.dialog, "OKBtn");
            const QPoint w_wierszu
                = siatka->visualRect(siatka->model()->index(siatka->currentIndex().row(), 2)).center();
            const QImage ok_bez = ok->grab().toImage();
            const QRgb wiersz_z = siatka->viewport()->grab().toImage().pixel(w_wierszu);
            wyslij(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), ok) << lista.polecenie;
            EXPECT_NE(ok->grab().toImage(), ok_bez) << lista.polecenie << ": OK looks the same with the focus";
            EXPECT_NE(siatka->viewport()->grab().toImage().pixel(w_wierszu), wiersz_z)
                << lista.polecenie << ": the grid looks the same without the focus";
            wyslij(Qt::Key_Backtab);
            EXPECT_EQ(QApplication::focusWidget(), siatka) << lista.polecenie;
            wyslij(lista.zamkniecie);
            EXPECT_FALSE(d->isVisible()) << lista.polecenie << ": the key closes the list";
        });
    };
    const Lista listy[] = {
        { "Tytuly1", tytuly, "1\tLalka\tPrus\t83-2\n", "2\tPotop\tSienkiewicz\t83-3\n", Qt::Key_Return },
        { "Ksiazki1", ksiazki, "1\t5\tLalka\tPrus\t83-2\n", "2\t7\tPotop\tSienkiewicz\t83-3\n", Qt::Key_Escape },
    };
    for (const Lista& lista : listy)
        sprawdz(lista, 0);
    Nowy_tytul("Potop", "Sienkiewicz", "83-3");
    Nowy_tytul("Lalka", "Prus", "83-2");
    Nowa_ksiazka("7", "Potop");
    Nowa_ksiazka("5", "Lalka");
    for (int raz = 0; raz < 2; ++raz) // each showing, not only the first
        for (const Lista& lista : listy)
            sprawdz(lista, 1);
}

// The busy cursor shows while Save and Open run, and goes on every path.
TEST_F(Listy, TheBusyCursorIsRestoredOnEveryPath)
{
    Obsluga_bledow::Wykonaj_polecenie(nullptr, [] {
        const Kursor_zajetosci zajetosc;
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
        throw std::runtime_error("przerwane");
    });
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Zabierz_bledy().size(), 1u);

    Nowy_tytul("Lalka", "Prus", "1");
    Kontrolka<QAction>(okno.get(), "SaveItem")->trigger();
    // Another program's lock on the file (a second name makes Save write in
    // place) holds each command long enough for a look at the cursor, taken
    // while the command waits; then the lock goes.
    std::filesystem::create_hard_link("proba1.txt", "druga_nazwa.txt");
    for (const char* polecenie : { "SaveItem", "OpenItem" }) {
        const int fd = ::open("proba1.txt", O_RDWR | O_CLOEXEC);
        struct flock blokada { };
        blokada.l_type = F_WRLCK;
        ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &blokada), 0);
        Qt::CursorShape widziany = Qt::ArrowCursor;
        std::thread patrzacy([&] {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const QCursor* kursor = QGuiApplication::overrideCursor();
            widziany = kursor != nullptr ? kursor->shape() : Qt::ArrowCursor;
            ::close(fd);
        });
        Kontrolka<QAction>(okno.get(), polecenie)->trigger();
        patrzacy.join();
        EXPECT_EQ(widziany, Qt::WaitCursor) << polecenie;
    }
    EXPECT_EQ(Lista_tytulow().size(), 2u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
