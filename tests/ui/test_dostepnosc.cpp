// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard-only user get.

#include "Okna_testowe.h"

#include "toolkit/Siatka_tekstow.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTest>

#include <map>
#include <utility>
#include <vector>

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
    const auto tytul = Drzewo(nowy_tytul);
    for (const char* nazwa : { "Tytuł", "Autor", "ISBN" })
        EXPECT_TRUE(Ma(tytul, QAccessible::EditableText, QString::fromUtf8(nazwa))) << nazwa;
    EXPECT_TRUE(Ma(tytul, QAccessible::Button, "OK"));
    EXPECT_TRUE(Ma(tytul, QAccessible::Button, "Cancel"));

    const auto ksiazka = Drzewo(nowa_ksiazka);
    EXPECT_TRUE(Ma(ksiazka, QAccessible::EditableText, "Numer"));
    EXPECT_TRUE(Ma(ksiazka, QAccessible::EditableText, "Tytul"));

    EXPECT_TRUE(Ma(Drzewo(tytuly), QAccessible::Table, "Tytuły"));
    EXPECT_TRUE(Ma(Drzewo(ksiazki), QAccessible::Table, "Książki"));

    const auto glowne = Drzewo(okno.get());
    for (const char* nazwa : { "Otwórz", "Wyjście", "Zachowaj" })
        EXPECT_TRUE(Ma(glowne, QAccessible::Button, QString::fromUtf8(nazwa))) << nazwa;
    // The three buttons are announced as one named tool bar.
    QAccessibleInterface* pasek = QAccessible::queryAccessibleInterface(Kontrolka<QWidget>(okno.get(), "SpeedPanel"));
    ASSERT_NE(pasek, nullptr);
    EXPECT_EQ(pasek->role(), QAccessible::ToolBar);
    EXPECT_EQ(pasek->text(QAccessible::Name), QStringLiteral("Pasek narzędzi"));
    EXPECT_EQ(pasek->childCount(), 3);
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
// cell as the focus; a closed list has nothing showing.
TEST_F(Dostepnosc, AnOpenedListAnnouncesItsCurrentCellAndAClosedOneNothing)
{
    Nowy_tytul("Lalka", "Prus", "83-1");
    auto* siatka = Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1");
    std::vector<std::pair<QModelIndex, bool>> ogloszone; // the cell, its window active then
    QObject::connect(siatka, &Siatka_tekstow::Komorka_ogloszona,
        [&](const QModelIndex& i) { ogloszone.emplace_back(i, tytuly->isActiveWindow()); });
    Po_poleceniu("Tytuly1", tytuly, [&](QDialog*) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !ogloszone.empty(); }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return tytuly->isActiveWindow(); }));
        QTest::qWait(50); // nothing is told after the cell
        ASSERT_EQ(ogloszone.size(), 1u);
        EXPECT_EQ(ogloszone[0].first, siatka->model()->index(1, 1));
        EXPECT_TRUE(ogloszone[0].second);
    });
    QAccessibleInterface* tabela = QAccessible::queryAccessibleInterface(siatka);
    for (int k = 0; k < tabela->childCount(); ++k)
        EXPECT_TRUE(tabela->child(k)->role() != QAccessible::Cell || tabela->child(k)->state().invisible)
            << "cell " << k << " still showing";
}

} // namespace
