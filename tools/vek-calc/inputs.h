// SPDX-License-Identifier: MIT
#pragma once
// Reading name=value arguments into a calculator's inputs, and showing a
// value as the page's field of that width shows it.

#include <string>
#include <vector>

#include "tools/vek-calc/calculator.h"

namespace vek::cli {

// Each argument is "name=value" or "id=value". A value is read as the page
// reads that field; inputs left out keep the page's start-up values. Throws
// UsageError for an unknown name or id, an input given twice, or a value the
// page would refuse.
Inputs ReadInputs(const Calculator& calculator, const std::vector<std::string>& assignments);

// The text a field of the width shows for the value.
std::string ShowValue(FieldKind kind, const Value& value);

}  // namespace vek::cli
