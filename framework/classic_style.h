// SPDX-License-Identifier: MIT
#pragma once
// The classic look the pages were laid out for is Qt's "Windows" style:
// etched group boxes, sunken fields, plain push buttons. That style strokes
// the frames of group boxes and fields line by line; this one lays the very
// same pixels down as filled one-pixel strips, which the raster engine does
// at a fraction of the cost (a page's frames were a fifth of its first
// paint). Everything else is the Windows style's own.

#include <QProxyStyle>

class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle();  // over Qt's "Windows" style

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
