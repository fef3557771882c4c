// SPDX-License-Identifier: GPL-3.0-or-later
// Out of memory inside a command: with the address space limited in a child
// process, the allocation failure reaches the top-level handler and the data
// stays consistent, so the program can go on.

#include "tests/support/Biblioteka_testowa.h"
#include "tests/support/Dziecko.h"
#include "tests/support/Katalog_tymczasowy.h"
#include "tests/support/Migawka.h"
#include "toolkit/Obsluga_bledow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long Rozmiar_przestrzeni_adresowej()
{
    std::ifstream statm("/proc/self/statm");
    long strony = 0;
    statm >> strony;
    return strony * ::sysconf(_SC_PAGESIZE);
}

void Ogranicz(rlim_t miekki)
{
    rlimit limit {};
    ::getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = miekki;
    ::setrlimit(RLIMIT_AS, &limit);
}

// Opens under ever more room: some fail part of the way, the last succeeds;
// the catalogue hangs together after each. The exit code says what went wrong.
int Otwieranie()
{
    int bledy = 0;
    Obsluga_bledow::Przechwytuj([&](const QString& tekst) { bledy += tekst == QStringLiteral("Brak pamięci."); });
    TKlasaAplikacji app;
    Wypelnij_biblioteke(app, 20000);
    app.Zachowaj();
    const std::int32_t wszystkie = app.tytuly.Podaj_liczbe();
    const long teraz = Rozmiar_przestrzeni_adresowej();
    for (long zapas = 1 << 20; zapas <= 24L << 20; zapas += 1 << 20) {
        Ogranicz(static_cast<rlim_t>(teraz + zapas));
        Obsluga_bledow::Wykonaj_polecenie(nullptr, [&] {
            app.Usun_wszystko();
            app.Otworz();
        });
        Ogranicz(RLIM_INFINITY);
        if (!Migawka(app).blad.empty())
            return 2;
    }
    if (bledy == 0)
        return 3;
    app.Usun_wszystko();
    app.Otworz();
    return app.tytuly.Podaj_liczbe() == wszystkie && Migawka(app).blad.empty() ? 0 : 4;
}

// Additions until memory runs out: each one whole or not at all.
int Dodawanie()
{
    int bledy = 0;
    Obsluga_bledow::Przechwytuj([&](const QString& tekst) { bledy += tekst == QStringLiteral("Brak pamięci."); });
    TKlasaAplikacji app;
    Ogranicz(static_cast<rlim_t>(Rozmiar_przestrzeni_adresowej() + (256 << 10)));
    for (int i = 0; i < 100000 && bledy == 0; ++i)
        Obsluga_bledow::Wykonaj_polecenie(nullptr, [&] {
            app.Dodaj_tytul("Nowy", "Autor", ("X-" + std::to_string(i)).c_str());
            app.Dodaj_ksiazke("Nowy", i);
        });
    Ogranicz(RLIM_INFINITY);
    if (bledy == 0)
        return 5;
    return Migawka(app).blad.empty() ? 0 : 6;
}

long Otwarte_deskryptory()
{
    long n = 0;
    for ([[maybe_unused]] const auto& wpis : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

// Opens of a file larger than the room left: each fails for lack of memory
// after the file was opened, and must still close it.
int Deskryptory()
{
    int bledy = 0;
    Obsluga_bledow::Przechwytuj([&](const QString& tekst) { bledy += tekst == QStringLiteral("Brak pamięci."); });
    Zapisz_bajty("proba1.txt", std::string(64 << 20, 'x'));
    TKlasaAplikacji app;
    const long przed = Otwarte_deskryptory();
    Ogranicz(static_cast<rlim_t>(Rozmiar_przestrzeni_adresowej() + (16 << 20)));
    for (int i = 0; i < 5; ++i)
        Obsluga_bledow::Wykonaj_polecenie(nullptr, [&] { app.Otworz(); });
    Ogranicz(RLIM_INFINITY);
    if (bledy != 5)
        return 7;
    return Otwarte_deskryptory() == przed ? 0 : 8;
}

TEST(Brak_pamieci, ReachesTheHandlerAndLeavesDataConsistent)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit here allows";
#endif
    Katalog_tymczasowy katalog;
    // A wait status: 0 when the child returned 0, its code times 256 otherwise.
    EXPECT_EQ(W_dziecku(Otwieranie), 0);
    EXPECT_EQ(W_dziecku(Dodawanie), 0);
    EXPECT_EQ(W_dziecku(Deskryptory), 0);
}

} // namespace
