// SPDX-License-Identifier: GPL-3.0-or-later
#include "Okna_testowe.h"

#include "toolkit/Konwersje.h"
#include "toolkit/Siatka_tekstow.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

namespace {

using Dialogi = Okna_testowe;

// What entries through the dialogs leave in both lists (their rows below the
// header row), and in the collections, which the lists leave in their order.
TEST_F(Dialogi, EntriesShowInTheListsInOrder)
{
    const struct {
        const char* co;
        std::function<void()> kroki;
        std::vector<QString> tytuly, ksiazki;
    } przypadki[] = {
        { "a title needs all three texts and OK; blanks are text; an ISBN is taken once",
            [&] {
                Nowy_tytul("", "Autor", "1");
                Nowy_tytul("Tytul", "", "1");
                Nowy_tytul("Tytul", "Autor", "");
                Po_poleceniu("Nowytytul1", nowy_tytul, [&](QDialog* d) {
                    Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytnazwa"), "Tytul");
                    Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytautor"), "Autor");
                    Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytISBN"), "1");
                    QTest::keyClick(d, Qt::Key_Escape);
                });
                Nowy_tytul(" ", " ", " ");
                Nowy_tytul("Lalka", "Prus", "2");
                Nowy_tytul("Inna", "Ktos", "2");
            },
            { "1| | | ", "2|Lalka|Prus|2" }, {} },
        { "titles by unsigned bytes",
            [&] {
                for (const char* t : { "b|x|1", "A|y|2", "a|z|3", "ąb|w|4" }) {
                    const QStringList pola = QString::fromUtf8(t).split(u'|');
                    Nowy_tytul(pola[0], pola[1], pola[2]);
                }
            },
            { "1|A|y|2", "2|a|z|3", "3|b|x|1", "4|ąb|w|4" }, {} },
        // A number taken by a copy of another title, a missing title, an empty number (0).
        { "books by number with their titles",
            [&] {
                Nowy_tytul("Lalka", "Prus", "83-1");
                Nowy_tytul("Łódź", "Józef", "83-2");
                for (const char* k : { "10|Lalka", "-5|Łódź", "2|Lalka", "2|Łódź", "4|Brak", "|Lalka" }) {
                    const QStringList pola = QString::fromUtf8(k).split(u'|');
                    Nowa_ksiazka(pola[0], pola[1]);
                }
            },
            { "1|Lalka|Prus|83-1", "2|Łódź|Józef|83-2" },
            { "1|-5|Łódź|Józef|83-2", "2|0|Lalka|Prus|83-1", "3|2|Lalka|Prus|83-1", "4|10|Lalka|Prus|83-1" } },
        { "lists shrink after a smaller Open",
            [&] {
                for (const char* t : { "A", "B", "C" })
                    Nowy_tytul(t, t, t);
                Nowa_ksiazka("1", "A");
                Nowa_ksiazka("2", "A");
                EXPECT_EQ(Lista_tytulow().size(), 4u);
                EXPECT_EQ(Lista_ksiazek().size(), 3u);
                App().Usun_wszystko();
                Nowy_tytul("D", "d", "4");
                Nowa_ksiazka("9", "D");
                Kontrolka<QAction>(okno.get(), "SaveItem")->trigger();
                Kontrolka<QAction>(okno.get(), "OpenItem")->trigger();
            },
            { "1|D|d|4" }, { "1|9|D|d|4" } },
        { "a copy without its title shows empty title cells",
            [&] {
                Zapisz_bajty("proba1.txt",
                    "<Definicja_obiektu>\n<Nazwa_klasy>Tablica_obiektow\n<Tablica_obiektow>\n"
                    "<Kod_klasy>1\n<Obiekt_ID><id>2\n<Kod_klasy>1\n<Obiekt_ID><id>3\n"
                    "<Kod_klasy>3\n<Obiekt_ID><id>7\n<\\Tablica_obiektow>\n<\\Definicja_obiektu>\n");
                Kontrolka<QAction>(okno.get(), "OpenItem")->trigger();
            },
            {}, { "1|0|||" } },
    };
    for (const auto& p : przypadki) {
        App().Usun_wszystko();
        p.kroki();
        std::vector<QString> tytuly_listy { "L.p.|Tytuł|Autor|ISBN" }, ksiazki_listy { "L.p.|Numer|Tytuł|Autor|ISBN" };
        tytuly_listy.insert(tytuly_listy.end(), p.tytuly.begin(), p.tytuly.end());
        ksiazki_listy.insert(ksiazki_listy.end(), p.ksiazki.begin(), p.ksiazki.end());
        EXPECT_EQ(Lista_tytulow(), tytuly_listy) << p.co;
        EXPECT_EQ(Lista_ksiazek(), ksiazki_listy) << p.co;
        for (std::size_t i = 0; i < p.tytuly.size(); ++i)
            EXPECT_EQ(Kodowanie_cp1250().Z_bajtow(App().tytuly.Element(static_cast<std::int32_t>(i))->Podaj_nazwe()),
                p.tytuly[i].section(u'|', 1, 1))
                << p.co;
        for (std::size_t i = 0; i < p.ksiazki.size(); ++i)
            EXPECT_EQ(QString::number(App().pozycje.Element(static_cast<std::int32_t>(i))->Podaj_numer()),
                p.ksiazki[i].section(u'|', 1, 1))
                << p.co;
        EXPECT_TRUE(Zabierz_bledy().empty()) << p.co;
    }
}

TEST_F(Dialogi, SecondShowingStartsEmptyWithFocusInFirstBox)
{
    Nowy_tytul("Lalka", "Prus", "2");
    Po_poleceniu("Nowytytul1", nowy_tytul, [&](QDialog* d) {
        EXPECT_EQ(d, nowy_tytul);
        EXPECT_TRUE(Kontrolka<QLineEdit>(nowy_tytul, "edytnazwa")->text().isEmpty());
        EXPECT_TRUE(Kontrolka<QLineEdit>(nowy_tytul, "edytautor")->text().isEmpty());
        EXPECT_TRUE(Kontrolka<QLineEdit>(nowy_tytul, "edytISBN")->text().isEmpty());
        EXPECT_EQ(d->focusWidget(), Kontrolka<QLineEdit>(nowy_tytul, "edytnazwa"));
        d->reject();
    });
    // A cancelled showing keeps the last confirmed entry.
    EXPECT_STREQ(nowy_tytul->nazwa, "Lalka");

    Nowa_ksiazka("3", "Lalka");
    Po_poleceniu("Nowaksiazka1", nowa_ksiazka, [&](QDialog* d) {
        EXPECT_TRUE(Kontrolka<QLineEdit>(nowa_ksiazka, "edytnum")->text().isEmpty());
        EXPECT_TRUE(Kontrolka<QLineEdit>(nowa_ksiazka, "edyttytul")->text().isEmpty());
        EXPECT_EQ(d->focusWidget(), Kontrolka<QLineEdit>(nowa_ksiazka, "edytnum"));
        d->reject();
    });
    EXPECT_EQ(nowa_ksiazka->numer, 3);
}

TEST_F(Dialogi, PolishLettersAreStoredAsWindows1250AndForeignOnesRefused)
{
    Po_poleceniu("Nowytytul1", nowy_tytul, [&](QDialog* d) {
        Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytnazwa"), QStringLiteral("Żółw日"));
        EXPECT_EQ(Kontrolka<QLineEdit>(nowy_tytul, "edytnazwa")->text(), QStringLiteral("Żółw"));
        Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytautor"), QString(30, u'x'));
        EXPECT_EQ(Kontrolka<QLineEdit>(nowy_tytul, "edytautor")->text().size(), 19);
        Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytISBN"), "1");
        QTest::keyClick(d, Qt::Key_Return);
    });
    ASSERT_EQ(App().tytuly.Podaj_liczbe(), 1);
    EXPECT_STREQ(App().tytuly.Element(0)->Podaj_nazwe(), "\xAF\xF3\xB3w");
    Kontrolka<QAction>(okno.get(), "SaveItem")->trigger();
    EXPECT_NE(Czytaj_bajty("proba1.txt").find("<\xAF\xF3\xB3w\r\n"), std::string::npos);
}

// An Alt chord is a command key, never text; AltGr letters are typed.
TEST_F(Dialogi, AltChordsTypeNothingInAnyBox)
{
    const std::pair<QDialog*, std::vector<const char*>> okna[]
        = { { nowy_tytul, { "edytnazwa", "edytautor", "edytISBN" } }, { nowa_ksiazka, { "edytnum", "edyttytul" } } };
    for (const auto& [dialog, pola] : okna) {
        Po_poleceniu(dialog == nowy_tytul ? "Nowytytul1" : "Nowaksiazka1", dialog, [&](QDialog* d) {
            for (const char* pole : pola) {
                auto* p = Kontrolka<QLineEdit>(dialog, pole);
                p->setFocus();
                Wpisz(p, "Nowy");
                QTest::keyClick(p, Qt::Key_X, Qt::AltModifier);
                QKeyEvent altgr(QEvent::KeyPress, Qt::Key_A, Qt::GroupSwitchModifier, QStringLiteral("ą"));
                QApplication::sendEvent(p, &altgr);
                EXPECT_EQ(p->text(), QStringLiteral("Nowyą")) << pole;
            }
            QTest::keyClick(d, Qt::Key_Escape);
        });
    }
}

// A pasted text is stored as the box shows it: its trailing line end gone,
// other line ends and tabs as spaces, digits of other scripts as ASCII ones;
// other control characters, C1 ones included, and letters that windows-1250
// lacks refuse it, and a note at the box says what it refused and why, as
// it does for what goes beyond 19 characters. Latin letters in the number
// box still reach OK, whose conversion says what is wrong.
TEST_F(Dialogi, PastedTextIsStoredAsTheBoxShowsItAndARefusalIsSaid)
{
    struct Wklejenie {
        const char* pole;
        QString schowek;
        QString w_polu;
        QString komunikat = {}; // a part of the note at the box, none where empty
        QString przed = {}; // what the box holds before the paste
    };
    const QString za_dlugi = QStringLiteral("pole mieści najwyżej 19 znaków");
    const QString sterujace = QStringLiteral("zawiera znaki sterujące");
    const Wklejenie wklejenia[] = {
        { "edytnazwa", "Pan Tadeusz\nKsiega I", "Pan Tadeusz Ksiega ", QStringLiteral("„I”: ") + za_dlugi },
        { "edytnazwa", "Okno\r\n", "Okno" },
        { "edytautor", "\nSienkiewicz", " Sienkiewicz" },
        { "edytISBN", "Tab\there", "Tab here" },
        { "edytautor", QStringLiteral("Łódź nocą\r\n"), QStringLiteral("Łódź nocą") },
        { "edytnazwa", "a\r\nb\rc\n", "a b c" },
        { "edytISBN", QStringLiteral("zły\x01znak"), "", sterujace },
        { "edyttytul", "Okno\r", "Okno" },
        { "edytnum", "\n77", " 77" },
        { "edytnum", "88\n99", "88 99" },
        { "edytnum", "abc", "abc" },
        // Characters of no code page that no one sees: the C1 controls.
        { "edytnazwa", QStringLiteral("ab\u0081cd"), "", sterujace },
        { "edytautor", QStringLiteral("ab\u0083cd"), "", sterujace },
        { "edytISBN", QStringLiteral("83\u0088-1"), "", sterujace },
        { "edyttytul", QStringLiteral("Lalka\u0090"), "", sterujace },
        { "edytnum", QStringLiteral("1\u00982"), "", sterujace },
        { "edytnazwa", QStringLiteral("\u0080x\u009F"), "", sterujace },
        // Letters windows-1250 lacks: the box keeps what it held.
        { "edytnazwa", QStringLiteral("Жук и жаба"), "Pan ", QStringLiteral("„Жукижаб”: katalog nie zapisuje"),
            "Pan " },
        { "edyttytul", QStringLiteral("Lalka 日本"), "", QStringLiteral("„日本”: katalog nie zapisuje") },
        { "edytautor", QStringLiteral("😀"), "", QStringLiteral("katalog nie zapisuje") },
        { "edytISBN", QString(25, u'7'), QString(19, u'7'), QStringLiteral("„777777”: ") + za_dlugi },
        // Digits of other scripts: full-width, Arabic-Indic.
        { "edytnum", QStringLiteral("１２"), "12" },
        { "edytnum", QStringLiteral("-٣٤"), "-34" },
    };
    for (const Wklejenie& w : wklejenia) {
        const bool tytul = nowy_tytul->findChild<QLineEdit*>(w.pole) != nullptr;
        QDialog* dialog = tytul ? static_cast<QDialog*>(nowy_tytul) : static_cast<QDialog*>(nowa_ksiazka);
        const std::string wiersz = w.pole + (": " + w.schowek.toStdString());
        Po_poleceniu(tytul ? "Nowytytul1" : "Nowaksiazka1", dialog, [&](QDialog* d) {
            for (QLineEdit* pole : dialog->findChildren<QLineEdit*>()) {
                if (pole->objectName() != QLatin1String(w.pole)) {
                    Wpisz(pole, pole->objectName() == "edytnum" ? "1" : "x");
                    continue;
                }
                Wpisz(pole, w.przed);
                QApplication::clipboard()->setText(w.schowek);
                pole->setFocus();
                QTest::keySequence(pole, QKeySequence::Paste);
                EXPECT_EQ(pole->text(), w.w_polu) << wiersz;
                const auto* komunikat = pole->findChild<QLabel*>("Komunikat_przy_polu");
                ASSERT_NE(komunikat, nullptr) << wiersz;
                EXPECT_EQ(komunikat->isVisible(), !w.komunikat.isEmpty()) << wiersz;
                EXPECT_TRUE(komunikat->text().contains(w.komunikat))
                    << wiersz << ": " << komunikat->text().toStdString();
                // A screen reader finds the note as the box's description.
                EXPECT_EQ(pole->accessibleDescription(), w.komunikat.isEmpty() ? QString() : komunikat->text())
                    << wiersz;
            }
            QTest::keyClick(d, Qt::Key_Return);
        });
        const std::map<std::string, const char*> pola { { "edytnazwa", nowy_tytul->nazwa },
            { "edytautor", nowy_tytul->autor }, { "edytISBN", nowy_tytul->ISBN },
            { "edyttytul", nowa_ksiazka->nazwa_tytulu } };
        if (pola.count(w.pole)) {
            EXPECT_EQ(pola.at(w.pole), Kodowanie_cp1250().Na_bajty(w.w_polu)) << wiersz;
        }
        EXPECT_TRUE(w.w_polu != " 77" || nowa_ksiazka->numer == 77);
        EXPECT_TRUE(w.w_polu != "-34" || nowa_ksiazka->numer == -34);
    }
    // "88 99" and "abc" are no numbers, and OK's conversion says so.
    EXPECT_EQ(Zabierz_bledy(),
        (std::vector<QString> { QStringLiteral("„88 99” nie jest poprawną liczbą całkowitą"),
            QStringLiteral("„abc” nie jest poprawną liczbą całkowitą") }));
}

// Commands run once per key press, however long the key is held; a box
// emptied for a new showing cannot be undone back to the text cancelled.
TEST_F(Dialogi, HeldKeysRunOnceAndCancelledTextStaysGone)
{
    for (const char* polecenie :
        { "OpenItem", "SaveItem", "ExitItem", "About1", "Nowytytul1", "Nowaksiazka1", "Tytuly1", "Ksiazki1" })
        EXPECT_FALSE(Kontrolka<QAction>(okno.get(), polecenie)->autoRepeat()) << polecenie;

    for (auto [dialog, polecenie] : { std::pair<QDialog*, const char*> { nowy_tytul, "Nowytytul1" },
             std::pair<QDialog*, const char*> { nowa_ksiazka, "Nowaksiazka1" } }) {
        Po_poleceniu(polecenie, dialog, [&](QDialog* d) {
            for (QLineEdit* pole : dialog->findChildren<QLineEdit*>())
                Wpisz(pole, "12");
            QTest::keyClick(d, Qt::Key_Escape);
        });
        Po_poleceniu(polecenie, dialog, [&](QDialog*) {
            for (QLineEdit* pole : dialog->findChildren<QLineEdit*>()) {
                pole->setFocus();
                QTest::keySequence(pole, QKeySequence::Undo);
                EXPECT_EQ(pole->text(), "") << pole->objectName().toStdString();
            }
        });
    }
}

// What the forms set beyond their numbers (those are rows of Okno_glowne.EveryWindowIsAsItsFormDrawsIt).
TEST_F(Dialogi, FormsSetBuddiesAndTheGrids)
{
    EXPECT_EQ(Kontrolka<QLabel>(nowy_tytul, "Label1")->buddy(), Kontrolka<QLineEdit>(nowy_tytul, "edytnazwa"));
    const auto* siatka_tytulow = Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1");
    EXPECT_FALSE(siatka_tytulow->isVisibleTo(tytuly)); // hidden until the first showing
    EXPECT_EQ(siatka_tytulow->columnWidth(1), 63);
    EXPECT_EQ(Kontrolka<Siatka_tekstow>(ksiazki, "StringGrid1")->RowCount(), 1);
    EXPECT_EQ(Kontrolka<Siatka_tekstow>(ksiazki, "StringGrid1")->editTriggers(), QAbstractItemView::NoEditTriggers);
}

// Whether a control shows its whole text: a line of it, as wide as the
// text, inside a label or a button (with its bevel), and inside a box's frame.
bool Miesci_tekst(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w) != nullptr)
        return w->fontMetrics().height() + 4 <= w->height();
    QString tekst;
    int obramowanie = 0;
    if (const auto* etykieta = qobject_cast<const QLabel*>(w))
        tekst = etykieta->wordWrap() ? QString() : etykieta->text();
    else if (const auto* przycisk = qobject_cast<const QPushButton*>(w))
        tekst = przycisk->text(), obramowanie = 8;
    else
        return true;
    const QFontMetrics miara = w->fontMetrics();
    return miara.horizontalAdvance(tekst.remove(u'&')) + obramowanie <= w->width() && miara.height() <= w->height();
}

// With a desktop font 1.75 times the design's, the six windows grow: every
// label, button and box holds its text, the lists show as many rows, the
// tool bar's icons grow; the
// About box keeps its own 8-point font and its size.
TEST_F(Dialogi, AtALargerFontEveryWindowHoldsItsText)
{
    auto wiersze = [](const QWidget* okno) {
        const auto* siatka = okno->findChild<const Siatka_tekstow*>("StringGrid1");
        return siatka ? (siatka->height() - 2 * siatka->frameWidth()) / siatka->verticalHeader()->defaultSectionSize()
                      : 0;
    };
    auto sprawdz = [](const std::vector<QWidget*>& okna, const char* czcionka) {
        for (QWidget* okno : okna) {
            okno->ensurePolished();
            for (const QWidget* w : okno->findChildren<QWidget*>())
                EXPECT_TRUE(w->window() != okno || Miesci_tekst(w))
                    << czcionka << ": " << okno->objectName().toStdString() << "/" << w->objectName().toStdString()
                    << " cuts its text, " << w->width() << "x" << w->height();
        }
    };
    sprawdz({ okno.get(), o_programie, nowy_tytul, tytuly, nowa_ksiazka, ksiazki }, "the design's font");
    const int wiersze_tytulow = wiersze(tytuly), wiersze_ksiazek = wiersze(ksiazki);
    const QSize o_programie_zwykle = o_programie->size();
    const QFont zwykla = QApplication::font();
    QFont wieksza = zwykla;
    wieksza.setPointSizeF(zwykla.pointSizeF() * 1.75);
    QApplication::setFont(wieksza);
    {
        Tkartexform glowne;
        const std::vector<QWidget*> okna { &glowne, new TAboutBox(&glowne), new TOKTytulDlg(&glowne),
            new TOKWystytulyDlg(&glowne), new TOKKsiazkaDlg(&glowne), new TOKWysKsiazkiDlg(&glowne) };
        sprawdz(okna, "a font 1.75 times larger");
        EXPECT_GE(wiersze(okna[3]), wiersze_tytulow);
        EXPECT_GE(wiersze(okna[5]), wiersze_ksiazek);
        EXPECT_EQ(okna[1]->size(), o_programie_zwykle);
        EXPECT_GE(Kontrolka<QToolButton>(&glowne, "OpenBtn")->iconSize().height(), 35) << "the icons grow too";
    }
    QApplication::setFont(zwykla);
}

// At each desktop font, on the screen the tests run on (1280×1024, and the
// same at twice the scale), every window, frame included, lies within the
// screen's available area, and each of its controls can be brought into
// view: where the window was cut to fit, its form scrolls.
class Na_ekranie : public Okna_testowe, public ::testing::WithParamInterface<int> { };

TEST_P(Na_ekranie, EveryWindowFitsTheScreenWithEveryControlReachable)
{
    const QFont zwykla = QApplication::font();
    QFont czcionka = zwykla;
    czcionka.setPointSize(GetParam());
    QApplication::setFont(czcionka);
    {
        Tkartexform glowne;
        const std::vector<QWidget*> okna { &glowne, new TAboutBox(&glowne), new TOKTytulDlg(&glowne),
            new TOKWystytulyDlg(&glowne), new TOKKsiazkaDlg(&glowne), new TOKWysKsiazkiDlg(&glowne) };
        const QRect ekran = QApplication::primaryScreen()->availableGeometry();
        for (QWidget* okno : okna) {
            okno->show();
            QApplication::processEvents();
            const std::string nazwa = okno->objectName().toStdString();
            EXPECT_TRUE(ekran.contains(okno->frameGeometry()))
                << nazwa << " at " << okno->frameGeometry().x() << "," << okno->frameGeometry().y() << " "
                << okno->frameGeometry().width() << "x" << okno->frameGeometry().height() << " on " << ekran.width()
                << "x" << ekran.height();
            for (QWidget* w : okno->findChildren<QWidget*>()) {
                const bool kontrolka = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                    || qobject_cast<QTableView*>(w) || qobject_cast<QStatusBar*>(w);
                if (!kontrolka || w->window() != okno || w->isHidden())
                    continue;
                // Scrolled to, it shows in the window; one larger than the
                // view, in part.
                QWidget* widok = okno;
                for (QWidget* nad = w->parentWidget(); nad != okno; nad = nad->parentWidget())
                    if (auto* przewijana = qobject_cast<QScrollArea*>(nad)) {
                        przewijana->ensureWidgetVisible(w, 0, 0);
                        widok = przewijana->viewport();
                    }
                const QRect r(w->mapTo(widok, QPoint()), w->size());
                const bool wiekszy = !widok->rect().contains(QRect(QPoint(), r.size()));
                EXPECT_TRUE(widok->rect().contains(r) || (wiekszy && widok->rect().intersects(r)))
                    << GetParam() << " pt: " << nazwa << "/" << w->objectName().toStdString() << " out of reach";
            }
            okno->hide();
        }
    }
    QApplication::setFont(zwykla);
}

INSTANTIATE_TEST_SUITE_P(Czcionki, Na_ekranie, ::testing::Values(9, 14, 18, 24),
    [](const ::testing::TestParamInfo<int>& p) { return std::to_string(p.param) + "pt"; });

} // namespace
