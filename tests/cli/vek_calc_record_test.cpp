// SPDX-License-Identifier: MIT
// vek-calc --record: for every calculator the record names each input (as
// many as its help lists) and each result exactly as the results are
// printed without --record; a stopped computation records its box; the
// Markdown and HTML forms hold one table row per input and result.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_vek_calc.h"

namespace {

struct Case {
    const char* args;                // the calculator, then its inputs
    std::vector<std::string> lines;  // lines the record must hold, as displayed
    std::size_t leftOut = 0;         // inputs of its help that take no part
};

const Case kCases[] = {
    {"sewage workers=100 residents=20 days=300", {"  工人数：100", "  年用水量：3600 吨"}},
    {"sewage workers=20 residents=30", {"  计算中止：逻辑常识错误，请重新输入"}},
    {"flue-gas fuel=coal use=1000", {"  原料：煤", "  SO2达标浓度：900 mg/m^3"}},
    {"flue-gas use=1000", {"  SO2初始浓度：428 mg/m^3"}, 3},  // oil: no ash figures
    {"protection-distance area=1000 emission=20", {"  卫生防护距离 L：265.45785811031 m"}, 1},
    {"protection-emission area=1000 distance=100 pollutant=5",
     {"  污染因子：氯化氢", "  环境标准浓度限值 Cm：0.05 mg/m^3"},
     1},
    {"solvent wind=1 area=1 mol-weight=100 vapour-pressure=10", {"  有机溶剂散发量 G：948 g/h"}},
    {"odour wind=1 diffusivity=0.1 width=100 length=100 compound-mass=1 total-mass=100 "
     "vapour-pressure=0.1 correction=1",
     {"  恶臭气体散发速率 E：0.356824973929167 cm^3/s"}},
    {"db-sum level1=70 level2=80", {"  计算结果 L：80.4139268515823 dB"}},
    {"db-diff level1=70", {"  声级 L2：70 dB", "  计算结果 L：-inf dB"}},
    {"green-level lp1=80 area=20 distance=10", {"  预测受声点的声级 Lp3：37.0103 dB"}},
    {"green-distance lp1=80 area=20 level=37.0103", {"  车间到受声点的距离 l：10 m"}},
    {"lp1 absorption=0.5", {"  距墙内侧1米处受声点的声级 Lp1：75.215 dB"}},
    {"stueber-level distance=100", {"  整体声源的中心到受声点的距离 r：100 m"}},
    {"stueber-distance level=50", {"  预测受声点的声级 Lp：50 dB"}},
    {"path-difference barrier-height=2", {"提示：声波可直达,声程差为0"}},
    {"leq levels=70,65,60 intervals=20,30", {"  间隔时间 △Ti：20,30 任意"}},
    {"ldn", {"  计算结果：昼夜等效声级Ldn:72.58dBA"}},
    {"convert kind=长度 from=米 to=厘米 value=2.5", {"  换算后的值 x2：250 厘米"}},
};

std::vector<std::string> Args(const std::string& words, const char* extra) {
    std::vector<std::string> args = Split(words);
    if (args.front() == "convert")
        args.insert(args.begin() + 1, {"--catalogue", "data.ini"});
    if (*extra)
        args.push_back(extra);
    return args;
}

// The lines of a record between one heading and the next.
std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : lines) {
        if (line == to || (inside && (line == "中间量：" || line.rfind("提示：", 0) == 0)))
            break;
        if (inside)
            section.push_back(line);
        inside = inside || line == from;
    }
    return section;
}

// How many inputs the calculator's help lists.
std::size_t InputCount(const std::string& calculator, const std::filesystem::path& dir) {
    const std::vector<std::string> help = Split(RunVekCalc({calculator, "--help"}, dir).out, '\n');
    std::size_t count = 0;
    bool inside = false;
    for (const std::string& line : help) {
        if (line.rfind("Results", 0) == 0)
            break;
        if (inside && line.rfind("  ", 0) == 0)
            ++count;
        inside = inside || line.rfind("Inputs", 0) == 0;
    }
    return count;
}

class VekCalcRecord : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshTestDirectory();
        std::ofstream(dir / "data.ini") << "[长度][1][米]=[100][厘米]\n";
    }
    std::filesystem::path dir;
};

TEST_F(VekCalcRecord, NamesEveryInputAndResultAsDisplayed) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.args);
        const std::string calculator = Split(c.args).front();
        const CalcRun plain = RunVekCalc(Args(c.args, "--json"), dir);
        const CalcRun record = RunVekCalc(Args(c.args, "--record"), dir);
        EXPECT_EQ(record.status, plain.status);
        EXPECT_EQ(record.err, "");
        const std::vector<std::string> lines = Split(record.out, '\n');
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].rfind("计算过程：", 0), 0u) << lines[0];
        EXPECT_GE(Section(lines, "公式：", "输入：").size(), 1u);
        // The converter's record adds the two factors it used.
        EXPECT_EQ(Section(lines, "输入：", "结果：").size(),
                  InputCount(calculator, dir) - c.leftOut + (calculator == "convert" ? 2 : 0));

        // Each result the plain run prints appears once, as printed.
        const auto shown = nlohmann::ordered_json::parse(plain.out);
        const std::vector<std::string> results = Section(lines, "结果：", "");
        std::size_t expected = 0;
        for (const auto& [key, value] : shown.items()) {
            if (key == "box")
                continue;
            ++expected;
            const std::string text = "：" + value.get<std::string>();
            const auto matches = std::count_if(results.begin(), results.end(), [&](auto& line) {
                const auto at = line.find(text);
                return at != std::string::npos &&
                       (at + text.size() == line.size() || line[at + text.size()] == ' ');
            });
            EXPECT_GE(matches, 1) << key << text;
        }
        EXPECT_EQ(results.size(), plain.status == 1 ? 1u : expected);
        for (const std::string& line : c.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST_F(VekCalcRecord, MarkdownAndHtmlHoldOneRowPerInputAndResult) {
    const CalcRun markdown = RunVekCalc({"flue-gas", "use=1000", "--record=markdown"}, dir);
    const CalcRun html = RunVekCalc({"flue-gas", "use=1000", "--record=html"}, dir);
    EXPECT_EQ(markdown.status, 0);
    EXPECT_EQ(html.status, 0);
    const auto count = [](const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    // 5 inputs (no ash figures for oil), 2 emission factors and 9 results,
    // the column heads and three section rows.
    EXPECT_EQ(count(markdown.out, "\n| "), 5u + 2u + 9u + 4u);
    EXPECT_NE(markdown.out.find("| 年用量 | B | 1000 | 吨 |\n"), std::string::npos);
    EXPECT_EQ(html.out.rfind("<meta charset=\"utf-8\">\n<table", 0), 0u);
    EXPECT_EQ(count(html.out, "<tr><td>"), 5u + 2u + 9u);
    EXPECT_NE(
        html.out.find("<tr><td>年废气排放量</td><td>V</td><td>1400</td><td>万标立方米</td></tr>"),
        std::string::npos);
    ExpectRefused(RunVekCalc({"flue-gas", "--record=pdf"}, dir));
}

}  // namespace
