// SPDX-License-Identifier: MIT
#pragma once
// One line of the unit catalogue: "[kind][baseQuantity][baseUnit]=[quantity][unit]",
// read as "baseQuantity baseUnit make quantity unit" within the kind (length,
// mass, ...). Names are UTF-8 byte strings compared exactly; the two numbers
// are stored in single precision, as the converter's fields hold them.

#include <string>
#include <vector>

struct UnitEntry {
    std::string kind;
    float baseQuantity = 0;
    std::string baseUnit;
    float quantity = 0;
    std::string unit;

    friend bool operator==(const UnitEntry&, const UnitEntry&) = default;
};

// The units of one kind, as the converter lists them: the base unit and base
// quantity of the kind's first line, then the unit of every line of the kind
// in file order (duplicates kept).
struct KindUnits {
    std::string baseUnit;
    float baseQuantity = 0;
    std::vector<std::string> units;

    // False when no line has the kind (then baseUnit is empty and baseQuantity 0).
    bool HasEntries() const { return !units.empty(); }
};
