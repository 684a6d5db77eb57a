// SPDX-License-Identifier: MIT
// The calculator definitions the pages and vek-calc share: every slot names
// a field of its window that its member can carry; names and ids are unique
// within a window; the checks name their box and the field to focus; a
// choice fills what the page's list fills.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/air_forms.h"
#include "calc/noise_forms.h"
#include "calc/unit_form.h"
#include "calc/water_form.h"
#include "text/number_text.h"

namespace {

template <class In, class Out>
void ExpectSound(const CalculatorDef<In, Out>& def) {
    SCOPED_TRACE(def.name);
    EXPECT_EQ(DefinitionProblems(def), std::vector<std::string>{});
    EXPECT_FALSE(def.results.empty());
}

TEST(CalculatorDefinitions, EverySlotNamesAFieldItsMemberCanCarry) {
    ExpectSound(SewageCalculator());
    ExpectSound(FlueGasCalculator());
    ExpectSound(ProtectionDistanceCalculator());
    ExpectSound(FugitiveEmissionCalculator());
    ExpectSound(SolventCalculator());
    ExpectSound(OdourCalculator());
    ExpectSound(DecibelSumCalculator());
    ExpectSound(DecibelDifferenceCalculator());
    ExpectSound(GreenLevelCalculator());
    ExpectSound(GreenDistanceCalculator());
    ExpectSound(Lp1Calculator());
    ExpectSound(StueberLevelCalculator());
    ExpectSound(StueberDistanceCalculator());
    ExpectSound(PathDifferenceCalculator());
    ExpectSound(LeqCalculator());
    ExpectSound(LdnCalculator());
}

TEST(CalculatorDefinitions, SwappedMembersAreCaught) {
    // A float member bound to a double field, and a slot with no field.
    CalculatorDef<SewageInput, SewageResult> def = SewageCalculator();
    def.table = SolventFieldTable();
    const auto problems = DefinitionProblems(def);
    EXPECT_EQ(problems.size(), def.inputs.size() + def.results.size());
    def = SewageCalculator();
    def.inputs.push_back({"wind", &SewageInput::workers});
    EXPECT_EQ(
        DefinitionProblems(def),
        (std::vector<std::string>{"sewage: no field wind", "sewage: no record label for wind"}));
}

TEST(FieldTables, NamesAndIdsAreUniqueInEachWindow) {
    const std::pair<const char*, FieldTable> tables[] = {
        {"129", SewageFieldTable()},
        {"130", FlueGasFieldTable()},
        {"131", ProtectionFieldTable()},
        {"151", SolventFieldTable()},
        {"152", OdourFieldTable()},
        {"145+", DecibelSumFieldTable()},
        {"145-", DecibelDifferenceFieldTable()},
        {"133", IndoorNoiseFieldTable()},
        {"147", Lp1FieldTable()},
        {"148", WorkshopNoiseFieldTable()},
        {"149", PathDifferenceFieldTable()},
        {"150", NoiseIndexFieldTable()},
        {"146", UnitConverterFieldTable()},
    };
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
    EXPECT_EQ(protection.limit, *vek::text::ParseDouble(PollutantLimits()[5].limitText));
    ChoosePollutant(protection, 22);
    EXPECT_EQ(protection.pollutant, 5);
}

}  // namespace
