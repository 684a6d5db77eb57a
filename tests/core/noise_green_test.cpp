// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc/noise.h"
#include "text/number_text.h"

using vek::text::FormatDouble;
using vek::text::FormatFloat;
using vek::text::ParseFloat;

namespace {

// Lp1 80 dB inside a wall of TL 25 dB; distance is the input of the level and
// the limit that of the distance.
GreenInput Wall(float area, float distance, float limit = 0, float lp1 = 80, float tl = 25) {
    return {lp1, tl, area, distance, limit};
}

struct GreenCase {
    const char* name;
    GreenInput in;
    const char* shown;
};

// Lp3 = 10 lg(F / l^2) + ((Lp1 - TL) - 11)
const GreenCase kLevel[] = {
    {"wall_80_25_20_at_10_m", Wall(20, 10), "37.0103"},
    {"zero_distance_gives_exactly_zero_whatever_the_area", Wall(-5, 0), "0"},
    {"zero_area_gives_minus_inf", Wall(0, 10), "-inf"},
    {"negative_area_gives_nan", Wall(-1, 10), "nan"},
};

// l = (F / 10^(0.1f ((Lp3 + TL) + 11 - Lp1)))^0.5
const GreenCase kDistance[] = {
    {"limit_37_0103_back_to_10_m", Wall(20, 0, *ParseFloat("37.0103")), "10"},
    // The float factor 0.1f shows in the sixth digit here (0.1 gives 670.679).
    {"float_factor_shows", Wall(20, 0, 0.48f), "670.68"},
    {"negative_area_gives_nan", Wall(-1, 0, 40), "nan"},
    {"zero_area_gives_zero", Wall(0, 0, 40), "0"},
};

TEST(GreenFormula, LevelAndDistance) {
    for (const auto& c : kLevel) EXPECT_EQ(FormatFloat(ComputeGreenLevel(c.in)), c.shown) << c.name;
    for (const auto& c : kDistance)
        EXPECT_EQ(FormatFloat(ComputeGreenDistance(c.in)), c.shown) << c.name;
}

// Lp1 = 10 lg(Q / (12.56636 r^2) + 4 / R) + Lw, R = S a / (1 - a)
TEST(Lp1Formula, EveryCase) {
    const struct {
        const char* name;
        Lp1Input in;
        const char* roomConstant;  // 15 digits
        const char* lp1;
    } cases[] = {
        // 0.01 is held in single precision, which shows in R.
        {"start_up_values", {}, "3.03030296188631", "91.2707"},
        {"half_absorbing_walls", {90, 1, 300, 0.5f, 2}, "300", "75.215"},
        {"fully_absorbing_walls_only_direct_sound", {90, 1, 300, 1, 2}, "inf", "72.9873"},
        {"no_absorption_is_infinite", {90, 1, 300, 0, 2}, "0", "inf"},
        {"no_surface_is_infinite", {90, 1, 0, 0.01f, 2}, "0", "inf"},
        {"at_the_source_is_infinite", {90, 1, 300, 0.01f, 0}, "3.03030296188631", "inf"},
    };
    for (const auto& c : cases) {
        const Lp1Result r = ComputeLp1(c.in);
        EXPECT_EQ(FormatDouble(r.roomConstant) + " " + FormatFloat(r.lp1),
                  std::string(c.roomConstant) + " " + c.lp1)
            << c.name;
    }
}

}  // namespace
