// SPDX-License-Identifier: MIT
#include "framework/tooltips.h"

#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>

#include "framework/dialog.h"

namespace {

constexpr char kToolTipsName[] = "vekToolTips";

// A control without a tooltip of its own passes the request on to its
// parents; the window's filter sees it there and answers for the control
// under the pointer.
class ToolTipSource : public QObject {
public:
    ToolTipSource(CDialog* window, ToolTipText textOf)
        : QObject(window), window_(window), textOf_(std::move(textOf)) {
        setObjectName(QLatin1String(kToolTipsName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || watched != window_)
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        const int id = ControlUnder(help->pos());
        const QString text = id != -1 ? textOf_(id) : QString();
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), text, window_->GetDlgItem(id));
        return true;
    }

private:
    // The id of the window's own control at `pos`: the edit part of a combo
    // box counts as the box; a control of a window inside this one does not.
    int ControlUnder(QPoint pos) const {
        for (QWidget* w = window_->childAt(pos); w && w != window_; w = w->parentWidget()) {
            if (dynamic_cast<CDialog*>(w))
                return -1;
            const int id = ControlId(w);
            if (id != -1 && window_->GetDlgItem(id) == w)
                return id;
        }
        return -1;
    }

    QPointer<CDialog> window_;
    ToolTipText textOf_;
};

}  // namespace

void EnableToolTips(CDialog* window, ToolTipText textOf) {
    if (!window)
        return;
    delete window->findChild<QObject*>(QLatin1String(kToolTipsName), Qt::FindDirectChildrenOnly);
    if (textOf)
        new ToolTipSource(window, std::move(textOf));
}
