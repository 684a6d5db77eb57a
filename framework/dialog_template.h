// SPDX-License-Identifier: MIT
#pragma once
// Dialog templates as data: one table per window, mirroring its control list
// one to one. Positions and sizes are in dialog units (see dialog_units.h).

#include <vector>

class QWidget;

enum class ControlKind {
    Edit,        // edit field
    ComboBox,    // drop-down list, with or without an edit part
    PushButton,  // push button
    CheckBox,    // check box (a colour button in toggle mode when bound)
    Radio,       // radio button
    GroupBox,    // frame with an optional title
    Static,      // static text (labels, hyphen lines)
    Picture,     // static showing a bitmap resource
    Icon,        // static showing an icon resource at the standard icon size
    Label,       // self-painting text label, bound to a control class later
};

// Style flags of a control (combine with |).
namespace Style {
constexpr unsigned None = 0;
constexpr unsigned Border = 1u << 0;          // edit with a border
constexpr unsigned ReadOnly = 1u << 1;        // edit the user cannot type into
constexpr unsigned Hidden = 1u << 2;          // not visible when created
constexpr unsigned Group = 1u << 3;           // starts a group (radio groups, tab groups)
constexpr unsigned TabStop = 1u << 4;         // reached with the Tab key
constexpr unsigned Sorted = 1u << 5;          // combo box list kept sorted
constexpr unsigned DropList = 1u << 6;        // combo box without an edit part
constexpr unsigned AutoHScroll = 1u << 7;     // edit scrolls horizontally
constexpr unsigned Flat = 1u << 8;            // flat push button or group box
constexpr unsigned Disabled = 1u << 9;        // created disabled
constexpr unsigned Center = 1u << 10;         // static text centred
constexpr unsigned Right = 1u << 11;          // static text right-aligned
constexpr unsigned VScroll = 1u << 12;        // combo list with a vertical scroll bar
constexpr unsigned Multiline = 1u << 13;      // edit with several lines
constexpr unsigned DefaultButton = 1u << 14;  // the template's default push button
constexpr unsigned Notify = 1u << 15;         // static that reports clicks
constexpr unsigned WordWrap = 1u << 16;       // static text broken into lines
}  // namespace Style

struct ControlTemplate {
    ControlKind kind;
    int id;                   // -1 for none
    const char* text;         // UTF-8; for a picture or icon, the resource id as text
    int x, y, width, height;  // dialog units
    unsigned style;
};

enum class WindowKind {
    ChildPage,   // hidden child page with a static edge, no caption
    ToolWindow,  // pop-up with caption, system menu and minimize box
    Modal,       // modal dialog with caption and system menu
    MainWindow,  // pop-up with caption, system menu, minimize and maximize boxes
};

struct DialogTemplate {
    int id;
    const char* caption;   // UTF-8, empty for pages
    int width, height;     // dialog units
    const char* fontFace;  // UTF-8, "宋体"
    int fontPointSize;
    WindowKind kind;
    std::vector<ControlTemplate> controls;
};

// Looks a template up by its number; nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);

// A control class that takes over a template control (the main window's
// colour buttons and labels) learns the control's template entry first.
class TemplateBound {
public:
    virtual ~TemplateBound() = default;
    virtual void PreSubclassWindow(const ControlTemplate& control) = 0;
};
