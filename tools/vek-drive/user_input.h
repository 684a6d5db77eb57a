// SPDX-License-Identifier: MIT
#pragma once
// What a user's hands do, delivered the way the window system delivers it:
// mouse presses, releases and moves go to the window under the pointer (so
// Qt itself sends enter, leave, focus and double-click events), keys go to
// the control that has the keyboard focus.

#include <QtCore/qnamespace.h>

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace drive {

// A point of `control` (in its own coordinates) that no other control of
// its window covers, the centre when possible; nullopt when it is covered.
// A control that lets the mouse through gives its centre.
std::optional<QPoint> VisiblePointOf(const QWidget* control);

// A point of `widget` (in its own coordinates) where none of its controls
// lies: its bare background.
QPoint BackgroundPointOf(const QWidget* widget);

// Brings the top-level window of `widget` to the front as the active
// window, as a click on it would.
void ActivateWindowOf(QWidget* widget);

// A left click (or double click) at `point` of `widget`.
void ClickAt(QWidget* widget, QPoint point, bool doubleClick);

// Moves the mouse pointer to `point` of `widget`.
void MoveMouseTo(QWidget* widget, QPoint point);

// Turns the mouse wheel by `notches` (positive away from the user) with the
// pointer at `point` of `widget`, one wheel event a notch.
void TurnWheel(QWidget* widget, QPoint point, int notches);

// A key press and release on `target`. `key` is a Qt::Key value; `text` is
// what the key types ("" for keys that type nothing); `held` are the
// modifier keys held down meanwhile (Shift for Shift+Tab).
void PressKey(QWidget* target, int key, bool keypad, const QString& text,
              Qt::KeyboardModifiers held = Qt::NoModifier);

// Types `text` into `target` character by character.
void TypeCharacters(QWidget* target, const QString& text);

}  // namespace drive
