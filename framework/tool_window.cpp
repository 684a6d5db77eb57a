// SPDX-License-Identifier: MIT
#include "framework/tool_window.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

#include "framework/dialog.h"

namespace {

constexpr char kToolWindowLinkName[] = "vekToolWindowLink";

// Remembers who opened the tool window, and gives the activation back to
// its owner when the tool window, active, is hidden (its close box, Esc, OK).
class ToolWindowLink : public QObject {
public:
    ToolWindowLink(CDialog* window, QWidget* owner, QWidget* opener)
        : QObject(window), owner_(owner), opener_(opener) {
        setObjectName(QLatin1String(kToolWindowLinkName));
        window->installEventFilter(this);
    }
    QWidget* Opener() const { return opener_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && owner_ && owner_->isVisible()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isActiveWindow() || QApplication::activeWindow() == nullptr)
                owner_->activateWindow();
        }
        return false;
    }

private:
    QPointer<QWidget> owner_;
    QPointer<QWidget> opener_;
};

ToolWindowLink* LinkOf(const CDialog& window) {
    return static_cast<ToolWindowLink*>(
        window.findChild<QObject*>(QLatin1String(kToolWindowLinkName), Qt::FindDirectChildrenOnly));
}

}  // namespace

void OpenToolWindow(CDialog& window, QWidget* opener) {
    if (window.IsCreated() && window.isVisible()) {
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
        return;
    }
    QWidget* owner = opener ? opener->window() : nullptr;
    window.DestroyWindow();
    window.Create(owner);
    delete LinkOf(window);
    new ToolWindowLink(&window, owner, opener);
    window.show();
    window.raise();
    window.activateWindow();
}

QWidget* ToolWindowOpener(const CDialog& window) {
    const ToolWindowLink* link = LinkOf(window);
    return link ? link->Opener() : nullptr;
}
