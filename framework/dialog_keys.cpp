// SPDX-License-Identifier: MIT
#include "framework/dialog_keys.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

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

bool Reachable(const QWidget* w) {
    return w->isVisible() && w->isEnabled();
}

// The exclusive group of a radio button; nullptr for any other control.
const QButtonGroup* RadioGroupOf(const QWidget* w) {
    auto* radio = qobject_cast<const QRadioButton*>(w);
    return radio && radio->group() && radio->group()->exclusive() ? radio->group() : nullptr;
}

// Where Tab into a radio group lands: its checked button, when the user can
// reach it, else the group's tab stop itself.
QWidget* LandingOf(QWidget* w) {
    if (const QButtonGroup* group = RadioGroupOf(w))
        if (QAbstractButton* checked = group->checkedButton(); checked && Reachable(checked))
            return checked;
    return w;
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
    const QButtonGroup* leaving = current ? RadioGroupOf(current) : nullptr;
    for (int step = 1; step <= count; ++step) {
        const int i = ((forward ? at + step : at - step) % count + count) % count;
        QWidget* w = controls[static_cast<size_t>(i)];
        if (TakesTabFocus(w) && !(leaving && RadioGroupOf(w) == leaving))
            return LandingOf(w);
    }
    return nullptr;
}

bool MoveInRadioGroup(QWidget* control, const QKeyEvent* event) {
    const QButtonGroup* group = RadioGroupOf(control);
    if (!group || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    bool forward = false;
    switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            forward = true;
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            break;
        default:
            return false;
    }
    // The group's buttons in the order they were added: template order.
    const QList<QAbstractButton*> buttons = group->buttons();
    const auto count = buttons.size();
    const auto at = buttons.indexOf(static_cast<QAbstractButton*>(control));
    for (qsizetype step = 1; step < count; ++step) {
        QAbstractButton* next =
            buttons[((forward ? at + step : at - step) % count + count) % count];
        if (!Reachable(next))
            continue;
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        next->click();
        break;
    }
    return true;
}
