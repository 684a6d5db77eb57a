// SPDX-License-Identifier: MIT
#include "controls/link_label.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "framework/classic_style.h"
#include "framework/notify.h"
#include "framework/platform_services.h"

namespace {

constexpr int kBlinkTextMs = 1000;
constexpr int kMaxGradientBands = 100;

QColor SystemColor(QPalette::ColorRole role) {
    return ClassicPalette().color(role);
}

// A screen reader hears a link label as a link named by its address, with
// a press action that opens it; any other label as a text.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(CLinkLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return Label()->LinkMode() != CLinkLabel::LinkNone ? QAccessible::Link
                                                           : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && Label()->accessibleName().isEmpty())
            return Label()->Text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        if (role() == QAccessible::Link)
            return {pressAction()};
        return {};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && role() == QAccessible::Link)
            const_cast<CLinkLabel*>(Label())->Activate();
    }

private:
    const CLinkLabel* Label() const { return static_cast<const CLinkLabel*>(widget()); }
};

QAccessibleInterface* LinkLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CLinkLabel"))
        if (auto* label = qobject_cast<CLinkLabel*>(object))
            return new LinkLabelAccessible(label);
    return nullptr;
}

}  // namespace

CLinkLabel::CLinkLabel(QWidget* parent)
    : QWidget(parent),
      m_crText(SystemColor(QPalette::WindowText)),
      m_crDefault(SystemColor(QPalette::Button)),
      m_font(font()) {
    QAccessible::installFactory(LinkLabelFactory);  // kept once, however often installed
    connect(&m_blinkTimer, &QTimer::timeout, this, &CLinkLabel::OnTimer);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    UpdateMouseHandling();
}

CLinkLabel::~CLinkLabel() = default;

void CLinkLabel::PreSubclassWindow(const ControlTemplate& control) {
    m_text = QString::fromUtf8(control.text ? control.text : "");
    if (control.id != -1)
        SetControlId(this, control.id);
    m_style = control.style;
    // The font the control has from its dialog becomes the label's own,
    // drawn as the dialog font's bitmaps are: each pixel is text or not, so
    // an embossed copy stays a crisp second colour beside the text.
    m_font = font();
    m_font.setStyleStrategy(QFont::StyleStrategy(m_font.styleStrategy() | QFont::NoAntialias));
    UpdateMouseHandling();
    Redraw();
}

// --- setters ---

CLinkLabel& CLinkLabel::SetFillColor(const QColor& color, const QColor& endColor, bool gradient) {
    m_crFill = color;
    m_crGradientEnd = endColor;
    m_bGradient = gradient;
    m_fillColour.reset();
    if (!gradient)
        m_fillColour = color;
    Redraw();
    return *this;
}

CLinkLabel& CLinkLabel::SetLabelColor(const QColor& color) {
    m_crText = color;
    Redraw();
    return *this;
}

CLinkLabel& CLinkLabel::SetLabelText(const QString& text) {
    m_text = text;
    Redraw();
    return *this;
}

CLinkLabel& CLinkLabel::SetSeeThrough(bool on) {
    m_bTransparent = on;
    // A see-through label leaves pixels unpainted, so Qt must paint the
    // parent beneath it first.
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    Redraw();
    return *this;
}

CLinkLabel& CLinkLabel::BlinkText(bool on) {
    if (m_bBlinkTimer)
        m_blinkTimer.stop();
    if (on) {
        m_bBlinkOn = false;
        m_bBlinkTimer = true;
        m_blinkTimer.start(kBlinkTextMs);
        m_nBlinkMode = BlinkTextMode;
    } else {
        m_nBlinkMode = BlinkNone;
    }
    return *this;
}

CLinkLabel& CLinkLabel::SetWebLink(bool on, bool notifyParent) {
    m_nLinkMode = on ? LinkWeb : LinkNone;
    m_bNotifyParent = notifyParent;
    m_style = on ? (m_style | Style::Notify) : (m_style & ~Style::Notify);
    UpdateMouseHandling();
    return *this;
}

CLinkLabel& CLinkLabel::SetMailtoLink(bool on, bool notifyParent) {
    SetWebLink(on, notifyParent);
    m_nLinkMode = on ? LinkMail : LinkNone;
    return *this;
}

CLinkLabel& CLinkLabel::SetHoverCursor(const QCursor& cursor) {
    m_hHoverCursor = cursor;
    setCursor(cursor);
    return *this;
}

CLinkLabel& CLinkLabel::SetEmbossed(bool on, int direction) {
    m_bEmbossed = on;
    m_nEmbossDir = direction;
    Redraw();
    return *this;
}

CLinkLabel& CLinkLabel::SetEmbossColor(const QColor& color) {
    m_crEmboss = color;
    Redraw();
    return *this;
}

// --- behaviour ---

void CLinkLabel::Redraw() {
    // The label and the part of the parent beneath it, so a see-through
    // label never keeps traces of what it showed before.
    update();
    if (QWidget* parent = parentWidget())
        parent->update(geometry());
}

void CLinkLabel::UpdateMouseHandling() {
    // Like a plain static text, a label that does not report clicks lets
    // the mouse through to its parent.
    setAttribute(Qt::WA_TransparentForMouseEvents, (m_style & Style::Notify) == 0);
}

void CLinkLabel::OnTimer() {
    m_bBlinkOn = !m_bBlinkOn;
    Redraw();
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    Activate();
}

void CLinkLabel::Activate() {
    if (m_bNotifyParent) {
        SendNotify(this, Notify::LinkClicked);
        return;
    }
    if (m_nLinkMode == LinkWeb) {
        // The shell's result is not examined.
        Services().OpenUrl(m_text);
    } else if (m_nLinkMode == LinkMail) {
        Services().OpenUrl(QStringLiteral("mailto:") + m_text);
    }
}

void CLinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The label acts on the press alone: the second press of a double click
    // arrives as a double click and opens no second mail.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CLinkLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange) {
        m_crDefault = SystemColor(QPalette::Button);
        Redraw();
    }
}

// --- painting ---

int CLinkLabel::TextFlags() const {
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    if (m_style & Style::Center) {
        flags |= Qt::AlignHCenter;
    } else if (m_style & Style::Right) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    if (m_text.contains(QLatin1Char('\t')))
        flags |= Qt::TextExpandTabs;
    return flags;
}

void CLinkLabel::FillGradient(QPainter& painter, const QRect& rect) const {
    const int width = rect.width();
    if (width <= 0)
        return;
    // Channels in 1/256 steps, as integers, so the bands match the classic
    // drawing exactly.
    const int n = std::min(kMaxGradientBands, width);
    const int bandWidth = width / n;
    int r = m_crFill.red() * 256, g = m_crFill.green() * 256, b = m_crFill.blue() * 256;
    const int dr = ((m_crGradientEnd.red() - m_crFill.red()) * 256) / n;
    const int dg = ((m_crGradientEnd.green() - m_crFill.green()) * 256) / n;
    const int db = ((m_crGradientEnd.blue() - m_crFill.blue()) * 256) / n;
    for (int i = 0; i < n; ++i) {
        const int x0 = rect.left() + i * bandWidth;
        const int x1 = i + 1 < n ? rect.left() + (i + 1) * bandWidth : rect.left() + width;
        painter.fillRect(QRect(x0, rect.top(), x1 - x0, rect.height()),
                         QColor(r / 256, g / 256, b / 256));
        r += dr;
        g += dg;
        b += db;
    }
}

void CLinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();

    if (!m_bTransparent) {
        if (m_bGradient) {
            FillGradient(painter, r);
        } else {
            painter.fillRect(r, m_fillColour ? *m_fillColour : m_crDefault);
        }
    }

    // The off phase of blinking text: the text takes the fill colour and
    // vanishes, or turns black where there is no solid fill.
    QColor textColor = m_crText;
    if (m_nBlinkMode == BlinkTextMode && !m_bBlinkOn) {
        textColor = m_fillColour ? *m_fillColour : QColor(Qt::black);
    }
    painter.setClipRect(r);
    painter.setFont(m_font);
    painter.setPen(textColor);

    const int flags = TextFlags();
    painter.drawText(r, flags, m_text);
    if (m_bEmbossed) {
        const int offset = m_nEmbossDir == 0 ? -1 : 1;
        painter.setPen(m_crEmboss);
        painter.drawText(r.translated(offset, offset), flags, m_text);
    }
}
