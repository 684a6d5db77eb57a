// SPDX-License-Identifier: MIT
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

using namespace vek::text;

namespace {

struct DisplayCase {
    const char* name;
    double value;
    bool isFloat;
    const char* shown;
};

const DisplayCase kDisplay[] = {
    {"float_million_uses_three_digit_exponent", 1234567, true, "1.23457e+006"},
    {"float_tenth", 0.1, true, "0.1"},
    {"float_small_uses_three_digit_exponent", 0.00001, true, "1e-005"},
    {"float_zero", 0, true, "0"},
    {"float_negative_zero_shows_zero", -0.0, true, "0"},
    {"float_six_digits", 6.66655, true, "6.66655"},
    {"double_third", 1.0 / 3, false, "0.333333333333333"},
    {"double_two_thirds", 2.0 / 3, false, "0.666666666666667"},
    {"double_tenth", 0.1, false, "0.1"},
    {"double_exponent_300", 1e300, false, "1e+300"},
    {"double_negative_zero_shows_zero", -0.0, false, "0"},
    {"double_inf", std::numeric_limits<double>::infinity(), false, "inf"},
    {"double_minus_inf", -std::numeric_limits<double>::infinity(), false, "-inf"},
    {"double_nan", std::numeric_limits<double>::quiet_NaN(), false, "nan"},
    {"double_negative_nan_shows_nan", -std::numeric_limits<double>::quiet_NaN(), false, "nan"},
    {"float_nan", std::numeric_limits<double>::quiet_NaN(), true, "nan"},
};

std::string Show(const DisplayCase& c) {
    return c.isFloat ? FormatFloat(static_cast<float>(c.value)) : FormatDouble(c.value);
}

TEST(NumberDisplay, EveryCase) {
    for (const auto& c : kDisplay) EXPECT_EQ(Show(c), c.shown) << c.name;
}

const char* const kRefused[] = {"12abc",    "-0",   ".0",   "+0",  "",       "   ",
                                "infinity", "0x1A", "-nan", "INF", "1e",     "1,5",
                                "--1",      "1 2",  "e5",   ".",   "1e-400", "１０"};

TEST(NumberParsing, RefusedTexts) {
    for (const char* text : kRefused) {
        EXPECT_FALSE(ParseDouble(text).has_value()) << '"' << text << '"';
        EXPECT_FALSE(ParseFloat(text).has_value()) << '"' << text << '"';
    }
}

struct ParseCase {
    const char* text;
    double value;
};

const ParseCase kAccepted[] = {
    {" 12 ", 12}, {"\t12\t", 12}, {"1e3", 1000}, {"-2.5", -2.5}, {"0", 0},       {"000", 0},
    {"0.0", 0},   {"+5", 5},      {"5.", 5},     {".5", 0.5},    {"1E-2", 0.01}, {"0e7", 0},
};

TEST(NumberParsing, AcceptedTexts) {
    for (const auto& c : kAccepted) {
        const auto v = ParseDouble(c.text);
        ASSERT_TRUE(v.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*v, c.value) << '"' << c.text << '"';
    }
}

// However many digits the exponent has, a number reads as the C library's
// strtod reads it: an infinity, the nearest double, or a zero (and a zero
// only counts when the text starts with the digit 0).
TEST(NumberParsing, ExponentsOfAnySizeReadAsStrtod) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"1e999", inf},
        {"-1e999", -inf},
        {"1e39", 1e39},      // beyond single precision: a float field reads infinity
        {"1e-310", 1e-310},  // subnormal doubles still read
        {"10e99999999999999999999", inf},
        {"1e99999999999999999999", inf},
        {"-10e99999999999999999999", -inf},
        {"2147820739E218243216073921824324", inf},
        {"9e+9223372036854775807", inf},
        {"0.05e-9223372036854775808", 0.0},
        {"0.1e-99999999999999999999999999", 0.0},
        {"0e99999999999999999999", 0.0},
        {"00000000001e308", 1e308},
        {"0.00001e313", 1e308},
        {"1e-99999999999999999999", std::nullopt},  // a zero not written with 0
        {"-5e-9223372036854775809", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto value = ParseDouble(c.text);
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(value.value_or(0), std::strtod(c.text, nullptr)) << c.text;
        if (value) {
            EXPECT_EQ(ParseFloat(c.text), static_cast<float>(*value)) << c.text;
        }
    }
}

TEST(NumberParsing, EveryShownNumberReadsBack) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (float v : {1234567.f, 0.1f, 1e-5f, 6.66655f, -3.5e-20f, 3.4e38f, float(inf), float(-inf),
                    std::nanf("")}) {
        const auto back = ParseFloat(FormatFloat(v));
        ASSERT_TRUE(back.has_value()) << FormatFloat(v);
        EXPECT_EQ(FormatFloat(*back), FormatFloat(v));
    }
    for (double v : {1.0 / 3, 2.0 / 3, 1e-300, -12345.678901234567, inf, -inf, std::nan("")}) {
        const auto back = ParseDouble(FormatDouble(v));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(FormatDouble(*back), FormatDouble(v));
    }
}

TEST(WholeNumbers, ParseAndRange) {
    EXPECT_EQ(ParseInt(" 42 "), 42);
    EXPECT_EQ(ParseInt("-7"), -7);
    EXPECT_EQ(ParseInt("000"), 0);
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999", "-0", "+0", "",
                            "1.5", "1e3", "12abc", "-", "+"})
        EXPECT_FALSE(ParseInt(bad).has_value()) << bad;
}

TEST(WholeNumbers, ClampingNeverUndefined) {
    EXPECT_EQ(ClampToInt(3.99), 3);
    EXPECT_EQ(ClampToInt(-3.99), -3);
    EXPECT_EQ(ClampToInt(-1e20), -2147483647 - 1);
    EXPECT_EQ(ClampToInt(std::numeric_limits<double>::infinity()), 2147483647);
}

TEST(NumberText, DecimalCommaLocaleChangesNothing) {
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!set)
        set = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    if (!set)
        set = std::setlocale(LC_ALL, "German");  // the name on Windows
    if (!set)
        GTEST_SKIP() << "no decimal-comma locale installed";
    EXPECT_EQ(FormatFloat(0.1f), "0.1");
    EXPECT_EQ(FormatDouble(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(FormatFloat(1234567.f), "1.23457e+006");
    EXPECT_EQ(ParseDouble("-2.5"), -2.5);
    EXPECT_FALSE(ParseDouble("2,5").has_value());
    std::setlocale(LC_ALL, "C");
}

}  // namespace
