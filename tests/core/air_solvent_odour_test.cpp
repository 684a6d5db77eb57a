// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "calc/air.h"
#include "text/number_text.h"

using vek::text::FormatDouble;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SolventCase {
    const char* name;
    SolventEvaporationInput in;
    const char* shown;
};

const SolventCase kSolvent[] = {
    {"start_up_values", {}, "38915.7312969409"},
    {"round_figures", {1, 1, 100, 10}, "948"},
    {"still_air_keeps_the_constant_term", {0, 1, 100, 10}, "538"},
    {"no_molecular_weight_gives_zero", {0.5, 15, 0, 28.7996}, "0"},
    {"negative_molecular_weight", {0.5, 15, -147, 28.7996}, "nan"},
};

TEST(SolventEvaporation, AsShown) {
    for (const auto& c : kSolvent)
        EXPECT_EQ(FormatDouble(ComputeSolventEvaporation(c.in)), c.shown) << c.name;
}

struct OdourCase {
    const char* name;
    OdourEmissionInput in;
    const char* shown;  // "invalid": the page's message and 0
};

// {u, D, W, L, m, M, C, F}
const OdourCase kOdour[] = {
    {"worked_example", {1, 0.1, 100, 100, 1, 100, 0.1, 1}, "0.356824973929167"},
    {"fresh_page_all_zero", {}, "invalid"},
    {"negative_correction", {1, 0.1, 100, 100, 1, 100, 0.1, -1}, "invalid"},
    {"nan_wind_speed", {kNaN, 0.1, 100, 100, 1, 100, 0.1, 1}, "invalid"},
    {"no_width_is_zero_without_message", {1, 0.1, 0, 100, 1, 100, 0.1, 1}, "0"},
    {"zero_correction_is_infinite", {1, 0.1, 100, 100, 1, 100, 0.1, 0}, "inf"},
};

TEST(OdourEmission, AsShown) {
    for (const auto& c : kOdour) {
        const auto E = ComputeOdourEmission(c.in);
        EXPECT_EQ(E ? FormatDouble(*E) : "invalid", c.shown) << c.name;
    }
}

}  // namespace
