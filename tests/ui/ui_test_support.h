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
        if (ControlId(w) == id) return qobject_cast<QLineEdit*>(w);
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
