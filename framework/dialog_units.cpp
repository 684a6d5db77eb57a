// SPDX-License-Identifier: MIT
#include "framework/dialog_units.h"

#include <QFontMetrics>
#include <algorithm>

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogBaseUnits base;
    base.width = (letters / 26 + 1) / 2;  // average of 52, rounded
    base.height = metrics.height();
    if (base.width <= 0)
        base.width = 6;
    if (base.height <= 0)
        base.height = 12;
    return base;
}

int MulDivRound(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}

namespace {
// The pixel span of [start, start + length) units: the length rounded on its
// own, as the classic desktop sizes a control, but reaching at least the
// pixel where the far edge falls. Rounding the two apart can leave a pixel
// between controls that meet in dialog units (with a 17 px face, 83 + 18
// units end at 214 px while 101 starts at 215), and the window's background
// then shows there as a line.
int Span(int start, int length, int base, int unit) {
    return std::max(MulDivRound(length, base, unit),
                    MulDivRound(start + length, base, unit) - MulDivRound(start, base, unit));
}
}  // namespace

QRect DialogUnitsToPixels(const DialogBaseUnits& base, int x, int y, int width, int height) {
    return QRect(MulDivRound(x, base.width, 4), MulDivRound(y, base.height, 8),
                 Span(x, width, base.width, 4), Span(y, height, base.height, 8));
}

QSize DialogUnitsToPixels(const DialogBaseUnits& base, int width, int height) {
    return QSize(MulDivRound(width, base.width, 4), MulDivRound(height, base.height, 8));
}
