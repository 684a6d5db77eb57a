// SPDX-License-Identifier: MIT
#include "tools/vek-drive/user_input.h"

#include <QtTest/qtestspontaneevent.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace drive {
namespace {

bool Shows(const QWidget* top, const QWidget* control, QPoint point) {
    const QWidget* hit = top->childAt(control->mapTo(top, point));
    return hit && (hit == control || control->isAncestorOf(hit));
}

QWindow* WindowHandleOf(const QWidget* widget) {
    const QWidget* top = widget->window();
    return top ? top->windowHandle() : nullptr;
}

// The key a character has on a keyboard: letters by their capital, other
// characters by their code.
int KeyOfCharacter(char32_t character) {
    if (character >= U'a' && character <= U'z')
        return static_cast<int>(character - U'a' + U'A');
    return static_cast<int>(character);
}

}  // namespace

std::optional<QPoint> VisiblePointOf(const QWidget* control) {
    const QWidget* top = control->window();
    if (top == control)
        return control->rect().center();
    const QRect area = control->rect();
    if (area.isEmpty())
        return std::nullopt;
    // A control that lets the mouse through (a static text that reports no
    // clicks) is never the one hit; a user can still click on it, and the
    // window beneath gets the click.
    if (control->testAttribute(Qt::WA_TransparentForMouseEvents))
        return area.center();
    if (Shows(top, control, area.center()))
        return area.center();
    // Partly covered: the first uncovered point, row by row.
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            if (Shows(top, control, QPoint(x, y)))
                return QPoint(x, y);
    return std::nullopt;
}

QPoint BackgroundPointOf(const QWidget* widget) {
    const QRect area = widget->rect();
    // The margins are searched first: windows keep their controls off the
    // very edge.
    for (int inset = 1; inset < std::min(area.width(), area.height()) / 2; inset += 2) {
        const QRect ring = area.adjusted(inset, inset, -inset, -inset);
        for (int x = ring.left(); x <= ring.right(); x += 2) {
            for (int y : {ring.top(), ring.bottom()})
                if (!widget->childAt(QPoint(x, y)))
                    return QPoint(x, y);
        }
        for (int y = ring.top(); y <= ring.bottom(); y += 2) {
            for (int x : {ring.left(), ring.right()})
                if (!widget->childAt(QPoint(x, y)))
                    return QPoint(x, y);
        }
    }
    return QPoint(0, 0);
}

void ActivateWindowOf(QWidget* widget) {
    QWidget* top = widget->window();
    if (!top->isVisible() || QApplication::activeWindow() == top)
        return;
    top->activateWindow();
    QCoreApplication::processEvents();
}

void ClickAt(QWidget* widget, QPoint point, bool doubleClick) {
    QWindow* window = WindowHandleOf(widget);
    if (!window)
        return;
    const QPoint inWindow = widget->mapTo(widget->window(), point);
    if (doubleClick)
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, inWindow);
    else
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow);
}

void MoveMouseTo(QWidget* widget, QPoint point) {
    QWindow* window = WindowHandleOf(widget);
    if (!window)
        return;
    QTest::mouseMove(window, widget->mapTo(widget->window(), point));
}

void TurnWheel(QWidget* widget, QPoint point, int notches) {
    // One notch is 120 eighths of a degree, as every wheel mouse reports it.
    constexpr int kNotch = 120;
    const QPointer<QWidget> alive(widget);
    for (int i = 0; i < std::abs(notches) && alive; ++i) {
        QWindow* window = WindowHandleOf(widget);
        if (!window)
            return;
        const QPointF inWindow = widget->mapTo(widget->window(), point);
        const QPointF global = widget->mapToGlobal(point);
        QWheelEvent wheel(inWindow, global, QPoint(), QPoint(0, notches > 0 ? kNotch : -kNotch),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // Delivered as the window system delivers it: to the window, which
        // hands it to the control under the pointer and on to its parents.
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(window, &wheel);
        QCoreApplication::processEvents();
    }
}

void PressKey(QWidget* target, int key, bool keypad, const QString& text,
              Qt::KeyboardModifiers held) {
    QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(key), text,
                        held | (keypad ? Qt::KeypadModifier : Qt::NoModifier));
    QCoreApplication::processEvents();
}

void TypeCharacters(QWidget* target, const QString& text) {
    // A keystroke may close the window the field belongs to.
    const QPointer<QWidget> alive(target);
    for (char32_t character : text.toUcs4()) {
        if (!alive)
            return;
        PressKey(target, KeyOfCharacter(character), false, QString::fromUcs4(&character, 1));
    }
}

}  // namespace drive
