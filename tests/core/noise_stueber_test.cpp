// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/noise.h"
#include "text/number_text.h"

using vek::text::FormatDouble;
using vek::text::FormatFloat;
using vek::text::ParseFloat;

namespace {

// The page's start-up workshop: LR 90, 10 m x 10 m, H 1, f 1000 Hz,
// delta 0.63 / 1.2 / 1.58, c 340.29, at r = 50 m.
TEST(StueberFormula, StartUpWorkshopAt50m) {
    const StueberResult r = ComputeStueberLevel({.distance = 50});
    const auto& b = r.barrier;
    EXPECT_EQ((std::vector<std::string>{FormatFloat(b.fresnel1), FormatFloat(b.fresnel2),
                                        FormatFloat(b.fresnel3), FormatFloat(b.barrier),
                                        FormatDouble(ComputeEnvelopeArea(1, 10, 10)),
                                        FormatFloat(r.divergence), FormatFloat(r.value)}),
              (std::vector<std::string>{"3.70272", "7.05281", "9.2862", "15.9828", "250.2",
                                        "41.9612", "56.0388"}));
}

TEST(StueberFormula, Level) {
    const struct {
        const char* name;
        StueberInput in;
        const char* level;
    } cases[] = {
        {"zero_distance_gives_LR_whatever_else", {.lr = 87.5f, .length = -1}, "87.5"},
        {"no_barrier_adds_back_its_attenuation",
         {.delta1 = 0, .delta2 = 0, .delta3 = 0, .distance = 50},
         "72.0217"},
        {"negative_floor_area_gives_nan", {.length = -10, .distance = 50}, "nan"},
        // The floor-and-roof term 2 L W is taken from the product as stored in
        // single precision (the exact product gives 69.6632).
        {"screened_workshop_at_80_m",
         {.lr = 85, .screenLR = 5, .sourceHeight = 3, .frequency = 500, .distance = 80},
         "46.0475"},
        {"floor_and_roof_from_stored_product",
         {.sourceHeight = 2.4f, .length = 219.8f, .width = 90, .distance = 137},
         "69.6631"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(ComputeStueberLevel(c.in).value), c.level) << c.name;
}

TEST(StueberFormula, Distance) {
    const struct {
        const char* name;
        float level;
        const char* distance;
    } cases[] = {
        // The level as computed and stored in single precision comes back to 50.
        {"stored_level_back_to_50", ComputeStueberLevel({.distance = 50}).value, "50"},
        // The six digits shown, typed back in, are 2e-6 dB off: 50.0002.
        {"displayed_level_56_0388_gives_50_0002", *ParseFloat("56.0388"), "50.0002"},
        // The float factor 0.1f shows in the sixth digit here (0.1 gives 29985.5).
        {"float_factor_shows", 0.48f, "29985.6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(ComputeStueberDistance({.level = c.level}).value), c.distance)
            << c.name;
    EXPECT_EQ(FormatFloat(ComputeStueberDistance({.level = 56.0388f}).divergence), "41.9612");
    // The screened workshop of the level's table reaches 40 dB at 160.496 m.
    EXPECT_EQ(
        FormatFloat(ComputeStueberDistance(
                        {.lr = 85, .screenLR = 5, .sourceHeight = 3, .frequency = 500, .level = 40})
                        .value),
        "160.496");
}

}  // namespace
