// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kartxform.h"

#include "app/About.h"
#include "app/ui_kartxform.h"
#include "dialogs/nowaks.h"
#include "dialogs/nowytyt.h"
#include "dialogs/wysks.h"
#include "dialogs/wystyt.h"
#include "toolkit/Kursor_zajetosci.h"
#include "toolkit/Obsluga_bledow.h"
#include "toolkit/Okna_dialogowe.h"
#include "toolkit/Styl_programu.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QShowEvent>
#include <QStatusTipEvent>
#include <QToolButton>

Tkartexform* kartexform = nullptr;

namespace {
// A screen reader meets the panel of three buttons as a tool bar, not as a
// nameless frame; the panel itself stays the frame it is, so nothing moves.
QAccessibleInterface* Dostep_paska_narzedzi(const QString&, QObject* obiekt)
{
    if (obiekt == nullptr || !obiekt->isWidgetType() || obiekt->objectName() != QLatin1String("SpeedPanel"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(obiekt), QAccessible::ToolBar);
}

constexpr QPoint polozenie_okna { 151, 66 };
constexpr QSize zewnetrzny_rozmiar { 531, 467 };
} // namespace

Tkartexform::Tkartexform(QWidget* rodzic)
    : QMainWindow(rodzic)
    , ui(std::make_unique<Ui::Tkartexform>())
{
    // Resources linked from a static library are registered explicitly, and
    // the tool bar's accessible face once.
    [[maybe_unused]] static const bool zarejestrowane = [] {
        Q_INIT_RESOURCE(wolumat);
        QAccessible::installFactory(Dostep_paska_narzedzi);
        QApplication::setStyle(new Styl_programu(QApplication::style()->name()));
        return true;
    }();
    ui->setupUi(this);
    // A form names the separator but cannot make an action one.
    ui->N1->setSeparator(true);

    // Resizable, with a minimise button and no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    move(polozenie_okna);

    ui->StatusBar->setSizeGripEnabled(true);
    Dopasuj_do_czcionki(this);

    // The names cross over: the data menu's title item opens the new-title
    // dialog, the view menu's the titles list.
    Polacz(ui->OpenItem, &Tkartexform::OpenItemClick);
    Polacz(ui->SaveItem, &Tkartexform::SaveItemClick);
    Polacz(ui->ExitItem, &Tkartexform::ExitItemClick);
    Polacz(ui->About1, &Tkartexform::About1Click);
    Polacz(ui->Nowytytul1, &Tkartexform::Tytuly1Click);
    Polacz(ui->Nowaksiazka1, &Tkartexform::Ksiazki1Click);
    Polacz(ui->Tytuly1, &Tkartexform::Tytuly2Click);
    Polacz(ui->Ksiazki1, &Tkartexform::Ksiazki2Click);
    // A tool button runs its menu item's command.
    connect(ui->OpenBtn, &QToolButton::clicked, ui->OpenItem, &QAction::trigger);
    connect(ui->ExitBtn, &QToolButton::clicked, ui->ExitItem, &QAction::trigger);
    connect(ui->SaveBtn, &QToolButton::clicked, ui->SaveItem, &QAction::trigger);
    for (QToolButton* przycisk : { ui->OpenBtn, ui->ExitBtn, ui->SaveBtn }) {
        przycisk->installEventFilter(this);
        ikony.emplace_back(przycisk, przycisk->icon());
    }
    Dopasuj_ikony();

    FormCreate(this);
    aplikacja_okna.emplace();
}

// The application object, declared last, goes first.
Tkartexform::~Tkartexform() = default;

void Tkartexform::Polacz(QAction* pozycja, void (Tkartexform::*obsluga)(QObject*))
{
    // A held key runs its command once: repeated Opens would queue up and
    // freeze the window long after the key is released.
    pozycja->setAutoRepeat(false);
    connect(pozycja, &QAction::triggered, this,
        [this, pozycja, obsluga] { Obsluga_bledow::Wykonaj_polecenie(this, [&] { (this->*obsluga)(pozycja); }); });
}

void Tkartexform::Przywolaj()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // An open dialog stays over the window and keeps what was typed into it.
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
    // Where the window manager keeps the focus elsewhere, it asks for attention.
    QApplication::alert(this);
}

void Tkartexform::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    // The size given is the outer one, frame included; the frame is known
    // only once the window is on the screen.
    if (!zewnetrzny_rozmiar_ustalony) {
        zewnetrzny_rozmiar_ustalony = true;
        const QSize ramka = frameGeometry().size() - size();
        resize(zewnetrzny_rozmiar * Skala_czcionki(this) - ramka);
        move(polozenie_okna);
    }
    Zmiesc_na_ekranie(this);
}

void Tkartexform::changeEvent(QEvent* zdarzenie)
{
    QMainWindow::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::PaletteChange)
        Dopasuj_ikony();
}

void Tkartexform::Dopasuj_ikony()
{
    // With a palette of high contrast the icons take its text colour: their
    // own dark strokes vanish on black.
    for (const auto& [przycisk, ikona] : ikony) {
        if (!Wysoki_kontrast(palette())) {
            przycisk->setIcon(ikona);
            continue;
        }
        QPixmap obraz = ikona.pixmap(przycisk->iconSize(), devicePixelRatio());
        QPainter malarz(&obraz);
        malarz.setCompositionMode(QPainter::CompositionMode_SourceIn);
        malarz.fillRect(obraz.rect(), palette().color(QPalette::ButtonText));
        malarz.end();
        przycisk->setIcon(QIcon(obraz));
    }
}

bool Tkartexform::event(QEvent* zdarzenie)
{
    // The current hint: the status tip of the control under the pointer or of
    // the highlighted menu item, empty for one without and once a menu closes.
    if (zdarzenie->type() == QEvent::StatusTip) {
        podpowiedz = static_cast<QStatusTipEvent*>(zdarzenie)->tip();
        ShowHint(this);
        return true;
    }
    return QMainWindow::event(zdarzenie);
}

bool Tkartexform::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    // A menu opened from the keyboard takes the pointer from the tool button
    // under it, whose leaving would empty the highlighted item's hint.
    if (zdarzenie->type() == QEvent::StatusTip && QApplication::activePopupWidget() != nullptr
        && static_cast<QStatusTipEvent*>(zdarzenie)->tip().isEmpty())
        return true;
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void Tkartexform::closeEvent(QCloseEvent* zdarzenie)
{
    emit Konczenie();
    QMainWindow::closeEvent(zdarzenie);
}

void Tkartexform::FormCreate(QObject*)
{
    // Hints reach the window as Qt's status-tip events, handed to ShowHint.
    ShowHint(this);
}

void Tkartexform::ShowHint(QObject*)
{
    ui->StatusBar->showMessage(podpowiedz);
}

void Tkartexform::ExitItemClick(QObject*)
{
    emit Konczenie();
    Aplikacja().Usun_wszystko();
    close();
}

void Tkartexform::OpenItemClick(QObject*)
{
    const Kursor_zajetosci zajetosc;
    Aplikacja().Usun_wszystko();
    Aplikacja().Otworz();
}

void Tkartexform::SaveItemClick(QObject*)
{
    const Kursor_zajetosci zajetosc;
    Aplikacja().Zachowaj();
}

void Tkartexform::About1Click(QObject*)
{
    AboutBox->exec();
}

void Tkartexform::Tytuly1Click(QObject*)
{
    if (!OKTytulDlg->Execute())
        return;
    // Empty means no characters at all; blanks are text.
    if (OKTytulDlg->nazwa[0] == '\0' || OKTytulDlg->autor[0] == '\0' || OKTytulDlg->ISBN[0] == '\0')
        return;
    Aplikacja().Dodaj_tytul(OKTytulDlg->nazwa, OKTytulDlg->autor, OKTytulDlg->ISBN);
}

void Tkartexform::Tytuly2Click(QObject*)
{
    OKWystytulyDlg->Execute();
}

void Tkartexform::Ksiazki1Click(QObject*)
{
    if (!OKKsiazkaDlg->Execute())
        return;
    Aplikacja().Dodaj_ksiazke(OKKsiazkaDlg->nazwa_tytulu, OKKsiazkaDlg->numer);
}

void Tkartexform::Ksiazki2Click(QObject*)
{
    OKWysKsiazkiDlg->Execute();
}
