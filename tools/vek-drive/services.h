// SPDX-License-Identifier: MIT
#pragma once
// The desktop as vek-drive shows it to the program: message boxes, mail
// links and side programs are printed instead of shown or started, the clock
// can be set, and the desktop has the size the script asks for.

#include <QDateTime>
#include <QElapsedTimer>
#include <QRect>
#include <QString>
#include <QTime>
#include <optional>

#include "framework/platform_services.h"

namespace drive {

class DriveServices : public PlatformServices {
public:
    // `time`: the time of day the program reads first, or the real clock.
    // `desktop`: the desktop rectangle, or the screen's.
    DriveServices(std::optional<QTime> time, std::optional<QRect> desktop);

    void OpenUrl(const QString& target) override;
    void StartProgram(const QString& program) override;
    // The given time, advanced by the time elapsed since the program first
    // read the clock, rounded to whole seconds: a clock read right after
    // start shows exactly the given time, one read a second later (the
    // clock line's timer) the next second, despite timer jitter.
    QDateTime LocalTime() override;
    QRect DesktopRect() override;
    // Prints "file: CAPTION | PATH" and answers with the path of the
    // `answer-file` before it ("file: CAPTION | none", cancelled, when there
    // is none).
    QString AskFileName(QWidget* parent, bool save, const QString& caption,
                        const QString& filter) override;

private:
    std::optional<QTime> time_;
    std::optional<QRect> desktop_;
    QElapsedTimer sinceFirstRead_;
};

// Installs the services, the message-box recorder and the pop-up menu
// answer (a menu that opens with no `pick` waiting is dismissed, as a user
// pressing Esc would).
void InstallDriveServices(DriveServices& services);

// What the next pop-up menu that opens does: choose `command`, or be
// dismissed (0). Picks queue up, one per menu.
void QueuePick(int command);
// Why the last picked command could not be chosen (the menu that opened
// does not hold it, or holds it disabled); empty when nothing failed. The
// menu itself was dismissed. Reading it clears it.
QString TakePickFailure();

// What the next file dialog that opens answers: the path, as the user would
// choose it. Answers queue up, one per dialog.
void QueueFileAnswer(const QString& path);

}  // namespace drive
