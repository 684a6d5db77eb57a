// SPDX-License-Identifier: MIT
#pragma once
// The flat navigation button of the main window: its face takes a colour by
// state (over, pressed, focused, normal), it shows a raised edge while the
// pointer is over it and a sunken one while pressed or while its pop-up menu
// is open. A button bound to a check-box template control is a toggle with a
// pair of icons instead.

#include <QColor>
#include <QIcon>
#include <QPointer>
#include <QPushButton>
#include <QSize>
#include <array>

#include "controls/icon_menu.h"
#include "framework/dialog_template.h"

class CColorButton : public QPushButton, public TemplateBound {
    Q_OBJECT

public:
    // Indexes of the state colours.
    enum StateColor {
        BkIn = 0,     // face while the pointer is over it or it is pressed
        FgIn = 1,     // text while the pointer is over it or it is pressed
        BkOut = 2,    // face otherwise
        FgOut = 3,    // text otherwise
        BkFocus = 4,  // face with the keyboard focus (neither over nor pressed)
        FgFocus = 5,  // text with the focus: kept, not painted
        StateColorCount = 6,
    };

    explicit CColorButton(QWidget* parent = nullptr);
    ~CColorButton() override;

    // Takes the template control's text and id; a check box becomes a toggle,
    // the template's default push button is remembered as the default.
    void PreSubclassWindow(const ControlTemplate& control) override;

    // Returns 0, or 3 (and changes nothing) for an index outside 0 to 5.
    int SetStateColor(int index, const QColor& color, bool repaint = true);
    // Faces take the platform's button face, texts its button text colour.
    void ResetColors(bool repaint = true);
    QColor StateColor(int index) const;  // invalid colour for a bad index

    void SetFlatFocusRect(bool draw, bool repaint = true);

    // Loads both icons from the icon resources at their own size (idNormal 0:
    // no normal icon). Returns 1, holding no icon, when a requested icon
    // cannot be loaded; else 0.
    int SetIcons(int idChecked, int idNormal);
    // Takes the two icons (a null normal icon: none) at the given sizes;
    // returns 1, holding no icon, when the checked icon is null; else 0.
    int SetIcons(const QIcon& checked, QSize checkedSize, const QIcon& normal, QSize normalSize);

    // Toggle mode only; elsewhere nothing changes.
    void SetChecked(bool checked, bool repaint = true);
    bool IsChecked() const { return m_bChecked; }
    bool IsToggle() const { return m_bToggle; }

    // Attaches pop-up menu resource menuId, whose chosen command is posted
    // to target once the menu has closed. Returns 0, or 1 (and holds no menu)
    // when the menu or its image strip cannot be loaded.
    int AttachMenu(int menuId, QObject* target, bool repaint = true);
    bool HasMenu() const { return m_menu.IsLoaded(); }
    const IconMenu& Menu() const { return m_menu; }

    bool IsHover() const { return m_bHover; }
    bool IsMenuOpen() const { return m_bMenuOpen; }
    // The icon the face shows now (null when none): for the owner and tests.
    QIcon ShownIcon() const;

protected:
    // Painting steps, replaceable by a derived button.
    virtual void FillFace(QPainter& painter, const QRect& rect);
    virtual void DrawFlatEdge(QPainter& painter, const QRect& rect, bool sunken);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void OnClicked();
    void TrackHover(const QPoint& pos, bool leftButtonHeld);
    void EndHover();
    void MoveFocusOnFromDisabled();
    bool DrawsPressed() const;
    void DrawIcon(QPainter& painter, const QRect& rect, bool pressed, QRect* textArea);
    void DrawLabel(QPainter& painter, QRect area, bool pressed);
    void Redraw(bool repaint);

    bool m_bHover = false;
    bool m_bToggle = false;
    bool m_bFlatFocusRect = false;
    std::array<QColor, StateColorCount> m_colors;
    IconMenu m_menu;
    QPointer<QObject> m_hCommandTarget;
    bool m_bMenuOpen = false;
    bool m_bChecked = false;
    QIcon m_iconChecked, m_iconNormal;
    QSize m_sizeChecked, m_sizeNormal;
};
