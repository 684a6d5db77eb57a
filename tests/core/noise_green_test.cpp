// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "calc/noise.h"
#include "text/number_text.h"

using vek::text::FormatDouble;
using vek::text::FormatFloat;
using vek::text::ParseFloat;

namespace {

GreenInput Wall(float lp1, float tl, float area) {
    GreenInput in;
    in.lp1 = lp1;
    in.wallTL = tl;
    in.wallArea = area;
    return in;
}

struct GreenCase {
    const char* name;
    GreenInput in;
    float distance;
    const char* shown;
};

// Lp3 = 10 lg(F / l^2) + ((Lp1 - TL) - 11)
const GreenCase kLevel[] = {
    {"wall_80_25_20_at_10_m", Wall(80, 25, 20), 10, "37.0103"},
    {"zero_distance_gives_exactly_zero", Wall(80, 25, 20), 0, "0"},
    {"zero_distance_ignores_bad_area", Wall(80, 25, -5), 0, "0"},
    {"zero_area_gives_minus_inf", Wall(80, 25, 0), 10, "-inf"},
    {"negative_area_gives_nan", Wall(80, 25, -1), 10, "nan"},
};

TEST(GreenFormula, Level) {
    for (auto c : kLevel) {
        c.in.distance = c.distance;
        EXPECT_EQ(FormatFloat(ComputeGreenLevel(c.in)), c.shown) << c.name;
    }
}

// l = (F / 10^(0.1f ((Lp3 + TL) + 11 - Lp1)))^0.5
const GreenCase kDistance[] = {
    {"limit_37_0103_back_to_10_m", Wall(80, 25, 20), *ParseFloat("37.0103"), "10"},
    // The float factor 0.1f shows in the sixth digit here (0.1 gives 670.679).
    {"float_factor_shows", Wall(80, 25, 20), 0.48f, "670.68"},
    {"negative_area_gives_nan", Wall(80, 25, -1), 40, "nan"},
    {"zero_area_gives_zero", Wall(80, 25, 0), 40, "0"},
};

TEST(GreenFormula, Distance) {
    for (auto c : kDistance) {
        c.in.level = c.distance;
        EXPECT_EQ(FormatFloat(ComputeGreenDistance(c.in)), c.shown) << c.name;
    }
}

TEST(GreenFormula, LevelAndDistanceRoundTrip) {
    std::mt19937 random;  // fixed default state: the same walls on every run
    std::uniform_real_distribution<float> lp1(40, 120), tl(0, 50), area(1, 1000), l(0.5f, 2000);
    for (int i = 0; i < 2000; ++i) {
        GreenInput in = Wall(lp1(random), tl(random), area(random));
        in.distance = l(random);
        in.level = ComputeGreenLevel(in);
        EXPECT_NEAR(ComputeGreenDistance(in) / in.distance, 1.0, 1e-5) << i;
    }
}

struct Lp1Case {
    const char* name;
    Lp1Input in;
    const char* roomConstant;  // 15 digits
    const char* lp1;
};

Lp1Input Room(float absorption, float roomArea = 300, float distance = 2) {
    Lp1Input in;
    in.absorption = absorption;
    in.roomArea = roomArea;
    in.distance = distance;
    return in;
}

// Lp1 = 10 lg(Q / (12.56636 r^2) + 4 / R) + Lw, R = S a / (1 - a)
const Lp1Case kLp1[] = {
    // 0.01 is held in single precision, which shows in R.
    {"start_up_values", Lp1Input{}, "3.03030296188631", "91.2707"},
    {"half_absorbing_walls", Room(0.5f), "300", "75.215"},
    {"fully_absorbing_walls_only_direct_sound", Room(1), "inf", "72.9873"},
    {"no_absorption_is_infinite", Room(0), "0", "inf"},
    {"no_surface_is_infinite", Room(0.01f, 0), "0", "inf"},
    {"at_the_source_is_infinite", Room(0.01f, 300, 0), "3.03030296188631", "inf"},
};

TEST(Lp1Formula, EveryCase) {
    for (const auto& c : kLp1) {
        const Lp1Result r = ComputeLp1(c.in);
        EXPECT_EQ(FormatDouble(r.roomConstant), c.roomConstant) << c.name;
        EXPECT_EQ(FormatFloat(r.lp1), c.lp1) << c.name;
    }
}

}  // namespace
