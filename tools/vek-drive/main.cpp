// SPDX-License-Identifier: MIT
// vek-drive: runs vek on Qt's offscreen platform and drives its real windows
// from a script, printing what the script reads and what the program shows
// in message boxes, mail links and side programs.
//
//   vek-drive [--time HH:MM:SS] [--desktop WxH] SCRIPT   ("-": standard input)
//
// Exit status: 0 at the end of the script or when the program ended first
// (after printing "ended"); 1 after "error: line N: ..."; 2 when the command
// line or the script file cannot be used.

#include <CLI/CLI.hpp>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTime>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/calc_app.h"
#include "tools/vek-drive/driver.h"
#include "tools/vek-drive/script.h"
#include "tools/vek-drive/services.h"

namespace {

constexpr int kUsageError = 2;

std::optional<QTime> ReadTime(const std::string& text) {
    const QTime time = QTime::fromString(QString::fromStdString(text), QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QRect> ReadDesktop(const std::string& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
    const auto match = pattern.match(QString::fromStdString(text));
    if (!match.hasMatch())
        return std::nullopt;
    return QRect(0, 0, match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<std::string> ReadScript(const std::string& path) {
    if (path == "-") {
        std::ostringstream text;
        text << std::cin.rdbuf();
        return text.str();
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App cli{"Drives vek's windows from a script."};
    std::string timeText, desktopText, scriptPath;
    cli.add_option("--time", timeText, "The time of day the program's clock starts at (HH:MM:SS)");
    cli.add_option("--desktop", desktopText, "The desktop size in pixels (WxH)");
    cli.add_option("script", scriptPath, "The script file, or - for standard input")->required();
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = cli.exit(error);
        return status == 0 ? 0 : kUsageError;
    }

    std::optional<QTime> time;
    std::optional<QRect> desktop;
    if (!timeText.empty() && !(time = ReadTime(timeText))) {
        std::cerr << "vek-drive: --time needs HH:MM:SS, not " << timeText << '\n';
        return kUsageError;
    }
    if (!desktopText.empty() && !(desktop = ReadDesktop(desktopText))) {
        std::cerr << "vek-drive: --desktop needs WxH, not " << desktopText << '\n';
        return kUsageError;
    }
    const auto source = ReadScript(scriptPath);
    if (!source) {
        std::cerr << "vek-drive: cannot read " << scriptPath << '\n';
        return kUsageError;
    }

    // The offscreen screen takes the desktop's size, so windows are placed
    // on it as on a real desktop of that size.
    QTemporaryFile screenConfig(QDir::tempPath() + QStringLiteral("/vek-drive-screen-XXXXXX.json"));
    QByteArray platform = "offscreen";
    if (desktop && screenConfig.open()) {
        screenConfig.write(
            QStringLiteral("{\"screens\": [{\"name\": \"desktop\", \"x\": 0, \"y\": 0, "
                           "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                           "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                .arg(desktop->width())
                .arg(desktop->height())
                .toUtf8());
        screenConfig.flush();
        platform += ":configfile=" + QFile::encodeName(screenConfig.fileName());
    }
    qputenv("QT_QPA_PLATFORM", platform);
    drive::DriveServices services(time, desktop);
    drive::ScriptDriver driver(drive::ParseScript(*source));
    // The program sees only its own name on its command line.
    char* programArgs[] = {argv[0], nullptr};
    int programArgc = 1;
    RunVek(programArgc, programArgs, [&](QApplication& app) {
        drive::InstallDriveServices(services);
        driver.Start(app);
    });
    return driver.Finish();
}
