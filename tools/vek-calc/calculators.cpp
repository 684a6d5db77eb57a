// SPDX-License-Identifier: MIT
#include <algorithm>

#include "calc/calculator_registry.h"
#include "tools/vek-calc/adapt.h"

namespace vek::cli {

const Field& adapt::FieldOf(FieldTable table, const char* calculator, const char* name) {
    if (const Field* field = FindField(table, std::string_view(name)))
        return *field;
    throw std::logic_error(std::string(calculator) + " has no field " + name);
}

std::span<const Calculator> Calculators() {
    static const std::vector<Calculator> all = [] {
        std::vector<std::pair<int, Calculator>> listed;
        ForEachCalculator([&](const auto& def, CalculatorPlace place) {
            if constexpr (kIsConverter<decltype(def)>)
                listed.emplace_back(place.listed, ConvertCalculator());
            else
                listed.emplace_back(place.listed, Adapt(def));
        });
        std::ranges::stable_sort(listed, {}, &std::pair<int, Calculator>::first);
        std::vector<Calculator> calculators;
        for (auto& [place, calculator] : listed) calculators.push_back(std::move(calculator));
        return calculators;
    }();
    return all;
}

const Calculator* FindCalculator(std::string_view name) {
    for (const Calculator& calculator : Calculators())
        if (calculator.name == name)
            return &calculator;
    return nullptr;
}

}  // namespace vek::cli
