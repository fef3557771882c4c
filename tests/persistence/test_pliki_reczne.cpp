// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-made and damaged files: what Open makes of them, and that whatever it
// makes, the next Save writes a file that reads back to the same bytes.

#include "Aplikacja_w_katalogu.h"
#include "Przyklad.h"

#include <string>

namespace {

using Pliki_reczne = Aplikacja_w_katalogu;

// Hand-made files, in this order, and what Open makes of each; whatever it
// makes, the next Save writes a file that reads back to the same bytes.
TEST_F(Pliki_reczne, EachHandMadeFileOpensAsExpectedAndSavesCanonically)
{
    struct Plik_reczny {
        const char* co;
        std::string plik;
        std::string katalog;
        std::string w_proba2 = {}; // a part of the file written back, where the row is about it
    };
    // The third collection entry binds the copies collection again, from 3
    // to 4; a definition may then take 3.
    const std::string wpisy = Wpis(1, 2) + Wpis(1, 3) + Wpis(1, 4);
    std::string crlf = Plik(wpisy, Kolekcja(3, 0));
    for (std::size_t i = 0; (i = crlf.find('\n', i)) != std::string::npos; i += 2)
        crlf.insert(i, "\r");
    std::string lf;
    for (const char c : Przyklad_roboczy())
        if (c != '\r')
            lf += c;
    const Plik_reczny pliki[] = {
        // An identifier line without "<id>" would give -1, which means no
        // object; its line end is left unread, so the field block's "<" is
        // the name's. Missing keys leave what the factory gave.
        { "missing keys",
            Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(2, 7) + Wpis(1, 3) + Wpis(3, 9),
                Kolekcja(2, 2) + "<Definicja_obiektu>\n<Nazwa_klasy>TTytul\n<A\nB\nC\n<\\Definicja_obiektu>\n"
                    + "<Definicja_obiektu>\n<Nazwa_klasy>TTytul\n<Obiekt_ID>\n<D\nE\nF\n<\\Definicja_obiektu>\n"
                    + Kolekcja(3, 1)
                    + "<Definicja_obiektu>\n<Nazwa_klasy>TPozycja\n<Obiekt_ID><id>9\n<4\n<\\Definicja_obiektu>\n"),
            "tytuly 2: 7 <D|E|F 6 A|B|C; pozycje 3: 9 4->-" },
        // 99 is not listed, 3 is a collection: only 6 resolves.
        { "references to unlisted objects and to other classes",
            Plik(Wpis(1, 2) + Wpis(2, 6) + "<Kod_klasy>5\n<Obiekt_ID><id>50\n" + Wpis(1, 3) + Wpis(3, 7) + Wpis(3, 8)
                    + Wpis(3, 9),
                Kolekcja(2, 1) + Tytul(6, "T", "A", "I") + Kolekcja(3, 3) + Pozycja(7, "1", 99) + Pozycja(8, "2", 3)
                    + Pozycja(9, "3", 6)),
            "tytuly 2: 6 T|A|I; pozycje 3: 9 3->6 8 2->- 7 1->-" },
        { "a loan reference to a title gives no loan",
            Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(1, 3) + Wpis(3, 7),
                Kolekcja(2, 1) + Tytul(6, "T", "A", "I") + Kolekcja(3, 1)
                    + "<Definicja_obiektu>\n<Nazwa_klasy>TPozycja\n<Obiekt_ID><id>7\n<1\n<TTytul><id>6\n"
                      "<TWypozyczenie><id>6\n<\\Definicja_obiektu>\n"),
            "tytuly 2: 6 T|A|I; pozycje 3: 7 1->6" },
        // What follows the -1 is read as the titles collection's definition.
        { "the entry list ends at -1", Plik(Wpis(1, 2) + Wpis(2, 6) + "<Kod_klasy>-1\n" + Wpis(2, 7), ""),
            "tytuly 7: 6 ||; pozycje 3:" },
        { "the file ends after the table", Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(2, 8) + Wpis(1, 3) + Wpis(3, 7), ""),
            "tytuly 2: 8 || 6 ||; pozycje 3: 7 0->-" },
        { "the file ends inside a title's fields: what was read stays",
            Plik(Wpis(1, 2) + Wpis(2, 6),
                Kolekcja(2, 1) + "<Definicja_obiektu>\n<Nazwa_klasy>TTytul\n<Obiekt_ID><id>6\n<Nazwa\nAut"),
            "tytuly 2: 6 Nazwa|Aut|; pozycje 3:" },
        // The third collection entry binds the copies again.
        { "collection entries bind titles, then copies",
            Plik(Wpis(1, 20) + Wpis(2, 6) + Wpis(2, 7) + Wpis(2, 8) + Wpis(1, 30) + Wpis(3, 9) + Wpis(3, 10)
                    + Wpis(1, 40),
                ""),
            "tytuly 20: 8 || 7 || 6 ||; pozycje 40: 10 0->- 9 0->-" },
        { "a second read binds its first collection entry to the titles again", Plik(Wpis(1, 21) + Wpis(1, 31), ""),
            "tytuly 21:; pozycje 31:" },
        // Title 6 claims 7 (the copy's) and title 8 claims 20 twice over;
        // references resolve through the listed identifiers.
        { "definitions cannot give two objects one identifier",
            Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(2, 8) + Wpis(2, 11) + Wpis(1, 3) + Wpis(3, 7),
                Kolekcja(2, 3) + Tytul(7, "A", "a", "1") + Tytul(20, "B", "b", "2") + Tytul(20, "C", "c", "3")
                    + Kolekcja(3, 1) + Pozycja(7, "1", 8)),
            "tytuly 2: 11 C|c|3 20 B|b|2 6 A|a|1; pozycje 3: 7 1->20" },
        // An identifier past 32 bits saturates, a name is cut at 19 bytes,
        // a number that is no number leaves 0 and the references are read.
        { "odd lines",
            Plik(Wpis(1, 2) + Wpis(2, 6) + "<Kod_klasy>1\n<Obiekt_ID><id>99999999999\n" + Wpis(3, 7) + Wpis(3, 8),
                Kolekcja(2, 1) + Tytul(6, "12345678901234567890123456789", "Autor z odst\xEApem", "")
                    + Kolekcja(2147483647, 2) + Pozycja(7, "abc", 6) + Pozycja(8, " -42", 6)),
            "tytuly 2: 6 1234567890123456789|Autor z odst\xEApem|; pozycje 2147483647: 8 -42->6 7 0->6" },
        { "a stored count never changes the element count",
            Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(1, 3), Kolekcja(2, 1000) + Tytul(6, "T", "A", "I") + Kolekcja(3, 5)),
            "tytuly 2: 6 T|A|I; pozycje 3:" },
        { "an identifier freed by rebinding", crlf,
            "tytuly 3:; pozycje 4:", "<Kod_klasy>1\r\n<Obiekt_ID><id>3\r\n<Kod_klasy>1\r\n<Obiekt_ID><id>4" },
        { "a title takes an identifier freed by rebinding",
            Plik(wpisy + Wpis(2, 6), Kolekcja(2, 1) + Kolekcja(4, 0) + Kolekcja(4, 0) + Tytul(3, "T", "A", "I")),
            "tytuly 2: 3 T|A|I; pozycje 4:" },
        { "bare LF line ends", lf, "tytuly 2: 6 Stary dom|Anonim|83-01-00001-5; pozycje 3: 7 1->6",
            Przyklad_roboczy() },
        // No collection entries: the titles collection keeps 2, which a title
        // of the file holds; and the copies collection's 3 is taken by the
        // titles collection itself.
        { "unbound collections take identifiers that no object holds",
            Plik(Wpis(2, 2) + Wpis(1, 3) + Wpis(2, 5),
                Tytul(2, "A", "a", "1") + Kolekcja(3, 2) + Tytul(5, "B", "b", "2")),
            "tytuly 3: 5 B|b|2 2 A|a|1; pozycje 6:" },
        { "the counter at its limit", Plik(Wpis(1, 2147483647) + Wpis(1, 3), ""), "tytuly 2147483647:; pozycje 3:" },
        // Then neither collection is bound, and titles hold both their
        // identifiers: the collections take the lowest above the five
        // collections' first ones.
        { "unbound collections with the counter at its limit",
            Plik(Wpis(2, 2147483647) + Wpis(2, 3), Tytul(2147483647, "A", "a", "1") + Tytul(3, "B", "b", "2")),
            "tytuly 6: 3 B|b|2 2147483647 A|a|1; pozycje 7:" },
    };
    for (const Plik_reczny& p : pliki) {
        Otworz_plik(p.plik);
        EXPECT_EQ(Opis(app), p.katalog) << p.co;
        EXPECT_TRUE(p.w_proba2.empty() || Czytaj_bajty("proba2.txt").find(p.w_proba2) != std::string::npos) << p.co;
        const Migawka przed(app);
        Sprawdz_kanoniczny_zapis();
        const Migawka po(app);
        EXPECT_EQ(po.tytuly.size(), przed.tytuly.size()) << p.co;
        EXPECT_EQ(po.pozycje.size(), przed.pozycje.size()) << p.co;
    }
}

TEST_F(Pliki_reczne, RepeatedOrMissingIdentifiersCreateNoGhosts)
{
    // Entry 6 twice and an entry with -1: neither may give an object
    // that never receives a definition (a copy 0 would block the number 0).
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(2, 6) + Wpis(1, 3) + Wpis(3, 7) + Wpis(3, 7) + Wpis(3, -1),
        Kolekcja(2, 1) + Tytul(6, "T", "A", "I") + Kolekcja(3, 1) + Pozycja(7, "5", 6)));
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 1);
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 1);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_numer(), 5);
    app.Dodaj_ksiazke("T", 0);
    EXPECT_EQ(app.pozycje.Podaj_liczbe(), 2);
    Sprawdz_kanoniczny_zapis();
}

} // namespace
