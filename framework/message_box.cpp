// SPDX-License-Identifier: MIT
#include "framework/message_box.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <vector>

namespace {
BoxHandler g_handler;
// The top-level windows that open boxes block; a null entry blocks all.
std::vector<QPointer<const QWidget>> g_blocked;
int g_shown = 0;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

// Keeps the user's hands off one top-level window while its box is open,
// as a classic box disables its owner; a press there brings the box forward.
class OwnerBlock : public QObject {
public:
    OwnerBlock(QWidget* owner, QWidget* box) : owner_(owner), box_(box) {
        qApp->installEventFilter(this);
    }
    ~OwnerBlock() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !owner_ || !IsUserInput(event->type()) || widget->window() != owner_)
            return false;
        if (event->type() == QEvent::MouseButtonPress && box_) {
            box_->raise();
            box_->activateWindow();
        }
        if (event->type() == QEvent::Close)
            event->ignore();
        return true;
    }

private:
    QPointer<QWidget> owner_;
    QPointer<QWidget> box_;
};

QMessageBox::Icon IconOf(unsigned type) {
    switch (type & BoxType::IconMask) {
        case BoxType::IconError:
            return QMessageBox::Critical;
        case BoxType::IconQuestion:
            return QMessageBox::Question;
        case BoxType::IconExclamation:
            return QMessageBox::Warning;
        case BoxType::IconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int ShowRealBox(QWidget* owner, const BoxRecord& record) {
    QWidget* top = owner ? owner->window() : nullptr;
    QMessageBox box(IconOf(record.type), record.caption, record.text, QMessageBox::NoButton, top);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    if (!top) {
        box.exec();
        return kIdOk;
    }
    // Qt's window modality would block the owner's owner and its other
    // owned windows too; the owner alone is kept from input instead.
    box.setWindowModality(Qt::NonModal);
    OwnerBlock block(top, &box);
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    box.activateWindow();
    loop.exec(QEventLoop::DialogExec);
    // The owner is active again once its box has gone.
    const QWidget* active = QApplication::activeWindow();
    if (top->isVisible() && (!active || active == &box))
        top->activateWindow();
    return kIdOk;
}
}  // namespace

QString ApplicationName() {
    return QStringLiteral("vek");
}

int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) {
    BoxRecord record{text, caption.isEmpty() ? ApplicationName() : caption, type};
    ++g_shown;
    g_blocked.emplace_back(owner ? owner->window() : nullptr);
    const QPointer<const QWidget> entry = g_blocked.back();
    const int answer = g_handler ? g_handler(record) : ShowRealBox(owner, record);
    // Boxes close in the reverse order of their opening.
    for (auto it = g_blocked.end(); it != g_blocked.begin();) {
        --it;
        if (*it == entry) {
            g_blocked.erase(it);
            break;
        }
    }
    return answer;
}

void SetMessageBoxHandler(BoxHandler handler) {
    g_handler = std::move(handler);
}

bool IsMessageBoxOpenOver(const QWidget* window) {
    const QWidget* top = window ? window->window() : nullptr;
    for (const auto& blocked : g_blocked)
        if (blocked.isNull() || blocked == top)
            return true;
    return false;
}

int MessageBoxesShown() {
    return g_shown;
}
