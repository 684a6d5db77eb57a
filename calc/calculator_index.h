// SPDX-License-Identifier: MIT
#pragma once
// Every calculator by its vek-calc name, with the fields of its window, in
// the order a reader meets them in the program: page by page (index 1 to
// 9), a tool window after the page that opens it. A project file names its
// calculators this way, and a calculation book lists them in this order.

#include <span>
#include <string_view>

#include "calc/field_table.h"

struct KnownCalculator {
    const char* name;  // vek-calc's name
    FieldTable table;  // the fields of its window
    int page;          // index of the page that shows it (or opens its window)
};

std::span<const KnownCalculator> KnownCalculators();
// nullptr when there is no calculator of that name.
const KnownCalculator* FindKnownCalculator(std::string_view name);
