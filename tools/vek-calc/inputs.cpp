// SPDX-License-Identifier: MIT
#include "tools/vek-calc/inputs.h"

#include <optional>
#include <string_view>

#include "text/number_text.h"

namespace vek::cli {

Inputs::Inputs(const Calculator& calculator)
    : calculator_(&calculator),
      values_(calculator.inputs.size()),
      given_(calculator.inputs.size(), false) {
    for (std::size_t i = 0; i < values_.size(); ++i) values_[i] = calculator.inputs[i].initial;
}

std::size_t Inputs::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < calculator_->inputs.size(); ++i)
        if (calculator_->inputs[i].name == name)
            return i;
    throw std::logic_error(std::string(calculator_->name) + " has no input " + std::string(name));
}

double Inputs::Number(std::string_view name) const {
    const auto& value = values_[IndexOf(name)];
    if (!value || !std::holds_alternative<double>(*value))
        throw std::logic_error(std::string(name) + " holds no number");
    return std::get<double>(*value);
}

// A float field's value went through ParseFloat and an int field's through
// ParseInt, so narrowing them back is exact.
float Inputs::Float(std::string_view name) const {
    return static_cast<float>(Number(name));
}
double Inputs::Double(std::string_view name) const {
    return Number(name);
}
int Inputs::Int(std::string_view name) const {
    return static_cast<int>(Number(name));
}

const std::string& Inputs::Text(std::string_view name) const {
    const auto& value = values_[IndexOf(name)];
    if (!value || !std::holds_alternative<std::string>(*value))
        throw std::logic_error(std::string(name) + " holds no text");
    return std::get<std::string>(*value);
}

bool Inputs::Given(std::string_view name) const {
    return given_[IndexOf(name)];
}

const std::optional<Value>& Inputs::Raw(std::string_view name) const {
    return values_[IndexOf(name)];
}

void Inputs::Set(std::size_t index, Value value) {
    values_[index] = std::move(value);
    given_[index] = true;
}

namespace {

std::string Label(const InputField& input) {
    std::string label = input.name;
    if (input.id != 0)
        label += " (" + std::to_string(input.id) + ")";
    return label;
}

std::string ChoiceList(const InputField& input) {
    std::string list;
    for (std::size_t i = 0; i < input.choices.size(); ++i) {
        if (i > 0)
            list += ", ";
        list += std::to_string(i);
        for (const auto& word : input.choices[i]) list += "|" + word;
    }
    return list;
}

std::optional<Value> ReadChoice(const InputField& input, const std::string& text) {
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
std::optional<Value> ReadValue(const InputField& input, const std::string& text) {
    switch (input.width) {
        case Width::Float:
            if (const auto v = vek::text::ParseFloat(text))
                return static_cast<double>(*v);
            return std::nullopt;
        case Width::Double:
            if (const auto v = vek::text::ParseDouble(text))
                return *v;
            return std::nullopt;
        case Width::Int:
            if (const auto v = vek::text::ParseInt(text))
                return static_cast<double>(*v);
            return std::nullopt;
        case Width::Text:
            return text;
        case Width::Choice:
            return ReadChoice(input, text);
    }
    return std::nullopt;
}

std::string Refusal(const Calculator& calculator, const InputField& input,
                    const std::string& text) {
    std::string wanted;
    switch (input.width) {
        case Width::Float:
        case Width::Double:
            wanted = "needs a number";
            break;
        case Width::Int:
            wanted = "needs a whole number";
            break;
        case Width::Choice:
            wanted = "needs one of " + ChoiceList(input);
            break;
        case Width::Text:
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

std::optional<std::size_t> FindInput(const Calculator& calculator, std::string_view key) {
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const InputField& input = calculator.inputs[i];
        if (key == input.name || (IsId(key) && input.id != 0 && key == std::to_string(input.id)))
            return i;
    }
    return std::nullopt;
}

}  // namespace

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
        const InputField& input = calculator.inputs[*index];
        if (inputs.Given(*index))
            throw UsageError(where + Label(input) + " is given twice");
        auto value = ReadValue(input, text);
        if (!value)
            throw UsageError(Refusal(calculator, input, text));
        inputs.Set(*index, std::move(*value));
    }
    return inputs;
}

std::string ShowValue(Width width, const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    const double number = std::get<double>(value);
    switch (width) {
        case Width::Float:
            return vek::text::FormatFloat(static_cast<float>(number));
        case Width::Double:
            return vek::text::FormatDouble(number);
        case Width::Int:
        case Width::Choice:
            return vek::text::FormatInt(vek::text::ClampToInt(number));
        case Width::Text:
            break;
    }
    return vek::text::FormatDouble(number);
}

}  // namespace vek::cli
