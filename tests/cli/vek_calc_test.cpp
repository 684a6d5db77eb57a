// SPDX-License-Identifier: MIT
// vek-calc as a user runs it: a worked example of every calculator with what
// it prints, boxes with their exit status, ids and JSON, refusals, the help.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_vek_calc.h"

namespace {

struct Case {
    const char* title;
    const char* args;  // the calculator, then its inputs; '~' stands for a blank
    const char* out;   // standard output, exactly
    int status = 0;
};

const Case kCases[] = {
    {"sewage_by_id", "sewage 1005=57 1006=13 1007=251 1008=123 1009=187 1010=85",
     "cod-limit-annual=0.16733\ncod-annual=0.836652\ncod-reduction=0.669322\n"
     "nh3n-limit-annual=0.0250996\nnh3n-annual=0.0585656\nnh3n-reduction=0.0334661\n"
     "annual-discharge=1673.3\nannual-water=1968.59\ndaily-discharge=6.66655\n"
     "refuse-annual=8.785\nrefuse-daily=35\n"},
    {"sewage_stops_with_its_box", "sewage workers=20 residents=30",
     "box: 错误 | 逻辑常识错误，请重新输入\n", 1},
    // A standard given with the fuel wins over its preset; the others keep it.
    {"flue_gas_coal_with_own_so2_limit", "flue-gas so2-limit=500 fuel=coal use=1000",
     "so2-std=5\nso2=16\nso2-reduction=11\ndust-std=2\ndust=29.95\ndust-reduction=27.95\n"
     "volume=1000\ndust-conc=2994\nso2-conc=1600\n"},
    // The pollutant fills its limit, 0.05.
    {"protection_distance_pollutant_fills_limit",
     "protection-distance area=1000 emission=10 pollutant=氯化氢",
     "distance=1685.29414543762\ngraded=1800\n"},
    // Back to the emission entered, within the bisection's tolerance.
    {"protection_emission_reads_back",
     "protection-emission area=1000 distance=1685.29414543762 limit=0.05",
     "emission=10.0000000000003\n"},
    {"solvent", "solvent wind=1 area=1 1116=100 vapour-pressure=10", "evaporation=948\n"},
    {"odour_box_then_zero", "odour", "box: vek | 无效的数字，请重新输入！\nemission-rate=0\n"},
    {"db_sum_second_repeats_first", "db-sum level1=60", "result=63.0102999566398\n"},
    {"db_diff", "db-diff level1=70 level2=60", "result=69.5424250943933\n"},
    {"green_level", "green-level lp1=80 tl=25 area=20 distance=10", "level=37.0103\n"},
    {"green_distance_by_id", "green-distance 1054=80 1055=25 1056=20 1058=37.0103",
     "distance=10\n"},
    {"lp1", "lp1 absorption=0.5", "lp1=75.215\n"},
    {"stueber_level", "stueber-level distance=50", "level=56.0388\n"},
    {"stueber_distance", "stueber-distance level=56.0388", "distance=50.0002\n"},
    {"path_difference_same_side", "path-difference side=same",
     "delta1=0.642313\ndelta2=2.69794\ndelta3=0.570178\n"},
    {"leq_lists_with_blanks_and_decimals", "leq levels=70.5~60 1067=~20;30;40",
     "levels=70.5,60\nintervals=20,30\nresult=总共有2个数据;    等效连续A声级Leq:67.07dBA\n"},
    {"ldn", "ldn day-hours=9 1109=15", "result=昼夜等效声级Ldn:73.71dBA\n"},
};

class WorkedExample : public testing::TestWithParam<Case> {};

TEST_P(WorkedExample, PrintsTheResultsAsThePageShowsThem) {
    const Case& c = GetParam();
    std::vector<std::string> args = Split(c.args);
    for (std::string& arg : args) std::replace(arg.begin(), arg.end(), '~', ' ');
    const CalcRun run = RunVekCalc(args);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Calculators, WorkedExample, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.title); });

// The box comes first in either form.
TEST(VekCalc, ResultsByIdAndAsJson) {
    const CalcRun ids = RunVekCalc({"path-difference", "barrier-height=2", "--ids"});
    EXPECT_EQ(ids.out, "box: vek | 声波可直达,声程差为0\n1091=0\n1092=0\n1095=0\n");
    const CalcRun json = RunVekCalc({"path-difference", "barrier-height=2", "--json"});
    EXPECT_EQ(json.out,
              "{\"box\":\"vek | 声波可直达,声程差为0\",\"delta1\":\"0\",\"delta2\":\"0\","
              "\"delta3\":\"0\"}\n");
    EXPECT_EQ(ids.status + json.status, 0);
}

// Unknown calculators, names, ids and options; result fields given as input;
// a name given twice; numbers (their syntax: number_text_test.cpp) and
// choices the fields refuse.
// clang-format off
const char* const kRefused[] = {
    "", "sewer workers=1", "sewage staff=1", "sewage 1099=1", "protection-distance 1051=100",
    "solvent wind", "sewage workers=1 1005=2", "sewage days=", "flue-gas use=12abc",
    "flue-gas 1027=2", "flue-gas fuel=gas", "protection-distance 1041=-1",
    "protection-emission pollutant=22", "leq equal-interval=2", "ldn --verbose",
    "sewage --catalogue data.ini", "db-sum level1=sixty --json"};
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
    for (const char* name :
         {"sewage", "flue-gas", "protection-distance", "protection-emission", "solvent", "odour",
          "db-sum", "db-diff", "green-level", "green-distance", "lp1", "stueber-level",
          "stueber-distance", "path-difference", "leq", "ldn", "convert"})
        EXPECT_NE(run.out.find(std::string("  ") + name + " "), std::string::npos) << name;
}

// A calculator's help names each input with its id, meaning, unit and start-up value.
TEST(Help, DescribesEachInput) {
    const CalcRun run = RunVekCalc({"sewage", "--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* line :
         {"  days               1007  working days per year [d]; start-up: 0\n",
          "  water-resident     1009  water use per resident and day [L]; start-up: 200\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

}  // namespace
