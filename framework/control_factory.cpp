// SPDX-License-Identifier: MIT
#include "framework/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "framework/combo_box.h"
#include "framework/flat_button.h"
#include "framework/hyphen_rule.h"
#include "framework/resources.h"

namespace {

Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& c) {
    return (c.style & Style::TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

QWidget* CreateEdit(const ControlTemplate& c, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromUtf8(c.text), parent);
    edit->setFrame(c.style & Style::Border);
    edit->setReadOnly(c.style & Style::ReadOnly);
    edit->setFocusPolicy(FocusPolicyOf(c));
    return edit;
}

QWidget* CreateCombo(const ControlTemplate& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    const bool editable = !(c.style & Style::DropList);
    combo->setEditable(editable);
    // Typed text never becomes a new list item.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setProperty(kSortedListProperty, bool(c.style & Style::Sorted));
    combo->setFocusPolicy(FocusPolicyOf(c));
    // The template height covers the drop-down list: one line per 8 units.
    combo->setMaxVisibleItems(qMax(1, (c.height - 14) / 8));
    MakeClassicComboBox(combo);
    return combo;
}

QWidget* CreateStatic(const ControlTemplate& c, QWidget* parent) {
    const QString text = QString::fromUtf8(c.text);
    auto* label = HyphenRule::IsRule(text) ? new HyphenRule(parent) : new QLabel(parent);
    label->setText(text);
    Qt::Alignment align = Qt::AlignTop;
    if (c.style & Style::Center)
        align |= Qt::AlignHCenter;
    else if (c.style & Style::Right)
        align |= Qt::AlignRight;
    else
        align |= Qt::AlignLeft;
    label->setAlignment(align);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    label->setMargin(0);
    label->setIndent(0);
    // A left-aligned static text breaks its lines to fit its width.
    const bool left = !(c.style & (Style::Center | Style::Right));
    label->setWordWrap(left || (c.style & Style::WordWrap));
    return label;
}

QWidget* CreatePicture(const ControlTemplate& c, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFocusPolicy(Qt::NoFocus);
    // A picture shows its bitmap at the bitmap's own size, from the
    // control's top-left corner, and the control takes that size, whatever
    // the template gives it. Drawn afresh for the screen's pixel ratio, so
    // the formula stays crisp.
    const int id = QString::fromUtf8(c.text).toInt();
    const QSize own = BitmapResourceSize(id);
    const QPixmap picture = LoadBitmapResource(id, own, label->devicePixelRatioF());
    if (!picture.isNull()) {
        label->setPixmap(picture);
        label->setFixedSize(own);
    }
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateIcon(const ControlTemplate& c, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFocusPolicy(Qt::NoFocus);
    const QIcon icon = LoadIconResource(QString::fromUtf8(c.text).toInt());
    constexpr int kStandardIconSize = 32;
    if (!icon.isNull())
        label->setPixmap(icon.pixmap(kStandardIconSize, kStandardIconSize));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

int ComboFieldHeight(const DialogBaseUnits& base) {
    return base.height + 8;
}

QWidget* CreateTemplateControl(const ControlTemplate& c, QWidget* parent, const DialogBaseUnits&) {
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
        case ControlKind::Edit:
            return CreateEdit(c, parent);
        case ControlKind::ComboBox:
            return CreateCombo(c, parent);
        case ControlKind::PushButton: {
            auto* button = (c.style & Style::Flat) ? new FlatButton(text, parent)
                                                   : new QPushButton(text, parent);
            // No button is ever the default: Enter typed in a field goes to
            // the window's OK, Enter on a focused button clicks that one.
            button->setAutoDefault(false);
            button->setDefault(false);
            button->setFocusPolicy(FocusPolicyOf(c));
            return button;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(text, parent);
            check->setFocusPolicy(FocusPolicyOf(c));
            return check;
        }
        case ControlKind::Radio: {
            auto* radio = new QRadioButton(text, parent);
            radio->setFocusPolicy(FocusPolicyOf(c));
            return radio;
        }
        case ControlKind::GroupBox: {
            auto* group = new QGroupBox(text, parent);
            group->setFocusPolicy(Qt::NoFocus);
            group->setFlat(c.style & Style::Flat);
            return group;
        }
        case ControlKind::Picture:
            return CreatePicture(c, parent);
        case ControlKind::Icon:
            return CreateIcon(c, parent);
        case ControlKind::Static:
        case ControlKind::Label:
            return CreateStatic(c, parent);
    }
    return new QWidget(parent);
}
