// SPDX-License-Identifier: MIT
#include "calc/field_labels.h"

#include "calc/air_forms.h"
#include "calc/noise_forms.h"
#include "calc/unit_form.h"
#include "calc/water_form.h"

namespace {

struct LabelledTable {
    FieldTable table;
    const RecordText* record;
};

template <class... Defs>
std::vector<LabelledTable> Collect(const Defs&... defs) {
    std::vector<LabelledTable> all{LabelledTable{defs.table, &defs.record}...};
    // The unit converter reads the catalogue; only its record lives here.
    all.push_back({UnitConverterFieldTable(), &ConversionRecordText()});
    return all;
}

const std::vector<LabelledTable>& Calculators() {
    static const std::vector<LabelledTable> all = Collect(
        SewageCalculator(), FlueGasCalculator(), ProtectionDistanceCalculator(),
        FugitiveEmissionCalculator(), SolventCalculator(), OdourCalculator(),
        DecibelSumCalculator(), DecibelDifferenceCalculator(), GreenLevelCalculator(),
        GreenDistanceCalculator(), Lp1Calculator(), StueberLevelCalculator(),
        StueberDistanceCalculator(), PathDifferenceCalculator(), LeqCalculator(), LdnCalculator());
    return all;
}

}  // namespace

const RecordLabel* FieldRecordLabel(FieldTable table, int id) {
    const Field* field = FindField(table, id);
    if (!field || id == 0)
        return nullptr;
    for (const LabelledTable& calculator : Calculators()) {
        if (calculator.table.data() != table.data())
            continue;
        if (const RecordLabel* label = FindLabel(*calculator.record, field->name))
            return label;
    }
    return nullptr;
}
