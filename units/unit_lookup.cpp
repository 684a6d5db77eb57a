// SPDX-License-Identifier: MIT
#include "units/unit_lookup.h"

#include <unordered_set>

std::vector<std::string> KindsInOrder(const std::vector<UnitEntry>& entries) {
    // A set of the kinds met so far keeps this one pass over the entries,
    // however many distinct kinds there are.
    std::unordered_set<std::string_view> seen;
    std::vector<std::string> kinds;
    for (const auto& entry : entries)
        if (seen.insert(entry.kind).second)
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
