// SPDX-License-Identifier: MIT
#include "calc/record.h"

#include <algorithm>

#include "text/number_text.h"

namespace {

// A choice shows the page's text of its item: the table's text for it, else
// the last word the table gives for it, else the index.
std::string ShowChoice(const Field& field, int index) {
    const auto at = static_cast<std::size_t>(index);
    if (index >= 0 && at < field.choiceTexts.size())
        return field.choiceTexts[at];
    if (index >= 0 && at < field.choices.size() && !field.choices[at].empty())
        return field.choices[at].back();
    return vek::text::FormatInt(index);
}

std::string Show(const Field& field, const RecordValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    const double number = std::get<double>(value);
    switch (field.kind) {
        case FieldKind::Float:
            return vek::text::FormatFloat(static_cast<float>(number));
        case FieldKind::Double:
            return vek::text::FormatDouble(number);
        case FieldKind::Int:
            return vek::text::FormatInt(vek::text::ClampToInt(number));
        case FieldKind::Choice:
            return ShowChoice(field, vek::text::ClampToInt(number));
        case FieldKind::Text:
            break;
    }
    return vek::text::FormatDouble(number);
}

// The lines in the order of the table, which is the order a reader meets
// the fields on the page (the exchange order of the values is not).
std::vector<RecordLine> Lines(FieldTable table, std::span<const NamedValue> values) {
    std::vector<std::pair<const Field*, const RecordValue*>> fields;
    for (const auto& [name, value] : values)
        if (const Field* field = FindField(table, std::string_view(name)))
            fields.emplace_back(field, &value);
    std::stable_sort(fields.begin(), fields.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<RecordLine> lines;
    for (const auto& [field, value] : fields)
        lines.push_back({*field->label ? field->label : field->meaning, field->symbol,
                         Show(*field, *value), field->unit});
    return lines;
}

}  // namespace

CalcRecord BuildRecord(const RecordText& text, FieldTable table, std::span<const NamedValue> inputs,
                       std::span<const NamedValue> results, std::string note, bool stopped) {
    CalcRecord record;
    record.title = text.title;
    record.formulas.assign(text.formulas.begin(), text.formulas.end());
    record.inputs = Lines(table, inputs);
    if (!stopped)
        record.results = Lines(table, results);
    record.note = std::move(note);
    record.stopped = stopped;
    return record;
}
