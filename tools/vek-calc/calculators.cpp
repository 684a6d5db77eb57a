// SPDX-License-Identifier: MIT
#include "calc/air_forms.h"
#include "calc/noise_forms.h"
#include "calc/water_form.h"
#include "tools/vek-calc/adapt.h"

namespace vek::cli {

const Field& adapt::FieldOf(FieldTable table, const char* calculator, const char* name) {
    if (const Field* field = FindField(table, std::string_view(name)))
        return *field;
    throw std::logic_error(std::string(calculator) + " has no field " + name);
}

std::span<const Calculator> Calculators() {
    static const std::vector<Calculator> all = {
        Adapt(SewageCalculator()),
        Adapt(FlueGasCalculator()),
        Adapt(ProtectionDistanceCalculator()),
        Adapt(FugitiveEmissionCalculator()),
        Adapt(SolventCalculator()),
        Adapt(OdourCalculator()),
        Adapt(DecibelSumCalculator()),
        Adapt(DecibelDifferenceCalculator()),
        Adapt(GreenLevelCalculator()),
        Adapt(GreenDistanceCalculator()),
        Adapt(Lp1Calculator()),
        Adapt(StueberLevelCalculator()),
        Adapt(StueberDistanceCalculator()),
        Adapt(PathDifferenceCalculator()),
        Adapt(LeqCalculator()),
        Adapt(LdnCalculator()),
        ConvertCalculator(),
    };
    return all;
}

const Calculator* FindCalculator(std::string_view name) {
    for (const Calculator& calculator : Calculators())
        if (calculator.name == name)
            return &calculator;
    return nullptr;
}

}  // namespace vek::cli
