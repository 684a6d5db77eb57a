// SPDX-License-Identifier: MIT
#include "framework/window_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QString WindowText(const QWidget* control) {
    if (!control)
        return {};
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return control->property("text").toString();
}
