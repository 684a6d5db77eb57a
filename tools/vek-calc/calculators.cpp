// SPDX-License-Identifier: MIT
#include "tools/vek-calc/calculator.h"

namespace vek::cli {

std::span<const Calculator> Calculators() {
    static const std::vector<Calculator> all = [] {
        std::vector<Calculator> list;
        for (auto family : {WaterCalculators, AirCalculators, NoiseCalculators, UnitCalculators})
            for (Calculator& calculator : family()) list.push_back(std::move(calculator));
        return list;
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
