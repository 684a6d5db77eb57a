// SPDX-License-Identifier: MIT
#include "calc/field_labels.h"

#include <vector>

#include "calc/calculator_registry.h"

namespace {

struct LabelledTable {
    FieldTable table;
    const RecordText* record;
};

const std::vector<LabelledTable>& Calculators() {
    static const std::vector<LabelledTable> all = [] {
        std::vector<LabelledTable> tables;
        ForEachCalculator([&](const auto& def, CalculatorPlace) {
            tables.push_back({def.table, &def.record});
        });
        return tables;
    }();
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
