// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text conversions at the user-interface boundary: Qt's Unicode text to
// the windows-1250 bytes the domain holds, and back; and text to integer.

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdint>
#include <stdexcept>
#include <string>

// The conversion error; its text is shown to the user as it stands.
class Blad_konwersji : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Optional blanks around an optional sign and decimal digits, within 32 bits.
// Anything else raises Blad_konwersji quoting the text.
std::int32_t Na_liczbe(const QString& tekst);

// A codec by name, built once and reused (a grid converts every visible cell
// at each repaint). Without the codec in Qt it is not Poprawne, and encoding
// raises Blad_konwersji rather than give empty text that a Save would write.
class Kodowanie {
public:
    explicit Kodowanie(const char* nazwa);

    bool Poprawne() const { return poprawne; }
    const QString& Nazwa() const { return nazwa; }

    std::string Na_bajty(const QString& tekst);
    QString Z_bajtow(const char* bajty);
    // Whether every character has a byte in this codec.
    bool Da_sie_zapisac(const QString& tekst);

private:
    QString nazwa;
    QStringEncoder koder;
    QStringDecoder dekoder;
    bool poprawne;
};

// The program's windows-1250 codec.
Kodowanie& Kodowanie_cp1250();

// At start-up: false, said in the error message box, when the codec is
// missing; the program must then not run.
bool Sprawdz_kodowanie(const Kodowanie& kodowanie);
