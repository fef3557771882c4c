#pragma once

// A string grid: cells of text by column and row, a row count, one default
// column width. The texts are held as windows-1250 bytes in fixed slots, so a
// grid of a million rows fills fast and stays small; Qt's view shows only the
// visible cells. Fill many cells inside one Wypelnianie_siatki, which
// redraws once at its end.

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
