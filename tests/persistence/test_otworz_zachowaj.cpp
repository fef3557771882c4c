// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aplikacja_w_katalogu.h"
#include "Przyklad.h"

#include <algorithm>

namespace {

using Zapis_i_odczyt = Aplikacja_w_katalogu;

TEST_F(Zapis_i_odczyt, WorkedExampleIsWrittenByteForByte)
{
    app.Dodaj_tytul("Stary dom", "Anonim", "83-01-00001-5");
    app.Dodaj_ksiazke("Stary dom", 1);
    app.Zachowaj();
    const std::string plik = Czytaj_bajty("proba1.txt");
    EXPECT_EQ(plik, Przyklad_roboczy());
    EXPECT_EQ(std::count(plik.begin(), plik.end(), '\n'), 37);
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 1); // Save changes nothing in memory
}

// A title added after the Open must not take identifier 7 from the loaded
// copy, or the next Save would leave one of them out.
TEST_F(Zapis_i_odczyt, WorkedExampleReadsBackWithLinksAndFreshIdentifiersAfterwards)
{
    Otworz_plik(Przyklad_roboczy());
    EXPECT_EQ(Opis(app), "tytuly 2: 6 Stary dom|Anonim|83-01-00001-5; pozycje 3: 7 1->6");
    EXPECT_EQ(app.tytuly.Element(0)->Podaj_pozycje(), &app.pozycje);
    EXPECT_EQ(Czytaj_bajty("proba2.txt"), Przyklad_roboczy());
    Wykonaj_kroki(app, "t Nowy|Autor|1");
    app.Zachowaj();
    app.Usun_wszystko();
    app.Otworz();
    EXPECT_EQ(Opis(app), "tytuly 2: 6 Stary dom|Anonim|83-01-00001-5 8 Nowy|Autor|1; pozycje 3: 7 1->6");
}

TEST_F(Zapis_i_odczyt, EmptyApplicationSavesTwoEmptyCollections)
{
    app.Zachowaj();
    EXPECT_EQ(Czytaj_bajty("proba1.txt"),
        "<Definicja_obiektu>\r\n<Nazwa_klasy>Tablica_obiektow\r\n<Tablica_obiektow>\r\n"
        "<Kod_klasy>1\r\n<Obiekt_ID><id>2\r\n<Kod_klasy>1\r\n<Obiekt_ID><id>3\r\n"
        "<\\Tablica_obiektow>\r\n<\\Definicja_obiektu>\r\n"
        "<Definicja_obiektu>\r\n<Nazwa_klasy>TKol1\r\n<Obiekt_ID><id>2\r\n<0\r\n<\\Definicja_obiektu>\r\n"
        "<Definicja_obiektu>\r\n<Nazwa_klasy>TKol1\r\n<Obiekt_ID><id>3\r\n<0\r\n<\\Definicja_obiektu>\r\n");
    app.Usun_wszystko();
    app.Otworz();
    EXPECT_EQ(app.tytuly.Podaj_liczbe() + app.pozycje.Podaj_liczbe(), 0);
    EXPECT_EQ(Czytaj_bajty("proba2.txt"), Czytaj_bajty("proba1.txt"));
}

// Each collection comes back reversed, the same from two Opens in a row; a
// Save after the Open writes that order.
TEST_F(Zapis_i_odczyt, OpenRestoresEverythingWithEachCollectionReversed)
{
    // "Łódź", "Józef" in windows-1250.
    Wykonaj_kroki(app,
        "t Pan Tadeusz|Adam Mickiewicz|1; t Lalka|B. Prus|2; t \xA3\xF3\x64\xBC|J\xF3zef|3; k Lalka|10; "
        "k Pan Tadeusz|11; k \xA3\xF3\x64\xBC|-4; k Lalka|0");
    app.Zachowaj();
    const std::string zapisany = Czytaj_bajty("proba1.txt");
    for (int runda = 0; runda < 2; ++runda) {
        app.Usun_wszystko();
        app.Otworz();
        EXPECT_EQ(Opis(app),
            "tytuly 2: 6 Pan Tadeusz|Adam Mickiewicz|1 7 Lalka|B. Prus|2 8 \xA3\xF3\x64\xBC|J\xF3zef|3; "
            "pozycje 3: 9 10->7 10 11->6 11 -4->8 12 0->7");
        EXPECT_EQ(Czytaj_bajty("proba2.txt"), zapisany);
    }
    app.Zachowaj();
    EXPECT_NE(Czytaj_bajty("proba1.txt"), zapisany);
    Sprawdz_kanoniczny_zapis();
}

TEST_F(Zapis_i_odczyt, LargeLibrariesAreSavedWhole)
{
    // Past a hundred entries nothing may be left out of the file.
    for (int i = 0; i < 99; ++i)
        app.Dodaj_tytul(("T" + std::to_string(i)).c_str(), "a", std::to_string(i).c_str());
    for (int i = 0; i < 5; ++i)
        app.Dodaj_ksiazke("T3", i);
    app.Zachowaj();
    app.Usun_wszystko();
    app.Otworz();
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 99);
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 5);
    EXPECT_STREQ(app.pozycje.Element(0)->Podaj_tytul()->Podaj_nazwe(), "T3");

    for (int i = 99; i < 200; ++i)
        app.Dodaj_tytul(("T" + std::to_string(i)).c_str(), "a", std::to_string(i).c_str());
    for (int i = 5; i < 50; ++i)
        app.Dodaj_ksiazke("T150", i);
    Sprawdz_kanoniczny_zapis(); // 250 table entries
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 200);
    EXPECT_EQ(app.pozycje.Podaj_liczbe(), 50);
}

TEST_F(Zapis_i_odczyt, MissingFileLeavesEverythingEmptyAndWritesEmptyTable)
{
    app.Otworz();
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 0);
    EXPECT_EQ(Czytaj_bajty("proba2.txt"),
        "<Definicja_obiektu>\r\n<Nazwa_klasy>Tablica_obiektow\r\n"
        "<Tablica_obiektow>\r\n<\\Tablica_obiektow>\r\n<\\Definicja_obiektu>\r\n");
}

} // namespace
