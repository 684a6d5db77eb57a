// SPDX-License-Identifier: MIT
#pragma once
// Carries out one script command on the current window, as a user would do
// it, and prints what the command reads. A command that names something
// that does not exist, or asks what a user could not do, throws DriveError.

#include <QPointer>
#include <QString>

#include "tools/vek-drive/script.h"
#include "tools/vek-drive/windows.h"

class CDialog;
class QEventLoop;
class QWidget;

namespace drive {

struct DriveError {
    QString message;
};

class CommandRunner {
public:
    explicit CommandRunner(WindowTracker& windows) : windows_(windows) {}

    void Run(const Command& command);
    // Ends a running `wait` early (the program has ended).
    void InterruptWait();

private:
    void RunVerb(const Command& command);
    CDialog* Current() const;
    QWidget* Control(int id) const;
    // The control exists, the user can see and reach it, and it is enabled.
    QWidget* UsableControl(int id) const;
    void CheckReachable(const QWidget* window) const;

    void Menu(int id);
    void Window(const QString& name);
    void Click(int id, bool doubleClick);
    void Hover(const Command& command);
    void Context();
    void Close();
    void Type(int id, const QString& text);
    void Choose(int id, int index);
    void Focus(int id);
    void Key(const QString& name);
    void Get(int id) const;
    void Items(int id) const;
    void State(int id) const;
    void Focused() const;
    void Geometry() const;
    void Dump() const;
    void Wait(int ms);
    // Waits (up to a minute) until the file exists in the working directory.
    void Await(const QString& file);
    void Screenshot(const QString& file) const;
    void Wheel(int id, int notches);
    void Clipboard() const;
    void Accessible(const Command& command) const;

    WindowTracker& windows_;
    QPointer<QEventLoop> wait_;
};

}  // namespace drive
