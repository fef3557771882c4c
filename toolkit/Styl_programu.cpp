// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Styl_programu.h"

#include <QFrame>
#include <QPainter>
#include <QStyleOption>

#include <cstdlib>

namespace {
// The painter's pen and brush come back on every path.
class Stan_malarza {
public:
    explicit Stan_malarza(QPainter* malarz)
        : malarz(malarz)
    {
        malarz->save();
    }
    ~Stan_malarza() { malarz->restore(); }
    Stan_malarza(const Stan_malarza&) = delete;
    Stan_malarza& operator=(const Stan_malarza&) = delete;

private:
    QPainter* malarz;
};
} // namespace

bool Wysoki_kontrast(const QPalette& paleta)
{
    const int okno = paleta.color(QPalette::Window).lightness();
    const int tekst = paleta.color(QPalette::WindowText).lightness();
    return std::abs(okno - tekst) > 200 && (okno < 40 || okno > 215);
}

namespace {
// An outline in the text colour, round the whole rectangle.
void Obrysuj(QPainter* malarz, const QStyleOption* opcja, QPalette::ColorRole kolor)
{
    const Stan_malarza stan(malarz);
    malarz->setPen(opcja->palette.color(kolor));
    malarz->setBrush(Qt::NoBrush);
    malarz->drawRect(opcja->rect.adjusted(0, 0, -1, -1));
}

bool Obramowana(const QStyleOption* opcja)
{
    const auto* ramka = qstyleoption_cast<const QStyleOptionFrame*>(opcja);
    return ramka != nullptr && ramka->frameShape != QFrame::NoFrame && ramka->frameShape != QFrame::HLine
        && ramka->frameShape != QFrame::VLine;
}
} // namespace

void Styl_programu::drawControl(
    ControlElement element, const QStyleOption* opcja, QPainter* malarz, const QWidget* widzet) const
{
    const bool kontrast = Wysoki_kontrast(opcja->palette);
    // The frames of the grid, the tool bar and the bevels.
    if (element == CE_ShapedFrame && kontrast && Obramowana(opcja)) {
        Obrysuj(malarz, opcja, QPalette::WindowText);
        return;
    }
    QProxyStyle::drawControl(element, opcja, malarz, widzet);
    if (element != CE_PushButton)
        return;
    if (kontrast)
        Obrysuj(malarz, opcja, QPalette::ButtonText);
    if (!(opcja->state & State_HasFocus))
        return;
    // Inside the button's own frame, which a default button wears anyway.
    const QRect ramka = opcja->rect.adjusted(4, 4, -5, -5);
    const Stan_malarza stan(malarz);
    malarz->setPen(QPen(opcja->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    malarz->setBrush(Qt::NoBrush);
    malarz->drawRect(ramka);
}

void Styl_programu::drawPrimitive(
    PrimitiveElement element, const QStyleOption* opcja, QPainter* malarz, const QWidget* widzet) const
{
    if (element == PE_FrameLineEdit && Wysoki_kontrast(opcja->palette)) {
        Obrysuj(malarz, opcja, QPalette::Text);
        return;
    }
    QProxyStyle::drawPrimitive(element, opcja, malarz, widzet);
}

int Styl_programu::styleHint(
    StyleHint podpowiedz, const QStyleOption* opcja, const QWidget* widzet, QStyleHintReturn* zwrot) const
{
    if (podpowiedz == SH_Table_GridLineColor) {
        const QPalette paleta = opcja ? opcja->palette : widzet ? widzet->palette() : QPalette();
        if (Wysoki_kontrast(paleta))
            return static_cast<int>(paleta.color(QPalette::Text).rgba());
    }
    return QProxyStyle::styleHint(podpowiedz, opcja, widzet, zwrot);
}
