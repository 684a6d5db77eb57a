// SPDX-License-Identifier: MIT
#include "calc/decibel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "text/number_text.h"

using vek::text::FormatDouble;
using vek::text::FormatFloat;

namespace {

// Double arithmetic as the decibel calculator shows it (15 digits), including
// the chains its keys build: each row's value is one call on earlier results.
const double kSixtySixty = DecibelSum(60, 60);

const struct {
    const char* name;
    double value;
    const char* shown;
} kDouble[] = {
    {"sum_equal_levels_adds_3_dB", kSixtySixty, "63.0102999566398"},
    {"sum_70_80", DecibelSum(70, 80), "80.4139268515823"},
    {"sum_repeated_once", DecibelSum(kSixtySixty, 60), "64.7712125471966"},
    {"chain_end", DecibelSum(DecibelSum(60, 70), 80), "80.4532297878666"},
    {"difference_70_60", DecibelDifference(70, 60), "69.5424250943933"},
    {"difference_equal_levels_is_minus_inf", DecibelDifference(60, 60), "-inf"},
    {"difference_larger_second_is_nan", DecibelDifference(60, 70), "nan"},
    {"sum_of_zeros", DecibelSum(0, 0), "3.01029995663981"},
    {"sum_zero_and_60", DecibelSum(0, 60), "60.0000043429426"},
};

TEST(DecibelArithmetic, DoubleValues) {
    for (const auto& c : kDouble) EXPECT_EQ(FormatDouble(c.value), c.shown) << c.name;
}

// The background lines of the noise pages: single-precision fields.
// {background, level or total, shown}; "" when the difference is not computed.
struct PageCase {
    float background, levelOrTotal;
    const char* shown;
};

const PageCase kPageSum[] = {
    {50, 50, "53.0103"},
    {0, 56.0388f, "56.0388"},
    {0, 0, "3.0103"},
    {27.25f, 30.25f, "32.0144"},  // the float factor 0.1f shows (0.1 gives 32.0143)
};

const PageCase kPageDifference[] = {
    {50, 53.0103f, "50"},        {50, 50, ""}, {60, 55, ""}, {50, NAN, ""},
    {4.88f, 5.88f, "-0.988253"},  // the float factor 0.1f shows (0.1 gives -0.988254)
};

TEST(DecibelArithmetic, PageSumAndDifference) {
    for (const auto& c : kPageSum)
        EXPECT_EQ(FormatFloat(PageDecibelSum(c.background, c.levelOrTotal)), c.shown)
            << c.background << " " << c.levelOrTotal;
    for (const auto& c : kPageDifference) {
        const auto level = PageDecibelDifference(c.levelOrTotal, c.background);
        EXPECT_EQ(level ? FormatFloat(*level) : "", c.shown)
            << c.background << " " << c.levelOrTotal;
    }
}

}  // namespace
