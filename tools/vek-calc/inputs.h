// SPDX-License-Identifier: MIT
#pragma once
// Reading name=value arguments into a calculator's inputs, and showing a
// value as the page's field of that width shows it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vek-calc/calculator.h"

namespace vek::cli {

// Each argument is "name=value" or "id=value". A value is read as the page
// reads that field; inputs left out keep the page's start-up values. Throws
// UsageError for an unknown name or id, an input given twice, or a value the
// page would refuse.
Inputs ReadInputs(const Calculator& calculator, const std::vector<std::string>& assignments);

// The position among the calculator's inputs of the input named by its name
// or its control id, nullopt when there is none.
std::optional<std::size_t> FindInput(const Calculator& calculator, std::string_view key);

// The text as the page's field of that input takes it in; throws UsageError
// (naming the input and what it needs) when the page would refuse it.
Value ReadInput(const Calculator& calculator, std::size_t index, const std::string& text);

// The text a field of the width shows for the value.
std::string ShowValue(FieldKind kind, const Value& value);

}  // namespace vek::cli
