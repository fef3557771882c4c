#pragma once

// The text conversions at the user-interface boundary: Qt's Unicode text to
// the windows-1250 bytes the domain holds, and back; and text to integer.

#include <QString>

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

std::string Na_cp1250(const QString& tekst);
QString Z_cp1250(const char* bajty);
// Whether every character has a windows-1250 byte.
bool Da_sie_zapisac_w_cp1250(const QString& tekst);
