// SPDX-License-Identifier: MIT
// vek-calc --csv: one case per row, the row given back with its box and
// results; a bad row is reported with its line and the others computed.

#include <gtest/gtest.h>

#include <fstream>

#include "run_vek_calc.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSewageResults =
    "cod-limit-annual,cod-annual,cod-reduction,nh3n-limit-annual,nh3n-annual,nh3n-reduction,"
    "annual-discharge,annual-water,daily-discharge,refuse-annual,refuse-daily";

std::string SewageHeader(const std::string& inputs) {
    return inputs + ",box," + kSewageResults + "\n";
}

// The row of 100 workers, 20 of them on site, 300 days.
const std::string kSewageRow =
    "100,20,300,,0.288,1.44,1.152,0.0432,0.1008,0.0576,2880,3600,9.6,18,60\n";

struct CsvCase {
    const char* name;
    std::vector<std::string> args;  // the calculator and options besides --csv
    std::string input;
    std::string out;
    int status;
    std::string err;
};

// {name, arguments, input, output, status, messages}
// clang-format off
const CsvCase kCases[] = {
    // A quoted line break is no part of a number; the row holding it spans
    // lines 4 and 5, and the rows after it are reported at their own lines.
    {"bad_rows_in_the_middle", {"sewage"},
     "workers,residents,days\n100,20,300\nabc,20,300\n\"100\n\",20,300\n1,2\n\"1\"x,2,3\n\"5,0,1\n",
     SewageHeader("workers,residents,days") + kSewageRow, 5,
     "vek-calc: cases.csv:3: sewage: workers (1005) needs a number, not 'abc'\n"
     "vek-calc: cases.csv:4: sewage: workers (1005) needs a number, not '100\\n'\n"
     "vek-calc: cases.csv:6: 2 fields where the header has 3\n"
     "vek-calc: cases.csv:7: text after the closing quote of field 1\n"
     "vek-calc: cases.csv:8: a quoted field is not closed\n"},
    {"stopped_row_keeps_its_box", {"sewage"}, "workers,residents,days\n10,20,300\n100,20,300\n",
     SewageHeader("workers,residents,days") + "10,20,300,错误 | 逻辑常识错误，请重新输入,,,,,,,,,,,\n" +
         kSewageRow, 1, ""},
    {"box_that_does_not_stop", {"path-difference"}, "barrier-height\n2\n",
     "barrier-height,box,delta1,delta2,delta3\n2,\"vek | 声波可直达,声程差为0\",0,0,0\n", 0, ""},
    // Inputs without a column keep their start-up values (none on site, the
    // water use, discharge share and concentrations), columns in any order.
    {"missing_columns_take_start_up_values", {"sewage"}, "days,workers\n300,100\n",
     SewageHeader("days,workers") + "300,100,,0.24,1.2,0.96,0.036,0.084,0.048,2400,3000,8,15,50\n",
     0, ""},
    {"ids_as_column_names", {"sewage", "--ids"}, "1005,days\n100,300\n",
     "1005,days,box,1019,1018,1022,1021,1020,1023,1017,1014,1016,1025,1024\n"
     "100,300,,0.24,1.2,0.96,0.036,0.084,0.048,2400,3000,8,15,50\n", 0, ""},
    // A byte-order mark and CR LF come back as they came; quoted commas and
    // quotes are read and written alike.
    {"quoting_bom_and_crlf", {"leq"},
     "\xEF\xBB\xBF\"levels\",intervals\r\n\"70,65,60\",\"20,30\"\r\n\"a\"\"b\",1\r\n",
     "\xEF\xBB\xBFlevels,intervals,box,levels,intervals,result\r\n"
     "\"70,65,60\",\"20,30\",,\"70,65,60\",\"20,30,\",总共有3个数据;    等效连续A声级Leq:67.71dBA\r\n"
     "\"a\"\"b\",1,,,,总共有0个数据;    等效连续A声级Leq:无法计算\r\n", 0, ""},
    {"json_one_object_per_row", {"path-difference", "--json"}, "barrier-height,side\n2,same\nx,0\n",
     "{\"line\":2,\"inputs\":{\"barrier-height\":\"2\",\"side\":\"same\"},"
     "\"box\":\"vek | 声波可直达,声程差为0\",\"results\":{\"delta1\":\"0\",\"delta2\":\"0\","
     "\"delta3\":\"0\"}}\n", 5,
     "vek-calc: cases.csv:3: path-difference: barrier-height (1083) needs a number, not 'x'\n"},
    {"header_names_no_input", {"sewage"}, "workers,box\n1,2\n", "", 2,
     "vek-calc: cases.csv:1: sewage has no input 'box' (see vek-calc sewage --help)\n"},
    {"header_gives_an_input_twice", {"sewage"}, "workers,1005\n1,2\n", "", 2,
     "vek-calc: cases.csv:1: columns 1 and 2 both give workers\n"},
    {"no_header", {"sewage"}, "\n\n", "", 2, "vek-calc: cases.csv: no header row\n"},
    // A row beyond 1 MiB is left out without being held; reading goes on
    // from the next line break.
    {"overlong_row_left_out", {"sewage"},
     "workers,residents,days\n\"" + std::string(2 << 20, '7') + "\n100,20,300\n",
     SewageHeader("workers,residents,days") + kSewageRow, 5,
     "vek-calc: cases.csv:2: a row longer than 1 MiB\n"},
    // What a cell holds cannot steer the terminal or cut the message short.
    {"control_characters_shown_escaped", {"sewage"}, std::string("workers\n\x1b]0;x\x07\na\0b\n", 19),
     SewageHeader("workers"), 5,
     "vek-calc: cases.csv:2: sewage: workers (1005) needs a number, not '\\x1b]0;x\\x07'\n"
     "vek-calc: cases.csv:3: sewage: workers (1005) needs a number, not 'a\\0b'\n"},
    // A choice by its index or by its word fills its presets; a column wins over them.
    {"choices_by_index_and_by_word", {"flue-gas"}, "fuel,use,sulphur\n0,1000,1.5\ncoal,12.5,0.8\n",
     "fuel,use,sulphur,box,so2-std,so2,so2-reduction,dust-std,dust,dust-reduction,volume,"
     "dust-conc,so2-conc\n0,1000,1.5,,7,30,23,1.4,1.47059,0.0705883,1400,105,2142\n"
     "coal,12.5,0.8,,0.1125,0.16,0.0475,0.025,0.374375,0.349375,12.5,2994,1280\n", 0, ""},
    {"conversions_from_the_named_catalogue", {"convert", "--catalogue", "data.ini"},
     "kind,from,to,value\n长度,米,厘米,2.5\n",
     "kind,from,to,value,box,converted\n长度,米,厘米,2.5,,250\n", 0, ""},
};
// clang-format on

void PrintTo(const CsvCase& c, std::ostream* os) {
    *os << c.name;
}

class VekCalcCsv : public testing::TestWithParam<CsvCase> {};

TEST_P(VekCalcCsv, RowsInRowsOut) {
    const CsvCase& c = GetParam();
    const fs::path dir = FreshTestDirectory();
    std::ofstream(dir / "cases.csv", std::ios::binary) << c.input;
    std::ofstream(dir / "data.ini") << "[长度][1][米]=[100][厘米]\n";
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--csv", "cases.csv"});
    const CalcRun run = RunVekCalc(args, dir);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Cases, VekCalcCsv, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VekCalcCsvRows, CommandLinesThatCannotWorkAreRefused) {
    const fs::path dir = FreshTestDirectory();
    std::ofstream(dir / "cases.csv") << "workers\n1\n";
    fs::create_directory(dir / "folder");
    ExpectRefused(RunVekCalc({"sewage", "--csv", "cases.csv", "days=3"}, dir));
    ExpectRefused(RunVekCalc({"sewage", "--csv", "missing.csv"}, dir));
    ExpectRefused(RunVekCalc({"sewage", "--csv", "cases.csv", "--record"}, dir));
    const CalcRun folder = RunVekCalc({"sewage", "--csv", "folder"}, dir);
    ExpectRefused(folder);
    EXPECT_EQ(folder.err, "vek-calc: cannot read folder: 是一个文件夹\n");
}

}  // namespace
