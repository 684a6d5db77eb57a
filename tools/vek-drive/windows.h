// SPDX-License-Identifier: MIT
#pragma once
// The program's windows as a script names them, and the current window the
// commands act on. A modal window that opens becomes the current window;
// when it closes, the window that was current before it comes back.

#include <QPointer>
#include <QString>
#include <vector>

#include "framework/dialog.h"

class QWidget;

namespace drive {

// The page shown in the main window; the main window itself while it hosts
// nothing but a page's controls; nullptr when no page is shown.
CDialog* VisiblePage();

// The window a script calls main, page, about, decibel, lp1 or path;
// nullptr when it is not open (a tool window that was never created).
// A tool window of the visible page is preferred over one of a hidden page.
CDialog* FindNamedWindow(const QString& name);

// Whether `window` is behind an open modal window that is not its own, so
// that a user could not reach it.
bool IsBlockedByModal(const QWidget* window);

class WindowTracker {
public:
    // Follows the modal windows: one that opened since the last call becomes
    // current, one that closed gives the previous current window back.
    void Sync();
    CDialog* Current() const { return current_; }
    void SetCurrent(CDialog* window) { current_ = window; }
    // Changes each time a modal window is taken or given back.
    int Epoch() const { return epoch_; }

private:
    struct Frame {
        QPointer<QWidget> modal;
        QPointer<CDialog> previous;
    };
    QPointer<CDialog> current_;
    std::vector<Frame> frames_;
    int epoch_ = 0;
};

}  // namespace drive
