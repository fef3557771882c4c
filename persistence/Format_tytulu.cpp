// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Formaty.h"

namespace {
// The rest of the line as a title field: its first 19 bytes, the line end
// consumed, not stored. At the end of the file the field is left as it was.
template <void (TTytul::*ustaw)(std::string_view)> void Czytaj_pole(Strumien_wejsciowy& s, TTytul* tytul)
{
    if (s.Zly())
        return;
    if (s.Na_koncu()) {
        s.Ustaw_zly();
        return;
    }
    const std::string_view pole = s.Pobierz_do('\n', rozmiar_pola - 1);
    if (tytul != nullptr)
        (tytul->*ustaw)(pole);
    s.Pomin_linie();
}
} // namespace

void Format_tytulu::Zapisz_pola(Strumien_wyjsciowy& s)
{
    if (obiekt == nullptr)
        return;
    s.Znak('<');
    s.Tekst(obiekt->Podaj_nazwe());
    s.Koniec_linii();
    s.Tekst(obiekt->Podaj_autora());
    s.Koniec_linii();
    s.Tekst(obiekt->Podaj_ISBN());
    s.Koniec_linii();
}

void Format_tytulu::Czytaj_pola(Strumien_wejsciowy& s)
{
    s.Pobierz();
    Czytaj_pole<&TTytul::Ustaw_nazwe>(s, obiekt);
    Czytaj_pole<&TTytul::Ustaw_autora>(s, obiekt);
    Czytaj_pole<&TTytul::Ustaw_ISBN>(s, obiekt);
}
