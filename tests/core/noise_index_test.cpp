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
    {"blanks_and_semicolon_separate", "70 65;60", {"70", "65", "60"}},
    // A decimal level is one number (read as 70.5, not as 70 and 5).
    {"decimal_point_between_digits_keeps_70_5_whole", "70.5,60", {"70.5", "60"}},
    {"second_point_separates", "1.2.3", {"1.2", "3"}},
    {"trailing_and_leading_points_separate", "70.,.5", {"70", "5"}},
    {"minus_sign_dropped", "-70,65", {"70", "65"}},
    {"leading_zeros_kept", "070,0065", {"070", "0065"}},
    {"letters_and_other_marks_separate", "70dB65, .-", {"70", "65"}},
    {"full_width_comma_and_digit_separate", "70，65０60", {"70", "65", "60"}},
};

TEST(SplitDigitRuns, EveryCase) {
    for (const auto& c : kSplit) EXPECT_EQ(SplitDigitRuns(c.text), c.numbers) << c.name;
}

std::string LeqLine(int count, const char* leq) {
    return "总共有" + std::to_string(count) + "个数据;    等效连续A声级Leq:" + leq;
}

struct LeqCase {
    const char* name;
    const char* levels;
    const char* intervals;
    bool equalInterval;
    int count;
    const char* leq;
    const char* levelsAfter;  // the lists as the page rewrites them
    const char* intervalsAfter;
};

const LeqCase kLeq[] = {
    {"start_up_lists", "70,65,60", "20,30,40", false, 3, "65.71dBA", "70,65,60", "20,30,40"},
    {"equal_interval", "70,65,60", "20,30,40", true, 3, "66.74dBA", "70,65,60", "20,30,40"},
    {"missing_interval_is_0", "70,65,60", "20,30", false, 3, "67.71dBA", "70,65,60", "20,30,"},
    {"extra_intervals_dropped", "70,65", "20,30,40,50", false, 2, "67.71dBA", "70,65", "20,30"},
    {"decimal_level_at_the_end", "70,65.5", "1,1", false, 2, "68.31dBA", "70,65.5", "1,1"},
    {"hidden_intervals_to_n_items", "70,65,60", "20", true, 3, "66.74dBA", "70,65,60", "20,,"},
    {"no_level", "dB", "20,30", false, 0, "无法计算", "", ""},
    {"zero_total_time", "70,65", "0,0", false, 2, "无法计算", "70,65", "0,0"},
};

TEST(Leq, EveryCase) {
    for (const auto& c : kLeq) {
        const LeqResult r = ComputeLeq({c.levels, c.intervals, c.equalInterval});
        EXPECT_EQ(LeqResultLine(r), LeqLine(c.count, c.leq)) << c.name;
        EXPECT_EQ(r.levels, c.levelsAfter) << c.name;
        EXPECT_EQ(r.intervals, c.intervalsAfter) << c.name;
    }
    EXPECT_EQ(LeqResultLine(ComputeLeq(LeqInput{})), LeqLine(3, "65.71dBA"));
}

TEST(Leq, MoreThanAThousandLevels) {
    std::string levels;
    for (int i = 0; i < 1200; ++i) levels += "60,";
    const LeqResult r = ComputeLeq({levels, "", true});
    EXPECT_EQ(LeqResultLine(r), LeqLine(1200, "60.00dBA"));
    EXPECT_EQ(r.intervals, std::string(1199, ','));
}

// Qt sets the user's locale at start-up; a decimal comma must not change how
// "70.5" is read nor how the result is written.
TEST(Leq, IndependentOfDecimalCommaLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "German"))
        GTEST_SKIP() << "no decimal-comma locale";
    const LeqResult r = ComputeLeq({"70.5,60", "20,30", false});
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(LeqResultLine(r), LeqLine(2, "67.07dBA"));
}

// Ldn = 10 lg((Td 10^(0.1 Ld) + Tn 10^(0.1 (Ln + 10))) / 24)
TEST(Ldn, EveryCase) {
    const struct {
        const char* name;
        LdnInput in;
        const char* ldn;
    } cases[] = {
        // Day 15 h and night 9 h, as the explanation's 22:00-7:00 night says.
        {"start_up_day_15_h_night_9_h", LdnInput{}, "72.58dBA"},
        {"day_9_h_night_15_h", {70, 65, 9, 15}, "73.71dBA"},
        {"night_10_dB_below_day_gives_day_level", {60, 50, 15, 9}, "60.00dBA"},
        {"always_divided_by_24_hours", {60, 50, 7.5f, 4.5f}, "56.99dBA"},
        {"no_hours", {60, 50, 0, 0}, "无法计算"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LdnResultLine(ComputeLdn(c.in)), std::string("昼夜等效声级Ldn:") + c.ldn)
            << c.name;
}

}  // namespace
