// SPDX-License-Identifier: MIT
#include "framework/focus_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// Eats the mouse press that is on its way (it gave the focus before being
// delivered) and the release of the same button. It lives at most until the
// event loop runs again without a press, or until the next press.
class PressSwallower : public QObject {
public:
    PressSwallower() : QObject(qApp) {
        qApp->installEventFilter(this);
        // A focus change by the keyboard has no press on its way.
        QTimer::singleShot(0, this, [this] {
            if (!button_)
                deleteLater();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                if (button_ || done_) {
                    // Another press: the release came while the box was open.
                    Finish();
                    return false;
                }
                button_ = static_cast<QMouseEvent*>(event)->button();
                event->accept();
                if (!(QApplication::mouseButtons() & button_))
                    Finish();
                return true;
            }
            case QEvent::MouseButtonRelease:
                if (button_ && static_cast<QMouseEvent*>(event)->button() == button_ && !done_) {
                    event->accept();
                    Finish();
                    return true;
                }
                return false;
            default:
                return false;
        }
    }

private:
    void Finish() {
        done_ = true;
        qApp->removeEventFilter(this);
        deleteLater();
    }
    Qt::MouseButton button_ = Qt::NoButton;
    bool done_ = false;
};

}  // namespace

void AfterBoxOnFocusLost(QWidget* field, QWidget* next, Qt::FocusReason reason) {
    if (reason == Qt::MouseFocusReason)
        new PressSwallower;
    if (field && field->isVisible() && field->isEnabled() && field->window()->focusWidget() == next)
        field->setFocus(Qt::OtherFocusReason);
}
