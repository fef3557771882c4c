// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Siatka_tekstow.h"

#include "toolkit/Konwersje.h"

#include <QAbstractTableModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPalette>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

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

    // The grid's own headers stay hidden; row 0, an ordinary row, names the
    // columns, and a screen reader hears those names as the column headers.
    QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola) const override
    {
        if (kierunek == Qt::Horizontal && rola == Qt::DisplayRole && wiersze > 0)
            return Z_cp1250(Komorka(sekcja, 0));
        return QAbstractTableModel::headerData(sekcja, kierunek, rola);
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
        if (wypelnianie)
            return;
        emit dataChanged(index(wiersz, kolumna), index(wiersz, kolumna));
        if (wiersz == 0)
            emit headerDataChanged(Qt::Horizontal, kolumna, kolumna);
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
    // Several rows may be selected, to be copied together; the highlight
    // covers whole rows, as Copy takes them.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab moves on to the dialog's buttons; the arrows move within the grid.
    setTabKeyNavigation(false);
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

QString Siatka_tekstow::Tekst_przyciety(const QModelIndex& indeks) const
{
    if (!indeks.isValid())
        return {};
    const QString tekst = Cells(indeks.column(), indeks.row());
    // The margin that the item delegate leaves on each side of a text.
    const int margines = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int miejsce = visualRect(indeks).width() - 2 * margines;
    return fontMetrics().horizontalAdvance(tekst) > miejsce ? tekst : QString();
}

QString Siatka_tekstow::Tekst_do_skopiowania() const
{
    // By ranges: a whole grid selected is one range, not a million indexes.
    std::vector<int> wiersze;
    for (const QItemSelectionRange& zakres : selectionModel()->selection())
        for (int w = zakres.top(); w <= zakres.bottom(); ++w)
            wiersze.push_back(w);
    std::sort(wiersze.begin(), wiersze.end());
    wiersze.erase(std::unique(wiersze.begin(), wiersze.end()), wiersze.end());
    QString tekst;
    for (const int w : wiersze) {
        for (int k = 0; k < ColCount(); ++k) {
            if (k > 0)
                tekst += u'\t';
            tekst += Cells(k, w);
        }
        tekst += u'\n';
    }
    return tekst;
}

bool Siatka_tekstow::viewportEvent(QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::ToolTip) {
        const auto* pomoc = static_cast<QHelpEvent*>(zdarzenie);
        const QString tekst = Tekst_przyciety(indexAt(pomoc->pos()));
        if (tekst.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(pomoc->globalPos(), tekst, viewport(), visualRect(indexAt(pomoc->pos())));
        return true;
    }
    return QTableView::viewportEvent(zdarzenie);
}

void Siatka_tekstow::keyPressEvent(QKeyEvent* zdarzenie)
{
    // The view's own Copy takes the current cell alone. With nothing
    // highlighted the clipboard keeps what it held.
    if (zdarzenie == QKeySequence::Copy) {
        if (const QString tekst = Tekst_do_skopiowania(); !tekst.isEmpty())
            QApplication::clipboard()->setText(tekst);
        zdarzenie->accept();
        return;
    }
    // Ctrl+Tab leaves the grid as Tab does.
    const bool tab = zdarzenie->key() == Qt::Key_Tab || zdarzenie->key() == Qt::Key_Backtab;
    if (tab && (zdarzenie->modifiers() & Qt::ControlModifier)) {
        const bool wstecz = zdarzenie->key() == Qt::Key_Backtab || (zdarzenie->modifiers() & Qt::ShiftModifier);
        focusNextPrevChild(!wstecz);
        zdarzenie->accept();
        return;
    }
    QTableView::keyPressEvent(zdarzenie);
}

void Siatka_tekstow::focusInEvent(QFocusEvent* zdarzenie)
{
    QTableView::focusInEvent(zdarzenie);
    // The view tells of its current cell before its window is active, and
    // then of itself as a whole: a screen reader hears the cell last, once
    // the focus has settled.
    QTimer::singleShot(0, this, [this] {
        if (!hasFocus() || !isActiveWindow() || !currentIndex().isValid())
            return;
        QAccessibleInterface* siatka = QAccessible::queryAccessibleInterface(this);
        QAccessibleTableInterface* tabela = siatka ? siatka->tableInterface() : nullptr;
        QAccessibleInterface* komorka
            = tabela ? tabela->cellAt(currentIndex().row(), currentIndex().column()) : nullptr;
        if (komorka == nullptr)
            return;
        QAccessibleEvent ogloszenie(this, QAccessible::Focus);
        ogloszenie.setChild(siatka->indexOfChild(komorka));
        QAccessible::updateAccessibility(&ogloszenie);
        emit Komorka_ogloszona(currentIndex());
    });
}

QItemSelectionModel::SelectionFlags Siatka_tekstow::selectionCommand(
    const QModelIndex& indeks, const QEvent* zdarzenie) const
{
    // Ctrl with a key that moves the current cell would leave the highlight
    // behind, and Copy would take a row the reader no longer sees.
    if (zdarzenie != nullptr && zdarzenie->type() == QEvent::KeyPress) {
        const auto* nacisk = static_cast<const QKeyEvent*>(zdarzenie);
        const bool ruch = nacisk->key() >= Qt::Key_Home && nacisk->key() <= Qt::Key_PageDown;
        if (ruch && (nacisk->modifiers() & Qt::ControlModifier))
            return QItemSelectionModel::Rows
                | ((nacisk->modifiers() & Qt::ShiftModifier) ? QItemSelectionModel::SelectCurrent
                                                             : QItemSelectionModel::ClearAndSelect);
    }
    return QTableView::selectionCommand(indeks, zdarzenie);
}

QModelIndex Siatka_tekstow::moveCursor(CursorAction ruch, Qt::KeyboardModifiers modyfikatory)
{
    // Ctrl+Home goes to the first row below the header, where a list opens.
    const QModelIndex cel = QTableView::moveCursor(ruch, modyfikatory);
    if (ruch == MoveHome && (modyfikatory & Qt::ControlModifier) && cel.row() == 0 && RowCount() > 1)
        return model()->index(1, cel.column());
    return cel;
}

void Siatka_tekstow::keyboardSearch(const QString& tekst)
{
    if (kolumna_wyszukiwania < 0 || kolumna_wyszukiwania >= ColCount() || tekst.isEmpty())
        return;
    // A pause starts a new search, as in Qt's views.
    if (!od_ostatniego_znaku.isValid() || od_ostatniego_znaku.elapsed() > QApplication::keyboardInputInterval())
        szukany.clear();
    od_ostatniego_znaku.start();
    szukany += tekst;
    // The header row is not searched; the rows below it are in sorted order.
    for (int w = 1; w < RowCount(); ++w) {
        if (Cells(kolumna_wyszukiwania, w).startsWith(szukany, Qt::CaseInsensitive)) {
            setCurrentIndex(model()->index(w, kolumna_wyszukiwania));
            return;
        }
    }
}
