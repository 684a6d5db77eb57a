// SPDX-License-Identifier: MIT
#pragma once
// The unit converter page's fields (dialog 146) and the checks of its add
// row. Its conversion reads the unit catalogue (units/), so it has no
// calculator of its own here.

#include <optional>
#include <string>

#include "calc/calculator.h"
#include "calc/field_table.h"

FieldTable UnitConverterFieldTable();
// The title and formula of a conversion's record.
const RecordText& ConversionRecordText();
// The record of one conversion: value in unit `from` of the kind, shown as
// `converted` in unit `to`; each value carries its unit, and the two factors
// used (one base quantity in `from` and in `to`) are written out.
CalcRecord ConversionRecord(const std::string& kind, float value, const std::string& from,
                            const std::string& to, float converted, float fromFactor,
                            float toFactor);

// The caption of the unit converter's own boxes.
inline constexpr const char* kUnitConverterCaption = "单位换算";

// The five texts of a new catalogue line, as the add row holds them.
struct NewUnitLine {
    std::string kind;
    std::string baseQuantity;
    std::string baseUnit;
    std::string quantity;
    std::string unit;
};

// What stops a new line from being written: an empty quantity or unit, a
// bracket or line break in any text (the line would read back cut into
// other fields), or a quantity that is not one positive finite number (every
// conversion with the unit would divide by zero or give nonsense). The box
// names the field to focus; nullopt when the line may be written.
std::optional<CheckBox> CheckNewUnit(const NewUnitLine& line);
