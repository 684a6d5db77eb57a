// SPDX-License-Identifier: MIT
#include "framework/classic_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

namespace {

// An etched group-box frame: a dark outline, and a light one a pixel below
// and to the right of it.
void DrawEtchedFrame(QPainter* p, const QRect& r, const QPalette& palette) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const int right = x + w - 1, bottom = y + h - 1;
    const QColor dark = palette.color(QPalette::Dark);
    const QColor light = palette.color(QPalette::Light);
    p->fillRect(x, y, w - 1, 1, dark);
    p->fillRect(x, bottom - 1, w - 1, 1, dark);
    p->fillRect(x, y, 1, h - 1, dark);
    p->fillRect(right - 1, y, 1, h - 1, dark);
    p->fillRect(x + 1, y + 1, w - 3, 1, light);
    p->fillRect(x + 1, y + 2, 1, h - 4, light);
    p->fillRect(x, bottom, w, 1, light);
    p->fillRect(right, y, 1, h - 1, light);
}

// A sunken field's two-pixel edge: dark over light outside, shadow over
// the window colour inside; the top and left edges over the bottom and
// right ones.
void DrawSunkenEdge(QPainter* p, const QRect& r, const QPalette& palette) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    p->fillRect(x, y, 1, h - 1, palette.color(QPalette::Dark));
    p->fillRect(x, y, w - 1, 1, palette.color(QPalette::Dark));
    p->fillRect(x, y + h - 1, w, 1, palette.color(QPalette::Light));
    p->fillRect(x + w - 1, y, 1, h, palette.color(QPalette::Light));
    p->fillRect(x + 1, y + 1, 1, h - 3, palette.color(QPalette::Shadow));
    p->fillRect(x + 1, y + 1, w - 3, 1, palette.color(QPalette::Shadow));
    p->fillRect(x + 1, y + h - 2, w - 2, 1, palette.color(QPalette::Window));
    p->fillRect(x + w - 2, y + 1, 1, h - 2, palette.color(QPalette::Window));
}

}  // namespace

const QPalette& ClassicPalette() {
    static const QPalette palette = [] {
        const QColor face(239, 239, 239);
        const QColor black(0, 0, 0);
        const QColor white(255, 255, 255);
        QPalette p;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Window, face);
            p.setColor(group, QPalette::Button, face);
            p.setColor(group, QPalette::Light, white);
            p.setColor(group, QPalette::Midlight, QColor(202, 202, 202));
            p.setColor(group, QPalette::Mid, QColor(184, 184, 184));
            p.setColor(group, QPalette::Dark, QColor(159, 159, 159));
            p.setColor(group, QPalette::Shadow, QColor(118, 118, 118));
            p.setColor(group, QPalette::Base, white);
            p.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
            p.setColor(group, QPalette::WindowText, black);
            p.setColor(group, QPalette::Text, black);
            p.setColor(group, QPalette::ButtonText, black);
            p.setColor(group, QPalette::BrightText, white);
            // White on the classic dark blue: 14 : 1 (a lighter blue
            // would fall below 4.5 : 1).
            p.setColor(group, QPalette::Highlight, QColor(10, 36, 106));
            p.setColor(group, QPalette::HighlightedText, white);
            p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
            p.setColor(group, QPalette::ToolTipText, black);
            p.setColor(group, QPalette::PlaceholderText, QColor(72, 72, 72));
            p.setColor(group, QPalette::Link, QColor(0, 0, 255));
            p.setColor(group, QPalette::LinkVisited, QColor(128, 0, 128));
        }
        // Disabled text is dimmed, yet dark enough to read on a face, a
        // field or a page (at least 4.6 : 1 on the page colour).
        const QColor dimmed(72, 72, 72);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, role, dimmed);
        return p;
    }();
    return palette;
}

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    // Strips stand for the style's lines only where a pixel is a pixel.
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (frame && element == PE_FrameGroupBox && (frame->features & QStyleOptionFrame::Flat)) {
        // A flat group box: one line of the window-frame colour all round,
        // as a flat push button's frame differs from a raised one.
        const QRect& r = frame->rect;
        const QColor line = frame->palette.color(QPalette::Shadow);
        painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), line);
        painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
        painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), line);
        painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), line);
        return;
    }
    const bool plain = painter->device() && painter->device()->devicePixelRatio() == 1.0 &&
                       painter->transform().type() <= QTransform::TxTranslate;
    if (frame && plain) {
        const QRect& r = frame->rect;
        if (element == PE_FrameGroupBox && !(frame->features & QStyleOptionFrame::Flat) &&
            frame->lineWidth == 1 && frame->midLineWidth == 0 && r.width() >= 4 &&
            r.height() >= 4) {
            DrawEtchedFrame(painter, r, frame->palette);
            return;
        }
        if (element == PE_FrameLineEdit && r.width() > 4 && r.height() > 4) {
            DrawSunkenEdge(painter, r, frame->palette);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
