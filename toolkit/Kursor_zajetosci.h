// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

// The wait cursor for as long as it lives: a command that may take more than
// a moment holds one, and the cursor comes back on every path out,
// exceptions included.
class Kursor_zajetosci {
public:
    Kursor_zajetosci() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Kursor_zajetosci() { QGuiApplication::restoreOverrideCursor(); }

    Kursor_zajetosci(const Kursor_zajetosci&) = delete;
    Kursor_zajetosci& operator=(const Kursor_zajetosci&) = delete;
};
