// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The top-level error handler: a command that ends in an exception is
// abandoned there and its text shown in a message box; the program goes on.
// Every command runs through Wykonaj_polecenie, the one place that catches.

#include <QString>

#include <exception>
#include <functional>
#include <new>

class QWidget;

namespace Obsluga_bledow {

// Replaces the message box, for tests: receives the text instead.
void Przechwytuj(std::function<void(const QString&)> odbiorca);

void Pokaz_blad(QWidget* okno, const QString& tekst);

template <class Polecenie> void Wykonaj_polecenie(QWidget* okno, Polecenie&& polecenie)
{
    try {
        std::forward<Polecenie>(polecenie)();
    } catch (const std::bad_alloc&) {
        Pokaz_blad(okno, QStringLiteral("Brak pamięci."));
    } catch (const std::exception& blad) {
        Pokaz_blad(okno, QString::fromUtf8(blad.what()));
    } catch (...) {
        Pokaz_blad(okno, QStringLiteral("Nieznany błąd."));
    }
}

} // namespace Obsluga_bledow
