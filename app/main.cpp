// The program: creates its six windows once, in order, and runs the event
// loop until the main window closes.

#include "app/About.h"
#include "app/kartxform.h"
#include "dialogs/nowaks.h"
#include "dialogs/nowytyt.h"
#include "dialogs/wysks.h"
#include "dialogs/wystyt.h"
#include "toolkit/Konwersje.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    // Without the codec every text would be blank and every Save write empty fields.
    if (!Sprawdz_kodowanie(Kodowanie_cp1250()))
        return 1;

    auto okno = std::make_unique<Tkartexform>();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ikony/wolumat.svg")));
    kartexform = okno.get();
    auto o_programie = std::make_unique<TAboutBox>(okno.get());
    AboutBox = o_programie.get();
    auto nowy_tytul = std::make_unique<TOKTytulDlg>(okno.get());
    OKTytulDlg = nowy_tytul.get();
    auto tytuly = std::make_unique<TOKWystytulyDlg>(okno.get());
    OKWystytulyDlg = tytuly.get();
    auto nowa_ksiazka = std::make_unique<TOKKsiazkaDlg>(okno.get());
    OKKsiazkaDlg = nowa_ksiazka.get();
    auto ksiazki = std::make_unique<TOKWysKsiazkiDlg>(okno.get());
    OKWysKsiazkiDlg = ksiazki.get();

    okno->show();
    QApplication::exec();
    return 0;
}
