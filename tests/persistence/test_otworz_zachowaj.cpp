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

TEST_F(Zapis_i_odczyt, WorkedExampleReadsBackWithLinksAndFreshIdentifiersAfterwards)
{
    Otworz_plik(Przyklad_roboczy());
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    ASSERT_EQ(app.pozycje.Podaj_liczbe(), 1);
    TTytul* t = app.tytuly.Element(0);
    TPozycja* p = app.pozycje.Element(0);
    EXPECT_STREQ(t->Podaj_nazwe(), "Stary dom");
    EXPECT_STREQ(t->Podaj_autora(), "Anonim");
    EXPECT_STREQ(t->Podaj_ISBN(), "83-01-00001-5");
    EXPECT_EQ(t->Podaj_identyfikator(), 6);
    EXPECT_EQ(t->Podaj_pozycje(), &app.pozycje);
    EXPECT_EQ(p->Podaj_numer(), 1);
    EXPECT_EQ(p->Podaj_tytul(), t);
    EXPECT_EQ(p->Podaj_wypozyczenie(), nullptr);
    EXPECT_EQ(p->Podaj_identyfikator(), 7);
    EXPECT_EQ(app.tytuly.Podaj_identyfikator(), 2);
    EXPECT_EQ(app.pozycje.Podaj_identyfikator(), 3);
    EXPECT_EQ(Czytaj_bajty("proba2.txt"), Przyklad_roboczy());

    // A title added now must not take identifier 7 from the loaded copy,
    // or the next Save would leave one of them out.
    app.Dodaj_tytul("Nowy", "Autor", "1");
    EXPECT_GT(app.tytuly.Element(0)->Podaj_identyfikator(), 7);
    app.Zachowaj();
    app.Usun_wszystko();
    app.Otworz();
    EXPECT_EQ(app.tytuly.Podaj_liczbe(), 2);
    EXPECT_EQ(app.pozycje.Podaj_liczbe(), 1);
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

TEST_F(Zapis_i_odczyt, OpenRestoresEverythingWithEachCollectionReversed)
{
    app.Dodaj_tytul("Pan Tadeusz", "Adam Mickiewicz", "1");
    app.Dodaj_tytul("Lalka", "B. Prus", "2");
    app.Dodaj_tytul("\xA3\xF3\x64\xBC", "J\xF3zef", "3"); // "Łódź", "Józef" in windows-1250
    app.Dodaj_ksiazke("Lalka", 10);
    app.Dodaj_ksiazke("Pan Tadeusz", 11);
    app.Dodaj_ksiazke("\xA3\xF3\x64\xBC", -4);
    app.Dodaj_ksiazke("Lalka", 0);
    const std::vector<std::string> nazwy = Nazwy();
    app.Zachowaj();
    const std::string zapisany = Czytaj_bajty("proba1.txt");

    for (int runda = 0; runda < 2; ++runda) { // two Opens in a row give the same
        app.Usun_wszystko();
        app.Otworz();
        EXPECT_EQ(Nazwy(), std::vector<std::string>(nazwy.rbegin(), nazwy.rend()));
        EXPECT_STREQ(app.tytuly.Element(0)->Podaj_autora(), "Adam Mickiewicz");
        EXPECT_EQ(Migawka(app).Numery_z_tytulami(),
            (std::vector<std::pair<std::int32_t, std::string>> {
                { 10, "Lalka" }, { 11, "Pan Tadeusz" }, { -4, "\xA3\xF3\x64\xBC" }, { 0, "Lalka" } }));
        EXPECT_EQ(Czytaj_bajty("proba2.txt"), zapisany);
    }
    // Save after Open writes the reversed order.
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
