// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Migawka.h"

#include "domain/Porownania.h"

#include <cstdlib>
#include <set>
#include <sstream>

namespace {

template <class T> std::vector<const T*> Elementy(const TKol4<T>& kolekcja, std::string& blad)
{
    std::vector<const T*> wynik;
    for (std::int32_t i = 0; i < kolekcja.Podaj_liczbe(); ++i) {
        if (kolekcja.Element(i) == nullptr)
            blad = "a collection holds fewer elements than it counts";
        else
            wynik.push_back(kolekcja.Element(i));
    }
    if (kolekcja.Element(kolekcja.Podaj_liczbe()) != nullptr)
        blad = "a collection holds an element past its count";
    return wynik;
}

} // namespace

Migawka::Migawka(const TKlasaAplikacji& app)
    : id_tytulow(app.tytuly.Podaj_identyfikator())
    , id_pozycji(app.pozycje.Podaj_identyfikator())
{
    const std::vector<const TTytul*> t = Elementy(app.tytuly, blad);
    for (const TTytul* tytul : t)
        tytuly.emplace_back(
            tytul->Podaj_nazwe(), tytul->Podaj_autora(), tytul->Podaj_ISBN(), tytul->Podaj_identyfikator());
    for (const TPozycja* p : Elementy(app.pozycje, blad)) {
        long gdzie = -1;
        for (std::size_t i = 0; p->Podaj_tytul() != nullptr && i < t.size() && gdzie < 0; ++i)
            if (t[i] == p->Podaj_tytul())
                gdzie = static_cast<long>(i);
        if (p->Podaj_tytul() != nullptr && gdzie < 0)
            blad = "a copy's title is not a title of the catalogue";
        pozycje.emplace_back(p->Podaj_numer(), gdzie, p->Podaj_identyfikator(), p->Podaj_wypozyczenie() != nullptr);
    }
}

std::vector<std::string> Migawka::Nazwy() const
{
    std::vector<std::string> nazwy;
    for (const Tytul& t : tytuly)
        nazwy.push_back(std::get<0>(t));
    return nazwy;
}

std::vector<std::int32_t> Migawka::Numery() const
{
    std::vector<std::int32_t> numery;
    for (const Pozycja& p : pozycje)
        numery.push_back(std::get<0>(p));
    return numery;
}

std::string Migawka::Tytul_pozycji(const Pozycja& p) const
{
    return std::get<1>(p) < 0 ? std::string() : std::get<0>(tytuly[static_cast<std::size_t>(std::get<1>(p))]);
}

std::vector<std::pair<std::int32_t, std::string>> Migawka::Numery_z_tytulami() const
{
    std::vector<std::pair<std::int32_t, std::string>> wynik;
    for (const Pozycja& p : pozycje)
        wynik.emplace_back(std::get<0>(p), Tytul_pozycji(p));
    return wynik;
}

bool Migawka::Identyfikatory_rozne() const
{
    std::set<std::int32_t> ids { id_tytulow, id_pozycji };
    for (const Tytul& t : tytuly)
        ids.insert(std::get<3>(t));
    for (const Pozycja& p : pozycje)
        ids.insert(std::get<2>(p));
    return ids.size() == 2 + tytuly.size() + pozycje.size() && ids.count(-1) == 0;
}

std::string Opis(const TKlasaAplikacji& app)
{
    const Migawka m(app);
    std::string o = "tytuly " + std::to_string(m.id_tytulow) + ":";
    for (const auto& [nazwa, autor, isbn, id] : m.tytuly)
        o += " " + std::to_string(id) + " " + nazwa + "|" + autor + "|" + isbn;
    o += "; pozycje " + std::to_string(m.id_pozycji) + ":";
    for (const auto& [numer, tytul, id, wypozyczona] : m.pozycje)
        o += " " + std::to_string(id) + " " + std::to_string(numer) + "->"
            + (tytul < 0 ? "-" : std::to_string(std::get<3>(m.tytuly[static_cast<std::size_t>(tytul)])))
            + (wypozyczona ? "+w" : "");
    return o;
}

void Wykonaj_kroki(TKlasaAplikacji& app, const std::string& kroki)
{
    std::istringstream wszystkie(kroki);
    for (std::string krok; std::getline(wszystkie, krok, ';');) {
        std::istringstream czytany(krok);
        std::string rodzaj, reszta;
        czytany >> rodzaj >> std::ws;
        std::getline(czytany, reszta);
        std::vector<std::string> pola;
        std::istringstream pola_tekst(reszta);
        for (std::string pole; std::getline(pola_tekst, pole, '|');)
            pola.push_back(pole);
        const auto liczba = static_cast<std::int32_t>(pola.empty() ? 0 : std::strtol(pola.back().c_str(), nullptr, 10));
        if (rodzaj == "t")
            app.Dodaj_tytul(pola.at(0).c_str(), pola.at(1).c_str(), pola.at(2).c_str());
        else if (rodzaj == "k")
            app.Dodaj_ksiazke(pola.at(0).c_str(), liczba);
        else if (rodzaj == "st")
            app.tytuly.Sortuj(Porownaj_tytuly);
        else if (rodzaj == "sp")
            app.pozycje.Sortuj(Porownaj_pozycje);
        else if (rodzaj == "u")
            app.Usun_wszystko();
        else if (rodzaj == "it" || rodzaj == "ip")
            (rodzaj == "it" ? static_cast<Kolekcja_obiektow&>(app.tytuly) : app.pozycje).Ustaw_identyfikator(liczba);
        else if (rodzaj == "l")
            licznik_obiektow = liczba;
    }
}
