#pragma once

// A string grid: cells of text by column and row, a row count, one default
// column width. The texts are held as windows-1250 bytes in fixed slots, so a
// grid of a million rows fills fast and stays small; Qt's view shows only the
// visible cells. Fill many cells between Zacznij_wypelnianie and
// Zakoncz_wypelnianie, which redraws once.

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

private:
    Model_siatki* model_siatki;
};
