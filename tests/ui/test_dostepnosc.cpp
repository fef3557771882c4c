// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard-only user get.

#include "Okna_testowe.h"

#include "toolkit/Siatka_tekstow.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTest>

#include <dlfcn.h>

#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {
// What the program tells Qt's accessibility layer for a screen reader: the
// focus events of one grid's cells, each with whether its window was active
// then. (Without a screen reader on the bus, and on the offscreen platform,
// Qt drops every event before an update handler would see it.)
struct Ogloszenia {
    static inline Siatka_tekstow* siatka = nullptr;
    static inline std::vector<std::pair<QModelIndex, bool>> komorki;
    static void Zbierz(QAccessibleEvent* zdarzenie)
    {
        if (zdarzenie->type() != QAccessible::Focus || zdarzenie->object() != siatka || zdarzenie->child() < 0)
            return;
        QAccessibleInterface* komorka = QAccessible::queryAccessibleInterface(siatka)->child(zdarzenie->child());
        QAccessibleTableCellInterface* polozenie = komorka ? komorka->tableCellInterface() : nullptr;
        if (polozenie != nullptr)
            komorki.emplace_back(siatka->model()->index(polozenie->rowIndex(), polozenie->columnIndex()),
                siatka->window()->isActiveWindow());
    }
};

} // namespace

// Every event the program posts to Qt's accessibility layer passes here on
// its way. Defined here, QAccessible::updateAccessibility of this program is
// this one.
void QAccessible::updateAccessibility(QAccessibleEvent* zdarzenie)
{
    Ogloszenia::Zbierz(zdarzenie);
    using Wlasciwa = void (*)(QAccessibleEvent*);
    static const auto wlasciwa
        = reinterpret_cast<Wlasciwa>(::dlsym(RTLD_NEXT, "_ZN11QAccessible19updateAccessibilityEP16QAccessibleEvent"));
    if (wlasciwa != nullptr)
        wlasciwa(zdarzenie);
}

namespace {

using Dostepnosc = Okna_testowe;

// Names of every accessible object below a widget, by role.
std::multimap<QAccessible::Role, QString> Drzewo(QWidget* korzen)
{
    std::multimap<QAccessible::Role, QString> wynik;
    std::vector<QAccessibleInterface*> doOdwiedzenia { QAccessible::queryAccessibleInterface(korzen) };
    while (!doOdwiedzenia.empty()) {
        QAccessibleInterface* i = doOdwiedzenia.back();
        doOdwiedzenia.pop_back();
        if (i == nullptr)
            continue;
        wynik.emplace(i->role(), i->text(QAccessible::Name));
        for (int k = 0; k < i->childCount(); ++k)
            doOdwiedzenia.push_back(i->child(k));
    }
    return wynik;
}

bool Ma(const std::multimap<QAccessible::Role, QString>& drzewo, QAccessible::Role rola, const QString& nazwa)
{
    const auto [od, do_] = drzewo.equal_range(rola);
    for (auto it = od; it != do_; ++it)
        if (it->second == nazwa)
            return true;
    return false;
}

TEST_F(Dostepnosc, EveryControlHasAName)
{
    const std::tuple<QWidget*, QAccessible::Role, const char*> nazwane[] = {
        { nowy_tytul, QAccessible::EditableText, "Tytuł" },
        { nowy_tytul, QAccessible::EditableText, "Autor" },
        { nowy_tytul, QAccessible::EditableText, "ISBN" },
        { nowy_tytul, QAccessible::Button, "OK" },
        { nowy_tytul, QAccessible::Button, "Cancel" },
        { nowa_ksiazka, QAccessible::EditableText, "Numer" },
        { nowa_ksiazka, QAccessible::EditableText, "Tytul" },
        { tytuly, QAccessible::Table, "Tytuły" },
        { ksiazki, QAccessible::Table, "Książki" },
        { okno.get(), QAccessible::Button, "Otwórz" },
        { okno.get(), QAccessible::Button, "Wyjście" },
        { okno.get(), QAccessible::Button, "Zachowaj" },
    };
    for (const auto& [okno_, rola, nazwa] : nazwane)
        EXPECT_TRUE(Ma(Drzewo(okno_), rola, QString::fromUtf8(nazwa))) << nazwa;
    // The three buttons are announced as one named tool bar.
    QAccessibleInterface* pasek = QAccessible::queryAccessibleInterface(Kontrolka<QWidget>(okno.get(), "SpeedPanel"));
    ASSERT_NE(pasek, nullptr);
    EXPECT_EQ(pasek->role(), QAccessible::ToolBar);
    EXPECT_EQ(pasek->text(QAccessible::Name), QStringLiteral("Pasek narzędzi"));
    EXPECT_EQ(pasek->childCount(), 3);

    // The frames drawn round the controls, and the About box's picture, are
    // named for what they hold: no nameless "frame" for a reader.
    for (QWidget* okno_ :
        std::initializer_list<QWidget*> { okno.get(), o_programie, nowy_tytul, tytuly, nowa_ksiazka, ksiazki })
        for (const auto& [rola, nazwa] : Drzewo(okno_))
            EXPECT_TRUE(!nazwa.isEmpty() || (rola != QAccessible::Border && rola != QAccessible::Graphic))
                << okno_->objectName().toStdString() << ": a nameless object of role " << rola;
}

// The headers a screen reader announces are row 0's texts, which the
// grids show as an ordinary row.
TEST_F(Dostepnosc, GridColumnsAreNamedByTheirFirstRow)
{
    const std::vector<std::pair<QDialog*, QStringList>> listy = {
        { tytuly, { "L.p.", "Tytuł", "Autor", "ISBN" } },
        { ksiazki, { "L.p.", "Numer", "Tytuł", "Autor", "ISBN" } },
    };
    Nowy_tytul("Lalka", "Prus", "83-1");
    Nowa_ksiazka("7", "Lalka");
    for (const auto& [dialog, naglowki] : listy) {
        Po_poleceniu(dialog == tytuly ? "Tytuly1" : "Ksiazki1", dialog, [&](QDialog*) {
            auto* siatka = Kontrolka<Siatka_tekstow>(dialog, "StringGrid1");
            QAccessibleTableInterface* tabela = QAccessible::queryAccessibleInterface(siatka)->tableInterface();
            ASSERT_NE(tabela, nullptr);
            ASSERT_EQ(tabela->columnCount(), naglowki.size());
            for (int k = 0; k < naglowki.size(); ++k) {
                EXPECT_EQ(tabela->columnDescription(k), naglowki[k]);
                QAccessibleTableCellInterface* komorka = tabela->cellAt(1, k)->tableCellInterface();
                ASSERT_NE(komorka, nullptr);
                const QList<QAccessibleInterface*> nad = komorka->columnHeaderCells();
                ASSERT_EQ(nad.size(), 1);
                EXPECT_EQ(nad[0]->text(QAccessible::Name), naglowki[k]);
                // Qt makes header cells for the caller and does not keep them:
                // handed to its cache, they are deleted there.
                for (QAccessibleInterface* naglowek : nad)
                    QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(naglowek));
            }
            EXPECT_FALSE(siatka->horizontalHeader()->isVisible()) << "nothing visible changes";
            EXPECT_EQ(siatka->Cells(1, 0), naglowki[1]) << "row 0 stays a row";
        });
    }
}

// Once a list's window is active, the reader is told last of the current
// cell as the focus; after Tab to OK no cell claims the focus; a closed list
// has nothing showing.
TEST_F(Dostepnosc, AnOpenedListAnnouncesItsCurrentCellAndAClosedOneNothing)
{
    Nowy_tytul("Lalka", "Prus", "83-1");
    auto* siatka = Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1");
    Ogloszenia::siatka = siatka;
    Ogloszenia::komorki.clear();
    Po_poleceniu("Tytuly1", tytuly, [&](QDialog*) {
        const auto& ogloszone = Ogloszenia::komorki;
        EXPECT_TRUE(QTest::qWaitFor([&] { return !ogloszone.empty(); }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return tytuly->isActiveWindow(); }));
        QTest::qWait(50); // nothing is told after the cell
        ASSERT_EQ(ogloszone.size(), 1u);
        EXPECT_EQ(ogloszone[0].first, siatka->model()->index(1, 1));
        EXPECT_TRUE(ogloszone[0].second);
        QTest::keyClick(siatka, Qt::Key_Tab);
        QAccessibleInterface* tabela = QAccessible::queryAccessibleInterface(siatka);
        for (int k = 0; k < tabela->childCount(); ++k)
            EXPECT_FALSE(tabela->child(k)->state().focused) << "cell " << k << " claims the focus beside OK";
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(Kontrolka<QPushButton>(tytuly, "OKBtn"))->state().focused);
    });
    Ogloszenia::siatka = nullptr;
    QAccessibleInterface* tabela = QAccessible::queryAccessibleInterface(siatka);
    for (int k = 0; k < tabela->childCount(); ++k)
        EXPECT_TRUE(tabela->child(k)->role() != QAccessible::Cell || tabela->child(k)->state().invisible)
            << "cell " << k << " still showing";
}

// In a high-contrast palette every outline, a plain button's too, is drawn
// in the text colour: the desktop's own, a shade off black, would vanish.
TEST_F(Dostepnosc, InHighContrastEveryOutlineTakesTheTextColour)
{
    QPalette kontrast;
    for (QPalette::ColorRole tlo : { QPalette::Window, QPalette::Base, QPalette::Button })
        kontrast.setColor(tlo, Qt::black);
    for (QPalette::ColorRole tekst : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        kontrast.setColor(tekst, Qt::white);
    const std::pair<QWidget*, const char*> obrysowane[] = {
        { nowy_tytul, "OKBtn" },
        { nowy_tytul, "CancelBtn" },
        { nowy_tytul, "edytnazwa" },
        { nowa_ksiazka, "edytnum" },
        { tytuly, "StringGrid1" },
        { ksiazki, "CancelBtn" },
        { okno.get(), "SpeedPanel" },
    };
    for (const auto& [okno_, nazwa] : obrysowane) {
        okno_->setPalette(kontrast);
        auto* kontrolka = Kontrolka<QWidget>(okno_, nazwa);
        const QImage obraz = kontrolka->grab().toImage();
        EXPECT_EQ(QColor(obraz.pixel(0, obraz.height() / 2)), QColor(Qt::white))
            << okno_->objectName().toStdString() << "/" << nazwa;
    }
}

} // namespace
