// SPDX-License-Identifier: MIT
#include "tools/vek-calc/inputs.h"

#include <optional>
#include <string_view>

#include "text/number_text.h"

namespace vek::cli {

namespace {

std::optional<Value> StartValue(const Field& field) {
    if (const auto* number = std::get_if<double>(&field.start))
        return *number;
    if (const auto* text = std::get_if<std::string>(&field.start))
        return *text;
    return std::nullopt;
}

}  // namespace

Inputs::Inputs(const Calculator& calculator)
    : calculator_(&calculator),
      values_(calculator.inputs.size()),
      given_(calculator.inputs.size(), false) {
    for (std::size_t i = 0; i < values_.size(); ++i) values_[i] = StartValue(*calculator.inputs[i]);
}

std::size_t Inputs::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < calculator_->inputs.size(); ++i)
        if (calculator_->inputs[i]->name == name)
            return i;
    throw std::logic_error(std::string(calculator_->name) + " has no input " + std::string(name));
}

const std::optional<Value>& Inputs::Raw(std::string_view name) const {
    return values_[IndexOf(name)];
}

bool Inputs::Given(std::string_view name) const {
    return given_[IndexOf(name)];
}

void Inputs::Set(std::size_t index, Value value) {
    values_[index] = std::move(value);
    given_[index] = true;
}

namespace {

std::string Label(const Field& input) {
    std::string label = input.name;
    if (input.id != 0)
        label += " (" + std::to_string(input.id) + ")";
    return label;
}

std::string ChoiceList(const Field& input) {
    std::string list;
    for (std::size_t i = 0; i < input.choices.size(); ++i) {
        if (i > 0)
            list += ", ";
        list += std::to_string(i);
        for (const auto& word : input.choices[i]) list += "|" + word;
    }
    return list;
}

std::optional<Value> ReadChoice(const Field& input, const std::string& text) {
    const int count = static_cast<int>(input.choices.size());
    if (const auto index = vek::text::ParseInt(text); index && *index >= 0 && *index < count)
        return static_cast<double>(*index);
    for (int i = 0; i < count; ++i)
        for (const auto& word : input.choices[i])
            if (text == word)
                return static_cast<double>(i);
    return std::nullopt;
}

// The value as the page's field takes it in, or nullopt when it refuses it.
std::optional<Value> ReadValue(const Field& input, const std::string& text) {
    switch (input.kind) {
        case FieldKind::Float:
            if (const auto v = vek::text::ParseFloat(text))
                return static_cast<double>(*v);
            return std::nullopt;
        case FieldKind::Double:
            if (const auto v = vek::text::ParseDouble(text))
                return *v;
            return std::nullopt;
        case FieldKind::Int:
            if (const auto v = vek::text::ParseInt(text))
                return static_cast<double>(*v);
            return std::nullopt;
        case FieldKind::Text:
            return text;
        case FieldKind::Choice:
            return ReadChoice(input, text);
    }
    return std::nullopt;
}

std::string Refusal(const Calculator& calculator, const Field& input, const std::string& text) {
    std::string wanted;
    switch (input.kind) {
        case FieldKind::Float:
        case FieldKind::Double:
            wanted = "needs a number";
            break;
        case FieldKind::Int:
            wanted = "needs a whole number";
            break;
        case FieldKind::Choice:
            wanted = "needs one of " + ChoiceList(input);
            break;
        case FieldKind::Text:
            break;
    }
    return std::string(calculator.name) + ": " + Label(input) + " " + wanted + ", not '" + text +
           "'";
}

bool IsId(std::string_view key) {
    if (key.empty())
        return false;
    for (char c : key)
        if (c < '0' || c > '9')
            return false;
    return true;
}

}  // namespace

std::optional<std::size_t> FindInput(const Calculator& calculator, std::string_view key) {
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const Field& input = *calculator.inputs[i];
        if (key == input.name || (IsId(key) && input.id != 0 && key == std::to_string(input.id)))
            return i;
    }
    return std::nullopt;
}

Value ReadInput(const Calculator& calculator, std::size_t index, const std::string& text) {
    const Field& input = *calculator.inputs[index];
    auto value = ReadValue(input, text);
    if (!value)
        throw UsageError(Refusal(calculator, input, text));
    return std::move(*value);
}

Inputs ReadInputs(const Calculator& calculator, const std::vector<std::string>& assignments) {
    Inputs inputs(calculator);
    const std::string where = std::string(calculator.name) + ": ";
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos)
            throw UsageError(where + "'" + assignment + "' is not name=value");
        const std::string key = assignment.substr(0, equals);
        const std::string text = assignment.substr(equals + 1);
        const auto index = FindInput(calculator, key);
        if (!index)
            throw UsageError(where + "no input '" + key + "' (see vek-calc " + calculator.name +
                             " --help)");
        const Field& input = *calculator.inputs[*index];
        if (inputs.Given(*index))
            throw UsageError(where + Label(input) + " is given twice");
        inputs.Set(*index, ReadInput(calculator, *index, text));
    }
    return inputs;
}

std::string ShowValue(FieldKind kind, const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    const double number = std::get<double>(value);
    switch (kind) {
        case FieldKind::Float:
            return vek::text::FormatFloat(static_cast<float>(number));
        case FieldKind::Double:
            return vek::text::FormatDouble(number);
        case FieldKind::Int:
        case FieldKind::Choice:
            return vek::text::FormatInt(vek::text::ClampToInt(number));
        case FieldKind::Text:
            break;
    }
    return vek::text::FormatDouble(number);
}

}  // namespace vek::cli
