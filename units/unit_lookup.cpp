// SPDX-License-Identifier: MIT
#include "units/unit_lookup.h"

#include <algorithm>

std::vector<std::string> KindsInOrder(const std::vector<UnitEntry>& entries) {
    std::vector<std::string> kinds;
    for (const auto& entry : entries)
        if (std::find(kinds.begin(), kinds.end(), entry.kind) == kinds.end())
            kinds.push_back(entry.kind);
    return kinds;
}

KindUnits UnitsOfKind(const std::vector<UnitEntry>& entries, std::string_view kind) {
    KindUnits result;
    for (const auto& entry : entries) {
        if (entry.kind != kind)
            continue;
        if (result.units.empty()) {
            result.baseUnit = entry.baseUnit;
            result.baseQuantity = entry.baseQuantity;
        }
        result.units.push_back(entry.unit);
    }
    return result;
}

float FactorOf(const std::vector<UnitEntry>& entries, std::string_view kind, std::string_view name,
               float current) {
    float factor = current;
    for (const auto& entry : entries) {
        if (entry.kind != kind)
            continue;
        if (entry.baseUnit == name)
            factor = entry.baseQuantity;
        if (entry.unit == name)
            factor = entry.quantity;
    }
    return factor;
}
