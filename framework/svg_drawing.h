// SPDX-License-Identifier: MIT
#pragma once
// The one routine that draws the program's SVG drawings into images. The
// program uses it at run time; the build uses it to draw the formula
// pictures ahead, so that a picture drawn ahead is the picture the program
// would draw itself.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The drawings name their fonts as CSS family lists, which Qt's SVG renderer
// takes as one family name; registers each list's members as its
// substitutes. Idempotent; call before the first drawing.
void RegisterDrawingFontLists();

// The SVG at `path` drawn into an image of `pixels`, scaled to fit with its
// proportions kept and centred on `ground`. A null image when the file is not
// a drawing or a size is empty.
QImage DrawSvg(const QString& path, const QSize& pixels, const QColor& ground);

// The SVG's own size in pixels; invalid when the file is not a drawing.
QSize SvgNaturalSize(const QString& path);
