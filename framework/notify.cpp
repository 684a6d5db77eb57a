// SPDX-License-Identifier: MIT
#include "framework/notify.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace {
const char kIdProperty[] = "vekControlId";
}

QEvent::Type CommandEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostCommand(QObject* dialog, int commandId) {
    if (dialog)
        QCoreApplication::postEvent(dialog, new CommandEvent(commandId));
}

void SendNotify(QWidget* control, int code) {
    if (!control)
        return;
    const int id = ControlId(control);
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (auto* target = dynamic_cast<NotifyTarget*>(w)) {
            target->OnControlNotify(id, code);
            return;
        }
    }
}

int ControlId(const QWidget* control) {
    if (!control)
        return -1;
    const QVariant v = control->property(kIdProperty);
    return v.isValid() ? v.toInt() : -1;
}

void SetControlId(QWidget* control, int id) {
    if (control)
        control->setProperty(kIdProperty, id);
}
