// SPDX-License-Identifier: MIT
#pragma once
// A push button with the flat template style (a page's compute button, the
// decibel calculator's keys): a one-pixel frame round a plain face instead of
// a raised bevel; pressed, its text moves one pixel down and to the right.

#include <QPushButton>

class FlatButton : public QPushButton {
public:
    explicit FlatButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
