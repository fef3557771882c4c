// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The desktop's style, with what a reader must always see: the control with
// the keyboard focus wears a frame of the text colour inside its own (a
// default button with the focus differs from one without), and where the
// palette is of high contrast, grid lines and the outlines of buttons, boxes,
// the grid and the tool bar take the text colour, which the desktop's lines,
// drawn a shade off the background, would not.
class Styl_programu : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(
        ControlElement element, const QStyleOption* opcja, QPainter* malarz, const QWidget* widzet) const override;
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* opcja, QPainter* malarz, const QWidget* widzet) const override;
    int styleHint(
        StyleHint podpowiedz, const QStyleOption* opcja, const QWidget* widzet, QStyleHintReturn* zwrot) const override;
};

// Whether a palette is of high contrast: its window and text as far apart as
// black and white, and nothing between them to draw a faint line with.
bool Wysoki_kontrast(const QPalette& paleta);
