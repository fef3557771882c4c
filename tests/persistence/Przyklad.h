// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The 37 lines that one title with one copy, saved in a fresh run, give.
inline std::string Przyklad_roboczy()
{
    return "<Definicja_obiektu>\r\n<Nazwa_klasy>Tablica_obiektow\r\n<Tablica_obiektow>\r\n"
           "<Kod_klasy>1\r\n<Obiekt_ID><id>2\r\n<Kod_klasy>2\r\n<Obiekt_ID><id>6\r\n"
           "<Kod_klasy>1\r\n<Obiekt_ID><id>3\r\n<Kod_klasy>3\r\n<Obiekt_ID><id>7\r\n"
           "<\\Tablica_obiektow>\r\n<\\Definicja_obiektu>\r\n"
           "<Definicja_obiektu>\r\n<Nazwa_klasy>TKol1\r\n<Obiekt_ID><id>2\r\n<1\r\n<\\Definicja_obiektu>\r\n"
           "<Definicja_obiektu>\r\n<Nazwa_klasy>TTytul\r\n<Obiekt_ID><id>6\r\n<Stary dom\r\nAnonim\r\n"
           "83-01-00001-5\r\n<\\Definicja_obiektu>\r\n"
           "<Definicja_obiektu>\r\n<Nazwa_klasy>TKol1\r\n<Obiekt_ID><id>3\r\n<1\r\n<\\Definicja_obiektu>\r\n"
           "<Definicja_obiektu>\r\n<Nazwa_klasy>TPozycja\r\n<Obiekt_ID><id>7\r\n<1\r\n<TTytul><id>6\r\n"
           "<TWypozyczenie><id>-1\r\n<\\Definicja_obiektu>\r\n";
}

// A table definition listing the given entry lines, then the definitions.
inline std::string Plik(const std::string& wpisy, const std::string& definicje)
{
    return "<Definicja_obiektu>\n<Nazwa_klasy>Tablica_obiektow\n<Tablica_obiektow>\n" + wpisy
        + "<\\Tablica_obiektow>\n<\\Definicja_obiektu>\n" + definicje;
}

inline std::string Wpis(int kod, int id)
{
    return "<Kod_klasy>" + std::to_string(kod) + "\n<Obiekt_ID><id>" + std::to_string(id) + "\n";
}

inline std::string Kolekcja(int id, int liczba)
{
    return "<Definicja_obiektu>\n<Nazwa_klasy>TKol1\n<Obiekt_ID><id>" + std::to_string(id) + "\n<"
        + std::to_string(liczba) + "\n<\\Definicja_obiektu>\n";
}

inline std::string Tytul(int id, const std::string& nazwa, const std::string& autor, const std::string& isbn)
{
    return "<Definicja_obiektu>\n<Nazwa_klasy>TTytul\n<Obiekt_ID><id>" + std::to_string(id) + "\n<" + nazwa + "\n"
        + autor + "\n" + isbn + "\n<\\Definicja_obiektu>\n";
}

inline std::string Pozycja(int id, const std::string& numer, int tytul)
{
    return "<Definicja_obiektu>\n<Nazwa_klasy>TPozycja\n<Obiekt_ID><id>" + std::to_string(id) + "\n<" + numer
        + "\n<TTytul><id>" + std::to_string(tytul) + "\n<TWypozyczenie><id>-1\n<\\Definicja_obiektu>\n";
}
