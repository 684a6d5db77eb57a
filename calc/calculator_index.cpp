// SPDX-License-Identifier: MIT
#include "calc/calculator_index.h"

#include <vector>

#include "calc/air_forms.h"
#include "calc/noise_forms.h"
#include "calc/unit_form.h"
#include "calc/water_form.h"

namespace {

template <class In, class Out>
KnownCalculator Known(const CalculatorDef<In, Out>& def, int page) {
    return {def.name, def.table, page};
}

}  // namespace

std::span<const KnownCalculator> KnownCalculators() {
    static const std::vector<KnownCalculator> all = {
        Known(SewageCalculator(), 1),
        Known(FlueGasCalculator(), 2),
        Known(ProtectionDistanceCalculator(), 3),
        Known(FugitiveEmissionCalculator(), 3),
        Known(GreenLevelCalculator(), 4),
        Known(GreenDistanceCalculator(), 4),
        Known(Lp1Calculator(), 4),
        Known(DecibelSumCalculator(), 4),
        Known(DecibelDifferenceCalculator(), 4),
        {"convert", UnitConverterFieldTable(), 5},
        Known(StueberLevelCalculator(), 6),
        Known(StueberDistanceCalculator(), 6),
        Known(PathDifferenceCalculator(), 6),
        Known(LeqCalculator(), 7),
        Known(LdnCalculator(), 7),
        Known(SolventCalculator(), 8),
        Known(OdourCalculator(), 9),
    };
    return all;
}

const KnownCalculator* FindKnownCalculator(std::string_view name) {
    for (const KnownCalculator& known : KnownCalculators())
        if (name == known.name)
            return &known;
    return nullptr;
}
