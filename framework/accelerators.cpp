// SPDX-License-Identifier: MIT
#include "framework/accelerators.h"

#include <QApplication>
#include <QPointer>

#include "framework/dialog.h"

namespace {

// Watches the whole application, so that a key meant for any control of the
// window (the edit part of a combo box included) is seen before the control
// handles it.
class AcceleratorFilter : public QObject {
public:
    AcceleratorFilter(CDialog* window, AcceleratorTranslate translate)
        : QObject(window), window_(window), translate_(std::move(translate)) {
        setObjectName(QStringLiteral("vekAccelerators"));
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !window_ || (widget != window_ && !window_->isAncestorOf(widget)))
            return false;
        // Only the control that has the focus receives a key first; the
        // same key travelling on to its parents is not translated again.
        if (widget != QApplication::focusWidget() && widget != window_)
            return false;
        const std::optional<int> command = translate_(*static_cast<QKeyEvent*>(event));
        if (!command)
            return false;
        event->accept();
        if (event->type() == QEvent::ShortcutOverride)
            return false;  // claims the key, so no shortcut takes it first
        window_->OnControlNotify(*command, Notify::Clicked);
        return true;
    }

private:
    QPointer<CDialog> window_;
    AcceleratorTranslate translate_;
};

}  // namespace

void LoadAccelerators(CDialog* window, AcceleratorTranslate translate) {
    if (!window)
        return;
    delete window->findChild<QObject*>(QStringLiteral("vekAccelerators"),
                                       Qt::FindDirectChildrenOnly);
    if (translate)
        new AcceleratorFilter(window, std::move(translate));
}
