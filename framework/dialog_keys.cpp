// SPDX-License-Identifier: MIT
#include "framework/dialog_keys.h"

#include <QKeyEvent>
#include <QPushButton>

bool ClickPushButtonOnEnter(QWidget* control, const QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    auto* button = qobject_cast<QPushButton*>(control);
    if (!button || !button->isEnabled())
        return false;
    // The click runs on the key press, as the dialog manager sends it; the
    // button's own handling (a toggle, its menu) comes first.
    button->click();
    return true;
}

namespace {

bool TakesTabFocus(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled();
}

}  // namespace

QWidget* NextTabStop(const std::vector<QWidget*>& controls, const QWidget* current, bool forward) {
    const int count = static_cast<int>(controls.size());
    if (count == 0)
        return nullptr;
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (current && (controls[static_cast<size_t>(i)] == current ||
                        controls[static_cast<size_t>(i)]->isAncestorOf(current)))
            at = i;
    // Not in the list: start before the first (forward) or after the last.
    if (at < 0)
        at = forward ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        const int i = ((forward ? at + step : at - step) % count + count) % count;
        QWidget* w = controls[static_cast<size_t>(i)];
        if (TakesTabFocus(w))
            return w;
    }
    return nullptr;
}
