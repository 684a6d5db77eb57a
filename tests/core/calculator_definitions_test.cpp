// SPDX-License-Identifier: MIT
// The calculator definitions the pages and vek-calc share: every slot names
// a field of its window that its member can carry; names and ids are unique
// within a window; the checks name their box and the field to focus; a
// choice fills what the page's list fills.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/calculator_registry.h"
#include "text/number_text.h"

namespace {

TEST(CalculatorDefinitions, EverySlotNamesAFieldItsMemberCanCarry) {
    ForEachCalculator([](const auto& def, CalculatorPlace) {
        SCOPED_TRACE(def.name);
        if constexpr (!kIsConverter<decltype(def)>) {
            EXPECT_EQ(DefinitionProblems(def), std::vector<std::string>{});
            EXPECT_FALSE(def.results.empty());
        }
    });
}

// vek-calc lists every calculator once, by a name of its own.
TEST(CalculatorDefinitions, EachHasOnePlaceInTheList) {
    std::set<std::string> names;
    std::set<int> places;
    int count = 0;
    ForEachCalculator([&](const auto& def, CalculatorPlace place) {
        ++count;
        EXPECT_TRUE(names.insert(def.name).second) << def.name;
        EXPECT_TRUE(places.insert(place.listed).second) << def.name;
    });
    EXPECT_EQ(count, 17);
    EXPECT_EQ(*places.begin(), 1);
    EXPECT_EQ(*places.rbegin(), count);
}

TEST(CalculatorDefinitions, SwappedMembersAreCaught) {
    // A float member bound to a double field, and a slot with no field.
    CalculatorDef<SewageInput, SewageResult> def = SewageCalculator();
    def.table = SolventFieldTable();
    const auto problems = DefinitionProblems(def);
    EXPECT_EQ(problems.size(), def.inputs.size() + def.results.size());
    def = SewageCalculator();
    def.inputs.push_back({"wind", &SewageInput::workers});
    EXPECT_EQ(DefinitionProblems(def), std::vector<std::string>{"sewage: no field wind"});
    // A field its record would name by nothing but the English meaning.
    CalculatorDef<GreenInput, GreenLevelResult> green = GreenLevelCalculator();
    green.inputs.push_back({"background", &GreenInput::background});
    EXPECT_EQ(DefinitionProblems(green),
              std::vector<std::string>{"green-level: no label for background"});
}

TEST(FieldTables, NamesAndIdsAreUniqueInEachWindow) {
    std::vector<std::pair<const char*, FieldTable>> tables;
    ForEachCalculator(
        [&](const auto& def, CalculatorPlace) { tables.emplace_back(def.name, def.table); });
    for (const auto& [window, table] : tables) {
        SCOPED_TRACE(window);
        std::set<std::string> names;
        std::set<int> ids;
        for (const Field& field : table) {
            EXPECT_TRUE(names.insert(field.name).second) << field.name;
            if (field.id != 0) {
                EXPECT_TRUE(ids.insert(field.id).second) << field.id;
            }
            EXPECT_TRUE(*field.meaning) << field.name;
            // A choice starts on one of its entries.
            if (field.kind == FieldKind::Choice) {
                const double index = std::get<double>(field.start);
                EXPECT_GE(index, 0);
                EXPECT_LT(index, field.choices.size());
            }
        }
    }
}

// The checks answer with the box the page shows: text, caption, focus.
TEST(CalculatorChecks, BoxesNameTheirTextCaptionAndFocus) {
    struct Case {
        const char* title;
        std::optional<CheckBox> box;
        bool stopped;
        const char* text;
        const char* caption;
        int focus;
    };
    SewageInput negative{.nh3nLimit = -1};
    SewageInput moreResidents{.workers = 20, .residents = 30};
    FlueGasPageInput negativeUse;
    negativeUse.annualUse = -1;
    const OdourEmissionInput freshOdour;
    PathDifferenceInput direct{.barrierHeight = 2};
    const Case cases[] = {
        {"sewage negative", RunSewage(negative).box, RunSewage(negative).stopped,
         "不能是负数，请重新输入", "错误", 1005},
        {"sewage residents", RunSewage(moreResidents).box, RunSewage(moreResidents).stopped,
         "逻辑常识错误，请重新输入", "错误", 1006},
        {"flue gas negative use", RunFlueGas(negativeUse).box, RunFlueGas(negativeUse).stopped,
         "不能是负数，请重新输入", "错误", 1028},
        {"odour radicand", RunOdourEmission(freshOdour).box, RunOdourEmission(freshOdour).stopped,
         "无效的数字，请重新输入！", "vek", 0},
        {"direct sound", RunPathDifferences(direct).box, RunPathDifferences(direct).stopped,
         "声波可直达,声程差为0", "vek", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ASSERT_TRUE(c.box);
        EXPECT_STREQ(c.box->text, c.text);
        EXPECT_STREQ(c.box->caption, c.caption);
        EXPECT_EQ(c.box->focusId, c.focus);
    }
    EXPECT_TRUE(cases[0].stopped && cases[1].stopped && cases[2].stopped);
    // The odour box comes with E = 0 written; the direct-sound box with zeros.
    EXPECT_FALSE(cases[3].stopped || cases[4].stopped);
    EXPECT_EQ(RunOdourEmission(freshOdour).result->emissionRate, 0);
    EXPECT_FALSE(RunSewage(SewageInput{.workers = 20, .residents = 20}).box);
}

TEST(CalculatorChecks, NoFuelChosenComputesNothing) {
    FlueGasPageInput in;
    in.annualUse = 1000;
    in.fuel = -1;
    const auto answer = RunFlueGas(in);
    EXPECT_FALSE(answer.box || answer.stopped || answer.result);
}

TEST(CalculatorChoices, AChoiceFillsWhatThePageListFills) {
    FlueGasPageInput flue;
    ChooseFuel(flue, 1);
    EXPECT_EQ(flue.fuel, 1);
    EXPECT_EQ(vek::text::FormatFloat(flue.sulphur), "1");
    EXPECT_EQ(vek::text::FormatFloat(flue.so2Limit), "900");
    EXPECT_EQ(vek::text::FormatFloat(flue.dustLimit), "200");
    ChooseFuel(flue, 2);  // no such fuel: nothing changes
    EXPECT_EQ(flue.fuel, 1);
    ChooseFuel(flue, 0);
    EXPECT_EQ(vek::text::FormatFloat(flue.sulphur), "0.3");

    ProtectionPageInput protection;
    ChoosePollutant(protection, 5);
    EXPECT_EQ(protection.pollutant, 5);
    EXPECT_EQ(protection.limit, 0.05);  // 氯化氢
    ChoosePollutant(protection, 22);
    EXPECT_EQ(protection.pollutant, 5);
}

}  // namespace
