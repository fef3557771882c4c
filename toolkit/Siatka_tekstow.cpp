#include "toolkit/Siatka_tekstow.h"

#include "toolkit/Konwersje.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QPalette>

#include <algorithm>
#include <array>
#include <cstring>

namespace {
// A cell holds up to 19 bytes and its terminating zero, like the fields it shows.
constexpr int rozmiar_komorki = 20;
} // namespace

class Model_siatki : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& rodzic = {}) const override { return rodzic.isValid() ? 0 : wiersze; }
    int columnCount(const QModelIndex& rodzic = {}) const override { return rodzic.isValid() ? 0 : kolumny; }

    QVariant data(const QModelIndex& indeks, int rola) const override
    {
        if (!indeks.isValid())
            return {};
        if (rola == Qt::DisplayRole || rola == Qt::AccessibleTextRole)
            return Z_cp1250(Komorka(indeks.column(), indeks.row()));
        if (rola == Qt::BackgroundRole && indeks.column() < stale_kolumny)
            return QApplication::palette().button();
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& indeks) const override
    {
        // Cells are shown and selected, never edited.
        return indeks.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    const char* Komorka(int kolumna, int wiersz) const
    {
        if (kolumna < 0 || kolumna >= kolumny || wiersz < 0 || wiersz >= wiersze)
            return "";
        return &dane[Przesuniecie(kolumna, wiersz)];
    }

    void Ustaw_komorke(int kolumna, int wiersz, const char* bajty)
    {
        if (kolumna < 0 || kolumna >= kolumny || wiersz < 0 || wiersz >= wiersze)
            return;
        char* cel = &dane[Przesuniecie(kolumna, wiersz)];
        const std::size_t dlugosc = std::min(std::strlen(bajty), std::size_t { rozmiar_komorki - 1 });
        std::memcpy(cel, bajty, dlugosc);
        cel[dlugosc] = '\0';
        if (!wypelnianie)
            emit dataChanged(index(wiersz, kolumna), index(wiersz, kolumna));
    }

    void Ustaw_wiersze(int nowe)
    {
        nowe = std::max(nowe, 0);
        if (nowe == wiersze)
            return;
        const std::size_t rozmiar
            = static_cast<std::size_t>(nowe) * static_cast<std::size_t>(kolumny) * rozmiar_komorki;
        if (nowe > wiersze) {
            dane.resize(rozmiar, '\0'); // may throw: then nothing has changed
            if (!wypelnianie)
                beginInsertRows({}, wiersze, nowe - 1);
            wiersze = nowe;
            if (!wypelnianie)
                endInsertRows();
        } else {
            if (!wypelnianie)
                beginRemoveRows({}, nowe, wiersze - 1);
            wiersze = nowe;
            dane.resize(rozmiar);
            if (!wypelnianie)
                endRemoveRows();
        }
    }

    void Ustaw_kolumny(int nowe)
    {
        nowe = std::max(nowe, 0);
        // Allocated before the reset begins, so that running out of memory
        // leaves no reset open.
        std::vector<char> przeniesione(
            static_cast<std::size_t>(wiersze) * static_cast<std::size_t>(nowe) * rozmiar_komorki, '\0');
        for (int w = 0; w < wiersze; ++w)
            for (int k = 0; k < std::min(nowe, kolumny); ++k)
                std::memcpy(&przeniesione[(static_cast<std::size_t>(w) * nowe + k) * rozmiar_komorki],
                    &dane[Przesuniecie(k, w)], rozmiar_komorki);
        beginResetModel();
        dane.swap(przeniesione);
        kolumny = nowe;
        endResetModel();
    }

    void Zacznij()
    {
        if (!wypelnianie)
            beginResetModel();
        wypelnianie = true;
    }

    void Zakoncz()
    {
        if (wypelnianie)
            endResetModel();
        wypelnianie = false;
    }

    int stale_kolumny = 0;

private:
    std::size_t Przesuniecie(int kolumna, int wiersz) const
    {
        return (static_cast<std::size_t>(wiersz) * static_cast<std::size_t>(kolumny)
                   + static_cast<std::size_t>(kolumna))
            * rozmiar_komorki;
    }

    std::vector<char> dane;
    int wiersze = 0;
    int kolumny = 0;
    bool wypelnianie = false;
};

Siatka_tekstow::Siatka_tekstow(QWidget* rodzic)
    : QTableView(rodzic)
    , model_siatki(new Model_siatki(this))
{
    setModel(model_siatki);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Uniform sizes keep a view of a million rows as quick as one of ten.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(64);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone); // a grid clips its texts
    Ustaw_ColCount(5);
    Ustaw_RowCount(1);
}

Siatka_tekstow::~Siatka_tekstow() = default;

int Siatka_tekstow::ColCount() const
{
    return model_siatki->columnCount();
}

void Siatka_tekstow::Ustaw_ColCount(int kolumny)
{
    model_siatki->Ustaw_kolumny(kolumny);
}

int Siatka_tekstow::RowCount() const
{
    return model_siatki->rowCount();
}

void Siatka_tekstow::Ustaw_RowCount(int wiersze)
{
    model_siatki->Ustaw_wiersze(wiersze);
}

void Siatka_tekstow::Ustaw_FixedCols(int kolumny)
{
    model_siatki->stale_kolumny = kolumny;
}

QString Siatka_tekstow::Cells(int kolumna, int wiersz) const
{
    return Z_cp1250(model_siatki->Komorka(kolumna, wiersz));
}

void Siatka_tekstow::Ustaw_Cells(int kolumna, int wiersz, const QString& tekst)
{
    model_siatki->Ustaw_komorke(kolumna, wiersz, Na_cp1250(tekst).c_str());
}

void Siatka_tekstow::Ustaw_komorke_cp1250(int kolumna, int wiersz, const char* bajty)
{
    model_siatki->Ustaw_komorke(kolumna, wiersz, bajty);
}

void Siatka_tekstow::Zacznij_wypelnianie()
{
    model_siatki->Zacznij();
}

void Siatka_tekstow::Zakoncz_wypelnianie()
{
    model_siatki->Zakoncz();
}
