// SPDX-License-Identifier: MIT
#include "calc/calculator_index.h"

#include <vector>

#include "calc/calculator_registry.h"

std::span<const KnownCalculator> KnownCalculators() {
    static const std::vector<KnownCalculator> all = [] {
        std::vector<KnownCalculator> known;
        ForEachCalculator([&](const auto& def, CalculatorPlace place) {
            known.push_back({def.name, def.table, place.page});
        });
        return known;
    }();
    return all;
}

const KnownCalculator* FindKnownCalculator(std::string_view name) {
    for (const KnownCalculator& known : KnownCalculators())
        if (name == known.name)
            return &known;
    return nullptr;
}
