// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader hears of a template's controls. A field (edit or
// list) is named by its label, never by what it holds: on Linux Qt names a
// combo box by its current text, so vek gives combo boxes an accessible
// interface of its own that answers with the name the window set.

#include <QString>

#include "framework/dialog_template.h"

// The text of the static that labels `field` in `dialog`: the nearest one
// to its left on the same line, else the nearest one above it; without a
// trailing colon. Empty when the field has none.
QString TemplateLabelOf(const DialogTemplate& dialog, const ControlTemplate& field);

// Makes combo boxes answer with their accessible name.
void InstallFieldAccessibility();
