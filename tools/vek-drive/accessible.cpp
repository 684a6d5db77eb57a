// SPDX-License-Identifier: MIT
// `accessible`: what a screen reader learns of a control through Qt's
// accessibility interface (the one the desktop's accessibility bus reads):
// its role, name and description.
#include <QAccessible>
#include <QWidget>

#include "framework/dialog.h"
#include "framework/notify.h"
#include "tools/vek-drive/commands.h"
#include "tools/vek-drive/output.h"

namespace drive {
namespace {

QString RoleName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
            return QStringLiteral("button");
        case QAccessible::ButtonMenu:
            return QStringLiteral("menubutton");
        case QAccessible::CheckBox:
            return QStringLiteral("check");
        case QAccessible::RadioButton:
            return QStringLiteral("radio");
        case QAccessible::EditableText:
            return QStringLiteral("edit");
        case QAccessible::ComboBox:
            return QStringLiteral("combo");
        case QAccessible::StaticText:
            return QStringLiteral("text");
        case QAccessible::Link:
            return QStringLiteral("link");
        case QAccessible::Grouping:
            return QStringLiteral("group");
        case QAccessible::Graphic:
            return QStringLiteral("picture");
        case QAccessible::Dialog:
            return QStringLiteral("dialog");
        case QAccessible::Window:
            return QStringLiteral("window");
        default:
            return QStringLiteral("0x%1").arg(static_cast<int>(role), 0, 16);
    }
}

QString AccessibleLine(const QString& label, QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        return label + QStringLiteral(" role=none name= description=");
    return QStringLiteral("%1 role=%2 name=%3 description=%4")
        .arg(label, RoleName(iface->role()), OneLine(iface->text(QAccessible::Name)),
             OneLine(iface->text(QAccessible::Description)));
}

}  // namespace

void CommandRunner::Accessible(const Command& command) const {
    if (command.text == "window") {
        PrintLine(AccessibleLine(QStringLiteral("window"), Current()));
        return;
    }
    if (command.text == "all") {
        // The shown controls that have an id, in the order Tab visits them
        // (the main window's, then its visible page's).
        for (QWidget* control : Current()->TabCycle())
            if (ControlId(control) != -1 && control->isVisible())
                PrintLine(AccessibleLine(QString::number(ControlId(control)), control));
        return;
    }
    PrintLine(AccessibleLine(QString::number(command.id), Control(command.id)));
}

}  // namespace drive
