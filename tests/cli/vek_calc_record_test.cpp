// SPDX-License-Identifier: MIT
// vek-calc --record: the record of the computation instead of the results,
// as plain text, Markdown or HTML; a stopped computation keeps its status.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "run_vek_calc.h"

namespace {

// The converter's record adds the two factors it used from the catalogue.
TEST(VekCalcRecord, PlainTextOfAConversion) {
    const auto dir = FreshTestDirectory();
    std::ofstream(dir / "data.ini") << "[长度][1][米]=[100][厘米]\n";
    const CalcRun run = RunVekCalc({"convert", "--catalogue", "data.ini", "kind=长度", "from=米",
                                    "to=厘米", "value=2.5", "--record"},
                                   dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "计算过程：单位换算\n公式：\n"
              "  x2=x1/K1*K2，K1、K2为单位库data.ini中一个基准量分别折合成原单位、目标单位的值\n"
              "输入：\n  单位种类：长度\n  换算前的值 x1：2.5 米\n  原单位：米\n  目标单位：厘米\n"
              "  基准量折合原单位 K1：1 米\n  基准量折合目标单位 K2：100 厘米\n"
              "结果：\n  换算后的值 x2：250 厘米\n");
}

TEST(VekCalcRecord, FormsAndStatus) {
    const CalcRun stopped = RunVekCalc({"sewage", "workers=20", "residents=30", "--record"});
    EXPECT_EQ(stopped.status, 1);
    EXPECT_TRUE(stopped.out.ends_with("结果：\n  计算中止：逻辑常识错误，请重新输入\n"))
        << stopped.out;
    const CalcRun markdown = RunVekCalc({"flue-gas", "use=1000", "--record=markdown"});
    EXPECT_EQ(markdown.status, 0);
    EXPECT_NE(markdown.out.find("\n| 年用量 | B | 1000 | 吨 |\n"), std::string::npos);
    const CalcRun html = RunVekCalc({"flue-gas", "use=1000", "--record=html"});
    EXPECT_EQ(html.status, 0);
    EXPECT_TRUE(html.out.starts_with("<meta charset=\"utf-8\">\n<table")) << html.out;
    ExpectRefused(RunVekCalc({"flue-gas", "--record=pdf"}));
}

}  // namespace
