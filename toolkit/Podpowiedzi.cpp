// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Podpowiedzi.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QStatusTipEvent>
#include <QWidget>

QString Krotka_podpowiedz(const QString& podpowiedz)
{
    const auto kreska = podpowiedz.indexOf(u'|');
    return kreska < 0 ? podpowiedz : podpowiedz.left(kreska);
}

QString Dluga_podpowiedz(const QString& podpowiedz)
{
    const auto kreska = podpowiedz.indexOf(u'|');
    return kreska < 0 ? podpowiedz : podpowiedz.mid(kreska + 1);
}

void Ustaw_podpowiedz(QWidget* kontrolka, const QString& podpowiedz)
{
    kontrolka->setProperty("hint", podpowiedz);
    kontrolka->setToolTip(Krotka_podpowiedz(podpowiedz));
    kontrolka->setStatusTip(Dluga_podpowiedz(podpowiedz));
    // A control with a picture and no text is named by its short hint.
    if (kontrolka->accessibleName().isEmpty())
        kontrolka->setAccessibleName(Krotka_podpowiedz(podpowiedz));
}

void Ustaw_podpowiedz(QAction* pozycja, const QString& podpowiedz)
{
    pozycja->setProperty("hint", podpowiedz);
    pozycja->setToolTip(Krotka_podpowiedz(podpowiedz));
    pozycja->setStatusTip(Dluga_podpowiedz(podpowiedz));
}

Podpowiedzi& Podpowiedzi::Aplikacji()
{
    // The application object owns it as a child and deletes it when it ends;
    // the guarded pointer then forgets it, and a later application gets its own.
    static QPointer<Podpowiedzi> jedyna;
    Q_ASSERT(qApp != nullptr);
    if (jedyna.isNull())
        jedyna = new Podpowiedzi(qApp);
    return *jedyna;
}

Podpowiedzi::Podpowiedzi(QObject* rodzic)
    : QObject(rodzic)
{
    qApp->installEventFilter(this);
}

void Podpowiedzi::Ustaw(const QString& nowy)
{
    if (nowy == tekst)
        return;
    tekst = nowy;
    emit Zmiana(this);
}

bool Podpowiedzi::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    switch (zdarzenie->type()) {
    case QEvent::Enter:
        // Every control counts: one without a hint gives the empty text.
        if (obiekt->isWidgetType())
            Ustaw(static_cast<QWidget*>(obiekt)->statusTip());
        break;
    case QEvent::Leave:
        if (obiekt->isWidgetType() && !static_cast<QWidget*>(obiekt)->statusTip().isEmpty())
            Ustaw(QString());
        break;
    case QEvent::StatusTip:
        // A highlighted menu item or menu title; taken here so that nothing
        // else writes the status bar.
        Ustaw(static_cast<QStatusTipEvent*>(zdarzenie)->tip());
        return true;
    case QEvent::Hide:
        if (qobject_cast<QMenu*>(obiekt) != nullptr)
            Ustaw(QString());
        break;
    default:
        break;
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}
