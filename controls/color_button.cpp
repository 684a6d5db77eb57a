// SPDX-License-Identifier: MIT
#include "controls/color_button.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "framework/classic_style.h"
#include "framework/notify.h"
#include "framework/resources.h"

namespace {

// The toolbar strip that gives menu entries their images.
constexpr int kMenuImageStrip = 167;
constexpr QSize kMenuImageSize(16, 16);
const QColor kMenuImageTransparent(255, 0, 255);

// Room between the edge, the icon and the text, in pixels.
constexpr int kIconMargin = 3;
constexpr int kFocusInset = 3;

// The platform's own colours, not a palette the owner may have given the
// button: the state colours start from these.
QColor SystemColor(QPalette::ColorRole role) {
    return ClassicPalette().color(role);
}

// An icon's own size: the first size it was made in. A scalable icon that
// names none is shown at the small icon size.
QSize OwnSize(const QIcon& icon) {
    const QList<QSize> sizes = icon.availableSizes();
    return sizes.isEmpty() ? QSize(16, 16) : sizes.first();
}

// A screen reader hears the toggle as a check box with its state, and a
// button that opens a menu as a menu button; Qt sees neither, since the
// button keeps its toggle state and its menu of its own.
class ColorButtonAccessible : public QAccessibleWidget {
public:
    explicit ColorButtonAccessible(CColorButton* button) : QAccessibleWidget(button) {}

    QAccessible::Role role() const override {
        if (Button()->IsToggle())
            return QAccessible::CheckBox;
        return Button()->HasMenu() ? QAccessible::ButtonMenu : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = Button()->IsToggle();
        state.checked = Button()->IsToggle() && Button()->IsChecked();
        state.hasPopup = Button()->HasMenu();
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && Button()->accessibleName().isEmpty())
            return Button()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<CColorButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    const CColorButton* Button() const { return static_cast<const CColorButton*>(widget()); }
};

QAccessibleInterface* ColorButtonFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CColorButton"))
        if (auto* button = qobject_cast<CColorButton*>(object))
            return new ColorButtonAccessible(button);
    return nullptr;
}

}  // namespace

CColorButton::CColorButton(QWidget* parent) : QPushButton(parent) {
    QAccessible::installFactory(ColorButtonFactory);  // kept once, however often installed
    ResetColors(false);
    setAutoDefault(false);
    // Moves without a button held are needed to light the face.
    setMouseTracking(true);
    // Connected first, so the button's own handling (toggle, menu) is done
    // before any owner hears of the click.
    connect(this, &QAbstractButton::clicked, this, &CColorButton::OnClicked);
}

CColorButton::~CColorButton() = default;

void CColorButton::PreSubclassWindow(const ControlTemplate& control) {
    setText(QString::fromUtf8(control.text ? control.text : ""));
    if (control.id != -1)
        SetControlId(this, control.id);
    m_bToggle = control.kind == ControlKind::CheckBox;
    setDefault((control.style & Style::DefaultButton) != 0);
    update();
}

int CColorButton::SetStateColor(int index, const QColor& color, bool repaint) {
    if (index < 0 || index >= StateColorCount)
        return 3;
    m_colors[static_cast<size_t>(index)] = color;
    Redraw(repaint);
    return 0;
}

void CColorButton::ResetColors(bool repaint) {
    const QColor face = SystemColor(QPalette::Button);
    const QColor text = SystemColor(QPalette::ButtonText);
    m_colors = {face, text, face, text, face, text};
    Redraw(repaint);
}

QColor CColorButton::StateColor(int index) const {
    if (index < 0 || index >= StateColorCount)
        return QColor();
    return m_colors[static_cast<size_t>(index)];
}

void CColorButton::SetFlatFocusRect(bool draw, bool repaint) {
    m_bFlatFocusRect = draw;
    Redraw(repaint);
}

int CColorButton::SetIcons(int idChecked, int idNormal) {
    const QIcon checked = LoadIconResource(idChecked);
    const QIcon normal = idNormal != 0 ? LoadIconResource(idNormal) : QIcon();
    if (idNormal != 0 && normal.isNull()) {
        // Hold neither icon rather than half a pair.
        SetIcons(QIcon(), QSize(), QIcon(), QSize());
        return 1;
    }
    return SetIcons(checked, OwnSize(checked), normal, OwnSize(normal));
}

int CColorButton::SetIcons(const QIcon& checked, QSize checkedSize, const QIcon& normal,
                           QSize normalSize) {
    m_iconChecked = QIcon();
    m_iconNormal = QIcon();
    m_sizeChecked = m_sizeNormal = QSize();
    int result = 0;
    if (checked.isNull() || checkedSize.isEmpty()) {
        result = 1;
    } else {
        m_iconChecked = checked;
        m_sizeChecked = checkedSize;
        if (!normal.isNull() && !normalSize.isEmpty()) {
            m_iconNormal = normal;
            m_sizeNormal = normalSize;
        }
    }
    update();
    return result;
}

void CColorButton::SetChecked(bool checked, bool repaint) {
    if (!m_bToggle)
        return;
    m_bChecked = checked;
    Redraw(repaint);
}

int CColorButton::AttachMenu(int menuId, QObject* target, bool repaint) {
    m_menu.DestroyMenu();
    int result = 0;
    if (!m_menu.LoadMenu(menuId) ||
        !m_menu.LoadToolbar(kMenuImageStrip, kMenuImageSize, kMenuImageTransparent)) {
        m_menu.DestroyMenu();
        result = 1;
    }
    m_hCommandTarget = target;
    Redraw(repaint);
    return result;
}

void CColorButton::Redraw(bool repaint) {
    if (repaint)
        update();
}

// --- clicks ---

void CColorButton::OnClicked() {
    setFocus(Qt::MouseFocusReason);
    if (m_bToggle) {
        m_bChecked = !m_bChecked;
        update();
        return;
    }
    if (!m_menu.IsLoaded())
        return;

    // The menu opens under the button, its top-left corner at the button's
    // bottom-left one; the button looks pressed while it is open.
    const QPoint topLeft = mapToGlobal(QPoint(0, height()));
    m_bMenuOpen = true;
    update();
    const QPointer<CColorButton> alive(this);
    const int command = m_menu.TrackPopup(topLeft);
    if (!alive)
        return;
    m_bMenuOpen = false;
    update();
    // Posted, so the owner handles the command after the menu has closed and
    // after the click itself.
    if (command != 0)
        PostCommand(m_hCommandTarget, command);
}

void CColorButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is one more press: two fast clicks stay two clicks.
    mousePressEvent(event);
}

// --- hover ---

void CColorButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    TrackHover(event->position().toPoint(),
               (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0);
}

void CColorButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    TrackHover(event->position().toPoint(), (event->buttons() & Qt::LeftButton) != 0);
}

void CColorButton::TrackHover(const QPoint& pos, bool leftButtonHeld) {
    // A drag that started elsewhere does not light the button.
    if (leftButtonHeld && !m_bHover)
        return;
    // While the mouse is captured the moves go on arriving from outside.
    if (rect().contains(pos)) {
        if (!m_bHover) {
            m_bHover = true;
            update();
        }
    } else {
        EndHover();
    }
}

void CColorButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    EndHover();
}

void CColorButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    EndHover();
}

void CColorButton::EndHover() {
    if (!m_bHover)
        return;
    m_bHover = false;
    update();
}

void CColorButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        // Only the button's own disabling counts, not a disabled parent.
        if (!isEnabled() && testAttribute(Qt::WA_ForceDisabled)) {
            MoveFocusOnFromDisabled();
            EndHover();
        }
    } else if (event->type() == QEvent::ActivationChange) {
        if (!isActiveWindow())
            EndHover();
    }
}

void CColorButton::MoveFocusOnFromDisabled() {
    // The next tab stop of the parent after this button, wrapping round; the
    // parent itself when it has none. This happens whether or not the button
    // had the focus.
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!parent->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            continue;
        if (!w->isEnabled() || !w->isVisibleTo(parent))
            continue;
        w->setFocus(Qt::TabFocusReason);
        return;
    }
    parent->setFocus(Qt::OtherFocusReason);
}

// --- painting ---

bool CColorButton::DrawsPressed() const {
    if (m_bToggle)
        return isDown() || m_bChecked;
    return isDown() || (m_menu.IsLoaded() && m_bMenuOpen);
}

QIcon CColorButton::ShownIcon() const {
    if (m_iconChecked.isNull())
        return QIcon();
    const bool pressed = DrawsPressed();
    const bool checkedLook = m_bToggle ? pressed : (pressed || m_bHover);
    return checkedLook || m_iconNormal.isNull() ? m_iconChecked : m_iconNormal;
}

void CColorButton::FillFace(QPainter& painter, const QRect& rect) {
    const bool pressed = DrawsPressed();
    QColor face = m_colors[BkOut];
    if (m_bHover || pressed) {
        face = m_colors[BkIn];
    } else if (hasFocus()) {
        face = m_colors[BkFocus];
    }
    painter.fillRect(rect, face);
}

void CColorButton::DrawFlatEdge(QPainter& painter, const QRect& rect, bool sunken) {
    const QColor light = SystemColor(QPalette::Light);
    const QColor shadow = SystemColor(QPalette::Dark);
    const QColor topLeft = sunken ? shadow : light;
    const QColor bottomRight = sunken ? light : shadow;
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    painter.fillRect(QRect(x, y, w - 1, 1), topLeft);
    painter.fillRect(QRect(x, y, 1, h - 1), topLeft);
    painter.fillRect(QRect(x + w - 1, y, 1, h), bottomRight);
    painter.fillRect(QRect(x, y + h - 1, w, 1), bottomRight);
}

void CColorButton::DrawIcon(QPainter& painter, const QRect& rect, bool pressed, QRect* textArea) {
    const QIcon icon = ShownIcon();
    if (icon.isNull())
        return;
    const QSize size = icon.cacheKey() == m_iconChecked.cacheKey() ? m_sizeChecked : m_sizeNormal;
    QRect place(QPoint(), size);
    if (text().isEmpty()) {
        place.moveTo(rect.left() + (rect.width() - size.width()) / 2,
                     rect.top() + (rect.height() - size.height()) / 2);
    } else {
        place.moveTo(rect.left() + kIconMargin, rect.top() + (rect.height() - size.height()) / 2);
        textArea->setLeft(place.right() + 1 + kIconMargin);
    }
    if (pressed && !m_bToggle)
        place.translate(1, 1);
    icon.paint(&painter, place, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void CColorButton::DrawLabel(QPainter& painter, QRect area, bool pressed) {
    const QString label = text();
    if (label.isEmpty())
        return;
    if (pressed && !m_bToggle)
        area.translate(1, 1);
    const int flags = Qt::TextWordWrap | Qt::AlignHCenter | Qt::TextShowMnemonic;
    // Measure the wrapped block, then centre it in the text area.
    const QRect measured =
        painter.fontMetrics().boundingRect(QRect(0, 0, area.width(), 1 << 20), flags, label);
    const QRect block(area.left() + (area.width() - measured.width()) / 2,
                      area.top() + (area.height() - measured.height()) / 2, measured.width(),
                      measured.height());
    if (!isEnabled()) {
        painter.setPen(SystemColor(QPalette::Light));
        painter.drawText(block.translated(1, 1), flags, label);
        painter.setPen(SystemColor(QPalette::Dark));
        painter.drawText(block, flags, label);
        return;
    }
    painter.setPen(m_bHover || pressed ? m_colors[FgIn] : m_colors[FgOut]);
    painter.drawText(block, flags, label);
}

void CColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    const bool pressed = DrawsPressed();

    FillFace(painter, r);
    if (pressed) {
        DrawFlatEdge(painter, r, true);
    } else if (m_bHover) {
        DrawFlatEdge(painter, r, false);
    }

    QRect textArea = r;
    DrawIcon(painter, r, pressed, &textArea);
    DrawLabel(painter, textArea, pressed);

    if (m_bFlatFocusRect && hasFocus()) {
        // The platform's dotted focus rectangle: every other pixel inverted.
        const QRect f = r.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        for (int x = f.left(); x <= f.right(); x += 2) {
            painter.fillRect(QRect(x, f.top(), 1, 1), Qt::black);
            painter.fillRect(QRect(x, f.bottom(), 1, 1), Qt::black);
        }
        for (int y = f.top() + 2; y < f.bottom(); y += 2) {
            painter.fillRect(QRect(f.left(), y, 1, 1), Qt::black);
            painter.fillRect(QRect(f.right(), y, 1, 1), Qt::black);
        }
    }
}
