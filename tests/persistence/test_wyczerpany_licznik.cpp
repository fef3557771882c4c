// SPDX-License-Identifier: GPL-3.0-or-later
// A file that holds the largest identifiers exhausts the counter; additions
// must still reach the next saved file, for the rest of the run.

#include "Aplikacja_w_katalogu.h"
#include "Przyklad.h"

#include <map>
#include <set>

namespace {

class Wyczerpany_licznik : public Aplikacja_w_katalogu, public ::testing::WithParamInterface<const char*> {
protected:
    // The worked example with its title's identifier replaced, in the
    // table entry and in the definition.
    static std::string Uszkodzony(const std::string& id)
    {
        std::string plik = Przyklad_roboczy();
        for (const std::string przed :
            { "<Kod_klasy>2\r\n<Obiekt_ID><id>", "<Nazwa_klasy>TTytul\r\n<Obiekt_ID><id>" }) {
            const auto gdzie = plik.find(przed + "6\r\n");
            plik.replace(gdzie + przed.size(), 1, id);
        }
        return plik;
    }

    void Dodaj_i_zachowaj(const std::string& nazwa, std::int32_t numer)
    {
        app.Dodaj_tytul(nazwa.c_str(), "Autor", ("ISBN " + nazwa).c_str());
        app.Dodaj_ksiazke(nazwa.c_str(), numer);
        app.Zachowaj();
    }

    // The saved file reads back to itself and holds the titles named, each
    // copy linked to the title given (empty: to none), all identifiers distinct.
    void Sprawdz_zapisany(const std::set<std::string>& tytuly, const std::map<std::int32_t, std::string>& pozycje)
    {
        const std::string zapisany = Czytaj_bajty("proba1.txt");
        app.Usun_wszystko();
        app.Otworz();
        EXPECT_EQ(Czytaj_bajty("proba2.txt"), zapisany);
        const Migawka m(app);
        const std::vector<std::string> wszystkie = m.Nazwy();
        const std::set<std::string> nazwy(wszystkie.begin(), wszystkie.end());
        std::map<std::int32_t, std::string> numery;
        for (const Migawka::Pozycja& p : m.pozycje)
            numery[std::get<0>(p)] = m.Tytul_pozycji(p);
        EXPECT_EQ(nazwy, tytuly);
        EXPECT_EQ(numery, pozycje);
        EXPECT_EQ(nazwy.size() + numery.size(), m.tytuly.size() + m.pozycje.size()) << "names and numbers are distinct";
        EXPECT_TRUE(m.Identyfikatory_rozne());
    }
};

TEST_P(Wyczerpany_licznik, AdditionsAfterTheFileAreSavedThenAndAfterACleanFile)
{
    // The copy's link still names 6, so it loads without a title.
    Otworz_plik(Uszkodzony(GetParam()));
    ASSERT_EQ(app.tytuly.Podaj_liczbe(), 1);
    Dodaj_i_zachowaj("Nowy", 2);
    Sprawdz_zapisany({ "Stary dom", "Nowy" }, { { 1, "" }, { 2, "Nowy" } });
    Dodaj_i_zachowaj("Drugi", 3);
    Sprawdz_zapisany({ "Stary dom", "Nowy", "Drugi" }, { { 1, "" }, { 2, "Nowy" }, { 3, "Drugi" } });

    // The counter is never lowered: a clean file does not end this.
    Otworz_plik(Przyklad_roboczy());
    Dodaj_i_zachowaj("Trzeci", 4);
    Sprawdz_zapisany({ "Stary dom", "Trzeci" }, { { 1, "Stary dom" }, { 4, "Trzeci" } });
}

INSTANTIATE_TEST_SUITE_P(
    Identyfikatory, Wyczerpany_licznik, ::testing::Values("99999999999", "2147483647", "2147483646"));

} // namespace
