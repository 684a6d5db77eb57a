// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "calc/noise.h"

namespace {

struct SplitCase {
    const char* name;
    const char* text;
    std::vector<std::string> numbers;
};

const SplitCase kSplit[] = {
    {"commas", "70,65,60", {"70", "65", "60"}},
    {"blanks_and_semicolon_separate", "70 65;60", {"70", "65", "60"}},
    // A decimal level is one number (read as 70.5, not as 70 and 5).
    {"decimal_point_between_digits_keeps_70_5_whole", "70.5,60", {"70.5", "60"}},
    {"second_point_separates", "1.2.3", {"1.2", "3"}},
    {"trailing_point_separates", "70.,60", {"70", "60"}},
    {"leading_point_separates", ".5", {"5"}},
    {"minus_sign_dropped", "-70,65", {"70", "65"}},
    {"leading_zeros_kept", "070,0065", {"070", "0065"}},
    {"letters_separate", "70dB65", {"70", "65"}},
    {"full_width_comma_and_digit_separate", "70，65０60", {"70", "65", "60"}},
    {"empty_text", "", {}},
    {"no_digit", "abc, .-", {}},
};

TEST(SplitDigitRuns, EveryCase) {
    for (const auto& c : kSplit) EXPECT_EQ(SplitDigitRuns(c.text), c.numbers) << c.name;
}

struct LeqCase {
    const char* name;
    const char* levels;
    const char* intervals;
    bool equalInterval;
    const char* line;
    const char* levelsAfter;
    const char* intervalsAfter;
};

const LeqCase kLeq[] = {
    {"start_up_lists", "70,65,60", "20,30,40", false, "总共有3个数据;    等效连续A声级Leq:65.71dBA",
     "70,65,60", "20,30,40"},
    {"equal_interval_sampling", "70,65,60", "20,30,40", true,
     "总共有3个数据;    等效连续A声级Leq:66.74dBA", "70,65,60", "20,30,40"},
    {"missing_interval_counts_nothing", "70,65,60", "20,30", false,
     "总共有3个数据;    等效连续A声级Leq:67.71dBA", "70,65,60", "20,30,"},
    {"extra_intervals_dropped", "70,65", "20,30,40,50", false,
     "总共有2个数据;    等效连续A声级Leq:67.71dBA", "70,65", "20,30"},
    {"other_separators_rewritten_with_commas", "70 65;60", "20,30,40", false,
     "总共有3个数据;    等效连续A声级Leq:65.71dBA", "70,65,60", "20,30,40"},
    {"decimal_level_70_5_read_whole", "70.5,60", "20,30,40", false,
     "总共有2个数据;    等效连续A声级Leq:67.07dBA", "70.5,60", "20,30"},
    {"decimal_levels_equal_interval", "70.5,60", "", true,
     "总共有2个数据;    等效连续A声级Leq:67.86dBA", "70.5,60", ","},
    {"hidden_intervals_still_rewritten_to_n_items", "70,65,60", "20", true,
     "总共有3个数据;    等效连续A声级Leq:66.74dBA", "70,65,60", "20,,"},
    {"leading_zeros_kept_as_typed", "070,65", "1,1", false,
     "总共有2个数据;    等效连续A声级Leq:68.18dBA", "070,65", "1,1"},
    {"no_level_cannot_be_computed", "", "20,30", false,
     "总共有0个数据;    等效连续A声级Leq:无法计算", "", ""},
    {"no_level_equal_interval_cannot_be_computed", "dB", "", true,
     "总共有0个数据;    等效连续A声级Leq:无法计算", "", ""},
    {"zero_total_time_cannot_be_computed", "70,65", "0,0", false,
     "总共有2个数据;    等效连续A声级Leq:无法计算", "70,65", "0,0"},
};

TEST(Leq, EveryCase) {
    for (const auto& c : kLeq) {
        const LeqResult r = ComputeLeq({c.levels, c.intervals, c.equalInterval});
        EXPECT_EQ(LeqResultLine(r), c.line) << c.name;
        EXPECT_EQ(r.levels, c.levelsAfter) << c.name;
        EXPECT_EQ(r.intervals, c.intervalsAfter) << c.name;
    }
}

TEST(Leq, StartUpInputs) {
    EXPECT_EQ(LeqResultLine(ComputeLeq(LeqInput{})), "总共有3个数据;    等效连续A声级Leq:65.71dBA");
}

TEST(Leq, MoreThanAThousandLevels) {
    std::string levels;
    for (int i = 0; i < 1200; ++i) levels += "60,";
    const LeqResult r = ComputeLeq({levels, "", true});
    EXPECT_EQ(LeqResultLine(r), "总共有1200个数据;    等效连续A声级Leq:60.00dBA");
    EXPECT_EQ(r.intervals, std::string(1199, ','));
}

// Qt sets the user's locale at start-up; a decimal comma must not change how
// "70.5" is read nor how the result is written.
TEST(Leq, IndependentOfDecimalCommaLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no decimal-comma locale";
    const LeqResult r = ComputeLeq({"70.5,60", "20,30", false});
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(LeqResultLine(r), "总共有2个数据;    等效连续A声级Leq:67.07dBA");
}

struct LdnCase {
    const char* name;
    LdnInput in;
    const char* line;
};

// Ldn = 10 lg((Td 10^(0.1 Ld) + Tn 10^(0.1 (Ln + 10))) / 24)
const LdnCase kLdn[] = {
    // Day 15 h and night 9 h, as the explanation's 22:00-7:00 night says.
    {"start_up_day_15_h_night_9_h", LdnInput{}, "昼夜等效声级Ldn:72.58dBA"},
    {"day_9_h_night_15_h", {70, 65, 9, 15}, "昼夜等效声级Ldn:73.71dBA"},
    {"night_10_dB_below_day_gives_day_level", {60, 50, 15, 9}, "昼夜等效声级Ldn:60.00dBA"},
    {"always_divided_by_24_hours", {60, 50, 7.5f, 4.5f}, "昼夜等效声级Ldn:56.99dBA"},
    {"no_hours_cannot_be_computed", {60, 50, 0, 0}, "昼夜等效声级Ldn:无法计算"},
};

TEST(Ldn, EveryCase) {
    for (const auto& c : kLdn) EXPECT_EQ(LdnResultLine(ComputeLdn(c.in)), c.line) << c.name;
}

}  // namespace
