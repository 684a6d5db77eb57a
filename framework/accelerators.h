// SPDX-License-Identifier: MIT
#pragma once
// A window's accelerator table: every key pressed while the focus is in the
// window (whatever control holds it) is offered to the table first; a key
// the table knows presses the button of its command, as a click would, and
// the focused control never sees it. Other keys go on as usual.

#include <QKeyEvent>
#include <functional>
#include <optional>

class CDialog;

// The command for a key press, or nothing when the table has no entry.
using AcceleratorTranslate = std::function<std::optional<int>(const QKeyEvent&)>;

// Gives `window` its table (replacing one it had), for as long as its
// controls live; called from the window's start-up.
void LoadAccelerators(CDialog* window, AcceleratorTranslate translate);
