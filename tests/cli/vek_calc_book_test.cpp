// SPDX-License-Identifier: MIT
// vek-calc book: a project file's calculators computed into one book; what
// the file holds that cannot be computed is reported line by line, and the
// exit status says whether anything was left out or nothing was computed.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "run_vek_calc.h"

namespace {

void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(VekCalcBook, ComputesWhatItCanAndReportsTheRest) {
    const auto dir = FreshTestDirectory();
    Write(dir / "p.vek", R"({"format": 1, "name": "某厂", "calculators": {
        "solvent": {"inputs": {"wind": "1", "area": "1", "mol-weight": "100",
                               "vapour-pressure": "10"}},
        "sewage": {"computed": false, "inputs": {"workers": "1"}},
        "odour": {"inputs": {"wind": "abc"}},
        "boiler": {}}})");
    const CalcRun run = RunVekCalc({"book", "p.vek", "--format=text"}, dir);
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.err,
              "vek-calc: p.vek: 没有名为“boiler”的计算，已跳过。\n"
              "vek-calc: p.vek: odour：wind 的“abc”页面不接受，这项计算已跳过。\n");
    EXPECT_TRUE(run.out.starts_with("某厂\n日期："));
    EXPECT_NE(run.out.find("\n\n计算过程：有机溶剂散发量\n"), std::string::npos);
    EXPECT_NE(run.out.find("有机溶剂散发量 G：948 g/h"), std::string::npos);
    EXPECT_EQ(run.out.find("生活污水"), std::string::npos);

    const CalcRun written =
        RunVekCalc({"book", "p.vek", "--output", "book.md", "--format=markdown"}, dir);
    EXPECT_EQ(written.status, 5);
    EXPECT_EQ(written.out, "");
    std::ifstream in(dir / "book.md");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 10), "# 某厂\n\n");
}

TEST(VekCalcBook, RefusesAFileWithNothingToCompute) {
    const auto dir = FreshTestDirectory();
    Write(dir / "empty.vek", R"({"format": 1, "calculators": {"sewage": {"computed": false}}})");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"book", "empty.vek"}, "vek-calc: empty.vek: 没有可以写进计算书的计算。\n"},
        {{"book", "missing.vek"}, "vek-calc: missing.vek: 文件不存在\n"},
#ifdef VEK_CALC_HAS_PDF
        {{"book", "empty.vek", "--format=pdf"},
         "vek-calc: book: PDF 只能写到文件，请用 --output 指定文件\n"},
#else
        {{"book", "empty.vek", "--format=pdf", "--output", "book.pdf"},
         "vek-calc: book: 这个 vek-calc 不带 Qt，不能排版 PDF，请在 vek "
         "中用“导出计算书…”导出\n"},
#endif
    };
    for (const auto& c : cases) {
        const CalcRun run = RunVekCalc(c.args, dir);
        EXPECT_EQ(run.status, 2) << c.args[1];
        EXPECT_EQ(run.out, "") << c.args[1];
        EXPECT_EQ(run.err, c.err) << c.args[1];
    }
}

}  // namespace
