// SPDX-License-Identifier: MIT
#include "framework/group_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

ClassicGroupBox::ClassicGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {}

void ClassicGroupBox::paintEvent(QPaintEvent* event) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QStyle* style = this->style();
    const QRect r =
        style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    // The gap is painted with the box's own background, so only a box that
    // fills its background with an opaque brush can have it painted.
    const bool ownGround = autoFillBackground() && palette().brush(backgroundRole()).isOpaque();
    if (isCheckable() || option.text.isEmpty() || !ownGround || r.width() < 4 || r.height() < 4) {
        QGroupBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    // The etched frame: a dark outline, and a light one a pixel below and to
    // the right of it. Filled one-pixel strips; the raster engine strokes
    // lines at many times the cost.
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const int right = x + w - 1, bottom = y + h - 1;
    const QColor dark = option.palette.color(QPalette::Dark);
    const QColor light = option.palette.color(QPalette::Light);
    painter.fillRect(x, y, w - 1, 1, dark);
    painter.fillRect(x, bottom - 1, w - 1, 1, dark);
    painter.fillRect(x, y, 1, h - 1, dark);
    painter.fillRect(right - 1, y, 1, h - 1, dark);
    painter.fillRect(x + 1, y + 1, w - 3, 1, light);
    painter.fillRect(x + 1, y + 2, 1, h - 4, light);
    painter.fillRect(x, bottom, w, 1, light);
    painter.fillRect(right, y, 1, h - 1, light);

    // The title's gap: the box's background, then the title on it.
    const QRect title =
        style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    painter.fillRect(title, palette().brush(backgroundRole()));
    if (option.textColor.isValid())
        painter.setPen(option.textColor);
    int alignment = int(option.textAlignment);
    if (!style->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        alignment |= Qt::TextHideMnemonic;
    style->drawItemText(&painter, title, Qt::TextShowMnemonic | Qt::AlignHCenter | alignment,
                        option.palette, option.state & QStyle::State_Enabled, option.text,
                        option.textColor.isValid() ? QPalette::NoRole : QPalette::WindowText);
}
