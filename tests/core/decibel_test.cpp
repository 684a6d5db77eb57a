// SPDX-License-Identifier: MIT
#include "calc/decibel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "text/number_text.h"

using vek::text::FormatDouble;
using vek::text::FormatFloat;

namespace {

// Double arithmetic as the decibel calculator shows it (15 digits), including
// the chains its keys build: each row's value is one call on earlier results.
struct DoubleCase {
    const char* name;
    double value;
    const char* shown;
};

const double kSixtySixty = DecibelSum(60, 60);
const double kSixtySeventy = DecibelSum(60, 70);

const DoubleCase kDouble[] = {
    {"sum_equal_levels_adds_3_dB", kSixtySixty, "63.0102999566398"},
    {"sum_70_80", DecibelSum(70, 80), "80.4139268515823"},
    {"sum_repeated_once", DecibelSum(kSixtySixty, 60), "64.7712125471966"},
    {"sum_repeated_twice", DecibelSum(DecibelSum(kSixtySixty, 60), 60), "66.0205999132796"},
    {"chain_intermediate", kSixtySeventy, "70.4139268515823"},
    {"chain_end", DecibelSum(kSixtySeventy, 80), "80.4532297878666"},
    {"difference_70_60", DecibelDifference(70, 60), "69.5424250943933"},
    {"difference_equal_levels_is_minus_inf", DecibelDifference(60, 60), "-inf"},
    {"difference_larger_second_is_nan", DecibelDifference(60, 70), "nan"},
    {"sum_of_zeros", DecibelSum(0, 0), "3.01029995663981"},
    {"sum_zero_and_60", DecibelSum(0, 60), "60.0000043429426"},
    {"level_of_zero_energy", EnergyToLevel(0), "-inf"},
    {"level_of_negative_energy", EnergyToLevel(-1), "nan"},
    {"nan_carries_on", DecibelSum(DecibelDifference(60, 70), 80), "nan"},
};

TEST(DecibelArithmetic, DoubleValues) {
    for (const auto& c : kDouble) EXPECT_EQ(FormatDouble(c.value), c.shown) << c.name;
}

// The background lines of the noise pages: single-precision fields.
struct PageCase {
    const char* name;
    float background;
    float levelOrTotal;
    const char* shown;  // nullptr: not computed
};

const PageCase kPageSum[] = {
    {"equal_levels", 50, 50, "53.0103"},
    {"zero_background", 0, 56.0388f, "56.0388"},
    {"both_zero", 0, 0, "3.0103"},
    // The float factor 0.1f shows in the sixth digit (0.1 gives 32.0143).
    {"float_factor_shows", 27.25f, 30.25f, "32.0144"},
};

const PageCase kPageDifference[] = {
    {"total_back_to_level", 50, 53.0103f, "50"},
    {"total_equal_to_background_not_computed", 50, 50, nullptr},
    {"total_below_background_not_computed", 60, 55, nullptr},
    {"nan_total_not_computed", 50, NAN, nullptr},
    // The float factor 0.1f shows in the sixth digit (0.1 gives -0.988254).
    {"float_factor_shows", 4.88f, 5.88f, "-0.988253"},
};

TEST(DecibelArithmetic, PageSum) {
    for (const auto& c : kPageSum)
        EXPECT_EQ(FormatFloat(PageDecibelSum(c.background, c.levelOrTotal)), c.shown) << c.name;
}

TEST(DecibelArithmetic, PageDifference) {
    for (const auto& c : kPageDifference) {
        const auto level = PageDecibelDifference(c.levelOrTotal, c.background);
        if (c.shown == nullptr) {
            EXPECT_FALSE(level.has_value()) << c.name;
        } else {
            ASSERT_TRUE(level.has_value()) << c.name;
            EXPECT_EQ(FormatFloat(*level), c.shown) << c.name;
        }
    }
}

TEST(DecibelArithmetic, SumIsCommutativeAndDifferenceUndoesIt) {
    std::mt19937 random;  // fixed default state: the same levels on every run
    std::uniform_real_distribution<double> level(-20, 140);
    std::uniform_real_distribution<double> offset(-60, 60);
    for (int i = 0; i < 2000; ++i) {
        const double a = level(random);
        const double b = a + offset(random);
        EXPECT_EQ(DecibelSum(a, b), DecibelSum(b, a)) << a << ' ' << b;
        EXPECT_NEAR(DecibelDifference(DecibelSum(a, b), b), a, 1e-6) << a << ' ' << b;
    }
}

}  // namespace
