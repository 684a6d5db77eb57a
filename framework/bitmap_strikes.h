// SPDX-License-Identifier: MIT
#pragma once
// Song faces such as SimSun and AR PL UMing carry hand-drawn bitmaps of every
// glyph for the small sizes dialogs use ("strikes", 12 px for 9 pt). The
// classic desktop draws dialog text from them: crisp one-pixel strokes, no
// smoothing. A dialog font that resolves to a face with a strike at its size
// is drawn the same way here; any other face keeps Qt's smoothed outlines.
// It is also far cheaper: a strike glyph is copied, an outline is hinted and
// rasterised.

#include <QFont>

// True when `font`, at `devicePixelRatio` device pixels per pixel, resolves to
// a face with an embedded bitmap strike at its pixel size.
bool HasBitmapStrike(const QFont& font, qreal devicePixelRatio = 1.0);

// `font` set to be drawn from its strike when it has one, else unchanged.
QFont PreferBitmapStrike(QFont font, qreal devicePixelRatio = 1.0);
