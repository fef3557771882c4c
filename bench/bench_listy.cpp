// Times opening the titles list and the books list (sort, fill, show and
// first paint, offscreen) for generated catalogues. Usage:
// wolumat_bench_listy [rows ...] (default 100000), `--runs N`.

#include "app/kartxform.h"
#include "dialogs/wysks.h"
#include "dialogs/wystyt.h"
#include "domain/TKlasaAplikacji.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Zegar = std::chrono::steady_clock;

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Newest first, the order in which additions leave a collection.
template <class T>
int Od_najnowszego(T* const* a, T* const* b)
{
    return (*b)->Podaj_identyfikator() - (*a)->Podaj_identyfikator();
}

// Puts an element at the front as the application does, without the
// duplicate search, which is not what this measures.
template <class T>
void Wstaw_na_poczatek(TKol4<T>& kolekcja, T* element)
{
    kolekcja.Powieksz(1);
    kolekcja.Wstaw(element, 0);
}

template <class Dialog>
double Otworz_liste(Dialog& dialog)
{
    const auto start = Zegar::now();
    dialog.Wypelnij();
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return -1;
    dialog.repaint();
    const double sekundy = std::chrono::duration<double>(Zegar::now() - start).count();
    dialog.hide();
    return sekundy;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    int proby = 5;
    std::vector<long> rozmiary;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--runs" && i + 1 < argc)
            proby = std::max(1, std::atoi(argv[++i]));
        else
            rozmiary.push_back(std::atol(argv[i]));
    }
    if (rozmiary.empty())
        rozmiary.push_back(100000);

    std::printf("%10s %14s %14s\n", "rows", "titles list s", "books list s");
    for (long wiersze : rozmiary) {
        Tkartexform okno;
        TOKWystytulyDlg tytuly(&okno);
        TOKWysKsiazkiDlg ksiazki(&okno);
        TKlasaAplikacji& app = okno.Aplikacja();
        for (long i = 0; i < wiersze; ++i) {
            const std::string n = std::to_string((i * 7919) % wiersze);
            Wstaw_na_poczatek(app.tytuly, new TTytul(("Tytu\xB3 " + n).c_str(), ("Autor \xB9 " + n).c_str(),
                                                     ("83-" + std::to_string(i)).c_str(), &app.pozycje, &app.rezerwacje));
        }
        for (long i = 0; i < wiersze; ++i)
            Wstaw_na_poczatek(app.pozycje, new TPozycja(static_cast<std::int32_t>((i * 7919) % wiersze),
                                                        app.tytuly.Element(static_cast<std::int32_t>(i)), nullptr));
        std::vector<double> t, k;
        for (int p = 0; p < proby; ++p) {
            app.tytuly.Sortuj(Od_najnowszego<TTytul>);
            app.pozycje.Sortuj(Od_najnowszego<TPozycja>);
            t.push_back(Otworz_liste(tytuly));
            k.push_back(Otworz_liste(ksiazki));
        }
        std::printf("%10ld %14.4f %14.4f\n", wiersze, Mediana(t), Mediana(k));
    }
    return 0;
}
