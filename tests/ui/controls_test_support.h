// SPDX-License-Identifier: MIT
#pragma once
// Helpers for the display-control tests: an owner window that records the
// commands and notifications it receives, synthetic mouse input, and pixels.

#include <QApplication>
#include <QColor>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <utility>
#include <vector>

#include "framework/notify.h"
#include "tests/ui/ui_test_support.h"

class RecordingOwner : public QWidget, public NotifyTarget {
public:
    RecordingOwner() { resize(300, 200); }
    bool OnControlNotify(int id, int code) override {
        notifications.emplace_back(id, code);
        return true;
    }
    std::vector<int> commands;
    std::vector<std::pair<int, int>> notifications;

protected:
    bool event(QEvent* e) override {
        if (e->type() == CommandEvent::EventType()) {
            commands.push_back(static_cast<CommandEvent*>(e)->commandId());
            return true;
        }
        return QWidget::event(e);
    }
};

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

inline void ClickAt(QWidget* w, QPoint pos, bool twice = false) {
    SendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    if (twice) {  // what the platform delivers for a double click
        SendMouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
        SendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
}

inline void PointerEnters(QWidget* w, QPoint pos) {
    QEnterEvent enter{QPointF(pos), QPointF(pos), QPointF(w->mapToGlobal(pos))};
    QCoreApplication::sendEvent(w, &enter);
    SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

inline QColor PixelAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

inline int CountColor(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (color.rgb() & 0xFFFFFF);
    return count;
}

// A font whose glyphs are drawn without smoothing, so text pixels carry the
// exact text colour.
inline QFont CrispFont(QFont f) {
    f.setPixelSize(12);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}
