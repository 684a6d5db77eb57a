// SPDX-License-Identifier: MIT
#pragma once
// What the program asks of the desktop, behind one replaceable interface so
// that tests and the scripted driver can fix the clock and the screen and
// see a mail link or a side program instead of opening it.

#include <QDateTime>
#include <QRect>
#include <QString>

class QWidget;

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

    // The platform's file dialog: a file to open (save false) or to write
    // (save true, the dialog asks before replacing a file), with the caption
    // and the filter ("项目文件 (*.vek)"). Empty when the user cancels.
    virtual QString AskFileName(QWidget* parent, bool save, const QString& caption,
                                const QString& filter);
};

// The services in use; tests install their own (nullptr restores the default).
PlatformServices& Services();
void SetServices(PlatformServices* services);
