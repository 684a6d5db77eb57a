// SPDX-License-Identifier: MIT
#pragma once
// What follows a message box raised from a focus-lost handler. The user
// left a field (a click on another control, Tab) and was told something
// about it: the press that moved the focus has done its work and is
// swallowed (the clicked button is not pressed, no list opens), and the
// focus goes back into the field, unless the handler sent it elsewhere.

#include <Qt>

class QWidget;

// `field` lost the focus to `next` for `reason`, and its handler showed a box.
void AfterBoxOnFocusLost(QWidget* field, QWidget* next, Qt::FocusReason reason);
