// SPDX-License-Identifier: MIT
#include "pages/page_inputs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

namespace {

// The window's input fields in its exchange order, then any the exchange
// does not name.
std::vector<const Field*> InputFields(CCalcPage& window) {
    std::vector<const Field*> fields;
    const auto add = [&](const Field* field) {
        if (field && field->role == FieldRole::Input && field->id != 0 &&
            std::find(fields.begin(), fields.end(), field) == fields.end())
            fields.push_back(field);
    };
    for (const CCalcPage::Binding& binding : window.Bindings())
        add(FindField(window.Fields(), binding.id));
    for (const Field& field : window.Fields()) add(&field);
    return fields;
}

// The index of the checked button of a radio group, -1 when none is.
int CheckedIndex(const std::vector<QWidget*>& group) {
    for (std::size_t i = 0; i < group.size(); ++i)
        if (static_cast<QAbstractButton*>(group[i])->isChecked())
            return static_cast<int>(i);
    return -1;
}

// A choice as the file keeps it: the field's first word for the index,
// else the index itself.
std::string ChoiceWord(const Field& field, int index) {
    const auto at = static_cast<std::size_t>(index);
    if (at < field.choices.size() && !field.choices[at].empty())
        return field.choices[at].front();
    return std::to_string(index);
}

const std::string* Find(const std::vector<std::pair<std::string, std::string>>& values,
                        const char* name) {
    for (const auto& [key, value] : values)
        if (key == name)
            return &value;
    return nullptr;
}

// Chooses an item of a list as the user's click does: the list shows it
// and the page hears of the choice once.
void ChooseItem(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
    emit list->textActivated(list->itemText(index));
}

}  // namespace

bool ShowsCalculator(const CCalcPage& window, const KnownCalculator& calculator) {
    return window.Fields().data() == calculator.table.data();
}

const KnownCalculator* WindowCalculator(const CCalcPage& window) {
    if (window.LastCalculator())
        if (const KnownCalculator* known = FindKnownCalculator(window.LastCalculator()))
            return known;
    for (const KnownCalculator& known : KnownCalculators())
        if (ShowsCalculator(window, known))
            return &known;
    return nullptr;
}

ProjectEntry SavedInputs(CCalcPage& window) {
    ProjectEntry entry;
    if (const KnownCalculator* known = WindowCalculator(window))
        entry.calculator = known->name;
    entry.computed = window.LastRecord().has_value();
    for (const Field* field : InputFields(window)) {
        QWidget* control = window.GetDlgItem(field->id);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            entry.inputs.emplace_back(field->name, edit->text().toStdString());
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            // An empty list (a unit catalogue without units) holds nothing.
            if (list->currentIndex() < 0)
                continue;
            if (field->kind != FieldKind::Choice)
                entry.inputs.emplace_back(field->name, list->currentText().toStdString());
            else
                entry.choices.emplace_back(field->name, ChoiceWord(*field, list->currentIndex()));
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            entry.choices.emplace_back(field->name, ChoiceWord(*field, box->isChecked() ? 1 : 0));
        } else if (qobject_cast<QAbstractButton*>(control)) {
            if (const int index = CheckedIndex(window.RadioGroup(field->id)); index >= 0)
                entry.choices.emplace_back(field->name, ChoiceWord(*field, index));
        }
    }
    return entry;
}

void FillInputs(CCalcPage& window, const ProjectEntry& entry, std::vector<std::string>& problems) {
    const std::vector<const Field*> fields = InputFields(window);
    // First every choice and list, as the user would choose them before
    // typing, then the texts.
    for (const Field* field : fields) {
        QWidget* control = window.GetDlgItem(field->id);
        const std::string* choice = Find(entry.choices, field->name);
        const std::string* text = Find(entry.inputs, field->name);
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            int index = -1;
            if (field->kind == FieldKind::Choice && choice)
                index = ChoiceIndex(*field, *choice).value_or(-1);
            else if (text)
                index = list->findText(QString::fromStdString(*text), Qt::MatchExactly);
            else
                continue;
            if (index >= 0 && index < list->count())
                ChooseItem(list, index);
            else
                problems.push_back(entry.calculator + "：" + field->name + " 的列表中没有“" +
                                   (text ? *text : *choice) + "”，已跳过。");
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            if (choice && box->isChecked() != (ChoiceIndex(*field, *choice) == 1))
                box->click();
        } else if (qobject_cast<QAbstractButton*>(control) && choice) {
            const std::vector<QWidget*> group = window.RadioGroup(field->id);
            const auto index = static_cast<std::size_t>(ChoiceIndex(*field, *choice).value_or(0));
            if (index < group.size())
                static_cast<QAbstractButton*>(group[index])->click();
        }
    }
    // The texts go in as they were saved: a live line that would follow a
    // keystroke (the noise pages' background lines) must not rewrite a
    // field that is filled after it.
    const CDialog::QuietScope quiet(window);
    for (const Field* field : fields)
        if (auto* edit = qobject_cast<QLineEdit*>(window.GetDlgItem(field->id)))
            if (const std::string* text = Find(entry.inputs, field->name)) {
                edit->setText(QString::fromStdString(*text));
                edit->setCursorPosition(0);
            }
}
