#include "toolkit/Okna_dialogowe.h"

#include "toolkit/Konwersje.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QValidator>

namespace {
class Walidator_cp1250 : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& tekst, int&) const override
    {
        return Da_sie_zapisac_w_cp1250(tekst) ? Acceptable : Invalid;
    }
};
} // namespace

void Okno_dialogowe::showEvent(QShowEvent* zdarzenie)
{
    QDialog::showEvent(zdarzenie);
    Wysrodkuj_na_ekranie(this);
}

void Ustaw_ramke_dialogu(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(dialog->size());
}

void Wysrodkuj_na_ekranie(QWidget* okno)
{
    const QScreen* ekran = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (ekran == nullptr)
        return;
    QRect ramka = okno->frameGeometry();
    ramka.moveCenter(ekran->availableGeometry().center());
    okno->move(ramka.topLeft());
}

void Ustaw_pole_tekstowe(QLineEdit* pole)
{
    pole->setMaxLength(19);
    pole->setValidator(new Walidator_cp1250(pole));
}
