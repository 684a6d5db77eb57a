// SPDX-License-Identifier: MIT
#include "framework/combo_box.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class ComboGuard : public QObject {
public:
    explicit ComboGuard(QComboBox* combo) : QObject(combo), combo_(combo) {
        combo->installEventFilter(this);
        // The edit part may hold the focus itself and see a key first.
        if (combo->lineEdit())
            combo->lineEdit()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Wheel:
                if (combo_->hasFocus())
                    return false;
                event->accept();  // taken, so no window behind scrolls either
                return true;
            case QEvent::KeyPress: {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (!combo_->isEditable() || (key != Qt::Key_Return && key != Qt::Key_Enter))
                    return false;
                // Past the box and its edit part, on to the window.
                event->ignore();
                return true;
            }
            default:
                return false;
        }
    }

private:
    QComboBox* combo_;
};

}  // namespace

void MakeClassicComboBox(QComboBox* combo) {
    if (QLineEdit* edit = combo->lineEdit()) {
        combo->setCompleter(nullptr);
        // Qt chooses the item whose text was typed when Enter is pressed or
        // the edit part loses the focus; only a choice from the list counts.
        QObject::disconnect(edit, &QLineEdit::returnPressed, combo, nullptr);
        QObject::disconnect(edit, &QLineEdit::editingFinished, combo, nullptr);
    }
    new ComboGuard(combo);
}
