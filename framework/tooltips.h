// SPDX-License-Identifier: MIT
#pragma once
// Tooltips on a window's controls, asked of the window when the pointer
// rests on a control: the window gives the text for the control's id, or an
// empty text to decline, and then no tooltip shows for that control.

#include <QString>
#include <functional>

class CDialog;

using ToolTipText = std::function<QString(int controlId)>;

// Switches tooltips on for the controls of `window` (replacing an earlier
// source), for as long as its controls live; called from its start-up.
void EnableToolTips(CDialog* window, ToolTipText textOf);
