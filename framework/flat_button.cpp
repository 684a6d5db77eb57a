// SPDX-License-Identifier: MIT
#include "framework/flat_button.h"

#include <QPainter>

namespace {
constexpr int kFocusInset = 3;  // the focus rectangle lies inside the frame
}

FlatButton::FlatButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFlat(true);
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& p = palette();
    const QRect r = rect();
    painter.fillRect(r, p.color(QPalette::Button));
    // The frame: the window-frame colour all round, one pixel wide.
    const QColor frame = p.color(QPalette::Shadow);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), frame);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), frame);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), frame);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), frame);

    QRect textArea = r;
    if (isDown())
        textArea.translate(1, 1);
    painter.setPen(
        p.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        // The platform's dotted focus rectangle: every other pixel inverted.
        const QRect f = r.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        for (int x = f.left(); x <= f.right(); x += 2) {
            painter.fillRect(QRect(x, f.top(), 1, 1), Qt::black);
            painter.fillRect(QRect(x, f.bottom(), 1, 1), Qt::black);
        }
        for (int y = f.top() + 2; y < f.bottom(); y += 2) {
            painter.fillRect(QRect(f.left(), y, 1, 1), Qt::black);
            painter.fillRect(QRect(f.right(), y, 1, 1), Qt::black);
        }
    }
}
