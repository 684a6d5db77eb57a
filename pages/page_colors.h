// SPDX-License-Identifier: MIT
#pragma once
// The background colours of the calculator windows.

#include <QColor>

inline const QColor kPageColor(159, 185, 245);
