// SPDX-License-Identifier: MIT
// vek-calc as a user runs it: the worked examples of every calculator by
// name, by id and as JSON; the boxes with their exit status; refused command
// lines; the help.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "run_vek_calc.h"

namespace {

struct Shown {
    const char* name;
    int id;
    const char* text;  // exactly as the page displays it
};

struct Case {
    const char* title;
    std::vector<std::string> args;  // the calculator, then its inputs
    const char* box;                // "CAPTION | TEXT", or nullptr
    int status;
    std::vector<Shown> results;
};

const char* const kNegative = "错误 | 不能是负数，请重新输入";

const Case kCases[] = {
    // Domestic sewage and refuse; results in the page's exchange order.
    {"sewage_100_workers_20_residents_300_days",
     {"sewage", "workers=100", "residents=20", "days=300"},
     nullptr,
     0,
     {{"cod-limit-annual", 1019, "0.288"},
      {"cod-annual", 1018, "1.44"},
      {"cod-reduction", 1022, "1.152"},
      {"nh3n-limit-annual", 1021, "0.0432"},
      {"nh3n-annual", 1020, "0.1008"},
      {"nh3n-reduction", 1023, "0.0576"},
      {"annual-discharge", 1017, "2880"},
      {"annual-water", 1014, "3600"},
      {"daily-discharge", 1016, "9.6"},
      {"refuse-annual", 1025, "18"},
      {"refuse-daily", 1024, "60"}}},
    {"sewage_57_workers_by_id",
     {"sewage", "1005=57", "1006=13", "1007=251", "1008=123", "1009=187", "1010=85"},
     nullptr,
     0,
     {{"cod-limit-annual", 1019, "0.16733"},
      {"cod-annual", 1018, "0.836652"},
      {"cod-reduction", 1022, "0.669322"},
      {"nh3n-limit-annual", 1021, "0.0250996"},
      {"nh3n-annual", 1020, "0.0585656"},
      {"nh3n-reduction", 1023, "0.0334661"},
      {"annual-discharge", 1017, "1673.3"},
      {"annual-water", 1014, "1968.59"},
      {"daily-discharge", 1016, "6.66655"},
      {"refuse-annual", 1025, "8.785"},
      {"refuse-daily", 1024, "35"}}},
    {"sewage_negative_limits_stop", {"sewage", "nh3n-limit=-1", "cod=-1"}, kNegative, 1, {}},
    {"sewage_more_residents_than_workers_stop",
     {"sewage", "workers=20", "residents=30"},
     "错误 | 逻辑常识错误，请重新输入",
     1,
     {}},

    // Flue gas.
    {"flue_gas_oil_1000_t",
     {"flue-gas", "use=1000"},
     nullptr,
     0,
     {{"so2-std", 1017, "7"},
      {"so2", 1015, "6"},
      {"so2-reduction", 1023, "0"},
      {"dust-std", 1018, "1.4"},
      {"dust", 1016, "1.47059"},
      {"dust-reduction", 1024, "0.0705883"},
      {"volume", 1036, "1400"},
      {"dust-conc", 1022, "105"},
      {"so2-conc", 1021, "428"}}},
    {"flue_gas_coal_by_id_fills_presets",
     {"flue-gas", "1027=1", "1028=1000"},
     nullptr,
     0,
     {{"so2-std", 1017, "9"},
      {"so2", 1015, "16"},
      {"so2-reduction", 1023, "7"},
      {"dust-std", 1018, "2"},
      {"dust", 1016, "29.95"},
      {"dust-reduction", 1024, "27.95"},
      {"volume", 1036, "1000"},
      {"dust-conc", 1022, "2994"},
      {"so2-conc", 1021, "1600"}}},
    // A standard given with the fuel wins over its preset; the others keep it.
    {"flue_gas_coal_with_own_so2_limit",
     {"flue-gas", "so2-limit=500", "fuel=coal", "use=1000"},
     nullptr,
     0,
     {{"so2-std", 1017, "5"},
      {"so2", 1015, "16"},
      {"so2-reduction", 1023, "11"},
      {"dust-std", 1018, "2"},
      {"dust", 1016, "29.95"},
      {"dust-reduction", 1024, "27.95"},
      {"volume", 1036, "1000"},
      {"dust-conc", 1022, "2994"},
      {"so2-conc", 1021, "1600"}}},
    {"flue_gas_oil_sulphur_0_7_concentration_999",
     {"flue-gas", "fuel=oil", "use=1000", "sulphur=0.7"},
     nullptr,
     0,
     {{"so2-std", 1017, "7"},
      {"so2", 1015, "14"},
      {"so2-reduction", 1023, "7"},
      {"dust-std", 1018, "1.4"},
      {"dust", 1016, "1.47059"},
      {"dust-reduction", 1024, "0.0705883"},
      {"volume", 1036, "1400"},
      {"dust-conc", 1022, "105"},
      {"so2-conc", 1021, "999"}}},
    {"flue_gas_negative_use_stops", {"flue-gas", "use=-1"}, kNegative, 1, {}},

    // Sanitary protection distance: 15 digits of a double field.
    {"protection_qc_1_graded_50",
     {"protection-distance", "area=1000", "emission=1"},
     nullptr,
     0,
     {{"distance", 1051, "26.1504337459684"}, {"graded", 1052, "50"}}},
    {"protection_qc_5_graded_200",
     {"protection-distance", "1037=1000", "1049=5"},
     nullptr,
     0,
     {{"distance", 1051, "108.574851205177"}, {"graded", 1052, "200"}}},
    {"protection_second_solve_in_row_2",
     {"protection-distance", "area=1000", "emission=10", "limit=0.05"},
     nullptr,
     0,
     {{"distance", 1051, "1685.29414543762"}, {"graded", 1052, "1800"}}},
    {"protection_pollutant_fills_limit",
     {"protection-distance", "area=1000", "emission=10", "pollutant=氯化氢"},
     nullptr,
     0,
     {{"distance", 1051, "1685.29414543762"}, {"graded", 1052, "1800"}}},
    {"protection_second_solve_in_row_3",
     {"protection-distance", "area=1000", "emission=50", "1039=5"},
     nullptr,
     0,
     {{"distance", 1051, "4443.04438893731"}, {"graded", 1052, "4600"}}},
    {"protection_calm_class_i",
     {"protection-distance", "area=1000", "emission=10", "wind=1.5", "1041=0", "1047=0",
      "limit=0.01"},
     nullptr,
     0,
     {{"distance", 1051, "9316.48071284265"}, {"graded", 1052, "9400"}}},
    // The emission for the distance just found is the one entered, within
    // the bisection's tolerance.
    {"protection_emission_reads_back",
     {"protection-emission", "area=1000", "distance=1685.29414543762", "limit=0.05"},
     nullptr,
     0,
     {{"emission", 1049, "10.0000000000003"}}},

    // Solvent and odour.
    {"solvent_start_up", {"solvent"}, nullptr, 0, {{"evaporation", 1118, "38915.7312969409"}}},
    {"solvent_round_figures",
     {"solvent", "wind=1", "area=1", "1116=100", "vapour-pressure=10"},
     nullptr,
     0,
     {{"evaporation", 1118, "948"}}},
    {"odour_worked_example",
     {"odour", "wind=1", "diffusivity=0.1", "width=100", "length=100", "compound-mass=1",
      "total-mass=100", "vapour-pressure=0.1", "correction=1"},
     nullptr,
     0,
     {{"emission-rate", 1121, "0.356824973929167"}}},
    {"odour_fresh_page_box_then_zero",
     {"odour"},
     "vek | 无效的数字，请重新输入！",
     0,
     {{"emission-rate", 1121, "0"}}},

    // Decibel calculator: double display.
    {"db_sum_60_60",
     {"db-sum", "level1=60", "level2=60"},
     nullptr,
     0,
     {{"result", 1066, "63.0102999566398"}}},
    {"db_sum_70_80",
     {"db-sum", "level1=70", "level2=80"},
     nullptr,
     0,
     {{"result", 1066, "80.4139268515823"}}},
    {"db_sum_without_second_operand_repeats_first",
     {"db-sum", "level1=60"},
     nullptr,
     0,
     {{"result", 1066, "63.0102999566398"}}},
    {"db_diff_70_60",
     {"db-diff", "level1=70", "level2=60"},
     nullptr,
     0,
     {{"result", 1066, "69.5424250943933"}}},
    {"db_diff_equal_levels",
     {"db-diff", "level1=60", "level2=60"},
     nullptr,
     0,
     {{"result", 1066, "-inf"}}},
    {"db_diff_larger_second",
     {"db-diff", "level1=60", "level2=70"},
     nullptr,
     0,
     {{"result", 1066, "nan"}}},

    // Green formula and Lp1.
    {"green_level_at_10_m",
     {"green-level", "lp1=80", "tl=25", "area=20", "distance=10"},
     nullptr,
     0,
     {{"level", 1058, "37.0103"}}},
    {"green_level_at_0_m",
     {"green-level", "lp1=80", "area=20"},
     nullptr,
     0,
     {{"level", 1058, "0"}}},
    {"green_distance_back_to_10_m",
     {"green-distance", "1054=80", "1055=25", "1056=20", "1058=37.0103"},
     nullptr,
     0,
     {{"distance", 1057, "10"}}},
    {"lp1_start_up", {"lp1"}, nullptr, 0, {{"lp1", 1054, "91.2707"}}},
    {"lp1_half_absorbing", {"lp1", "absorption=0.5"}, nullptr, 0, {{"lp1", 1054, "75.215"}}},

    // Stueber formula.
    {"stueber_level_at_50_m",
     {"stueber-level", "distance=50"},
     nullptr,
     0,
     {{"level", 1090, "56.0388"}}},
    {"stueber_level_at_0_m_is_LR",
     {"stueber-level", "1082=87.5"},
     nullptr,
     0,
     {{"level", 1090, "87.5"}}},
    // The six digits shown, typed back in, are 2e-6 dB off the stored level.
    {"stueber_distance_from_shown_level",
     {"stueber-distance", "level=56.0388"},
     nullptr,
     0,
     {{"distance", 1077, "50.0002"}}},

    // Barrier path differences.
    {"path_difference_start_up",
     {"path-difference"},
     nullptr,
     0,
     {{"delta1", 1091, "0.626107"}, {"delta2", 1092, "1.20357"}, {"delta3", 1095, "1.57581"}}},
    {"path_difference_same_side",
     {"path-difference", "side=same"},
     nullptr,
     0,
     {{"delta1", 1091, "0.642313"}, {"delta2", 1092, "2.69794"}, {"delta3", 1095, "0.570178"}}},
    {"path_difference_barrier_as_high_as_source",
     {"path-difference", "barrier-height=2"},
     "vek | 声波可直达,声程差为0",
     0,
     {{"delta1", 1091, "0"}, {"delta2", 1092, "0"}, {"delta3", 1095, "0"}}},
    {"path_difference_source_at_barrier_end",
     {"path-difference", "1089=2.5", "1093=1"},
     "vek | 声波可直达,声程差为0",
     0,
     {{"delta1", 1091, "0"}, {"delta2", 1092, "0"}, {"delta3", 1095, "0"}}},

    // Leq and Ldn.
    {"leq_start_up",
     {"leq"},
     nullptr,
     0,
     {{"levels", 1098, "70,65,60"},
      {"intervals", 1067, "20,30,40"},
      {"result", 1101, "总共有3个数据;    等效连续A声级Leq:65.71dBA"}}},
    {"leq_equal_interval",
     {"leq", "1099=1"},
     nullptr,
     0,
     {{"levels", 1098, "70,65,60"},
      {"intervals", 1067, "20,30,40"},
      {"result", 1101, "总共有3个数据;    等效连续A声级Leq:66.74dBA"}}},
    {"leq_missing_interval_rewritten_with_trailing_comma",
     {"leq", "intervals=20,30"},
     nullptr,
     0,
     {{"levels", 1098, "70,65,60"},
      {"intervals", 1067, "20,30,"},
      {"result", 1101, "总共有3个数据;    等效连续A声级Leq:67.71dBA"}}},
    {"leq_list_as_typed_with_blanks_and_decimals",
     {"leq", "levels=70.5 60", "1067= 20;30;40"},
     nullptr,
     0,
     {{"levels", 1098, "70.5,60"},
      {"intervals", 1067, "20,30"},
      {"result", 1101, "总共有2个数据;    等效连续A声级Leq:67.07dBA"}}},
    {"ldn_start_up_day_15_h", {"ldn"}, nullptr, 0, {{"result", 1101, "昼夜等效声级Ldn:72.58dBA"}}},
    {"ldn_day_9_h_night_15_h",
     {"ldn", "day-hours=9", "1109=15"},
     nullptr,
     0,
     {{"result", 1101, "昼夜等效声级Ldn:73.71dBA"}}},
    {"ldn_night_10_dB_below_day",
     {"ldn", "1105=60", "1106=50"},
     nullptr,
     0,
     {{"result", 1101, "昼夜等效声级Ldn:60.00dBA"}}},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.title;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Expected(const Case& c, bool ids) {
    Pairs pairs;
    for (const Shown& r : c.results)
        pairs.emplace_back(ids ? std::to_string(r.id) : r.name, r.text);
    return pairs;
}

std::string Lines(const Case& c, bool ids) {
    std::string text = c.box ? std::string("box: ") + c.box + "\n" : "";
    for (const auto& [key, value] : Expected(c, ids)) text += key + "=" + value + "\n";
    return text;
}

std::vector<std::string> With(std::vector<std::string> args, const char* flag) {
    args.push_back(flag);
    return args;
}

class WorkedExample : public testing::TestWithParam<Case> {};

TEST_P(WorkedExample, ByName) {
    const Case& c = GetParam();
    const CalcRun run = RunVekCalc(c.args);
    EXPECT_EQ(run.out, Lines(c, false));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, c.status);
}

TEST_P(WorkedExample, ByIds) {
    const Case& c = GetParam();
    const CalcRun run = RunVekCalc(With(c.args, "--ids"));
    EXPECT_EQ(run.out, Lines(c, true));
    EXPECT_EQ(run.status, c.status);
}

TEST_P(WorkedExample, AsJson) {
    const Case& c = GetParam();
    const CalcRun run = RunVekCalc(With(c.args, "--json"));
    ASSERT_TRUE(nlohmann::ordered_json::accept(run.out)) << run.out;
    const auto object = nlohmann::ordered_json::parse(run.out);
    Pairs members;
    for (const auto& [key, value] : object.items())
        members.emplace_back(key, value.get<std::string>());
    Pairs expected = Expected(c, false);
    if (c.box)
        expected.insert(expected.begin(), {"box", c.box});
    EXPECT_EQ(members, expected);
    EXPECT_EQ(run.status, c.status);
}

// Every input a worked example names is documented by the calculator's help.
TEST_P(WorkedExample, InputsAreInTheHelp) {
    const Case& c = GetParam();
    const CalcRun run = RunVekCalc({c.args.front(), "--help"});
    EXPECT_EQ(run.status, 0);
    for (std::size_t i = 1; i < c.args.size(); ++i) {
        const std::string key = c.args[i].substr(0, c.args[i].find('='));
        EXPECT_NE(run.out.find(" " + key + " "), std::string::npos) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Calculators, WorkedExample, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.title); });

struct Refused {
    const char* title;
    std::vector<std::string> args;
};

const Refused kRefused[] = {
    {"no_calculator", {}},
    {"unknown_calculator", {"sewer", "workers=1"}},
    {"unknown_name", {"sewage", "staff=1"}},
    {"unknown_id", {"sewage", "1099=1"}},
    {"result_field_is_no_input", {"protection-distance", "1051=100"}},
    {"not_name_value", {"solvent", "wind"}},
    {"given_twice_by_name_and_id", {"sewage", "workers=1", "1005=2"}},
    {"empty_number", {"sewage", "days="}},
    {"trailing_text", {"flue-gas", "use=12abc"}},
    {"minus_zero", {"flue-gas", "use=-0"}},
    {"point_zero", {"solvent", "wind=.0"}},
    {"full_width_digits", {"lp1", "lw=９０"}},
    {"fuel_out_of_range", {"flue-gas", "1027=2"}},
    {"fuel_unknown_word", {"flue-gas", "fuel=gas"}},
    {"radio_minus_one", {"protection-distance", "1041=-1"}},
    {"pollutant_out_of_range", {"protection-emission", "pollutant=22"}},
    {"check_box_two", {"leq", "equal-interval=2"}},
    {"unknown_option", {"ldn", "--verbose"}},
    {"catalogue_is_for_convert_only", {"sewage", "--catalogue", "data.ini"}},
    {"refused_value_with_json", {"db-sum", "level1=sixty", "--json"}},
};

void PrintTo(const Refused& r, std::ostream* os) {
    *os << r.title;
}

class RefusedCommandLine : public testing::TestWithParam<Refused> {};

TEST_P(RefusedCommandLine, OneLineOnStderrNothingOnStdout) {
    const CalcRun run = RunVekCalc(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(run.err.rfind("vek-calc: ", 0), 0u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Calculators, RefusedCommandLine, testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(Help, ListsEveryCalculator) {
    const CalcRun run = RunVekCalc({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* name :
         {"sewage", "flue-gas", "protection-distance", "protection-emission", "solvent", "odour",
          "db-sum", "db-diff", "green-level", "green-distance", "lp1", "stueber-level",
          "stueber-distance", "path-difference", "leq", "ldn", "convert"})
        EXPECT_NE(run.out.find(std::string("  ") + name + " "), std::string::npos) << name;
}

TEST(Help, InputLineHasIdMeaningUnitAndStartUpValue) {
    const CalcRun run = RunVekCalc({"flue-gas", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("  ash             1032  ash content A (coal) [%]; start-up: 11.98\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("start-up: 0; choices 0|oil|油, 1|coal|煤"), std::string::npos);
}

}  // namespace
