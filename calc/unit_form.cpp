// SPDX-License-Identifier: MIT
#include "calc/unit_form.h"

#include <cmath>
#include <utility>

#include "text/number_text.h"

// The kinds and roles of the table rows below, by their own names.
using enum FieldKind;
using enum FieldRole;

namespace {
constexpr int kKindField = 1075;
constexpr int kBaseQuantityField = 1068;
constexpr int kBaseUnitField = 1069;
constexpr int kQuantityField = 1070;
constexpr int kUnitField = 1071;
}  // namespace

FieldTable UnitConverterFieldTable() {
    // Nothing here has a fixed start-up value: the page starts from what the
    // catalogue holds.
    static const std::vector<Field> table = {
        {.id = 1029,
         .name = "kind",
         .kind = Text,
         .label = "单位种类",
         .meaning = "unit kind",
         .startNote = "the kind that first occurs last in the catalogue"},
        {.id = 1073,
         .name = "value",
         .kind = Float,
         .label = "换算前的值",
         .symbol = "x1",
         .meaning = "value in the first unit",
         .startNote = "the first unit's factor (the base quantity when no unit is chosen)"},
        {.id = 1074,
         .name = "from",
         .kind = Text,
         .label = "原单位",
         .meaning = "first unit",
         .startNote = "the kind's base unit"},
        {.id = 1028,
         .name = "to",
         .kind = Text,
         .label = "目标单位",
         .meaning = "second unit",
         .startNote = "the kind's base unit"},
        {.id = 1067,
         .name = "converted",
         .kind = Float,
         .role = Input,
         .label = "换算后的值",
         .symbol = "x2",
         .meaning = "value in the second unit",
         .startNote = "the second unit's factor"},
        // The add row: one new line of the catalogue file.
        {.id = kKindField,
         .name = "new-kind",
         .kind = Text,
         .meaning = "kind of the new unit",
         .startNote = "the selected kind"},
        {.id = kBaseQuantityField,
         .name = "new-base-quantity",
         .kind = Text,
         .role = Result,
         .meaning = "base quantity of the new line",
         .start = std::string("1")},
        {.id = kBaseUnitField,
         .name = "new-base-unit",
         .kind = Text,
         .role = Result,
         .meaning = "base unit of the new line (typed only for a new kind)",
         .startNote = "the selected kind's base unit"},
        {.id = kQuantityField,
         .name = "new-quantity",
         .kind = Text,
         .meaning = "how many of the new unit make the base quantity",
         .start = std::string()},
        {.id = kUnitField,
         .name = "new-unit",
         .kind = Text,
         .meaning = "name of the new unit",
         .start = std::string()},
    };
    return table;
}

std::optional<CheckBox> CheckNewUnit(const NewUnitLine& line) {
    static constexpr const char* kIncomplete = "请输入单位或相应值！";
    if (line.quantity.empty() || line.unit.empty())
        return CheckBox{kIncomplete, kUnitConverterCaption, kQuantityField};
    const std::pair<const std::string*, int> texts[] = {
        {&line.kind, kKindField},         {&line.baseQuantity, kBaseQuantityField},
        {&line.baseUnit, kBaseUnitField}, {&line.quantity, kQuantityField},
        {&line.unit, kUnitField},
    };
    for (const auto& [text, field] : texts)
        if (text->find_first_of("[]\r\n") != std::string::npos)
            return CheckBox{"输入内容不能含有“[”、“]”或换行符，请重新输入！", kUnitConverterCaption,
                            field};
    // The catalogue keeps factors in single precision: a quantity that rounds
    // to 0 or overflows there is as unusable as one that is not a number.
    const std::optional<float> quantity = vek::text::ParseFloat(line.quantity);
    if (!quantity || !std::isfinite(*quantity) || !(*quantity > 0))
        return CheckBox{kIncomplete, kUnitConverterCaption, kQuantityField};
    return std::nullopt;
}

const RecordText& ConversionRecordText() {
    static const RecordText text{
        .title = "单位换算",
        .formulas = {
            "x2=x1/K1*K2，K1、K2为单位库data.ini中一个基准量分别折合成原单位、目标单位的值"}};
    return text;
}

CalcRecord ConversionRecord(const std::string& kind, float value, const std::string& from,
                            const std::string& to, float converted, float fromFactor,
                            float toFactor) {
    const RecordText& text = ConversionRecordText();
    const NamedValue inputs[] = {
        {"kind", kind}, {"value", static_cast<double>(value)}, {"from", from}, {"to", to}};
    const NamedValue results[] = {{"converted", static_cast<double>(converted)}};
    CalcRecord record =
        BuildRecord(text, UnitConverterFieldTable(), inputs, results, std::string(), false);
    record.inputs[1].unit = from;
    record.results[0].unit = to;
    // The two factors the conversion used, so the record can be checked by
    // hand: one base quantity makes K1 of the first unit and K2 of the second.
    record.inputs.push_back({"基准量折合原单位", "K1", vek::text::FormatFloat(fromFactor), from});
    record.inputs.push_back({"基准量折合目标单位", "K2", vek::text::FormatFloat(toFactor), to});
    return record;
}
