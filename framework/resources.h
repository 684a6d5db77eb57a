// SPDX-License-Identifier: MIT
#pragma once
// One registry from resource ids to Qt objects, so controls and pages never
// know where a picture is stored. Unknown ids give null objects.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

QIcon LoadIconResource(int id);      // icons 128, 143, 144
QCursor LoadCursorResource(int id);  // cursor 135 (pointing hand)
QPixmap LoadBitmapResource(int id);  // pictures 139, 140, 175
QPixmap LoadToolbarStrip(int id);    // toolbar strip 167: 32 x 16, ground (255, 0, 255)
QString LoadStringResource(int id);  // string 101

// A cursor cannot be null: an unknown cursor id gives the ordinary arrow
// (Qt::ArrowCursor), while cursor 135 is a bitmap cursor.

// The natural size of picture 139, 140 or 175 in pixels (the size of its
// picture control at the 9-point dialog font); an invalid size otherwise.
QSize BitmapResourceSize(int id);

// Picture 139, 140 or 175 drawn afresh for `size` device-independent pixels
// on a screen of the given pixel ratio, so a picture control stays sharp at
// any scale. The picture keeps its proportions and is centred on a white
// ground. A null pixmap for unknown ids or an empty size.
QPixmap LoadBitmapResource(int id, const QSize& size, qreal devicePixelRatio = 1.0);
