// SPDX-License-Identifier: MIT
#pragma once
// Notifications and commands travel from controls to the dialog that owns
// them as (control id, code) pairs, the way a message map expects them.
// A menu command is the pair (command id, Clicked), exactly like a button.

#include <QEvent>

class QObject;
class QWidget;

namespace Notify {
constexpr int Clicked = 0;           // button clicked, menu command chosen
constexpr int SelChange = 1;         // the user chose a list item
constexpr int DoubleClicked = 5;     // button double-clicked
constexpr int SetFocus = 0x100;      // control gained the keyboard focus
constexpr int KillFocus = 0x200;     // control lost it to another control of its window
constexpr int Change = 0x300;        // edit text changed
constexpr int LinkClicked = 0x8200;  // text label in notify-parent mode was clicked
}  // namespace Notify

// Posts a command to a dialog; it is handled after the current event (a menu
// command reaches its window once the menu has closed).
void PostCommand(QObject* dialog, int commandId);

// Delivers a notification from a control to the dialog that owns it, at once.
// The control's id is the one the dialog template gave it.
void SendNotify(QWidget* control, int code);

// The template id of a control (-1 when it has none).
int ControlId(const QWidget* control);
void SetControlId(QWidget* control, int id);

// A window that receives notifications and commands (every dialog does).
class NotifyTarget {
public:
    virtual ~NotifyTarget() = default;
    // Returns true when a handler ran.
    virtual bool OnControlNotify(int id, int code) = 0;
};

// The event PostCommand queues; a NotifyTarget that is a QObject handles it
// in its event() by calling OnControlNotify(commandId, Notify::Clicked).
class CommandEvent : public QEvent {
public:
    static QEvent::Type EventType();
    explicit CommandEvent(int commandId) : QEvent(EventType()), commandId_(commandId) {}
    int commandId() const { return commandId_; }

private:
    int commandId_;
};
