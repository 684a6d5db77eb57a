// SPDX-License-Identifier: MIT
#include "framework/edit_text.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// Room Qt's line edit keeps between its contents rectangle and the text.
constexpr int kLineEditTextMargin = 2;

void ShowFromStart(QLineEdit* edit) {
    edit->deselect();
    edit->setCursorPosition(0);
}

}  // namespace

void SetEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
        ShowFromStart(edit);
    } else if (!edit->hasFocus()) {
        ShowFromStart(edit);
    }
}

int FirstShownCharacter(const QLineEdit* edit) {
    // The left edge of the text area, as the line edit lays it out; the
    // character boundary nearest to it is where the shown text begins.
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    // cursorPositionAt only reads the layout, though Qt does not mark it const.
    return const_cast<QLineEdit*>(edit)->cursorPositionAt(
        QPoint(contents.left() + kLineEditTextMargin, contents.center().y()));
}
