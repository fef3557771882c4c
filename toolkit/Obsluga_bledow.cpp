// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Obsluga_bledow.h"

#include <QMessageBox>

namespace Obsluga_bledow {

namespace {
    std::function<void(const QString&)>& Odbiorca()
    {
        static std::function<void(const QString&)> odbiorca;
        return odbiorca;
    }
} // namespace

void Przechwytuj(std::function<void(const QString&)> odbiorca)
{
    Odbiorca() = std::move(odbiorca);
}

void Pokaz_blad(QWidget* okno, const QString& tekst)
{
    if (Odbiorca()) {
        Odbiorca()(tekst);
        return;
    }
    QMessageBox::critical(okno, QStringLiteral("wolumat"), tekst);
}

} // namespace Obsluga_bledow
