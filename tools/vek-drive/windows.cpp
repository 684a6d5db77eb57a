// SPDX-License-Identifier: MIT
#include "tools/vek-drive/windows.h"

#include <QApplication>
#include <algorithm>

#include "app/calc_app.h"
#include "framework/dialog.h"
#include "framework/tool_window.h"
#include "tools/vek-drive/user_input.h"

namespace drive {
namespace {

// Template numbers of the windows a script can name besides main and page.
int TemplateOfName(const QString& name) {
    if (name == QLatin1String("about"))
        return 100;
    if (name == QLatin1String("decibel"))
        return 145;
    if (name == QLatin1String("lp1"))
        return 147;
    if (name == QLatin1String("path"))
        return 149;
    return 0;
}

// A window object whose window was never built has no controls yet (a tool
// window held by its page before the page's button first opened it).
bool IsBuilt(const CDialog* dialog) {
    return dialog->Template().controls.empty() ||
           !dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
}

// Ownership in the object tree, across window boundaries (a modal window
// belongs to the window it was opened over).
bool IsOwnedBy(const QObject* object, const QObject* owner) {
    for (const QObject* o = object; o; o = o->parent())
        if (o == owner)
            return true;
    return false;
}

}  // namespace

CDialog* VisiblePage() {
    CDialog* main = RunningMainWindow();
    if (!main)
        return nullptr;
    if (main->Template().kind == WindowKind::ChildPage)
        return main;
    for (CDialog* page : main->findChildren<CDialog*>()) {
        if (page->Template().kind == WindowKind::ChildPage && !page->isHidden())
            return page;
    }
    return nullptr;
}

CDialog* FindNamedWindow(const QString& name) {
    if (name == QLatin1String("main"))
        return RunningMainWindow();
    if (name == QLatin1String("page"))
        return VisiblePage();
    const int templateId = TemplateOfName(name);
    const CDialog* page = VisiblePage();
    CDialog* best = nullptr;
    int bestScore = -1;
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* dialog = dynamic_cast<CDialog*>(widget);
        if (!dialog || dialog->Template().id != templateId || !IsBuilt(dialog))
            continue;
        // A tool window belongs to the main window; the page shown is the
        // one whose button opened it.
        const bool ofPage = page && (ToolWindowOpener(*dialog) == page || IsOwnedBy(dialog, page));
        const int score = (ofPage ? 2 : 0) + (dialog->isVisible() ? 1 : 0);
        if (score > bestScore) {
            best = dialog;
            bestScore = score;
        }
    }
    return best;
}

bool IsBlockedByModal(const QWidget* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !window)
        return false;
    const QWidget* top = window->window();
    return top != modal && !IsOwnedBy(top, modal);
}

void WindowTracker::Sync() {
    // Modal windows close newest first.
    while (!frames_.empty() && !(frames_.back().modal && frames_.back().modal->isVisible())) {
        current_ = frames_.back().previous;
        frames_.pop_back();
        ++epoch_;
        // The window system hands the activation back to the window below.
        if (current_ && current_->isVisible() && !IsBlockedByModal(current_))
            ActivateWindowOf(current_);
    }
    // The main window itself may run modally; it is never taken as an
    // opened modal window.
    auto* modal = dynamic_cast<CDialog*>(QApplication::activeModalWidget());
    if (!modal || modal == RunningMainWindow())
        return;
    const bool known = std::any_of(frames_.begin(), frames_.end(),
                                   [modal](const Frame& f) { return f.modal == modal; });
    if (known)
        return;
    frames_.push_back({modal, current_});
    current_ = modal;
    ++epoch_;
    ActivateWindowOf(modal);
}

}  // namespace drive
