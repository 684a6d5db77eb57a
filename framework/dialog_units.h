// SPDX-License-Identifier: MIT
#pragma once
// Dialog units scale a layout with its font: a horizontal unit is a quarter of
// the font's average Latin letter width, a vertical unit an eighth of its
// height. At 9-pt "宋体" (6 x 12 px) one unit is 1.5 px both ways.

#include <QFont>
#include <QRect>
#include <QSize>

struct DialogBaseUnits {
    int width = 6;    // average width of the 52 Latin letters, px
    int height = 12;  // font height, px
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Rounds like MulDiv: value * numerator / denominator to the nearest integer,
// halves away from zero.
int MulDivRound(int value, int numerator, int denominator);

QRect DialogUnitsToPixels(const DialogBaseUnits& base, int x, int y, int width, int height);
QSize DialogUnitsToPixels(const DialogBaseUnits& base, int width, int height);
