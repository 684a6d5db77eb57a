// SPDX-License-Identifier: MIT
#include "framework/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

#include "framework/control_factory.h"
#include "framework/dialog.h"
#include "framework/edit_text.h"
#include "framework/window_text.h"
#include "text/number_text.h"

namespace {

void SetTextOf(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        SetEditText(edit, text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->lineEdit())
            SetEditText(combo->lineEdit(), text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else {
        control->setProperty("text", text);
    }
}

template <class T, class Parse, class Format>
void ExchangeNumber(CDataExchange* pDX, int id, T& value, Parse parse, Format format,
                    bool wholeNumber) {
    if (pDX->failed())
        return;
    QWidget* control = pDX->Control(id);
    if (!control)
        return;
    if (pDX->saving()) {
        const auto parsed = parse(WindowText(control).toStdString());
        if (parsed)
            value = *parsed;
        else
            pDX->Fail(control, wholeNumber);
    } else {
        SetTextOf(control, QString::fromStdString(format(value)));
    }
}

}  // namespace

QWidget* CDataExchange::Control(int id) const {
    return dialog_->GetDlgItem(id);
}

void CDataExchange::Fail(QWidget* control, bool wholeNumber) {
    // A field the user can neither see nor fix never blocks a computation.
    if (control->isHidden())
        return;
    dialog_->MessageBox(
        wholeNumber ? QStringLiteral("请输入一个整数。") : QStringLiteral("请输入一个数。"),
        QString(), BoxType::IconExclamation);
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    failed_ = true;
}

int CWndRef::AddString(const QString& text) const {
    auto* combo = qobject_cast<QComboBox*>(widget_);
    if (!combo)
        return -1;
    int index = combo->count();
    if (combo->property(kSortedListProperty).toBool()) {
        index = 0;
        while (index < combo->count() &&
               QString::compare(combo->itemText(index), text, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    combo->insertItem(index, text);
    return index;
}

void DDX_Text(CDataExchange* pDX, int id, float& value) {
    ExchangeNumber(pDX, id, value, vek::text::ParseFloat, vek::text::FormatFloat, false);
}

void DDX_Text(CDataExchange* pDX, int id, double& value) {
    ExchangeNumber(pDX, id, value, vek::text::ParseDouble, vek::text::FormatDouble, false);
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    ExchangeNumber(pDX, id, value, vek::text::ParseInt, vek::text::FormatInt, true);
}

void DDX_Text(CDataExchange* pDX, int id, QString& value) {
    if (pDX->failed())
        return;
    QWidget* control = pDX->Control(id);
    if (!control)
        return;
    if (pDX->saving())
        value = WindowText(control);
    else
        SetTextOf(control, value);
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    if (pDX->failed())
        return;
    const auto group = pDX->dialog()->RadioGroup(firstId);
    if (group.empty())
        return;
    if (pDX->saving()) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (static_cast<QAbstractButton*>(group[i])->isChecked())
                value = static_cast<int>(i);
        return;
    }
    auto* first = static_cast<QAbstractButton*>(group.front());
    QButtonGroup* buttons = first->group();
    const bool exclusive = buttons && buttons->exclusive();
    if (buttons)
        buttons->setExclusive(false);  // lets -1 clear every button
    for (std::size_t i = 0; i < group.size(); ++i)
        static_cast<QAbstractButton*>(group[i])->setChecked(static_cast<int>(i) == value);
    if (buttons)
        buttons->setExclusive(exclusive);
}

void DDX_CBString(CDataExchange* pDX, int id, QString& value) {
    if (pDX->failed())
        return;
    auto* combo = qobject_cast<QComboBox*>(pDX->Control(id));
    if (!combo)
        return;
    if (pDX->saving()) {
        value = combo->currentText();
        return;
    }
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(value, Qt::CaseInsensitive)) {
            combo->setCurrentIndex(i);
            if (combo->lineEdit())  // shown from its first character
                SetEditText(combo->lineEdit(), combo->itemText(i));
            return;
        }
    }
    if (combo->lineEdit())
        SetEditText(combo->lineEdit(), value);
    else
        combo->setCurrentIndex(-1);
}

void DDX_Control(CDataExchange* pDX, int id, CWndRef& handle) {
    if (handle.IsNull())
        handle.Attach(pDX->Control(id));
}

void DDX_Control(CDataExchange* pDX, int id, QWidget& control) {
    if (pDX->Control(id) != &control)
        pDX->dialog()->AdoptControl(id, &control);
}
