// SPDX-License-Identifier: MIT
#pragma once
// A control's window text, whatever its kind: an edit's text, a combo box's
// edit part or chosen entry, a button's or label's caption, a group box's
// title, or the "text" property a control class of its own offers.

#include <QString>

class QWidget;

QString WindowText(const QWidget* control);
