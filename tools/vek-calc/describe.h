// SPDX-License-Identifier: MIT
#pragma once
// Short forms for the calculator descriptions and their compute functions,
// so that each description reads as one row per page field.

#include <string>
#include <utility>
#include <vector>

#include "tools/vek-calc/calculator.h"

namespace vek::cli {

inline InputField FloatIn(const char* name, int id, const char* meaning, const char* unit,
                          float initial) {
    return {name, id, Width::Float, meaning, unit, Value{static_cast<double>(initial)}};
}

inline InputField DoubleIn(const char* name, int id, const char* meaning, const char* unit,
                           double initial) {
    return {name, id, Width::Double, meaning, unit, Value{initial}};
}

inline InputField TextIn(const char* name, int id, const char* meaning, const char* unit,
                         std::string initial) {
    return {name, id, Width::Text, meaning, unit, Value{std::move(initial)}};
}

// A radio group (by its first button's id), a list selection or a check box;
// choices[i] are the words that also select index i.
inline InputField ChoiceIn(const char* name, int id, const char* meaning, int initial,
                           std::vector<std::vector<std::string>> choices) {
    return {name,
            id,
            Width::Choice,
            meaning,
            "",
            Value{static_cast<double>(initial)},
            "",
            std::move(choices)};
}

inline Outcome Show(std::vector<Value> results) {
    return {std::nullopt, false, std::move(results)};
}

inline Outcome ShowAfterBox(Box box, std::vector<Value> results) {
    return {std::move(box), false, std::move(results)};
}

inline Outcome Stop(Box box) {
    return {std::move(box), true, {}};
}

}  // namespace vek::cli
