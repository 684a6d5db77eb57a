// SPDX-License-Identifier: MIT
#include "framework/dialog_font.h"

#include <QStringList>

#include "framework/bitmap_strikes.h"

QFont DialogFont(const char* face, int points, qreal devicePixelRatio) {
    // The start-up registers as substitutes installed faces only, the face
    // itself first where it is installed under another name (SimSun).
    const QString family = QString::fromUtf8(face);
    const QStringList substitutes = QFont::substitutes(family);
    QFont font(substitutes.isEmpty() ? family : substitutes.first());
    font.setPointSize(points);
    // Chinese and Latin dialog text needs no shaping: each character is its
    // glyph, as the classic desktop draws it. Scripts that need shaping are
    // still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return PreferBitmapStrike(font, devicePixelRatio);
}
