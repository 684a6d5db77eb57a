// SPDX-License-Identifier: MIT
#include "tools/vek-drive/services.h"

#include <cmath>

#include "controls/icon_menu.h"
#include "framework/message_box.h"
#include "tools/vek-drive/output.h"

namespace drive {

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
    SetPopupMenuHook([](const IconMenu&, const QPoint&) { return 0; });
}

}  // namespace drive
