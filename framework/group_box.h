// SPDX-License-Identifier: MIT
#pragma once
// The group box of the templates: an etched frame with its title set into the
// top edge, pixel for pixel as the classic style draws it. The frame is laid
// down as one-pixel strips and the title's gap painted over it, where the
// style strokes lines through a clip region cut around the title: a page's
// dozen group boxes cost a tenth of its first paint that way. A checkable
// box, one without a title, one too small for a frame or one that does not
// fill its background with an opaque colour is drawn by the style.

#include <QGroupBox>

class ClassicGroupBox : public QGroupBox {
public:
    explicit ClassicGroupBox(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
