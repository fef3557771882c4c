// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Komunikat_przy_polu.h"

#include "toolkit/Okna_dialogowe.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>

namespace {
// As long as a tooltip of a few words stays.
constexpr int czas_komunikatu_ms = 10000;

// A screen reader meets the note as a tooltip, which it reads when it shows.
QAccessibleInterface* Dostep_komunikatu(const QString&, QObject* obiekt)
{
    if (obiekt == nullptr || !obiekt->isWidgetType() || obiekt->objectName() != QLatin1String("Komunikat_przy_polu"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(obiekt), QAccessible::ToolTip);
}
} // namespace

Komunikat_przy_polu::Komunikat_przy_polu(QWidget* pole)
    : QLabel(pole, Qt::ToolTip | Qt::FramelessWindowHint)
    , pole(pole)
{
    [[maybe_unused]] static const bool zarejestrowany = (QAccessible::installFactory(Dostep_komunikatu), true);
    setObjectName(QStringLiteral("Komunikat_przy_polu"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(3);
    setWordWrap(false);
    czas.setSingleShot(true);
    connect(&czas, &QTimer::timeout, this, &Komunikat_przy_polu::Schowaj);
    pole->installEventFilter(this);
}

void Komunikat_przy_polu::Pokaz(const QString& tekst)
{
    if (!pole->isVisible())
        return;
    setText(tekst);
    setAccessibleName(tekst);
    adjustSize();
    move(pole->mapToGlobal(QPoint(0, pole->height() + 2)));
    show();
    raise();
    Zmiesc_na_ekranie(this);
    czas.start(czas_komunikatu_ms);
    // A reader that announces no window of this kind still hears the box
    // described anew and an alert.
    pole->setAccessibleDescription(tekst);
    QAccessibleEvent alarm(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alarm);
}

void Komunikat_przy_polu::Schowaj()
{
    czas.stop();
    hide();
    if (!pole->accessibleDescription().isEmpty())
        pole->setAccessibleDescription(QString());
}

bool Komunikat_przy_polu::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    // A context menu's Paste takes the focus for a moment: the note stays.
    const bool odchodzi = zdarzenie->type() == QEvent::Hide
        || (zdarzenie->type() == QEvent::FocusOut
            && static_cast<QFocusEvent*>(zdarzenie)->reason() != Qt::PopupFocusReason);
    if (obiekt == pole && isVisible() && odchodzi)
        Schowaj();
    return QLabel::eventFilter(obiekt, zdarzenie);
}
