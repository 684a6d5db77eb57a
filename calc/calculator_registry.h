// SPDX-License-Identifier: MIT
#pragma once
// Every calculator of the program, listed once. vek-calc's list, the
// project file and the book (KnownCalculators) and the definition checks
// all walk this list, so a calculator cannot be known to one of them and
// missing from another.

#include <type_traits>

#include "calc/air_forms.h"
#include "calc/noise_forms.h"
#include "calc/unit_form.h"
#include "calc/water_form.h"

// Where a calculator is met.
struct CalculatorPlace {
    int page;    // index of the page that shows it or opens its window (1 to 9)
    int listed;  // its place in vek-calc's list, which runs by subject: water, air, noise, units
};

// The unit converter converts with the catalogue (units/), so it has a field
// table and a record but no typed definition.
struct ConverterEntry {
    const char* name;
    FieldTable table;
    const RecordText& record;
};

// Calls visit(definition, place) for each calculator in the order a reader
// meets them in the program: page by page, a tool window after the page
// that opens it. `definition` is a CalculatorDef or the ConverterEntry.
template <class Visit>
void ForEachCalculator(Visit&& visit) {
    visit(SewageCalculator(), CalculatorPlace{1, 1});
    visit(FlueGasCalculator(), CalculatorPlace{2, 2});
    visit(ProtectionDistanceCalculator(), CalculatorPlace{3, 3});
    visit(FugitiveEmissionCalculator(), CalculatorPlace{3, 4});
    visit(GreenLevelCalculator(), CalculatorPlace{4, 9});
    visit(GreenDistanceCalculator(), CalculatorPlace{4, 10});
    visit(Lp1Calculator(), CalculatorPlace{4, 11});
    visit(DecibelSumCalculator(), CalculatorPlace{4, 7});
    visit(DecibelDifferenceCalculator(), CalculatorPlace{4, 8});
    visit(ConverterEntry{"convert", UnitConverterFieldTable(), ConversionRecordText()},
          CalculatorPlace{5, 17});
    visit(StueberLevelCalculator(), CalculatorPlace{6, 12});
    visit(StueberDistanceCalculator(), CalculatorPlace{6, 13});
    visit(PathDifferenceCalculator(), CalculatorPlace{6, 14});
    visit(LeqCalculator(), CalculatorPlace{7, 15});
    visit(LdnCalculator(), CalculatorPlace{7, 16});
    visit(SolventCalculator(), CalculatorPlace{8, 5});
    visit(OdourCalculator(), CalculatorPlace{9, 6});
}

// Whether a definition visited is the unit converter's entry.
template <class Def>
inline constexpr bool kIsConverter = std::is_same_v<std::remove_cvref_t<Def>, ConverterEntry>;
