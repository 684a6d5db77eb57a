// SPDX-License-Identifier: MIT
#pragma once
// One registry from resource ids to Qt objects, so controls and pages never
// know where a picture is stored. Unknown ids give null objects.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

QIcon LoadIconResource(int id);          // icons 128, 143, 144
QCursor LoadCursorResource(int id);      // cursor 135 (pointing hand)
QPixmap LoadBitmapResource(int id);      // pictures 139, 140, 175
QPixmap LoadToolbarStrip(int id);        // toolbar strip 167
QString LoadStringResource(int id);      // string 101
