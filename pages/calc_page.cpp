// SPDX-License-Identifier: MIT
#include "pages/calc_page.h"

#include <QContextMenuEvent>

#include "calc/noise_forms.h"
#include "framework/data_exchange.h"
#include "pages/page_colors.h"

void CCalcPage::DoDataExchange(CDataExchange* pDX) {
    for (const Binding& binding : Bindings()) {
        if (binding.how == Binding::How::Kept)
            continue;
        if (binding.how == Binding::How::Radio) {
            DDX_Radio(pDX, binding.id, *std::get<int*>(binding.member));
            continue;
        }
        if (binding.how == Binding::How::ListText) {
            DDX_CBString(pDX, binding.id, *std::get<QString*>(binding.member));
            continue;
        }
        std::visit([&](auto* member) { DDX_Text(pDX, binding.id, *member); }, binding.member);
    }
}

CDialog::FieldName RecordNameOf(FieldTable table, int id) {
    const Field* field = FindField(table, id);
    if (!field || !*field->label)
        return {};
    QStringList parts;
    for (const char* part : {field->symbol, field->unit})
        if (*part)
            parts << QString::fromUtf8(part);
    return {QString::fromUtf8(field->label), parts.join(QStringLiteral("，"))};
}

CDialog::FieldName CCalcPage::NameOfField(int id) const {
    FieldName named = RecordNameOf(Fields(), id);
    if (named.name.isEmpty())
        named = CDialog::NameOfField(id);
    return named;
}

void CCalcPage::SetStartValues() {
    bindings_ = Bindings();
    for (const Binding& binding : bindings_) {
        const Field* field = FindField(Fields(), binding.id);
        if (!field || binding.how == Binding::How::ListText)
            continue;
        if (const auto* number = std::get_if<double>(&field->start))
            Write(binding, *number);
        else if (const auto* text = std::get_if<std::string>(&field->start))
            Write(binding, *text);
    }
}

const CCalcPage::Binding* CCalcPage::BindingOf(const char* fieldName) {
    const Field* field = FindField(Fields(), std::string_view(fieldName));
    if (!field)
        return nullptr;
    for (const Binding& binding : bindings_)
        if (binding.id == field->id && binding.how != Binding::How::ListText)
            return &binding;
    return nullptr;
}

SlotValue CCalcPage::Read(const Binding& binding) const {
    return std::visit(
        [](auto* member) -> SlotValue {
            if constexpr (std::is_same_v<decltype(member), QString*>)
                return member->toStdString();
            else
                return static_cast<double>(*member);
        },
        binding.member);
}

void CCalcPage::Write(const Binding& binding, const SlotValue& value) {
    std::visit(
        [&](auto* member) {
            using M = std::remove_pointer_t<decltype(member)>;
            if constexpr (std::is_same_v<M, QString>)
                *member = QString::fromStdString(std::get<std::string>(value));
            else
                *member = static_cast<M>(std::get<double>(value));
        },
        binding.member);
}

void CCalcPage::ShowBox(const CheckBox& box) {
    MessageBox(QString::fromUtf8(box.text), QString::fromUtf8(box.caption));
    if (QWidget* field = box.focusId ? GetDlgItem(box.focusId) : nullptr)
        field->setFocus(Qt::OtherFocusReason);
}

CtlColor CCalcPage::OnCtlColor(QWidget* control, CtlColorKind kind) {
    CtlColor answer = CDialog::OnCtlColor(control, kind);
    if (kind == CtlColorKind::Dialog)
        return CtlColor::Solid(kPageColor);
    if (kind == CtlColorKind::Static) {
        answer = CtlColor::Solid(kPageColor);
        if (statics_ != StaticText::Transparent)
            answer.textBackground = kPageColor;
        answer.transparent = statics_ != StaticText::Opaque;
    }
    return answer;
}

void CCalcPage::contextMenuEvent(QContextMenuEvent* event) {
    if (isWindow())
        OpenOwnerMenu(this, *this, event);
    else
        event->ignore();
}

void CCalcPage::RecordTotalLine(const char* levelSymbol, bool levelKept, float background,
                                float total) {
    if (!computedRecord_)
        return;
    lastRecord_ = levelKept ? WithTotalLine(*computedRecord_, levelSymbol, background, total)
                            : *computedRecord_;
}
