// SPDX-License-Identifier: MIT
#pragma once
// A text label that paints itself: text and fill colours (or a two-colour
// gradient), an embossed second copy of the text, blinking text,
// transparency over its parent, and a click that opens a web address or a
// new mail (or tells the owning dialog instead).

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "framework/dialog_template.h"

class CLinkLabel : public QWidget, public TemplateBound {
    Q_OBJECT
    // The window text, as the framework reads any control's text.
    Q_PROPERTY(QString text READ Text)

public:
    enum LinkMode { LinkNone = 0, LinkWeb = 1, LinkMail = 2 };
    enum BlinkMode { BlinkNone = 0, BlinkTextMode = 1 };

    explicit CLinkLabel(QWidget* parent = nullptr);
    ~CLinkLabel() override;

    // Takes the template control's text, id and alignment, and the font it
    // has from its dialog.
    void PreSubclassWindow(const ControlTemplate& control) override;

    // Setters return the label, so calls can be chained. Unless said
    // otherwise each repaints the label and the part of the parent beneath.
    // Without a gradient the fill is `color`; with one it runs from `color`
    // on the left to `endColor` on the right.
    CLinkLabel& SetFillColor(const QColor& color, const QColor& endColor = QColor(0, 0, 0),
                             bool gradient = false);
    CLinkLabel& SetLabelColor(const QColor& color);
    CLinkLabel& SetLabelText(const QString& text);
    // Paints no background: the parent shows through.
    CLinkLabel& SetSeeThrough(bool on);
    // The text blinks on a 1000 ms timer of the label's own (no repaint).
    CLinkLabel& BlinkText(bool on);
    // A click opens the label's text as a web address; with notifyParent
    // the owning dialog is told instead (no repaint).
    CLinkLabel& SetWebLink(bool on, bool notifyParent = false);
    CLinkLabel& SetHoverCursor(const QCursor& cursor);  // no repaint
    // direction 0: the copy lies one pixel up and left; else down and right.
    CLinkLabel& SetEmbossed(bool on, int direction = 0);
    CLinkLabel& SetEmbossColor(const QColor& color);
    // A click opens a new mail to the label's text (as "mailto:" + text);
    // with notifyParent the owning dialog is told instead (no repaint).
    CLinkLabel& SetMailtoLink(bool on, bool notifyParent = false);

    QString Text() const { return m_text; }
    // What a left click does: tells the parent, or opens the link.
    void Activate();
    QColor LabelColor() const { return m_crText; }
    QColor EmbossColor() const { return m_crEmboss; }
    const QFont& LabelFont() const { return m_font; }
    int LinkMode() const { return m_nLinkMode; }
    bool NotifiesParent() const { return m_bNotifyParent; }
    bool IsSeeThrough() const { return m_bTransparent; }
    bool IsEmbossed() const { return m_bEmbossed; }
    int EmbossDirection() const { return m_nEmbossDir; }
    int BlinkState() const { return m_nBlinkMode; }
    // The blink phase: false while the text is hidden (or shown in black).
    bool BlinkPhaseOn() const { return m_bBlinkOn; }
    const QTimer& BlinkTimer() const { return m_blinkTimer; }
    // One tick of the blink timer: flips the phase and repaints. The timer
    // calls it; a scripted driver may step it by hand.
    void OnTimer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Redraw();
    void UpdateMouseHandling();
    int TextFlags() const;
    void FillGradient(QPainter& painter, const QRect& rect) const;

    QColor m_crText;
    QColor m_crEmboss{255, 255, 255};
    QColor m_crDefault;                  // the platform's button face
    std::optional<QColor> m_fillColour;  // the solid fill, when one is set
    QFont m_font;
    bool m_bBlinkOn = false;
    bool m_bBlinkTimer = false;
    int m_nLinkMode = LinkNone;
    bool m_bTransparent = false;
    bool m_bEmbossed = false;
    bool m_bNotifyParent = false;
    int m_nBlinkMode = BlinkNone;
    std::optional<QCursor> m_hHoverCursor;
    int m_nEmbossDir = 0;
    bool m_bGradient = false;
    QColor m_crGradientEnd{0, 0, 0};
    QColor m_crFill{0, 0, 0};

    QString m_text;
    unsigned m_style = Style::None;  // alignment and click flags of the template
    QTimer m_blinkTimer;
};
