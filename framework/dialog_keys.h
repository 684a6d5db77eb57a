// SPDX-License-Identifier: MIT
#pragma once
// The keyboard of a classic dialog, where Qt's own rules differ:
//
// - Enter with the focus on a push button clicks that button (it answers the
//   dialog manager as a push button, default or not); only Enter typed
//   elsewhere reaches the window's OK. Space clicks a focused button already.
// - Tab and Shift+Tab move among the tab stops of the window that holds the
//   focus, in template order, and wrap round at its ends. A page inside the
//   main window is a control parent: its tab stops follow the main window's
//   own in one cycle.
// - A radio group is one tab stop: Tab into it lands on its checked button
//   (the first when none is checked); the arrow keys move to the next or
//   previous button of the group, check and click it, wrapping at its ends.

#include <vector>

class QKeyEvent;
class QWidget;

// Clicks `control` when it is a push button and `event` is Enter; returns
// true when the key is used up so.
bool ClickPushButtonOnEnter(QWidget* control, const QKeyEvent* event);

// The control Tab (forward) or Shift+Tab reaches from `current` among
// `controls` (template order): the next one, wrapping round, that takes the
// focus by Tab and is shown and enabled. `current` may be nullptr or not in
// the list (the cycle then starts at an end); nullptr when there is none.
// A radio group counts once, entered at its checked button.
QWidget* NextTabStop(const std::vector<QWidget*>& controls, const QWidget* current, bool forward);

// Moves the focus to the next (Down, Right) or previous (Up, Left) shown and
// enabled button of `control`'s radio group and clicks it; returns true when
// the key is used up so.
bool MoveInRadioGroup(QWidget* control, const QKeyEvent* event);
