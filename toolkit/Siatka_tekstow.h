// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A string grid: cells of text by column and row, a row count, one default
// column width. The texts are held as windows-1250 bytes in fixed slots, so a
// grid of a million rows fills fast and stays small; Qt's view shows only the
// visible cells. Fill many cells inside one Wypelnianie_siatki, which
// redraws once at its end.
//
// For the reader: a cell whose text is clipped shows it whole as a tooltip;
// the highlight covers whole rows, and Copy puts every highlighted row on the
// clipboard as tab-separated lines, or leaves it alone when none is (keys that
// move the current cell move the highlight with it, Shift extends it); typing
// the start of a text moves to the first row below the header whose cell in
// the search column starts with it. Tab and Ctrl+Tab leave the grid; a screen
// reader is told of the current cell whenever the grid takes the focus.

#include <QElapsedTimer>
#include <QTableView>

#include <cstdint>
#include <vector>

class Model_siatki;

class Siatka_tekstow : public QTableView {
    Q_OBJECT
public:
    explicit Siatka_tekstow(QWidget* rodzic = nullptr);
    ~Siatka_tekstow() override;

    int ColCount() const;
    void Ustaw_ColCount(int kolumny);
    int RowCount() const;
    void Ustaw_RowCount(int wiersze);
    // Columns before this one are fixed: drawn as headings.
    void Ustaw_FixedCols(int kolumny);

    QString Cells(int kolumna, int wiersz) const;
    void Ustaw_Cells(int kolumna, int wiersz, const QString& tekst);
    // The same for text that is windows-1250 bytes already.
    void Ustaw_komorke_cp1250(int kolumna, int wiersz, const char* bajty);

    void Zacznij_wypelnianie();
    void Zakoncz_wypelnianie();

    // The column that typing searches; -1 for none.
    void Ustaw_kolumne_wyszukiwania(int kolumna) { kolumna_wyszukiwania = kolumna; }
    // The whole text of a cell that its column clips, or nothing.
    QString Tekst_przyciety(const QModelIndex& indeks) const;
    // The rows that Copy takes, tab-separated, each ended by a line end.
    QString Tekst_do_skopiowania() const;

    void keyboardSearch(const QString& tekst) override;

signals:
    // A screen reader was told of this cell as the focus.
    void Komorka_ogloszona(const QModelIndex& indeks);

protected:
    bool viewportEvent(QEvent* zdarzenie) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& indeks, const QEvent* zdarzenie) const override;
    QModelIndex moveCursor(CursorAction ruch, Qt::KeyboardModifiers modyfikatory) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void focusInEvent(QFocusEvent* zdarzenie) override;

private:
    Model_siatki* model_siatki;
    int kolumna_wyszukiwania = -1;
    QString szukany;
    QElapsedTimer od_ostatniego_znaku;
};

// Fills a grid between Zacznij_wypelnianie and Zakoncz_wypelnianie, also when
// filling ends in an exception.
class Wypelnianie_siatki {
public:
    explicit Wypelnianie_siatki(Siatka_tekstow& siatka)
        : siatka(siatka)
    {
        siatka.Zacznij_wypelnianie();
    }
    ~Wypelnianie_siatki() { siatka.Zakoncz_wypelnianie(); }
    Wypelnianie_siatki(const Wypelnianie_siatki&) = delete;
    Wypelnianie_siatki& operator=(const Wypelnianie_siatki&) = delete;

private:
    Siatka_tekstow& siatka;
};
