// SPDX-License-Identifier: MIT
#include "framework/tool_window.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

#include "framework/dialog.h"

namespace {

constexpr char kOwnerReturnName[] = "vekOwnerReturn";

// Gives the activation back to the owner when the tool window, active,
// is hidden (its close box, Esc, OK).
class OwnerReturn : public QObject {
public:
    OwnerReturn(CDialog* window, QWidget* owner) : QObject(window), owner_(owner) {
        setObjectName(QLatin1String(kOwnerReturnName));
        window->installEventFilter(this);
    }

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
};

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
    delete window.findChild<QObject*>(QLatin1String(kOwnerReturnName), Qt::FindDirectChildrenOnly);
    if (owner)
        new OwnerReturn(&window, owner);
    window.show();
    window.raise();
    window.activateWindow();
}
