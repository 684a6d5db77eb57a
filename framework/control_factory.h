// SPDX-License-Identifier: MIT
#pragma once
// Creates the Qt widget for one template control (kind, text and style
// flags); the dialog then places it.

#include "framework/dialog_template.h"
#include "framework/dialog_units.h"

class QWidget;

QWidget* CreateTemplateControl(const ControlTemplate& control, QWidget* parent,
                               const DialogBaseUnits& base);

// The height of a combo box's selection field; its template height also
// covers the drop-down list.
int ComboFieldHeight(const DialogBaseUnits& base);

// The property that marks a combo box whose list is kept sorted.
inline constexpr char kSortedListProperty[] = "vekSortedList";
