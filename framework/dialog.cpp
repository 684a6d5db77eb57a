// SPDX-License-Identifier: MIT
#include "framework/dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "framework/accessible_names.h"
#include "framework/classic_style.h"
#include "framework/control_factory.h"
#include "framework/data_exchange.h"
#include "framework/dialog_font.h"
#include "framework/dialog_keys.h"
#include "framework/focus_box.h"

namespace {

const DialogTemplate& EmptyTemplate() {
    static const DialogTemplate empty{0, "", 100, 50, "宋体", 9, WindowKind::Modal, {}};
    return empty;
}

// A page sits in a thin sunken edge of one pixel.
constexpr int kStaticEdge = 1;

Qt::WindowFlags FlagsOf(WindowKind kind) {
    const Qt::WindowFlags caption = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (kind) {
        case WindowKind::ChildPage:
            return Qt::Widget;
        case WindowKind::ToolWindow:
            // A dialog-type window: its owner keeps it out of the taskbar
            // and above itself.
            return Qt::Dialog | caption | Qt::WindowMinimizeButtonHint;
        case WindowKind::Modal:
            return Qt::Dialog | caption;
        case WindowKind::MainWindow:
            return Qt::Window | caption | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint;
    }
    return Qt::Widget;
}

// vek's colours with no role set, so that a control takes from its parent
// every role it does not set itself.
QPalette InheritingPalette() {
    QPalette palette = ClassicPalette();
    palette.setResolveMask(0);
    return palette;
}

CtlColorKind ColorKindOf(const QWidget* widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->isReadOnly() || !edit->isEnabled() ? CtlColorKind::Static : CtlColorKind::Edit;
    if (qobject_cast<const QComboBox*>(widget))
        return CtlColorKind::Edit;
    if (qobject_cast<const QPushButton*>(widget))
        return CtlColorKind::Button;
    return CtlColorKind::Static;
}

}  // namespace

CDialog::CDialog(int templateId) : QDialog(nullptr) {
    template_ = FindDialogTemplate(templateId);
    if (!template_)
        template_ = &EmptyTemplate();
}

CDialog::CDialog(const DialogTemplate& dialogTemplate)
    : QDialog(nullptr), template_(&dialogTemplate) {}

// A control that keeps the focus to the end would make the base class pass
// the focus on through the tab cycle when only a QDialog is left of this
// window. It lets go of the focus here, while the window is whole, and no
// handler hears of it.
CDialog::~CDialog() {
    if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus)) {
        ++exchangeDepth_;
        focus->clearFocus();
    }
}

QPoint CDialog::ClientOrigin() const {
    return template_->kind == WindowKind::ChildPage ? QPoint(kStaticEdge, kStaticEdge) : QPoint();
}

QRect CDialog::TemplateRectPixels(const ControlTemplate& c) const {
    return DialogUnitsToPixels(baseUnits_, c.x, c.y, c.width, c.height).translated(ClientOrigin());
}

const ControlTemplate* CDialog::TemplateOf(int id) const {
    for (const auto& entry : controls_)
        if (entry.tmpl->id == id)
            return entry.tmpl;
    return nullptr;
}

void CDialog::BuildWindow(QWidget* parent) {
    setParent(parent, FlagsOf(template_->kind));
    setWindowTitle(QString::fromUtf8(template_->caption));
    const QFont font =
        DialogFont(template_->fontFace, template_->fontPointSize, devicePixelRatioF());
    setFont(font);
    baseUnits_ = BaseUnitsOf(font);

    QSize size = DialogUnitsToPixels(baseUnits_, template_->width, template_->height);
    if (template_->kind == WindowKind::ChildPage) {
        size += QSize(2 * kStaticEdge, 2 * kStaticEdge);
        resize(size);
    } else {
        setFixedSize(size);
    }
    CreateControls();
    ApplyTabOrder();
    BuildMessageMap();
}

void CDialog::CreateControls() {
    QButtonGroup* radioGroup = nullptr;
    for (const ControlTemplate& c : template_->controls) {
        QWidget* widget = CreateTemplateControl(c, this, baseUnits_);
        widget->setGeometry(TemplateRectPixels(c));
        if (c.kind == ControlKind::ComboBox)
            widget->resize(widget->width(), ComboFieldHeight(baseUnits_));
        SetControlId(widget, c.id);
        if (c.style & Style::Hidden)
            widget->setHidden(true);
        if (c.style & Style::Disabled)
            widget->setEnabled(false);

        // Radio buttons exclude each other within a template group, which
        // starts at a control with the group flag.
        if (c.style & Style::Group)
            radioGroup = nullptr;
        if (c.kind == ControlKind::Radio) {
            if (!radioGroup) {
                radioGroup = new QButtonGroup(this);
                radioGroups_.push_back(radioGroup);
            }
            radioGroup->addButton(static_cast<QAbstractButton*>(widget));
        }
        controls_.push_back({&c, widget, false});
        WireNotifications(widget);
    }
    StackControls();
}

void CDialog::StackControls() {
    // Bottom to top: group boxes, which frame their controls and must never
    // cover them; static texts and pictures, an earlier one over a later one
    // as in the classic z-order (a dashed line drawn under a row of labels
    // never cuts off their last pixel row); then the fields and buttons.
    auto isStatic = [](ControlKind kind) {
        return kind == ControlKind::Static || kind == ControlKind::Label ||
               kind == ControlKind::Picture || kind == ControlKind::Icon;
    };
    for (const auto& entry : controls_)
        if (entry.tmpl->kind == ControlKind::GroupBox)
            entry.widget->raise();
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (isStatic(it->tmpl->kind))
            it->widget->raise();
    for (const auto& entry : controls_)
        if (entry.tmpl->kind != ControlKind::GroupBox && !isStatic(entry.tmpl->kind))
            entry.widget->raise();
}

void CDialog::ApplyTabOrder() {
    QWidget* previous = nullptr;
    for (const auto& entry : controls_) {
        if (entry.widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, entry.widget);
        previous = entry.widget;
    }
}

void CDialog::WireNotifications(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { OnControlNotify(ControlId(edit), Notify::Change); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // Only a choice the user makes counts as a selection change.
        connect(combo, &QComboBox::activated, this,
                [this, combo] { OnControlNotify(ControlId(combo), Notify::SelChange); });
        if (combo->lineEdit())
            combo->lineEdit()->installEventFilter(this);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { OnControlNotify(ControlId(button), Notify::Clicked); });
    }
    widget->installEventFilter(this);
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return QDialog::eventFilter(watched, event);
    QWidget* control = widget;
    if (qobject_cast<QComboBox*>(widget->parentWidget()))
        control = widget->parentWidget();

    switch (event->type()) {
        case QEvent::KeyPress:
            if (ClickPushButtonOnEnter(widget, static_cast<QKeyEvent*>(event)) ||
                MoveInRadioGroup(widget, static_cast<QKeyEvent*>(event)))
                return true;
            break;
        case QEvent::FocusIn:
            OnFocusIn(control);
            // A handler that sent the focus on at once: the control never
            // shows it had it (no caret, no selection).
            if (!widget->hasFocus())
                return true;
            break;
        case QEvent::FocusOut:
            OnFocusOut(control, static_cast<QFocusEvent*>(event));
            break;
        case QEvent::ReadOnlyChange:
        case QEvent::EnabledChange:
            // The colour handler answers by the control's kind, which a
            // read-only or enabled change alters.
            for (const auto& entry : controls_)
                if (entry.widget == control)
                    ApplyColorsTo(entry);
            break;
        case QEvent::MouseButtonRelease: {
            const ControlTemplate* t = TemplateOf(ControlId(control));
            if (t && (t->style & Style::Notify) && t->kind == ControlKind::Static)
                OnControlNotify(t->id, Notify::Clicked);
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void CDialog::OnFocusIn(QWidget* control) {
    OnControlNotify(ControlId(control), Notify::SetFocus);
}

void CDialog::OnFocusOut(QWidget* control, QFocusEvent* event) {
    // Focus lost counts only when it moves to another control of the same
    // top-level window (a page's field losing it to a button of the main
    // window included): not when the window is deactivated, a pop-up opens
    // or a box appears.
    const auto reason = event->reason();
    QWidget* next = QApplication::focusWidget();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !next ||
        next == control || control->isAncestorOf(next) || next->window() != control->window())
        return;
    const int boxesBefore = MessageBoxesShown();
    OnControlNotify(ControlId(control), Notify::KillFocus);
    if (MessageBoxesShown() != boxesBefore)
        AfterBoxOnFocusLost(control, next, reason);
}

void CDialog::DestroyWindow() {
    if (!created_)
        return;
    hide();
    for (const auto& entry : controls_) {
        if (entry.adopted) {
            entry.widget->hide();
            entry.widget->setParent(nullptr);
        } else {
            delete entry.widget;
        }
    }
    controls_.clear();
    qDeleteAll(radioGroups_);
    radioGroups_.clear();
    messageMap_.clear();
    initialFocus_ = nullptr;
    created_ = false;
}

bool CDialog::Create(QWidget* parent) {
    if (created_)
        return true;
    BuildWindow(parent);
    created_ = true;
    const bool focusDefault = OnInitDialog();
    RefreshColors();
    NameFields();
    if (focusDefault && template_->kind != WindowKind::ChildPage) {
        for (const auto& entry : controls_) {
            if ((entry.tmpl->style & Style::TabStop) && !entry.widget->isHidden() &&
                entry.widget->isEnabled()) {
                initialFocus_ = entry.widget;
                break;
            }
        }
    }
    return true;
}

void CDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window's first focus is given once it can hold one.
    if (initialFocus_) {
        initialFocus_->setFocus(Qt::OtherFocusReason);
        // A field given the focus by the window shows its text selected, as
        // after Tab, so that what the user types replaces it.
        if (auto* edit = qobject_cast<QLineEdit*>(initialFocus_); edit && focusWidget() == edit)
            edit->selectAll();
        initialFocus_ = nullptr;
    }
}

void CDialog::NameFields() {
    InstallFieldAccessibility();
    for (const auto& entry : controls_) {
        const ControlKind kind = entry.tmpl->kind;
        if (kind != ControlKind::Edit && kind != ControlKind::ComboBox)
            continue;
        const FieldName named = NameOfField(entry.tmpl->id);
        entry.widget->setAccessibleName(named.name);
        entry.widget->setAccessibleDescription(named.description);
    }
}

CDialog::FieldName CDialog::NameOfField(int id) const {
    const ControlTemplate* field = TemplateOf(id);
    return {field ? TemplateLabelOf(*template_, *field) : QString(), QString()};
}

std::vector<QWidget*> CDialog::TabCycle() const {
    std::vector<QWidget*> controls;
    controls.reserve(controls_.size());
    for (const auto& entry : controls_) controls.push_back(entry.widget);
    // A shown page is a control parent: its tab stops follow the window's.
    for (const CDialog* page : findChildren<const CDialog*>(Qt::FindDirectChildrenOnly)) {
        if (page->template_->kind != WindowKind::ChildPage || page->isHidden())
            continue;
        const std::vector<QWidget*> own = page->TabCycle();
        controls.insert(controls.end(), own.begin(), own.end());
    }
    return controls;
}

int CDialog::DoModal(QWidget* parent) {
    modal_ = true;
    Create(parent);
    return exec();
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    ++exchangeDepth_;
    DoDataExchange(&dx);
    --exchangeDepth_;
    return !dx.failed();
}

QWidget* CDialog::GetDlgItem(int id) const {
    for (const auto& entry : controls_)
        if (entry.tmpl->id == id)
            return entry.widget;
    return nullptr;
}

QWidget* CDialog::ControlAt(std::size_t index) const {
    return index < controls_.size() ? controls_[index].widget : nullptr;
}

std::vector<QWidget*> CDialog::RadioGroup(int firstId) const {
    std::vector<QWidget*> group;
    auto* first = qobject_cast<QAbstractButton*>(GetDlgItem(firstId));
    if (!first || !first->group())
        return group;
    for (const auto& entry : controls_)
        if (auto* b = qobject_cast<QAbstractButton*>(entry.widget);
            b && b->group() == first->group())
            group.push_back(b);
    return group;
}

int CDialog::MessageBox(const QString& text, const QString& caption, unsigned type) {
    return ShowMessageBox(this, text, caption, type);
}

void CDialog::EndDialog(int result) {
    setResult(result);
    if (modal_)
        done(result);
    else
        hide();
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnControlNotify(int id, int code) {
    if (exchangeDepth_ > 0 || IsMessageBoxOpenOver(this))
        return false;
    for (const auto& entry : messageMap_) {
        if (entry.id == id && entry.code == code) {
            entry.handler();
            return true;
        }
    }
    if (code == Notify::Clicked && id == IDOK) {
        OnOK();
        return true;
    }
    if (code == Notify::Clicked && id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::AdoptControl(int id, QWidget* control) {
    for (auto& entry : controls_) {
        if (entry.tmpl->id != id)
            continue;
        QWidget* old = entry.widget;
        control->setParent(this);
        SetControlId(control, id);
        control->setGeometry(old->geometry());
        control->setFont(old->font());
        if (auto* bound = dynamic_cast<TemplateBound*>(control))
            bound->PreSubclassWindow(*entry.tmpl);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(QString::fromUtf8(entry.tmpl->text));
        control->setEnabled(old->isEnabled());
        control->stackUnder(old);
        control->setHidden(old->isHidden());
        entry.widget = control;
        entry.adopted = true;
        delete old;
        WireNotifications(control);
        ApplyTabOrder();
        return;
    }
}

CtlColor CDialog::OnCtlColor(QWidget*, CtlColorKind) {
    return CtlColor::Default();
}

void CDialog::RefreshColors() {
    const CtlColor own = OnCtlColor(this, CtlColorKind::Dialog);
    // A window takes every colour from vek's palette, so the desktop's
    // theme has no say; a page and the controls set only the colours their
    // handler chooses and take the rest from the window they sit in.
    QPalette palette = isWindow() ? ClassicPalette() : InheritingPalette();
    if (own.brush == CtlColor::Brush::Solid)
        palette.setColor(QPalette::Window, own.brushColor);
    setPalette(palette);
    setAutoFillBackground(own.brush != CtlColor::Brush::Hollow);
    for (const auto& entry : controls_) ApplyColorsTo(entry);
}

void CDialog::ApplyColorsTo(const Entry& entry) {
    if (entry.adopted)
        return;  // a control class of its own paints itself
    QWidget* w = entry.widget;
    const CtlColorKind kind = ColorKindOf(w);
    const PaletteRecipe recipe{kind, OnCtlColor(w, kind), ClassicPalette().cacheKey()};
    if (kind == CtlColorKind::Static) {
        const bool edit = qobject_cast<QLineEdit*>(w) != nullptr;
        w->setAutoFillBackground(!edit && FillsBackground(recipe.answer));
    }
    w->setPalette(PaletteFor(recipe));
}

bool CDialog::PaletteRecipe::operator==(const PaletteRecipe& other) const {
    return kind == other.kind && base == other.base && answer.brush == other.answer.brush &&
           answer.brushColor == other.answer.brushColor &&
           answer.textColor == other.answer.textColor &&
           answer.textBackground == other.answer.textBackground &&
           answer.transparent == other.answer.transparent;
}

// A static control fills its background unless its brush is hollow with
// nothing opaque drawn behind its text.
bool CDialog::FillsBackground(const CtlColor& answer) {
    return answer.brush != CtlColor::Brush::Hollow ||
           (!answer.transparent && answer.textBackground.has_value());
}

// Most of a window's controls get the same answer; each palette is made once
// and shared by the controls that answer alike.
const QPalette& CDialog::PaletteFor(const PaletteRecipe& recipe) {
    for (const auto& [made, palette] : palettes_)
        if (made == recipe)
            return palette;
    const CtlColor& answer = recipe.answer;
    QPalette palette = InheritingPalette();
    if (answer.textColor) {
        palette.setColor(QPalette::WindowText, *answer.textColor);
        palette.setColor(QPalette::Text, *answer.textColor);
        palette.setColor(QPalette::ButtonText, *answer.textColor);
    }
    if (recipe.kind == CtlColorKind::Static) {
        // What shows behind the control: the brush, or the text background
        // when that is drawn opaque over a hollow brush, or the window.
        QColor fill = palette.color(QPalette::Window);
        if (answer.brush == CtlColor::Brush::Solid)
            fill = answer.brushColor;
        if (answer.brush == CtlColor::Brush::Hollow && FillsBackground(answer))
            fill = *answer.textBackground;
        if (!FillsBackground(answer))
            fill = Qt::transparent;
        palette.setColor(QPalette::Window, fill);
        palette.setColor(QPalette::Base, fill);
        palette.setColor(QPalette::Button, fill);
    } else if (recipe.kind == CtlColorKind::Edit) {
        if (answer.brush == CtlColor::Brush::Solid)
            palette.setColor(QPalette::Base, answer.brushColor);
        if (answer.brush == CtlColor::Brush::Hollow)
            palette.setColor(QPalette::Base, Qt::transparent);
    } else if (recipe.kind == CtlColorKind::Button) {
        if (answer.brush == CtlColor::Brush::Solid)
            palette.setColor(QPalette::Button, answer.brushColor);
    }
    // A handler whose colours keep changing must not make the list grow
    // without end.
    constexpr std::size_t kMostPalettes = 16;
    if (palettes_.size() == kMostPalettes)
        palettes_.erase(palettes_.begin());
    palettes_.emplace_back(recipe, palette);
    return palettes_.back().second;
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            OnOK();
            return;
        case Qt::Key_Escape:
            event->accept();
            OnCancel();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

bool CDialog::event(QEvent* event) {
    if (event->type() == CommandEvent::EventType()) {
        OnControlNotify(static_cast<CommandEvent*>(event)->commandId(), Notify::Clicked);
        return true;
    }
    return QDialog::event(event);
}

bool CDialog::focusNextPrevChild(bool next) {
    // A page is a control parent: the window that holds it runs the cycle.
    if (auto* holder = dynamic_cast<CDialog*>(parentWidget());
        holder && template_->kind == WindowKind::ChildPage)
        return holder->focusNextPrevChild(next);
    if (QWidget* target = NextTabStop(TabCycle(), QApplication::focusWidget(), next))
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    // Used up either way: the focus never leaves the window by Tab.
    return true;
}

void CDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (template_->kind != WindowKind::ChildPage)
        return;
    // The static edge: shadow along the top and left, light along the
    // bottom and right, one pixel wide.
    QPainter painter(this);
    // The pixels of the window's outermost rows and columns.
    const QRect r = rect();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void CDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnClose();
}

void CDialog::OnClose() {
    OnCancel();
}
