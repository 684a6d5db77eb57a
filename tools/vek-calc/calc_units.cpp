// SPDX-License-Identifier: MIT
// The unit converter: a value in one unit of a kind shown in another, with
// the factors of the unit catalogue file. The file is only read: the program
// may hold it locked meanwhile, and nothing is created or written.

#include <algorithm>

#include "calc/unit_form.h"
#include "tools/vek-calc/calculator.h"
#include "units/unit_catalogue.h"

namespace vek::cli {

namespace {

// The page starts on the kind that first occurs last in the file: each kind
// met for the first time is appended to the list and selected.
std::string StartUpKind(const vek::units::CatalogueText& text) {
    return std::string(text.Kind(text.KindCount() - 1));
}

// The unit lists: the base unit at item 0, then each line's unit.
std::string UnitOf(const Inputs& in, const char* name, const std::string& kindName,
                   const KindUnits& kind) {
    const auto& given = in.Raw(name);
    if (!given)
        return kind.baseUnit;  // item 0
    const std::string& unit = std::get<std::string>(*given);
    if (unit != kind.baseUnit &&
        std::find(kind.units.begin(), kind.units.end(), unit) == kind.units.end())
        throw UsageError("convert: the kind '" + kindName + "' has no unit '" + unit + "'");
    return unit;
}

Outcome Convert(const Inputs& in, const Context& context) {
    if (!context.catalogueRead) {
        CatalogueRead read;
        read.error = UnitCatalogue::ReadOnly(context.catalogue, read.text);
        context.catalogueRead = std::move(read);
    }
    if (!context.catalogueRead->error.empty())
        throw UsageError("convert: " + context.catalogueRead->error + context.catalogueHint);
    const vek::units::CatalogueText& text = context.catalogueRead->text;
    if (text.LineCount() == 0)
        throw UsageError("convert: " + context.catalogue + " holds no units");

    const auto& givenKind = in.Raw("kind");
    const std::string kindName = givenKind ? std::get<std::string>(*givenKind) : StartUpKind(text);
    const KindUnits kind = text.UnitsOfKind(kindName);
    if (!kind.HasEntries())
        throw UsageError("convert: " + context.catalogue + " has no kind '" + kindName + "'");
    const std::string unit1 = UnitOf(in, "from", kindName, kind);
    const std::string unit2 = UnitOf(in, "to", kindName, kind);

    // Showing the kind puts its base quantity into both values; choosing a
    // unit puts each unit's factor there instead. The factors are what the
    // values then hold.
    float value1 = kind.baseQuantity;
    float value2 = kind.baseQuantity;
    if (in.Given("from") || in.Given("to")) {
        value1 = text.FactorOf(kindName, unit1, value1);
        value2 = text.FactorOf(kindName, unit2, value2);
    }
    // Until a value is typed the second field shows what the choices put
    // there, even when the first factor is 0 and a conversion would divide
    // by it.
    const float factor1 = value1;
    const float factor2 = value2;
    if (in.Given("value")) {
        // Leaving the first value field: divide first, then multiply.
        value1 = static_cast<float>(std::get<double>(*in.Raw("value")));
        value2 = static_cast<float>(static_cast<double>(value1) / factor1 * factor2);
    }
    Outcome outcome{std::nullopt, false, {static_cast<double>(value2)}, std::nullopt};
    if (context.record)
        outcome.record = ConversionRecord(kindName, value1, unit1, unit2, value2, factor1, factor2);
    return outcome;
}

}  // namespace

Calculator ConvertCalculator() {
    const FieldTable table = UnitConverterFieldTable();
    const auto field = [table](const char* name) {
        return FindField(table, std::string_view(name));
    };
    return {
        "convert",
        "a value in one unit shown in another unit of its kind (catalogue file)",
        {field("kind"), field("value"), field("from"), field("to")},
        {field("converted")},
        Convert,
    };
}

}  // namespace vek::cli
