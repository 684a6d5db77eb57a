// SPDX-License-Identifier: MIT
#include "tools/vek-drive/services.h"

#include <QAction>
#include <QMenu>
#include <cmath>
#include <deque>
#include <utility>

#include "controls/icon_menu.h"
#include "framework/message_box.h"
#include "tools/vek-drive/output.h"

namespace drive {
namespace {

std::deque<int>& Picks() {
    static std::deque<int> picks;
    return picks;
}

std::deque<QString>& FileAnswers() {
    static std::deque<QString> answers;
    return answers;
}

QString& PickFailure() {
    static QString failure;
    return failure;
}

// A pop-up menu as the script answers it: the pending pick if the menu
// offers it, otherwise dismissed (Esc), the failure kept for the command
// that opened the menu.
int AnswerMenu(const IconMenu& menu) {
    if (Picks().empty())
        return 0;
    const int command = Picks().front();
    Picks().pop_front();
    if (command == 0 || !menu.Popup())
        return 0;
    for (const QAction* action : menu.Popup()->actions()) {
        if (action->isSeparator() || action->data().toInt() != command)
            continue;
        if (action->isEnabled())
            return command;
        PickFailure() = QStringLiteral("menu entry %1 is disabled").arg(command);
        return 0;
    }
    PickFailure() = QStringLiteral("the menu that opened has no entry %1").arg(command);
    return 0;
}

}  // namespace

void QueuePick(int command) {
    Picks().push_back(command);
}

QString TakePickFailure() {
    return std::exchange(PickFailure(), QString());
}

void QueueFileAnswer(const QString& path) {
    FileAnswers().push_back(path);
}

QString DriveServices::AskFileName(QWidget*, bool, const QString& caption, const QString&) {
    QString path;
    if (!FileAnswers().empty()) {
        path = FileAnswers().front();
        FileAnswers().pop_front();
    }
    PrintLine(QStringLiteral("file: ") + caption + QStringLiteral(" | ") +
              (path.isEmpty() ? QStringLiteral("none") : path));
    return path;
}

DriveServices::DriveServices(std::optional<QTime> time, std::optional<QRect> desktop)
    : time_(time), desktop_(desktop) {}

void DriveServices::OpenUrl(const QString& target) {
    PrintLine(QStringLiteral("open: ") + target);
}

void DriveServices::StartProgram(const QString& program) {
    PrintLine(QStringLiteral("start: ") + program);
}

QDateTime DriveServices::LocalTime() {
    if (!time_)
        return PlatformServices::LocalTime();
    if (!sinceFirstRead_.isValid())
        sinceFirstRead_.start();
    const auto seconds = static_cast<qint64>(std::llround(sinceFirstRead_.elapsed() / 1000.0));
    // The date plays no part: the program shows the time of day only.
    return QDateTime(QDate(2024, 1, 1), *time_).addSecs(seconds);
}

QRect DriveServices::DesktopRect() {
    return desktop_ ? *desktop_ : PlatformServices::DesktopRect();
}

void InstallDriveServices(DriveServices& services) {
    SetServices(&services);
    SetMessageBoxHandler([](const BoxRecord& box) {
        PrintLine(QStringLiteral("box: ") + OneLine(box.caption) + QStringLiteral(" | ") +
                  OneLine(box.text));
        return kIdOk;
    });
    SetPopupMenuHook([](const IconMenu& menu, const QPoint&) { return AnswerMenu(menu); });
}

}  // namespace drive
