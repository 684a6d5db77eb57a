// SPDX-License-Identifier: MIT
#pragma once
// What the program asks of the desktop, behind one replaceable interface so
// that tests and the scripted driver can fix the clock and the screen and
// see a mail link or a side program instead of opening it.

#include <QDateTime>
#include <QRect>
#include <QString>

class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    // Hands a target such as "mailto:someone@example.com" to the shell.
    virtual void OpenUrl(const QString& target);
    // Starts a side program by bare file name; a missing program is ignored.
    virtual void StartProgram(const QString& program);
    virtual QDateTime LocalTime();
    // The desktop window's rectangle, in screen pixels.
    virtual QRect DesktopRect();
};

// The services in use; tests install their own (nullptr restores the default).
PlatformServices& Services();
void SetServices(PlatformServices* services);
