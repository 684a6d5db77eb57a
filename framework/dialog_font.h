// SPDX-License-Identifier: MIT
#pragma once
// The font a dialog template names, as the window uses it.

#include <QFont>

// `face` at `points`, named as the installed face that stands for it (the
// first substitute registered at start-up: "宋体" -> SimSun, else AR PL
// UMing ...), unshaped where the script allows, drawn from its bitmap strike
// when it has one at that size.
// Naming the installed face at once spares Qt a fallback search for a name
// no font carries.
QFont DialogFont(const char* face, int points, qreal devicePixelRatio);
