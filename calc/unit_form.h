// SPDX-License-Identifier: MIT
#pragma once
// The unit converter page's fields (dialog 146). Its conversion reads the
// unit catalogue (units/), so it has no calculator of its own here.

#include "calc/field_table.h"

FieldTable UnitConverterFieldTable();
