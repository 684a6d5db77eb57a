// SPDX-License-Identifier: MIT
#include "calc/record.h"

#include <algorithm>

#include "text/number_text.h"

const RecordLabel* FindLabel(const RecordText& text, std::string_view name) {
    for (const RecordLabel& label : text.labels)
        if (name == label.name)
            return &label;
    return nullptr;
}

namespace {

// A choice shows the text of its item: the label's, else the last word the
// table gives for it (the page's own word comes last), else the index.
std::string ShowChoice(const Field& field, const RecordLabel* label, int index) {
    const auto at = static_cast<std::size_t>(index);
    if (label && index >= 0 && at < label->choices.size())
        return label->choices[at];
    if (index >= 0 && at < field.choices.size() && !field.choices[at].empty())
        return field.choices[at].back();
    return vek::text::FormatInt(index);
}

std::string Show(const Field& field, const RecordLabel* label, const RecordValue& value) {
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
            return ShowChoice(field, label, vek::text::ClampToInt(number));
        case FieldKind::Text:
            break;
    }
    return vek::text::FormatDouble(number);
}

// The lines in the order of the labels, which is the order a reader meets
// the fields on the page (the exchange order of the values is not).
std::vector<RecordLine> Lines(const RecordText& text, FieldTable table,
                              std::span<const NamedValue> values) {
    std::vector<NamedValue> ordered(values.begin(), values.end());
    const auto rank = [&](const NamedValue& value) {
        const RecordLabel* label = FindLabel(text, value.first);
        return label ? label - text.labels.data() : std::ssize(text.labels);
    };
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](const NamedValue& a, const NamedValue& b) { return rank(a) < rank(b); });
    std::vector<RecordLine> lines;
    for (const auto& [name, value] : ordered) {
        const Field* field = FindField(table, std::string_view(name));
        const RecordLabel* label = FindLabel(text, name);
        if (!field)
            continue;
        RecordLine line;
        line.label = label ? label->label : field->meaning;
        line.symbol = label ? label->symbol : "";
        line.unit = label ? label->unit : field->unit;
        line.value = Show(*field, label, value);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

CalcRecord BuildRecord(const RecordText& text, FieldTable table, std::span<const NamedValue> inputs,
                       std::span<const NamedValue> results, std::string note, bool stopped) {
    CalcRecord record;
    record.title = text.title;
    record.formulas.assign(text.formulas.begin(), text.formulas.end());
    record.inputs = Lines(text, table, inputs);
    if (!stopped)
        record.results = Lines(text, table, results);
    record.note = std::move(note);
    record.stopped = stopped;
    return record;
}
