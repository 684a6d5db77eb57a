// SPDX-License-Identifier: MIT
#include "framework/platform_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

void PlatformServices::OpenUrl(const QString& target) {
    QDesktopServices::openUrl(QUrl(target));
}

void PlatformServices::StartProgram(const QString& program) {
    // The program's own directory first, then the search path; elsewhere than
    // on Windows the name is also tried without ".exe".
    QStringList names{program};
#ifndef Q_OS_WIN
    if (program.endsWith(".exe", Qt::CaseInsensitive))
        names << program.chopped(4);
#endif
    for (const QString& name : names) {
        const QString local = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        QString path = QFileInfo(local).isExecutable() && QFileInfo(local).isFile()
                           ? local
                           : QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    // A missing side program is not reported.
}

QDateTime PlatformServices::LocalTime() {
    return QDateTime::currentDateTime();
}

QRect PlatformServices::DesktopRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QString PlatformServices::AskFileName(QWidget* parent, bool save, const QString& caption,
                                      const QString& filter) {
    return save ? QFileDialog::getSaveFileName(parent, caption, QString(), filter)
                : QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

namespace {
PlatformServices& DefaultServices() {
    static PlatformServices services;
    return services;
}
PlatformServices* g_services = nullptr;
}  // namespace

PlatformServices& Services() {
    return g_services ? *g_services : DefaultServices();
}
void SetServices(PlatformServices* services) {
    g_services = services;
}
