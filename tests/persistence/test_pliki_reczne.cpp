// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-made and damaged files: what Open makes of them, and that whatever it
// makes, the next Save writes a file that reads back to the same bytes.

#include "Aplikacja_w_katalogu.h"
#include "Przyklad.h"

namespace {

using Pliki_reczne = Aplikacja_w_katalogu;

TEST_F(Pliki_reczne, MissingKeysLeaveWhatTheFactoryGave)
{
    const std::string bez_identyfikatora
        = "<Definicja_obiektu>\n<Nazwa_klasy>TTytul\n<A\nB\nC\n<\\Definicja_obiektu>\n";
    const std::string bez_id
        = "<Definicja_obiektu>\n<Nazwa_klasy>TTytul\n<Obiekt_ID>\n<D\nE\nF\n<\\Definicja_obiektu>\n";
    const std::string bez_tytulu = "<Definicja_obiektu>\n<Nazwa_klasy>TPozycja\n<Obiekt_ID><id>9\n<4\n"
                                   "<\\Definicja_obiektu>\n";
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(2, 7) + Wpis(1, 3) + Wpis(3, 9),
        Kolekcja(2, 2) + bez_identyfikatora + bez_id + Kolekcja(3, 1) + bez_tytulu));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 2);
    // An identifier line without "<id>" would give -1, which means no object.
    // Its line end is left unread, so the field block's "<" is the name's.
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 7);
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_nazwe(), "<D");
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_ISBN(), "F");
    EXPECT_EQ(app.tytuly.Element(1)->Podaj_identyfikator(), 6);
    EXPECT_STREQ(app.tytuly.Element(1)->Podaj_ISBN(), "C");
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 1);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_numer(), 4);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_tytul(), nullptr);
    Sprawdz_kanoniczny_zapis();
}

TEST_F(Pliki_reczne, ReferencesResolveOnlyToListedObjectsOfTheRightClass)
{
    const std::string zly_kod = "<Kod_klasy>5\n<Obiekt_ID><id>50\n";
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + zly_kod + Wpis(1, 3) + Wpis(3, 7) + Wpis(3, 8) + Wpis(3, 9),
        Kolekcja(2, 1) + Tytul(6, "T", "A", "I") + Kolekcja(3, 3) + Pozycja(7, "1", 99) + Pozycja(8, "2", 3)
            + Pozycja(9, "3", 6)));
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 3);
    EXPECT_EQ(app.pozycje.Element(2)->Podaj_tytul(), nullptr); // 99 not listed
    EXPECT_EQ(app.pozycje.Element(1)->Podaj_tytul(), nullptr); // 3 is a collection
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_tytul(), app.tytuly.Element(0));

    // A loan reference to a title gives no loan.
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(1, 3) + Wpis(3, 7),
        Kolekcja(2, 1) + Tytul(6, "T", "A", "I") + Kolekcja(3, 1)
            + "<Definicja_obiektu>\n<Nazwa_klasy>TPozycja\n<Obiekt_ID><id>7\n<1\n<TTytul><id>6\n"
              "<TWypozyczenie><id>6\n<\\Definicja_obiektu>\n"));
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 1);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_wypozyczenie(), nullptr);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_tytul(), app.tytuly.Element(0));
    Sprawdz_kanoniczny_zapis();
}

TEST_F(Pliki_reczne, EntryListEndsAtMinusOneAfterConsumingIt)
{
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + "<Kod_klasy>-1\n" + Wpis(2, 7), ""));
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 1);
}

TEST_F(Pliki_reczne, FileEndingAfterTheTableGivesEmptyObjects)
{
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(2, 8) + Wpis(1, 3) + Wpis(3, 7), ""));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 2);
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_nazwe(), "");
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_numer(), 0);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_tytul(), nullptr);
    Sprawdz_kanoniczny_zapis();

    // Cut in the middle of a title's fields: what was read stays.
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6),
        Kolekcja(2, 1)
            + "<Definicja_obiektu>\n<Nazwa_klasy>TTytul\n"
              "<Obiekt_ID><id>6\n<Nazwa\nAut"));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_nazwe(), "Nazwa");
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_autora(), "Aut");
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_ISBN(), "");
}

TEST_F(Pliki_reczne, CollectionEntriesBindTitlesThenCopies)
{
    Otworz_plik(Plik(
        Wpis(1, 20) + Wpis(2, 6) + Wpis(2, 7) + Wpis(2, 8) + Wpis(1, 30) + Wpis(3, 9) + Wpis(3, 10) + Wpis(1, 40), ""));
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 20);
    EXPECT_EQ(app.pozycje.Podaj_identyfikator(), 40); // the third binds the copies again
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 3);
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 8);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_identyfikator(), 10);
    // A second read binds its first collection entry to the titles again.
    Otworz_plik(Plik(Wpis(1, 21) + Wpis(1, 31), ""));
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 21);
    EXPECT_EQ(app.pozycje.Podaj_identyfikator(), 31);
}

TEST_F(Pliki_reczne, AnIdentifierFreedByRebindingCanBeTakenAgain)
{
    // The third collection entry binds the copies collection again, from 3
    // to 4; a definition may then take 3.
    const std::string wpisy = Wpis(1, 2) + Wpis(1, 3) + Wpis(1, 4);
    std::string plik = Plik(wpisy, Kolekcja(3, 0));
    for (std::size_t i = 0; (i = plik.find('\n', i)) != std::string::npos; i += 2)
        plik.insert(i, "\r");
    Otworz_plik(plik);
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 3);
    EXPECT_EQ(app.pozycje.Podaj_identyfikator(), 4);
    EXPECT_NE(Czytaj_bajty("proba2.txt").find("<Kod_klasy>1\r\n<Obiekt_ID><id>3\r\n<Kod_klasy>1\r\n<Obiekt_ID><id>4"),
        std::string::npos);
    Sprawdz_kanoniczny_zapis();

    // A title's definition may take it too.
    Otworz_plik(Plik(wpisy + Wpis(2, 6), Kolekcja(2, 1) + Kolekcja(4, 0) + Kolekcja(4, 0) + Tytul(3, "T", "A", "I")));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_identyfikator(), 3);
    Sprawdz_kanoniczny_zapis();
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

TEST_F(Pliki_reczne, DefinitionsCannotGiveTwoObjectsOneIdentifier)
{
    // Title 6 claims 7 (the copy's) and title 8 claims 20 twice over.
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(2, 8) + Wpis(2, 11) + Wpis(1, 3) + Wpis(3, 7),
        Kolekcja(2, 3) + Tytul(7, "A", "a", "1") + Tytul(20, "B", "b", "2") + Tytul(20, "C", "c", "3") + Kolekcja(3, 1)
            + Pozycja(7, "1", 8)));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 3);
    std::vector<std::int32_t> ids
        = { app.tytuly.Element(0)->Podaj_identyfikator(), app.tytuly.Element(1)->Podaj_identyfikator(),
              app.tytuly.Element(2)->Podaj_identyfikator(), app.pozycje.Element(0)->Podaj_identyfikator(),
              app.tytuly.Podaj_identyfikator(), app.pozycje.Podaj_identyfikator() };
    EXPECT_EQ(ids, (std::vector<std::int32_t> { 11, 20, 6, 7, 2, 3 }));
    // References resolve through the listed identifiers.
    EXPECT_STREQ(app.pozycje.Element(0)->Podaj_tytul()->Podaj_nazwe(), "B");
    Sprawdz_kanoniczny_zapis();
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 3);
    EXPECT_EQ(app.pozycje.Podaj_liczbe(), 1);
}

TEST_F(Pliki_reczne, OddLinesAreReadSafely)
{
    const std::string dlugi = "12345678901234567890123456789";
    Otworz_plik(Plik(Wpis(1, 2) + Wpis(2, 6) + "<Kod_klasy>1\n<Obiekt_ID><id>99999999999\n" + Wpis(3, 7) + Wpis(3, 8),
        Kolekcja(2, 1) + Tytul(6, dlugi, "Autor z odst\xEApem", "") + Kolekcja(2147483647, 2) + Pozycja(7, "abc", 6)
            + Pozycja(8, " -42", 6)));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_nazwe(), dlugi.substr(0, 19).c_str());
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_autora(), "Autor z odst\xEApem");
    EXPECT_STREQ(app.tytuly.Element(0)->Podaj_ISBN(), "");
    EXPECT_EQ(app.pozycje.Podaj_identyfikator(), 2147483647);
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 2);
    // Not a number: the copy keeps 0 and its references are still read.
    EXPECT_EQ(app.pozycje.Element(1)->Podaj_numer(), 0);
    EXPECT_EQ(app.pozycje.Element(1)->Podaj_tytul(), app.tytuly.Element(0));
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_numer(), -42);
    EXPECT_EQ(app.pozycje.Element(0)->Podaj_tytul(), app.tytuly.Element(0));
    Sprawdz_kanoniczny_zapis();
}

TEST_F(Pliki_reczne, StoredCountNeverChangesTheElementCount)
{
    Otworz_plik(
        Plik(Wpis(1, 2) + Wpis(2, 6) + Wpis(1, 3), Kolekcja(2, 1000) + Tytul(6, "T", "A", "I") + Kolekcja(3, 5)));
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 1);
    EXPECT_EQ(app.pozycje.Podaj_liczbe(), 0);
    EXPECT_EQ(app.pozycje.Element(0), nullptr);
}

TEST_F(Pliki_reczne, LineEndsMayBeBareLf)
{
    std::string przyklad = Przyklad_roboczy();
    std::string lf;
    for (char c : przyklad)
        if (c != '\r')
            lf += c;
    Otworz_plik(lf);
    EXPECT_EQ(Czytaj_bajty("proba2.txt"), przyklad);
}

} // namespace

namespace {

TEST_F(Pliki_reczne, UnboundCollectionsTakeIdentifiersThatNoObjectHolds)
{
    // No collection entries: the titles collection keeps 2, which a title
    // of the file holds; and the copies collection's 3 is taken by the
    // titles collection itself.
    Otworz_plik(
        Plik(Wpis(2, 2) + Wpis(1, 3) + Wpis(2, 5), Tytul(2, "A", "a", "1") + Kolekcja(3, 2) + Tytul(5, "B", "b", "2")));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 2);
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 3);
    for (const std::int32_t zajety : { 2, 3, 5 })
        EXPECT_NE(app.pozycje.Podaj_identyfikator(), zajety);
    Sprawdz_kanoniczny_zapis();
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 2);

    // The same with the counter at its limit: neither collection is bound,
    // and titles hold both their identifiers.
    Otworz_plik(Plik(Wpis(1, 2147483647) + Wpis(1, 3), ""));
    ASSERT_EQ(licznik_obiektow, 2147483647);
    Otworz_plik(Plik(Wpis(2, 2147483647) + Wpis(2, 3), Tytul(2147483647, "A", "a", "1") + Tytul(3, "B", "b", "2")));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 2);
    // The lowest identifiers above the five collections' first ones.
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 6);
    EXPECT_EQ(app.pozycje.Podaj_identyfikator(), 7);
    Sprawdz_kanoniczny_zapis();
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 2);
}

} // namespace
