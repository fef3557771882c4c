// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Okna_dialogowe.h"

#include "toolkit/Komunikat_przy_polu.h"
#include "toolkit/Konwersje.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QValidator>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// C0, DEL and C1: windows-1250 keeps five C1 codes of its own (0x81, 0x83,
// 0x88, 0x90, 0x98), which no one sees in a box.
bool Sterujacy(QChar znak)
{
    return znak.unicode() < 0x20 || (znak.unicode() >= 0x7F && znak.unicode() <= 0x9F);
}

bool Ma_sterujace(const QString& tekst)
{
    return std::any_of(tekst.begin(), tekst.end(), Sterujacy);
}

// Control characters reach a box only with pasted text, which ends at the
// cursor: its one trailing line end goes, and each other line end or tab
// becomes a space, as a one-line box shows them.
void Wyrownaj_wklejony(QString& tekst, int& kursor)
{
    const bool crlf = kursor >= 2 && tekst[kursor - 2] == u'\r' && tekst[kursor - 1] == u'\n';
    const int koncowy = crlf ? 2 : kursor >= 1 && (tekst[kursor - 1] == u'\n' || tekst[kursor - 1] == u'\r');
    tekst.remove(kursor - koncowy, koncowy);
    kursor -= koncowy;
    for (int i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == u'\r' && i + 1 < tekst.size() && tekst[i + 1] == u'\n') {
            tekst.remove(i + 1, 1);
            if (i + 1 < kursor)
                --kursor;
        }
        if (tekst[i] == u'\r' || tekst[i] == u'\n' || tekst[i] == u'\t')
            tekst[i] = u' ';
    }
}

// A box holds at most this many characters, as its field does.
constexpr int najwiecej_znakow = 19;

// Digits of another script (full-width, Arabic-Indic, ...) are the ASCII
// digits their reader meant.
void Cyfry_ascii(QString& tekst)
{
    for (QChar& znak : tekst)
        if (znak.unicode() > 0x7F && znak.isDigit())
            znak = QChar(u'0' + znak.digitValue());
}

// What a box shows is what is stored: no control character is kept (a paste
// with any other than line ends and tabs is refused whole), nothing that
// windows-1250 cannot hold, and no more than the field's characters, the
// rest of a paste cut. Each refusal is said at the box.
class Walidator_pola : public QValidator {
public:
    explicit Walidator_pola(QLineEdit* pole)
        : QValidator(pole)
        , komunikat(new Komunikat_przy_polu(pole))
    {
    }
    State validate(QString& tekst, int& kursor) const override
    {
        if (Ma_sterujace(tekst)) {
            Wyrownaj_wklejony(tekst, kursor);
            if (Ma_sterujace(tekst)) {
                komunikat->Pokaz(QStringLiteral("Nie wklejono tekstu: zawiera znaki sterujące."));
                return Invalid;
            }
        }
        Cyfry_ascii(tekst);
        if (!Kodowanie_cp1250().Da_sie_zapisac(tekst)) {
            QString obce;
            for (const QChar znak : tekst)
                if (!obce.contains(znak) && !Kodowanie_cp1250().Da_sie_zapisac(QString(znak)))
                    obce += znak;
            komunikat->Pokaz(QStringLiteral("Nie przyjęto „%1”: katalog nie zapisuje tych znaków.").arg(obce));
            return Invalid;
        }
        if (const qsizetype nadmiar = tekst.size() - najwiecej_znakow; nadmiar > 0) {
            // What went in last ends at the cursor.
            const qsizetype od = std::max<qsizetype>(0, kursor - nadmiar);
            komunikat->Pokaz(QStringLiteral("Nie przyjęto „%1”: pole mieści najwyżej %2 znaków.")
                                 .arg(tekst.mid(od, nadmiar))
                                 .arg(najwiecej_znakow));
            tekst.remove(od, nadmiar);
            kursor = static_cast<int>(od);
        }
        return Acceptable;
    }

private:
    Komunikat_przy_polu* komunikat;
};

// An Alt or Meta chord is a command key, never text: one that no access key
// of the dialog took goes on to the dialog instead of into the box. Ctrl
// chords the box refuses as text itself; AltGr letters carry no Alt.
class Bez_akordow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::KeyPress) {
            const auto* nacisk = static_cast<QKeyEvent*>(zdarzenie);
            if ((nacisk->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) && !nacisk->text().isEmpty()) {
                zdarzenie->ignore();
                return true;
            }
        }
        return QObject::eventFilter(obiekt, zdarzenie);
    }
};

} // namespace

void Okno_dialogowe::showEvent(QShowEvent* zdarzenie)
{
    QDialog::showEvent(zdarzenie);
    Zmiesc_na_ekranie(this);
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (ekran == nullptr)
        return;
    QRect ramka = frameGeometry();
    ramka.moveCenter(ekran->availableGeometry().center());
    move(ramka.topLeft());
}

namespace {
// The scroll area that a window's form moves into once the window is cut
// to its screen: the main window's central widget, or a dialog's controls,
// which keep their places and their tab order.
QScrollArea* Przewijana_forma(QWidget* okno)
{
    const QString nazwa = QStringLiteral("Przewijana_forma");
    if (auto* obszar = okno->findChild<QScrollArea*>(nazwa, Qt::FindDirectChildrenOnly))
        return obszar;
    auto* obszar = new QScrollArea(okno);
    obszar->setObjectName(nazwa);
    obszar->setFrameShape(QFrame::NoFrame);
    // Tab reaches the controls, and scrolls to each.
    obszar->setFocusPolicy(Qt::NoFocus);
    if (auto* glowne = qobject_cast<QMainWindow*>(okno)) {
        obszar->setWidgetResizable(true);
        obszar->setWidget(glowne->takeCentralWidget());
        glowne->setCentralWidget(obszar);
        return obszar;
    }
    std::vector<QWidget*> kolejnosc;
    for (QWidget* w = okno->nextInFocusChain(); w != okno; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            kolejnosc.push_back(w);
    auto* forma = new QWidget;
    forma->setFixedSize(okno->size());
    for (QWidget* dziecko : okno->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (dziecko == obszar || dziecko->isWindow())
            continue;
        const bool ukryte = dziecko->isHidden();
        dziecko->setParent(forma);
        dziecko->setVisible(!ukryte);
    }
    obszar->setWidget(forma);
    obszar->setGeometry(okno->rect());
    obszar->show();
    for (std::size_t i = 1; i < kolejnosc.size(); ++i)
        QWidget::setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
    return obszar;
}

// The window's frame as the window system has it now: the widget's own
// notion goes stale where the frame came without a move. A window being
// shown has its window-system window.
QMargins Ramka(const QWidget* okno)
{
    return okno->windowHandle() ? okno->windowHandle()->frameMargins() : QMargins();
}

// The frame a window manager puts round a window is known only once it
// has framed the window, after the showing: then the window is fitted
// again. A window moved or resized by hand, its frame the same, is left be.
class Ramka_znana : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        auto* okno = static_cast<QWidget*>(obiekt);
        const QEvent::Type t = zdarzenie->type();
        const bool zmiana
            = t == QEvent::Move || t == QEvent::Resize || t == QEvent::Paint || t == QEvent::WindowActivate;
        if (zmiana && okno->isVisible() && Ramka(okno) != ramka)
            Zmiesc_na_ekranie(okno);
        return false;
    }
    QMargins ramka;
};
} // namespace

void Zmiesc_na_ekranie(QWidget* okno)
{
    // Found by its name: it has no meta-object of its own to be cast by.
    const QString nazwa = QStringLiteral("Ramka_znana");
    auto* znana = static_cast<Ramka_znana*>(okno->findChild<QObject*>(nazwa, Qt::FindDirectChildrenOnly));
    if (znana == nullptr) {
        znana = new Ramka_znana(okno);
        znana->setObjectName(nazwa);
        okno->installEventFilter(znana);
    }
    const QMargins ramka = Ramka(okno);
    znana->ramka = ramka;
    const QScreen* ekran = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (ekran == nullptr)
        return;
    const QRect obszar = ekran->availableGeometry();
    const QSize miejsce = obszar.size().shrunkBy(ramka);
    if (okno->width() > miejsce.width() || okno->height() > miejsce.height()) {
        QScrollArea* przewijanie = Przewijana_forma(okno);
        const QSize rozmiar = okno->size().boundedTo(miejsce);
        if (okno->minimumSize() == okno->maximumSize())
            okno->setFixedSize(rozmiar);
        else
            okno->resize(rozmiar);
        if (!qobject_cast<QMainWindow*>(okno))
            przewijanie->setGeometry(okno->rect());
    }
    const QRect r = okno->geometry().marginsAdded(ramka);
    const int x = std::max(obszar.left(), std::min(r.left(), obszar.right() + 1 - r.width()));
    const int y = std::max(obszar.top(), std::min(r.top(), obszar.bottom() + 1 - r.height()));
    if (x != r.left() || y != r.top())
        okno->move(okno->pos() + QPoint(x - r.left(), y - r.top()));
}

double Skala_czcionki(const QWidget* okno)
{
    // A line of the 9-point desktop font that the windows were drawn with.
    constexpr double wysokosc_projektu = 14;
    return std::max(1.0, QFontMetricsF(okno->font()).height() / wysokosc_projektu);
}

void Dopasuj_do_czcionki(QWidget* okno)
{
    const double skala = Skala_czcionki(okno);
    if (skala <= 1.0)
        return;
    const auto wiecej = [skala](int wartosc) { return static_cast<int>(std::lround(wartosc * skala)); };
    std::vector<QWidget*> do_zmiany { okno };
    while (!do_zmiany.empty()) {
        QWidget* widzet = do_zmiany.back();
        do_zmiany.pop_back();
        for (QWidget* dziecko : widzet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!dziecko->isWindow())
                do_zmiany.push_back(dziecko);
        if (widzet->minimumHeight() == widzet->maximumHeight())
            widzet->setFixedHeight(wiecej(widzet->minimumHeight()));
        else if (widzet->minimumHeight() > 0)
            widzet->setMinimumHeight(wiecej(widzet->minimumHeight()));
        const QRect r = widzet->geometry();
        widzet->setGeometry(widzet == okno ? r.x() : wiecej(r.x()), widzet == okno ? r.y() : wiecej(r.y()),
            wiecej(r.width()), wiecej(r.height()));
        if (auto* przycisk = qobject_cast<QAbstractButton*>(widzet); przycisk && !przycisk->icon().isNull())
            przycisk->setIconSize(przycisk->iconSize() * skala);
        if (auto* tabela = qobject_cast<QTableView*>(widzet)) {
            tabela->horizontalHeader()->setDefaultSectionSize(wiecej(tabela->horizontalHeader()->defaultSectionSize()));
            tabela->verticalHeader()->setDefaultSectionSize(wiecej(tabela->verticalHeader()->defaultSectionSize()));
        }
    }
}

void Ustaw_ramke_dialogu(QDialog* dialog)
{
    Dopasuj_do_czcionki(dialog);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(dialog->size());
}

void Ustaw_pola_tekstowe(std::initializer_list<QLineEdit*> pola)
{
    for (QLineEdit* pole : pola) {
        pole->setValidator(new Walidator_pola(pole));
        pole->installEventFilter(new Bez_akordow(pole));
    }
}
