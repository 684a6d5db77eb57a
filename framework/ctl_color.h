// SPDX-License-Identifier: MIT
#pragma once
// A window's colour handler answers, for each control before it is drawn and
// for the window's own background, which colours to use. The framework turns
// the answer into the palette Qt paints with.

#include <QColor>
#include <optional>

enum class CtlColorKind {
    Dialog,  // the window's own background
    Static,  // labels, pictures, group boxes, check boxes, radio buttons,
             // and read-only or disabled edits
    Edit,    // editable edits and the edit part of combo boxes
    Button,  // push buttons
};

struct CtlColor {
    enum class Brush { Default, Solid, Hollow };
    Brush brush = Brush::Default;
    QColor brushColor;                     // with Brush::Solid
    std::optional<QColor> textColor;       // unset: the platform's window text
    std::optional<QColor> textBackground;  // used when the background mode is opaque
    bool transparent = false;              // background mode

    static CtlColor Default() { return {}; }
    static CtlColor Solid(QColor c) {
        CtlColor r;
        r.brush = Brush::Solid;
        r.brushColor = c;
        return r;
    }
    static CtlColor Hollow() {
        CtlColor r;
        r.brush = Brush::Hollow;
        return r;
    }
};
