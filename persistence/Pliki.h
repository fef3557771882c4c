#pragma once

#include "persistence/Deskryptor.h"
#include "persistence/Strumien_wejsciowy.h"

#include <optional>
#include <string>

// Replaces a file so that it always holds either its old or its new content:
// the new content goes to a temporary file beside it, which is synced and then
// renamed over the target. A target that may not be written (no write bit,
// immutable, not a regular file) is refused, also for root. A symbolic link
// stays a link; its target is replaced. An existing file keeps its mode.
class Zapis_bezpieczny {
public:
    explicit Zapis_bezpieczny(const char* nazwa);
    // Without Zatwierdz the temporary file is removed and the target untouched.
    ~Zapis_bezpieczny();

    Zapis_bezpieczny(const Zapis_bezpieczny&) = delete;
    Zapis_bezpieczny& operator=(const Zapis_bezpieczny&) = delete;

    bool Otwarty() const { return fd.Otwarty(); }
    int Numer_deskryptora() const { return fd.Numer(); }

    // Syncs, closes and renames; false when any step fails.
    bool Zatwierdz();

private:
    void Porzuc();

    std::string cel;
    std::string tymczasowy;
    Deskryptor fd;
};

// The whole content of a regular file, its CR LF turned into LF once it is
// read, or nothing when it cannot be opened or read to its end.
std::optional<Tresc_pliku> Wczytaj_plik(const char* nazwa);
