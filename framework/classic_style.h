// SPDX-License-Identifier: MIT
#pragma once
// The classic look the pages were laid out for is Qt's "Windows" style:
// etched group boxes, sunken fields, plain push buttons. That style strokes
// the frames of group boxes and fields line by line; this one lays the very
// same pixels down as filled one-pixel strips, which the raster engine does
// at a fraction of the cost (a page's frames were a fifth of its first
// paint). Everything else is the Windows style's own.

#include <QPalette>
#include <QProxyStyle>

// The light colours every window of vek is drawn with, whatever the
// desktop's theme: black text on a light grey face and white fields, white
// on dark blue for a selection. Every text keeps a contrast of at least
// 4.5 : 1 with what it stands on (disabled text included), and with the
// fixed page colours too. The desktop's palette would put its own text
// colour (white, on a dark theme) over the pages' fixed light backgrounds.
const QPalette& ClassicPalette();

class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle();  // over Qt's "Windows" style

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
