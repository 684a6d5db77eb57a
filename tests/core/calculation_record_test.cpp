// SPDX-License-Identifier: MIT
// The record of a computation, for a report: every calculator's record
// names each of its inputs and results with its label, symbol, value as the
// page displays it and unit; a stopped computation records its box instead
// of results; the Markdown and HTML forms escape what would break them.

#include <gtest/gtest.h>

#include "calc/air_forms.h"
#include "calc/decibel.h"
#include "calc/noise_forms.h"
#include "calc/unit_form.h"
#include "calc/water_form.h"

namespace {

template <class In, class Out>
CalcRecord RecordOf(const CalculatorDef<In, Out>& def, const In& in) {
    return MakeRecord(def, in, def.run(in));
}

bool HasLine(const std::vector<RecordLine>& lines, const std::string& text) {
    for (const RecordLine& line : lines) {
        std::string shown = line.label + (line.symbol.empty() ? "" : " " + line.symbol) + "：" +
                            line.value + (line.unit.empty() ? "" : " " + line.unit);
        if (shown == text)
            return true;
    }
    return false;
}

struct Case {
    const char* name;
    CalcRecord record;
    std::size_t inputs, results;
    std::vector<std::string> inputLines, resultLines;
};

TEST(CalculationRecord, NamesEveryInputAndResultAsDisplayed) {
    FlueGasPageInput coal;
    ChooseFuel(coal, 1);
    coal.annualUse = 1000;
    ProtectionPageInput protection;
    protection.area = 1000;
    protection.emission = 5;
    protection.distance = 108.575;
    PathDifferenceInput sameSide;
    sameSide.sameSide = true;
    // {name, record, inputs, results, lines among the inputs, lines among the results}
    // clang-format off
    const Case cases[] = {
        {"sewage", RecordOf(SewageCalculator(), {.workers = 100, .residents = 20, .workDays = 300}),
         10, 11, {"工人数：100", "其中住宿人数：20", "排水量按照用水量的 k：80 %"},
         {"年排放量：2880 吨", "COD年排放量：1.44 吨", "生活垃圾日产量：60 千克"}},
        {"flue-gas", RecordOf(FlueGasCalculator(), coal), 8, 9,
         {"原料：煤", "年用量 B：1000 吨", "SO2达标浓度：900 mg/m^3", "灰分 A：11.98 %"},
         {"年废气排放量 V：1000 万标立方米", "烟尘初始浓度：2994 mg/m^3",
          "烟尘年排放量 G(烟尘)：29.95 吨", "SO2年削减量：7 吨"}},
        {"protection-distance", RecordOf(ProtectionDistanceCalculator(), protection), 7, 2,
         {"污染因子：苯", "无组织排放的有害物质容许浓度：按慢性反应指标确定",
          "无组织排放量 Qc：5 kg/hr"}, {"提级后距离：200 m"}},
        {"protection-emission", RecordOf(FugitiveEmissionCalculator(), protection), 7, 1,
         {"卫生防护距离 L：108.575 m", "环境标准浓度限值 Cm：2.4 mg/m^3"}, {}},
        {"solvent", RecordOf(SolventCalculator(), {}), 4, 1,
         {"有机溶剂在该温度时饱和蒸汽压 Pv：28.7996 mmHg"},
         {"有机溶剂散发量 G：38915.7312969409 g/h"}},
        {"odour", RecordOf(OdourCalculator(), {}), 8, 1,
         {"化学气体蒸汽压 C：0 101.325kPa"}, {"恶臭气体散发速率 E：0 cm^3/s"}},
        {"db-sum", RecordOf(DecibelSumCalculator(), {.level1 = 60, .level2 = 60}), 2, 1,
         {"声级 L1：60 dB", "声级 L2：60 dB"}, {"计算结果 L：63.0102999566398 dB"}},
        // "=" without a second operand takes the first again, and says so.
        {"db-diff", RecordOf(DecibelDifferenceCalculator(), {.level1 = 60, .level2 = std::nullopt}),
         2, 1, {"声级 L2：60 dB"}, {"计算结果 L：-inf dB"}},
        {"green-level", RecordOf(GreenLevelCalculator(), {.lp1 = 80, .wallArea = 20, .distance = 10}),
         4, 1, {"墙壁隔声量 TL：25 dB", "车间到受声点的距离 l：10 m"},
         {"预测受声点的声级 Lp3：37.0103 dB"}},
        {"green-distance",
         RecordOf(GreenDistanceCalculator(), {.lp1 = 80, .wallArea = 20, .level = 37.0103f}), 4, 1,
         {"预测受声点的声级 Lp3：37.0103 dB"}, {"车间到受声点的距离 l：10 m"}},
        {"lp1", RecordOf(Lp1Calculator(), {}), 5, 1, {"壁面吸声系数 a：0.01", "室内空间指向因子 Q：1"},
         {"距墙内侧1米处受声点的声级 Lp1：91.2707 dB"}},
        {"stueber-level", RecordOf(StueberLevelCalculator(), {}), 10, 1,
         {"车间平均屏蔽衰减 △LR：0 dB", "声程差 δ2：1.2 m"}, {"预测受声点的声级 Lp：90 dB"}},
        {"stueber-distance", RecordOf(StueberDistanceCalculator(), {}), 10, 1,
         {"预测受声点的声级 Lp：0 dB"}, {"整体声源的中心到受声点的距离 r：31689.2 m"}},
        {"path-difference", RecordOf(PathDifferenceCalculator(), sameSide), 9, 3,
         {"声源与测点：在中垂线的同一侧", "屏蔽长度 L：5 m"},
         {"声程差 δ1：0.642313 m", "声程差 δ2：2.69794 m", "声程差 δ3：0.570178 m"}},
        {"leq", RecordOf(LeqCalculator(), {.levels = "70,65,60", .intervals = "20,30"}), 3, 3,
         {"瞬时A声级 Li：70,65,60 dBA", "等间隔取样：否"},
         {"间隔时间 △Ti：20,30, 任意", "计算结果：总共有3个数据;    等效连续A声级Leq:67.71dBA"}},
        {"ldn", RecordOf(LdnCalculator(), {}), 4, 1,
         {"白天持续时间 Td：15 hr", "夜间等效声级 Ln：65 dBA"}, {"计算结果：昼夜等效声级Ldn:72.58dBA"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRecord& record = c.record;
        EXPECT_FALSE(record.title.empty());
        EXPECT_FALSE(record.formulas.empty());
        EXPECT_EQ(record.inputs.size(), c.inputs);
        EXPECT_EQ(record.results.size(), c.results);
        for (const std::string& line : c.inputLines)
            EXPECT_TRUE(HasLine(record.inputs, line)) << line;
        for (const std::string& line : c.resultLines)
            EXPECT_TRUE(HasLine(record.results, line)) << line;
    }
}

// A reviewer's record: only the inputs that take part, and the values
// worked out on the way ("中间量") that can be checked against the standard
// or the formula.
TEST(CalculationRecord, LeavesOutInputsThatTakeNoPartAndShowsTheWorkings) {
    FlueGasPageInput oil;
    oil.annualUse = 1000;
    ProtectionPageInput noStack;
    noStack.area = 1000;
    noStack.emission = 5;
    ProtectionPageInput stackBelowThird = noStack;
    stackBelowThird.stack = 0;
    stackBelowThird.stackShare = 1;
    StueberInput workshop;
    workshop.distance = 50;
    // {name, record, lines absent from the inputs, lines among the workings}
    // clang-format off
    const struct {
        const char* name;
        CalcRecord record;
        std::vector<std::string> absent, workings;
    } cases[] = {
        {"oil", RecordOf(FlueGasCalculator(), oil),
         {"灰分 A：11.98 %", "烟尘 d：20 %", "烟尘中可燃物 Cfh：20 %"},
         {"每吨燃料的烟气量 V/B：1.4 万标立方米/吨", "燃油的烟尘排放系数 G(烟尘)/B：0.00147059 吨/吨"}},
        {"no_stack", RecordOf(ProtectionDistanceCalculator(), noStack),
         {"排气筒的污染物排放量：大于允许的1/3"},
         {"计算系数 A：350", "计算系数 B：0.021", "计算系数 C：1.85", "计算系数 D：0.84",
          "生产单元的等效半径 r：17.8412486964583 m", "工业企业类别：III"}},
        {"stack_below_third", RecordOf(FugitiveEmissionCalculator(), stackBelowThird),
         {"无组织排放的有害物质容许浓度：按慢性反应指标确定"}, {"计算系数 A：470", "工业企业类别：II"}},
        {"green", RecordOf(GreenLevelCalculator(), {.lp1 = 80, .wallArea = 20, .distance = 10}), {},
         {"面积与距离项 10*lg(F/l^2)：-6.9897 dB"}},
        {"stueber", RecordOf(StueberLevelCalculator(), workshop), {},
         {"车间辐射面积 S：250.2 m^2", "辐射面积项 10*lg(S)：23.9829 dB",
          "半球面发散衰减 Adiv：41.9612 dB", "菲涅耳数 N1：3.70272", "菲涅耳数 N2：7.05281",
          "菲涅耳数 N3：9.2862", "屏障衰减 Abar：15.9828 dB"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& line : c.absent) EXPECT_FALSE(HasLine(c.record.inputs, line));
        for (const std::string& line : c.workings)
            EXPECT_TRUE(HasLine(c.record.workings, line)) << line;
    }
    // Each fuel's record gives its own formula line, then the shared ones.
    FlueGasPageInput coal = oil;
    coal.fuel = 1;
    const std::vector<std::string> oilFormulas = cases[0].record.formulas;
    const std::vector<std::string> coalFormulas = RecordOf(FlueGasCalculator(), coal).formulas;
    ASSERT_EQ(oilFormulas.size(), 4u);
    ASSERT_EQ(coalFormulas.size(), 4u);
    EXPECT_EQ(oilFormulas[0], "燃油：V=1.4*B，G(SO2)=0.02*S*B，G(烟尘)=B/680");
    EXPECT_EQ(coalFormulas[0], "燃煤：V=B，G(SO2)=0.016*S*B，G(烟尘)=d*A*B/(1-Cfh/100)/10000");
    EXPECT_EQ(coalFormulas[3], "年削减量=年排放量-达标年排放量（不足0时为0）");
    const std::string text = RecordPlainText(cases[0].record);
    EXPECT_NE(text.find("  含硫分 S：0.3 %\n中间量：\n  每吨燃料的烟气量"), std::string::npos)
        << text;
}

// The calculator's keys as one chain: two levels give the same record as
// db-sum; a longer chain names every level with its operation.
TEST(CalculationRecord, DecibelChainOfTheCalculator) {
    const DecibelStep plus85[] = {{.subtract = false, .level = 85}};
    EXPECT_EQ(RecordPlainText(DecibelChainRecord(85, plus85, DecibelSum(85, 85))),
              RecordPlainText(RecordOf(DecibelSumCalculator(), {.level1 = 85, .level2 = 85})));
    const DecibelStep chain[] = {{.subtract = false, .level = 86}, {.subtract = true, .level = 80}};
    EXPECT_EQ(RecordPlainText(DecibelChainRecord(88, chain, 87.5)),
              "计算过程：分贝计算器\n公式：\n  L=10*lg(10^(0.1*L1)+10^(0.1*L2)-10^(0.1*L3))\n"
              "输入：\n  声级 L1：88 dB\n  声级 L2：86 dB\n  声级 L3：80 dB\n"
              "结果：\n  计算结果 L：87.5 dB\n");
}

// The live background line of a noise page joins the record of its level.
TEST(CalculationRecord, TotalLineAddsTheBackgroundAndTheTotal) {
    const CalcRecord record =
        WithTotalLine(RecordOf(GreenLevelCalculator(), {.lp1 = 80, .wallArea = 20, .distance = 10}),
                      "Lp3", 52, 52.8004f);
    EXPECT_EQ(record.formulas.back(), "叠加背景噪声：L总=10*lg(10^(0.1*Lp3)+10^(0.1*L背景))");
    EXPECT_TRUE(HasLine(record.inputs, "背景噪声级 L背景：52 dB"));
    EXPECT_TRUE(HasLine(record.results, "叠加背景噪声后的总声级 L总：52.8004 dB"));
}

TEST(CalculationRecord, StoppedComputationRecordsItsBoxInsteadOfResults) {
    const CalcRecord record =
        RecordOf(SewageCalculator(), {.workers = 20, .residents = 30, .workDays = 300});
    EXPECT_TRUE(record.stopped);
    EXPECT_TRUE(record.results.empty());
    EXPECT_EQ(record.inputs.size(), 10u);
    const std::string text = RecordPlainText(record);
    EXPECT_NE(text.find("结果：\n  计算中止：逻辑常识错误，请重新输入\n"), std::string::npos)
        << text;
    // A box that does not stop the computation is noted after the results.
    const std::string direct =
        RecordPlainText(RecordOf(PathDifferenceCalculator(), {.barrierHeight = 2}));
    EXPECT_NE(direct.find("  声程差 δ3：0 m\n提示：声波可直达,声程差为0\n"), std::string::npos)
        << direct;
}

TEST(CalculationRecord, FormsEscapeWhatWouldBreakThem) {
    const CalcRecord record{.title = "A&B",
                            .formulas = {"x=a*b|c"},
                            .inputs = {{"<名>", "q_1", "1\n结果：", "m^2~"}},
                            .results = {{"结果|", "", "\"2\"", "'t'"}},
                            .note = "a<b"};
    EXPECT_EQ(RecordPlainText(record),
              "计算过程：A&B\n公式：\n  x=a*b|c\n输入：\n  <名> q_1：1\\n结果： m^2~\n结果：\n  "
              "结果|：\"2\" "
              "'t'\n提示：a<b\n");
    EXPECT_EQ(RecordMarkdown(record),
              "**计算过程：A\\&B**\n\n公式：\n\n- x=a\\*b\\|c\n\n"
              "| 项目 | 符号 | 数值 | 单位 |\n|---|---|---|---|\n"
              "| **输入** | | | |\n| \\<名\\> | q\\_1 | 1 结果： | m^2\\~ |\n"
              "| **结果** | | | |\n| 结果\\| |  | \"2\" | 't' |\n| 提示：a\\<b | | | |\n");
    EXPECT_EQ(RecordHtml(record),
              "<meta charset=\"utf-8\">\n"
              "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
              "<caption>计算过程：A&amp;B</caption>\n"
              "<tr><th>项目</th><th>符号</th><th>数值</th><th>单位</th></tr>\n"
              "<tr><th colspan=\"4\" align=\"left\">公式</th></tr>\n"
              "<tr><td colspan=\"4\">x=a*b|c</td></tr>\n"
              "<tr><th colspan=\"4\" align=\"left\">输入</th></tr>\n"
              "<tr><td>&lt;名&gt;</td><td>q_1</td><td>1\n结果：</td><td>m^2~</td></tr>\n"
              "<tr><th colspan=\"4\" align=\"left\">结果</th></tr>\n"
              "<tr><td>结果|</td><td></td><td>&quot;2&quot;</td><td>&#39;t&#39;</td></tr>\n"
              "<tr><td colspan=\"4\">提示：a&lt;b</td></tr>\n"
              "</table>\n");
}

}  // namespace
