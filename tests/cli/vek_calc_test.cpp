// SPDX-License-Identifier: MIT
// vek-calc as a user runs it: the worked examples of every calculator by
// name, by id and as JSON; the boxes with their exit status; refused command
// lines; the help.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "calc/air_forms.h"
#include "calc/noise_forms.h"
#include "calc/water_form.h"
#include "run_vek_calc.h"

namespace {

// The results each calculator prints, in the page's exchange order, as
// name:id, from the definitions the pages share.
template <class In, class Out>
std::pair<const std::string, std::string> ResultKeys(const CalculatorDef<In, Out>& def) {
    std::string keys;
    for (const Slot<Out>& slot : def.results)
        keys += std::string(keys.empty() ? "" : " ") + slot.name + ":" +
                std::to_string(FindField(def.table, std::string_view(slot.name))->id);
    return {def.name, keys};
}

const std::map<std::string, std::string> kResults = {ResultKeys(SewageCalculator()),
                                                     ResultKeys(FlueGasCalculator()),
                                                     ResultKeys(ProtectionDistanceCalculator()),
                                                     ResultKeys(FugitiveEmissionCalculator()),
                                                     ResultKeys(SolventCalculator()),
                                                     ResultKeys(OdourCalculator()),
                                                     ResultKeys(Lp1Calculator()),
                                                     ResultKeys(DecibelSumCalculator()),
                                                     ResultKeys(DecibelDifferenceCalculator()),
                                                     ResultKeys(GreenLevelCalculator()),
                                                     ResultKeys(GreenDistanceCalculator()),
                                                     ResultKeys(StueberLevelCalculator()),
                                                     ResultKeys(LdnCalculator()),
                                                     ResultKeys(StueberDistanceCalculator()),
                                                     ResultKeys(LeqCalculator()),
                                                     ResultKeys(PathDifferenceCalculator())};

struct Case {
    const char* title;
    const char* args;           // the calculator, then its inputs; '~' stands for a blank
    const char* shown;          // the results exactly as the page displays them, '|' between
    const char* box = nullptr;  // "CAPTION | TEXT"
    int status = 0;
};

const char* const kNegative = "错误 | 不能是负数，请重新输入";
const char* const kDirect = "vek | 声波可直达,声程差为0";
const char* const kLeq = "总共有3个数据;    等效连续A声级Leq:";

const Case kCases[] = {
    {"sewage_100_workers", "sewage workers=100 residents=20 days=300",
     "0.288|1.44|1.152|0.0432|0.1008|0.0576|2880|3600|9.6|18|60"},
    // The single-precision litres-to-tonnes factor shows: a double would give 0.108588.
    {"sewage_single_precision_factor",
     "sewage workers=10 residents=0 days=365 water-nonresident=70 discharge=85",
     "0.0217175|0.108587|0.08687|0.00325762|0.00760112|0.0043435|217.175|255.5|0.595|1.825|5"},
    {"sewage_57_workers_by_id", "sewage 1005=57 1006=13 1007=251 1008=123 1009=187 1010=85",
     "0.16733|0.836652|0.669322|0.0250996|0.0585656|0.0334661|1673.3|1968.59|6.66655|8.785|35"},
    {"sewage_negative_limits_stop", "sewage nh3n-limit=-1 cod=-1", "", kNegative, 1},
    {"sewage_more_residents_than_workers_stop", "sewage workers=20 residents=30", "",
     "错误 | 逻辑常识错误，请重新输入", 1},
    {"flue_gas_oil_1000_t", "flue-gas use=1000", "7|6|0|1.4|1.47059|0.0705883|1400|105|428"},
    {"flue_gas_coal_by_id", "flue-gas 1027=1 1028=1000", "9|16|7|2|29.95|27.95|1000|2994|1600"},
    // A standard given with the fuel wins over its preset; the others keep it.
    {"flue_gas_coal_with_own_so2_limit", "flue-gas so2-limit=500 fuel=coal use=1000",
     "5|16|11|2|29.95|27.95|1000|2994|1600"},
    {"flue_gas_oil_sulphur_0_7", "flue-gas fuel=oil use=1000 sulphur=0.7",
     "7|14|7|1.4|1.47059|0.0705883|1400|105|999"},
    {"flue_gas_negative_use_stops", "flue-gas use=-1", "", kNegative, 1},
    // Sanitary protection distance: 15 digits of a double field.
    {"protection_qc_1", "protection-distance area=1000 emission=1", "26.1504337459684|50"},
    {"protection_qc_5_by_id", "protection-distance 1037=1000 1049=5", "108.574851205177|200"},
    {"protection_row_2", "protection-distance area=1000 emission=10 limit=0.05",
     "1685.29414543762|1800"},
    {"protection_pollutant_fills_limit",
     "protection-distance area=1000 emission=10 pollutant=氯化氢", "1685.29414543762|1800"},
    {"protection_row_3", "protection-distance area=1000 emission=50 1039=5",
     "4443.04438893731|4600"},
    {"protection_calm_class_i",
     "protection-distance area=1000 emission=10 wind=1.5 1041=0 1047=0 limit=0.01",
     "9316.48071284265|9400"},
    // Back to the emission entered, within the bisection's tolerance.
    {"protection_emission_reads_back",
     "protection-emission area=1000 distance=1685.29414543762 limit=0.05", "10.0000000000003"},
    {"solvent_start_up", "solvent", "38915.7312969409"},
    {"solvent_round_figures", "solvent wind=1 area=1 1116=100 vapour-pressure=10", "948"},
    {"odour_worked_example",
     "odour wind=1 diffusivity=0.1 width=100 length=100 compound-mass=1 total-mass=100 "
     "vapour-pressure=0.1 correction=1",
     "0.356824973929167"},
    {"odour_fresh_page_box_then_zero", "odour", "0", "vek | 无效的数字，请重新输入！"},
    {"db_sum_60_60", "db-sum level1=60 level2=60", "63.0102999566398"},
    {"db_sum_70_80", "db-sum level1=70 level2=80", "80.4139268515823"},
    {"db_sum_second_repeats_first", "db-sum level1=60", "63.0102999566398"},
    {"db_diff_70_60", "db-diff level1=70 level2=60", "69.5424250943933"},
    {"db_diff_equal_levels", "db-diff level1=60 level2=60", "-inf"},
    {"db_diff_larger_second", "db-diff level1=60 level2=70", "nan"},
    {"green_level_at_10_m", "green-level lp1=80 tl=25 area=20 distance=10", "37.0103"},
    {"green_level_at_0_m", "green-level lp1=80 area=20", "0"},
    {"green_distance_back_to_10_m", "green-distance 1054=80 1055=25 1056=20 1058=37.0103", "10"},
    {"lp1_start_up", "lp1", "91.2707"},
    {"lp1_half_absorbing", "lp1 absorption=0.5", "75.215"},
    {"stueber_level_at_50_m", "stueber-level distance=50", "56.0388"},
    {"stueber_level_at_0_m_is_LR", "stueber-level 1082=87.5", "87.5"},
    // The six digits shown, typed back in, are 2e-6 dB off the stored level.
    {"stueber_distance_from_shown_level", "stueber-distance level=56.0388", "50.0002"},
    {"path_difference_start_up", "path-difference", "0.626107|1.20357|1.57581"},
    {"path_difference_same_side", "path-difference side=same", "0.642313|2.69794|0.570178"},
    {"path_difference_direct_over_barrier", "path-difference barrier-height=2", "0|0|0", kDirect},
    {"path_difference_direct_past_barrier_end", "path-difference 1089=2.5 1093=1", "0|0|0",
     kDirect},
    {"leq_start_up", "leq", "70,65,60|20,30,40|%65.71dBA"},
    {"leq_equal_interval", "leq 1099=1", "70,65,60|20,30,40|%66.74dBA"},
    {"leq_missing_interval_rewritten", "leq intervals=20,30", "70,65,60|20,30,|%67.71dBA"},
    {"leq_list_with_blanks_and_decimals", "leq levels=70.5~60 1067=~20;30;40",
     "70.5,60|20,30|总共有2个数据;    等效连续A声级Leq:67.07dBA"},
    {"ldn_start_up_day_15_h", "ldn", "昼夜等效声级Ldn:72.58dBA"},
    {"ldn_day_9_h_night_15_h", "ldn day-hours=9 1109=15", "昼夜等效声级Ldn:73.71dBA"},
    {"ldn_night_10_dB_below_day", "ldn 1105=60 1106=50", "昼夜等效声级Ldn:60.00dBA"},
};

class WorkedExample : public testing::TestWithParam<Case> {};

// The box first when there is one, then each result as key=text (a '%' in a
// text stands for the Leq prefix), or all as members of one JSON object.
TEST_P(WorkedExample, ByNameByIdAndAsJson) {
    const Case& c = GetParam();
    const std::vector<std::string> keys = Split(kResults.at(Split(c.args).front()));
    const std::vector<std::string> shown = Split(c.shown, '|');
    ASSERT_TRUE(shown.empty() || shown.size() == keys.size());
    for (const std::string flag : {"", "--ids", "--json"}) {
        SCOPED_TRACE(flag);
        std::string lines = c.box ? std::string("box: ") + c.box + "\n" : "";
        auto json = nlohmann::ordered_json::object();
        if (c.box)
            json["box"] = c.box;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const std::size_t colon = keys[i].find(':');
            const std::string key =
                flag == "--ids" ? keys[i].substr(colon + 1) : keys[i].substr(0, colon);
            const std::string text = shown[i][0] == '%' ? kLeq + shown[i].substr(1) : shown[i];
            lines += key + "=" + text + "\n";
            json[key] = text;
        }
        std::vector<std::string> args = Split(c.args + (" " + flag));
        for (std::string& arg : args) std::replace(arg.begin(), arg.end(), '~', ' ');
        const CalcRun run = RunVekCalc(args);
        if (flag == "--json")
            EXPECT_EQ(nlohmann::ordered_json::parse(run.out, nullptr, false), json) << run.out;
        else
            EXPECT_EQ(run.out, lines);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, c.status);
    }
}

INSTANTIATE_TEST_SUITE_P(Calculators, WorkedExample, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.title); });

// Unknown calculators, names, ids and options; result fields given as input;
// a name given twice; numbers and choices the fields refuse.
// clang-format off
const char* const kRefused[] = {
    "", "sewer workers=1", "sewage staff=1", "sewage 1099=1", "protection-distance 1051=100",
    "solvent wind", "sewage workers=1 1005=2", "sewage days=", "flue-gas use=12abc",
    "flue-gas use=-0", "solvent wind=.0", "lp1 lw=９０", "flue-gas 1027=2", "flue-gas fuel=gas",
    "protection-distance 1041=-1", "protection-emission pollutant=22", "leq equal-interval=2",
    "ldn --verbose", "sewage --catalogue data.ini", "db-sum level1=sixty --json"};
// clang-format on

TEST(RefusedCommandLine, OneLineOnStderrNothingOnStdout) {
    for (const char* args : kRefused) {
        SCOPED_TRACE(args);
        ExpectRefused(RunVekCalc(Split(args)));
    }
}

TEST(Help, ListsEveryCalculator) {
    const CalcRun run = RunVekCalc({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("  convert "), std::string::npos);
    for (const auto& [name, results] : kResults)
        EXPECT_NE(run.out.find("  " + name + " "), std::string::npos) << name;
}

}  // namespace
