// SPDX-License-Identifier: MIT
#include "calc/unit_form.h"

namespace {
constexpr auto F = FieldKind::Float;
constexpr auto T = FieldKind::Text;
}  // namespace

FieldTable UnitConverterFieldTable() {
    // Nothing here has a fixed start-up value: the page starts from what the
    // catalogue holds.
    static const std::vector<Field> table = {
        {.id = 1029,
         .name = "kind",
         .kind = T,
         .meaning = "unit kind",
         .startNote = "the kind that first occurs last in the catalogue"},
        {.id = 1073,
         .name = "value",
         .kind = F,
         .meaning = "value in the first unit",
         .startNote = "the first unit's factor (the base quantity when no unit is chosen)"},
        {.id = 1074,
         .name = "from",
         .kind = T,
         .meaning = "first unit",
         .startNote = "the kind's base unit"},
        {.id = 1028,
         .name = "to",
         .kind = T,
         .meaning = "second unit",
         .startNote = "the kind's base unit"},
        {.id = 1067,
         .name = "converted",
         .kind = F,
         .role = FieldRole::Input,
         .meaning = "value in the second unit",
         .startNote = "the second unit's factor"},
    };
    return table;
}
