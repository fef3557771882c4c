// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Siatka_tekstow.h"

#include "toolkit/Konwersje.h"

#include <QAbstractTableModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <utility>
#include <vector>

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
            return Tekst(indeks.column(), indeks.row());
        if (rola == Qt::BackgroundRole && indeks.column() < stale_kolumny)
            return QApplication::palette().button();
        return {};
    }

    // The grid's own headers stay hidden; row 0, an ordinary row, names the
    // columns, and a screen reader hears those names as the column headers.
    QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola) const override
    {
        if (kierunek == Qt::Horizontal && rola == Qt::DisplayRole && wiersze > 0)
            return Tekst(sekcja, 0);
        return QAbstractTableModel::headerData(sekcja, kierunek, rola);
    }

    Qt::ItemFlags flags(const QModelIndex& indeks) const override
    {
        // Cells are shown and selected, never edited.
        return indeks.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    // Row 0 holds the headers, column 0 the row's number; the rest come
    // from the element at position row - 1.
    QString Tekst(int kolumna, int wiersz) const
    {
        if (kolumna < 0 || kolumna >= kolumny || wiersz < 0 || wiersz >= wiersze)
            return {};
        if (wiersz == 0)
            return naglowki.value(kolumna);
        if (kolumna == 0)
            return QString::number(wiersz);
        return zrodlo ? Kodowanie_cp1250().Z_bajtow(zrodlo(kolumna, wiersz - 1).c_str()) : QString();
    }

    // -1 elements: not even the header row.
    void Pokaz(QStringList nowe_naglowki, std::int32_t elementy, Siatka_tekstow::Zrodlo nowe_zrodlo)
    {
        beginResetModel();
        naglowki = std::move(nowe_naglowki);
        wiersze = std::max<std::int32_t>(elementy, -1) + 1;
        zrodlo = std::move(nowe_zrodlo);
        endResetModel();
    }

    void Ustaw_kolumny(int nowe)
    {
        beginResetModel();
        kolumny = std::max(nowe, 0);
        endResetModel();
    }

    int stale_kolumny = 0;

private:
    QStringList naglowki;
    int wiersze = 1;
    int kolumny = 0;
    Siatka_tekstow::Zrodlo zrodlo;
};

Siatka_tekstow::Siatka_tekstow(QWidget* rodzic)
    : QTableView(rodzic)
    , model_siatki(new Model_siatki(this))
{
    setModel(model_siatki);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Uniform sizes keep a view of a million rows as quick as one of ten. The
    // sizes are the design's, grown with the windows for a larger font; no
    // minimum taken from the font comes between.
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(64);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Several whole rows may be selected, to be copied together.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab moves on to the dialog's buttons; the arrows move within the grid.
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone); // a grid clips its texts
    Ustaw_ColCount(5);
}

Siatka_tekstow::~Siatka_tekstow() = default;

void Siatka_tekstow::Ustaw_ColCount(int kolumny)
{
    model_siatki->Ustaw_kolumny(kolumny);
}

void Siatka_tekstow::Ustaw_FixedCols(int kolumny)
{
    model_siatki->stale_kolumny = kolumny;
}

void Siatka_tekstow::Pokaz(QStringList naglowki, std::int32_t elementy, Zrodlo zrodlo)
{
    model_siatki->Pokaz(std::move(naglowki), elementy, std::move(zrodlo));
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
    // The view's own Copy takes the current cell alone; with nothing
    // highlighted, the clipboard keeps what it held.
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
    if (!currentIndex().isValid() && biezacy_bez_fokusu.isValid())
        selectionModel()->setCurrentIndex(biezacy_bez_fokusu, QItemSelectionModel::NoUpdate);
    biezacy_bez_fokusu = QPersistentModelIndex();
    QTableView::focusInEvent(zdarzenie);
    viewport()->update();
    // The view tells of its cell before its window is active, then of itself:
    // a screen reader hears the cell last, once the focus has settled.
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
    });
}

void Siatka_tekstow::focusOutEvent(QFocusEvent* zdarzenie)
{
    // A screen reader takes the current cell for the focus: with the focus
    // on a button, the cell would claim it too. The highlight stays.
    if (currentIndex().isValid() && zdarzenie->reason() != Qt::PopupFocusReason) {
        biezacy_bez_fokusu = currentIndex();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
    QTableView::focusOutEvent(zdarzenie);
    viewport()->update();
}

void Siatka_tekstow::currentChanged(const QModelIndex& biezacy, const QModelIndex& poprzedni)
{
    QTableView::currentChanged(biezacy, poprzedni);
    // A clipped cell reached by the keyboard shows its whole text beside it,
    // as the pointer would.
    if (!hasFocus())
        return;
    const QString tekst = Tekst_przyciety(biezacy);
    if (tekst.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    const QRect komorka = visualRect(biezacy);
    QToolTip::showText(viewport()->mapToGlobal(komorka.bottomLeft()), tekst, viewport(), komorka);
    // A tip that opens under the resting pointer takes it from the grid,
    // which closes the tip: it goes above the cell instead.
    const QWidgetList okna = QApplication::topLevelWidgets();
    const auto dymek = std::find_if(okna.begin(), okna.end(),
        [](const QWidget* okno) { return okno->isVisible() && okno->objectName() == QLatin1String("qtooltip_label"); });
    if (dymek != okna.end() && (*dymek)->frameGeometry().contains(QCursor::pos(screen()))) {
        const QPoint nad = viewport()->mapToGlobal(komorka.topLeft()) - QPoint(0, (*dymek)->height() + 18);
        QToolTip::showText(nad, tekst, viewport(), komorka);
    }
}

void Siatka_tekstow::initViewItemOption(QStyleOptionViewItem* opcja) const
{
    QTableView::initViewItemOption(opcja);
    // Without the focus the highlight is paler, so that whether the grid has
    // the keyboard shows.
    if (hasFocus())
        return;
    const QColor podswietlenie = opcja->palette.color(QPalette::Highlight);
    const QColor tlo = opcja->palette.color(QPalette::Base);
    opcja->palette.setColor(QPalette::Highlight,
        QColor::fromRgbF((podswietlenie.redF() + tlo.redF()) / 2, (podswietlenie.greenF() + tlo.greenF()) / 2,
            (podswietlenie.blueF() + tlo.blueF()) / 2));
    opcja->palette.setColor(QPalette::HighlightedText, opcja->palette.color(QPalette::Text));
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
