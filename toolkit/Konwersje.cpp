// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Konwersje.h"

#include "toolkit/Obsluga_bledow.h"

std::int32_t Na_liczbe(const QString& tekst)
{
    bool poprawna = false;
    const int wartosc = tekst.trimmed().toInt(&poprawna);
    if (!poprawna)
        throw Blad_konwersji(QStringLiteral("„%1” nie jest poprawną liczbą całkowitą").arg(tekst).toStdString());
    return wartosc;
}

Kodowanie::Kodowanie(const char* nazwa_)
    : nazwa(QString::fromLatin1(nazwa_))
    , koder(nazwa_, QStringConverter::Flag::Stateless)
    , dekoder(nazwa_, QStringConverter::Flag::Stateless)
    , poprawne(koder.isValid() && dekoder.isValid())
{
}

std::string Kodowanie::Na_bajty(const QString& tekst)
{
    if (!poprawne)
        throw Blad_konwersji(QStringLiteral("Brak kodowania %1.").arg(nazwa).toStdString());
    koder.resetState();
    const QByteArray bajty = koder.encode(tekst);
    return std::string(bajty.constData(), static_cast<std::size_t>(bajty.size()));
}

QString Kodowanie::Z_bajtow(const char* bajty)
{
    if (!poprawne)
        return {};
    dekoder.resetState();
    return dekoder.decode(QByteArrayView(bajty));
}

bool Kodowanie::Da_sie_zapisac(const QString& tekst)
{
    if (!poprawne)
        return false;
    // A round trip: a character without a byte comes back as another one.
    // (An encoder's error flag cannot be reused: resetting it is not
    // guaranteed for every codec.)
    koder.resetState();
    dekoder.resetState();
    return dekoder.decode(koder.encode(tekst)) == tekst;
}

Kodowanie& Kodowanie_cp1250()
{
    static Kodowanie cp1250("windows-1250");
    return cp1250;
}

bool Sprawdz_kodowanie(const Kodowanie& kodowanie)
{
    if (kodowanie.Poprawne())
        return true;
    Obsluga_bledow::Pokaz_blad(nullptr,
        QStringLiteral("Ta wersja Qt nie obsługuje kodowania %1; program nie może działać.").arg(kodowanie.Nazwa()));
    return false;
}
