// SPDX-License-Identifier: GPL-3.0-or-later
#include "Okna_testowe.h"

#include "toolkit/Obsluga_bledow.h"
#include "toolkit/Siatka_tekstow.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

void Wpisz(QWidget* kontrolka, const QString& tekst)
{
    for (const QChar znak : tekst) {
        QKeyEvent nacisk(QEvent::KeyPress, 0, Qt::NoModifier, QString(znak));
        QApplication::sendEvent(kontrolka, &nacisk);
        QKeyEvent puszczenie(QEvent::KeyRelease, 0, Qt::NoModifier, QString(znak));
        QApplication::sendEvent(kontrolka, &puszczenie);
    }
}

Okna_testowe::Okna_testowe()
{
    licznik_obiektow = 0;
    Obsluga_bledow::Przechwytuj([this](const QString& tekst) { bledy.push_back(tekst); });
    okno = std::make_unique<Tkartexform>();
    kartexform = okno.get();
    AboutBox = o_programie = new TAboutBox(okno.get());
    OKTytulDlg = nowy_tytul = new TOKTytulDlg(okno.get());
    OKWystytulyDlg = tytuly = new TOKWystytulyDlg(okno.get());
    OKKsiazkaDlg = nowa_ksiazka = new TOKKsiazkaDlg(okno.get());
    OKWysKsiazkiDlg = ksiazki = new TOKWysKsiazkiDlg(okno.get());
    okno->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(okno.get()));
}

Okna_testowe::~Okna_testowe()
{
    // An action inside a dialog that never opened checked nothing.
    EXPECT_EQ(czekajace, 0) << "a dialog that the test waited for never opened";
    for (const QString& blad : bledy)
        ADD_FAILURE() << "an error box the test did not expect: " << blad.toStdString();
    okno.reset();
    Obsluga_bledow::Przechwytuj(nullptr);
}

void Okna_testowe::Gdy_otwarty(QDialog* oczekiwany, std::function<void(QDialog*)> dzialanie)
{
    ++czekajace;
    auto* czasomierz = new QTimer(okno.get());
    czasomierz->setInterval(5);
    QElapsedTimer od_startu;
    od_startu.start();
    QObject::connect(czasomierz, &QTimer::timeout, czasomierz,
        [this, czasomierz, oczekiwany, od_startu, dzialanie = std::move(dzialanie)] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            const bool otwarty = dialog != nullptr && dialog->isVisible();
            if (!otwarty && od_startu.elapsed() < 10000)
                return;
            czasomierz->stop();
            czasomierz->deleteLater();
            --czekajace;
            if (!otwarty) {
                ADD_FAILURE() << "no dialog opened within 10 s; expected " << oczekiwany->objectName().toStdString();
                return;
            }
            if (dialog != oczekiwany)
                ADD_FAILURE() << "dialog " << dialog->objectName().toStdString() << " opened, expected "
                              << oczekiwany->objectName().toStdString();
            else
                dzialanie(dialog);
            // Whatever the action left open is closed, so no test can hang.
            if (dialog->isVisible())
                dialog->reject();
        });
    czasomierz->start();
}

void Okna_testowe::Nowy_tytul(const QString& nazwa, const QString& autor, const QString& isbn)
{
    Po_poleceniu("Nowytytul1", nowy_tytul, [&](QDialog* d) {
        Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytnazwa"), nazwa);
        Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytautor"), autor);
        Wpisz(Kontrolka<QLineEdit>(nowy_tytul, "edytISBN"), isbn);
        QTest::keyClick(d, Qt::Key_Return);
    });
}

void Okna_testowe::Nowa_ksiazka(const QString& numer, const QString& tytul)
{
    Po_poleceniu("Nowaksiazka1", nowa_ksiazka, [&](QDialog* d) {
        Wpisz(Kontrolka<QLineEdit>(nowa_ksiazka, "edytnum"), numer);
        Wpisz(Kontrolka<QLineEdit>(nowa_ksiazka, "edyttytul"), tytul);
        QTest::keyClick(d, Qt::Key_Return);
    });
}

namespace {
std::vector<QString> Wiersze(const Siatka_tekstow* siatka)
{
    std::vector<QString> wiersze;
    for (int r = 0; r < siatka->RowCount(); ++r) {
        QStringList komorki;
        for (int k = 0; k < siatka->ColCount(); ++k)
            komorki << siatka->Cells(k, r);
        wiersze.push_back(komorki.join(u'|'));
    }
    return wiersze;
}
} // namespace

std::vector<QString> Okna_testowe::Lista(QAction* polecenie, const Siatka_tekstow* siatka, Qt::Key zamkniecie)
{
    std::vector<QString> wiersze;
    Gdy_otwarty(qobject_cast<QDialog*>(siatka->window()), [&](QDialog* d) {
        EXPECT_TRUE(siatka->isVisible()) << "a list shows its grid";
        wiersze = Wiersze(siatka);
        QTest::keyClick(d, zamkniecie);
        EXPECT_FALSE(d->isVisible()) << "the key closes the list";
    });
    polecenie->trigger();
    return wiersze;
}

std::vector<QString> Okna_testowe::Lista_tytulow()
{
    return Lista(
        Kontrolka<QAction>(okno.get(), "Tytuly1"), Kontrolka<Siatka_tekstow>(tytuly, "StringGrid1"), Qt::Key_Escape);
}

std::vector<QString> Okna_testowe::Lista_ksiazek()
{
    return Lista(
        Kontrolka<QAction>(okno.get(), "Ksiazki1"), Kontrolka<Siatka_tekstow>(ksiazki, "StringGrid1"), Qt::Key_Return);
}
