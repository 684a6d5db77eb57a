// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the window tests: recording message boxes instead of
// showing them, typing into fields, activating a window.

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <vector>

#include "framework/message_box.h"
#include "framework/notify.h"

class BoxRecorder {
public:
    BoxRecorder() {
        SetMessageBoxHandler([this](const BoxRecord& box) {
            boxes.push_back(box);
            return kIdOk;
        });
    }
    ~BoxRecorder() { SetMessageBoxHandler(nullptr); }
    std::vector<BoxRecord> boxes;
};

inline QLineEdit* EditOf(QWidget* window, int id) {
    for (QWidget* w : window->findChildren<QWidget*>())
        if (ControlId(w) == id)
            return qobject_cast<QLineEdit*>(w);
    return nullptr;
}

// Shows a top-level window and makes it the active one, so that the focus
// it gives is what QApplication reports.
inline void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

#include <QDateTime>
#include <QStringList>

#include "framework/platform_services.h"

// Fixed clock and desktop; mail links and side programs are recorded.
class FakeServices : public PlatformServices {
public:
    FakeServices() { SetServices(this); }
    ~FakeServices() override { SetServices(nullptr); }
    void OpenUrl(const QString& target) override { opened << target; }
    void StartProgram(const QString& program) override { started << program; }
    QDateTime LocalTime() override { return time; }
    QRect DesktopRect() override { return desktop; }

    QDateTime time{QDate(2026, 12, 6), QTime(9, 5, 7)};
    QRect desktop{0, 0, 1024, 768};
    QStringList opened;
    QStringList started;
};

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs the event loop (timers included) for `ms` milliseconds, or until
// `done` holds.
inline void RunFor(int ms, const std::function<bool()>& done = {}) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms && !(done && done())) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
