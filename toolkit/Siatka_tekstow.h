// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A string grid: a header row, then one row per element of what it shows,
// numbered in column 0, its other cells read from the elements as the view
// asks for them (only the visible ones), so a million rows fill at once with
// no copy. What it shows must outlive the showing, or go with Oproznij first.
//
// For the reader: a clipped cell shows its whole text as a tooltip, under
// the pointer and when it becomes current; the highlight covers whole rows,
// which Copy puts on the clipboard as tab-separated lines (nothing
// highlighted: the clipboard stays), and is paler while the grid has no
// focus; typing finds the first row whose cell in the search column starts
// with the text. Tab and Ctrl+Tab leave the grid; a screen reader hears the
// current cell on focus, and no cell claims the focus once the grid lost it.

#include <QElapsedTimer>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QTableView>

#include <cstdint>
#include <functional>
#include <string>

class Model_siatki;

class Siatka_tekstow : public QTableView {
    Q_OBJECT
public:
    explicit Siatka_tekstow(QWidget* rodzic = nullptr);
    ~Siatka_tekstow() override;

    // The text of column `kolumna` (1 and on) of the element at `pozycja`,
    // as windows-1250 bytes.
    using Zrodlo = std::function<std::string(int kolumna, std::int32_t pozycja)>;

    int ColCount() const { return model()->columnCount(); }
    void Ustaw_ColCount(int kolumny);
    int RowCount() const { return model()->rowCount(); }
    // Columns before this one are fixed: drawn as headings.
    void Ustaw_FixedCols(int kolumny);
    QString Cells(int kolumna, int wiersz) const { return model()->index(wiersz, kolumna).data().toString(); }

    // The header row, then `elementy` rows read from `zrodlo`.
    void Pokaz(QStringList naglowki, std::int32_t elementy, Zrodlo zrodlo);
    // No rows at all, and nothing read any more.
    void Oproznij() { Pokaz({}, -1, nullptr); }

    // The column that typing searches; -1 for none.
    void Ustaw_kolumne_wyszukiwania(int kolumna) { kolumna_wyszukiwania = kolumna; }
    // The whole text of a cell that its column clips, or nothing.
    QString Tekst_przyciety(const QModelIndex& indeks) const;

    void keyboardSearch(const QString& tekst) override;

protected:
    bool viewportEvent(QEvent* zdarzenie) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& indeks, const QEvent* zdarzenie) const override;
    QModelIndex moveCursor(CursorAction ruch, Qt::KeyboardModifiers modyfikatory) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void focusInEvent(QFocusEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;
    void currentChanged(const QModelIndex& biezacy, const QModelIndex& poprzedni) override;
    void initViewItemOption(QStyleOptionViewItem* opcja) const override;

private:
    // The rows that Copy takes, tab-separated, each ended by a line end.
    QString Tekst_do_skopiowania() const;

    Model_siatki* model_siatki;
    int kolumna_wyszukiwania = -1;
    QString szukany;
    QElapsedTimer od_ostatniego_znaku;
    // The current cell while the focus is elsewhere.
    QPersistentModelIndex biezacy_bez_fokusu;
};
