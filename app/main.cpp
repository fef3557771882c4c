// SPDX-License-Identifier: GPL-3.0-or-later
// The program: hands over to a Wolumat already running in this folder, or
// creates its six windows once, in order, and runs the event loop until the
// main window closes.

#include "app/About.h"
#include "app/Jedna_instancja.h"
#include "app/kartxform.h"
#include "dialogs/nowaks.h"
#include "dialogs/nowytyt.h"
#include "dialogs/wysks.h"
#include "dialogs/wystyt.h"
#include "toolkit/Konwersje.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    // Without the codec every text would be blank and every Save write empty fields.
    if (!Sprawdz_kodowanie(Kodowanie_cp1250()))
        return 1;

    Jedna_instancja instancja;
    if (instancja.Przekazano_dzialajacej())
        return 0;

    // The main window owns the dialogs as their Qt parent.
    Tkartexform okno;
    kartexform = &okno;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ikony/wolumat.svg")));
    AboutBox = new TAboutBox(&okno);
    OKTytulDlg = new TOKTytulDlg(&okno);
    OKWystytulyDlg = new TOKWystytulyDlg(&okno);
    OKKsiazkaDlg = new TOKKsiazkaDlg(&okno);
    OKWysKsiazkiDlg = new TOKWysKsiazkiDlg(&okno);

    instancja.Ustaw_przywolanie([&okno] { okno.Przywolaj(); });
    // Before the catalogue is emptied, which may take a while.
    QObject::connect(&okno, &Tkartexform::Konczenie, &instancja, &Jedna_instancja::Przestan_sluchac);
    okno.show();
    QApplication::exec();
    return 0;
}
