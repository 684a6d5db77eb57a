// SPDX-License-Identifier: MIT
#include "framework/hyphen_rule.h"

#include <QEvent>
#include <QFontMetrics>

HyphenRule::HyphenRule(QWidget* parent) : QLabel(parent) {}

bool HyphenRule::IsRule(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c != QLatin1Char('-'))
            return false;
    return true;
}

void HyphenRule::resizeEvent(QResizeEvent* event) {
    Fill();
    QLabel::resizeEvent(event);
}

void HyphenRule::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        Fill();
    QLabel::changeEvent(event);
}

void HyphenRule::Fill() {
    const qreal hyphen = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('-'));
    if (hyphen <= 0 || width() <= 0)
        return;
    const QString rule(qMax(1, static_cast<int>(width() / hyphen)), QLatin1Char('-'));
    if (rule != text())
        setText(rule);
}
