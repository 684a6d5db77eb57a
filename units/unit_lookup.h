// SPDX-License-Identifier: MIT
#pragma once
// Questions asked of a catalogue's entries, whether they come from the
// program's own locked file or from a file a tool only reads.

#include <string>
#include <string_view>
#include <vector>

#include "units/unit_entry.h"

// Distinct kinds in order of first appearance (the empty kind included).
std::vector<std::string> KindsInOrder(const std::vector<UnitEntry>& entries);

// The base unit and base quantity of the kind's first line, then the unit of
// each of its lines in file order.
KindUnits UnitsOfKind(const std::vector<UnitEntry>& entries, std::string_view kind);

// The factor of the unit name among the lines of the kind: a line whose base
// unit is the name gives its base quantity, then a line whose unit is the
// name gives its quantity; the last such line wins. `current` when no line of
// the kind names the unit. Lines of other kinds are never looked at, so 吨 as
// a mass and 吨 as a volume of water keep their own factors.
float FactorOf(const std::vector<UnitEntry>& entries, std::string_view kind, std::string_view name,
               float current);
