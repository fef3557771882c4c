// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sqlite.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace {
void Wymagaj(int wynik, sqlite3* baza)
{
    if (wynik != SQLITE_OK && wynik != SQLITE_DONE && wynik != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(baza));
        std::abort();
    }
}
} // namespace

void Zapisz_sqlite(const TKlasaAplikacji& app, const char* plik)
{
    std::remove(plik);
    sqlite3* baza = nullptr;
    Wymagaj(sqlite3_open(plik, &baza), baza);
    Wymagaj(sqlite3_exec(baza,
                "CREATE TABLE tytuly(id INTEGER PRIMARY KEY, nazwa BLOB, autor BLOB, isbn BLOB);"
                "CREATE TABLE pozycje(id INTEGER PRIMARY KEY, numer INTEGER, tytul INTEGER);"
                "BEGIN",
                nullptr, nullptr, nullptr),
        baza);
    sqlite3_stmt* tytul = nullptr;
    sqlite3_stmt* pozycja = nullptr;
    Wymagaj(sqlite3_prepare_v2(baza, "INSERT INTO tytuly VALUES(?,?,?,?)", -1, &tytul, nullptr), baza);
    Wymagaj(sqlite3_prepare_v2(baza, "INSERT INTO pozycje VALUES(?,?,?)", -1, &pozycja, nullptr), baza);
    for (std::int32_t i = 0; const TTytul* t = app.tytuly.Element(i); ++i) {
        sqlite3_bind_int(tytul, 1, t->Podaj_identyfikator());
        sqlite3_bind_text(tytul, 2, t->Podaj_nazwe(), -1, SQLITE_STATIC);
        sqlite3_bind_text(tytul, 3, t->Podaj_autora(), -1, SQLITE_STATIC);
        sqlite3_bind_text(tytul, 4, t->Podaj_ISBN(), -1, SQLITE_STATIC);
        Wymagaj(sqlite3_step(tytul), baza);
        sqlite3_reset(tytul);
    }
    for (std::int32_t i = 0; const TPozycja* p = app.pozycje.Element(i); ++i) {
        sqlite3_bind_int(pozycja, 1, p->Podaj_identyfikator());
        sqlite3_bind_int(pozycja, 2, p->Podaj_numer());
        sqlite3_bind_int(pozycja, 3, p->Podaj_tytul() ? p->Podaj_tytul()->Podaj_identyfikator() : -1);
        Wymagaj(sqlite3_step(pozycja), baza);
        sqlite3_reset(pozycja);
    }
    sqlite3_finalize(tytul);
    sqlite3_finalize(pozycja);
    Wymagaj(sqlite3_exec(baza, "COMMIT", nullptr, nullptr, nullptr), baza);
    sqlite3_close(baza);
}

void Czytaj_sqlite(TKlasaAplikacji& app, const char* plik)
{
    sqlite3* baza = nullptr;
    Wymagaj(sqlite3_open_v2(plik, &baza, SQLITE_OPEN_READONLY, nullptr), baza);
    sqlite3_stmt* zapytanie = nullptr;
    std::unordered_map<std::int32_t, TTytul*> tytuly;
    Wymagaj(sqlite3_prepare_v2(baza, "SELECT id, nazwa, autor, isbn FROM tytuly", -1, &zapytanie, nullptr), baza);
    while (sqlite3_step(zapytanie) == SQLITE_ROW) {
        auto* t = new TTytul(reinterpret_cast<const char*>(sqlite3_column_text(zapytanie, 1)),
            reinterpret_cast<const char*>(sqlite3_column_text(zapytanie, 2)),
            reinterpret_cast<const char*>(sqlite3_column_text(zapytanie, 3)), &app.pozycje, &app.rezerwacje);
        t->Ustaw_identyfikator(sqlite3_column_int(zapytanie, 0));
        tytuly.emplace(t->Podaj_identyfikator(), t);
        app.tytuly.Powieksz(1);
        app.tytuly.Wstaw(t, 0);
    }
    sqlite3_finalize(zapytanie);
    Wymagaj(sqlite3_prepare_v2(baza, "SELECT id, numer, tytul FROM pozycje", -1, &zapytanie, nullptr), baza);
    while (sqlite3_step(zapytanie) == SQLITE_ROW) {
        const auto it = tytuly.find(sqlite3_column_int(zapytanie, 2));
        auto* p = new TPozycja(sqlite3_column_int(zapytanie, 1), it == tytuly.end() ? nullptr : it->second, nullptr);
        p->Ustaw_identyfikator(sqlite3_column_int(zapytanie, 0));
        app.pozycje.Powieksz(1);
        app.pozycje.Wstaw(p, 0);
    }
    sqlite3_finalize(zapytanie);
    sqlite3_close(baza);
}
