// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/noise.h"
#include "text/number_text.h"

using vek::text::FormatFloat;

namespace {

PathDifferenceInput With(float PathDifferenceInput::*field, float value) {
    PathDifferenceInput in;
    in.*field = value;
    return in;
}

// Barrier height H between a source at h1 and a receiver at h2, each d from
// the barrier, with the window's start-up length and offsets.
PathDifferenceInput Sight(float H, float h1, float h2, float d) {
    PathDifferenceInput in;
    in.barrierHeight = H;
    in.sourceHeight = h1;
    in.receiverHeight = h2;
    in.sourceDist = in.receiverDist = d;
    return in;
}

// S-P and the three detours as shown; S-P is blank when the sound arrives directly.
std::string Shown(const PathDifferences& r) {
    return (r.paths ? FormatFloat(r.paths->direct) : "") + " " + FormatFloat(r.delta1) + " " +
           FormatFloat(r.delta2) + " " + FormatFloat(r.delta3);
}

TEST(PathDifference, EveryCase) {
    PathDifferenceInput sameSide;
    sameSide.sameSide = true;
    const struct {
        const char* name;
        PathDifferenceInput in;
        bool direct;
        const char* shown;
    } cases[] = {
        {"start_up_different_sides", {}, false, "8.30662 0.626107 1.20357 1.57581"},
        {"start_up_same_side", sameSide, false, "8.06226 0.642313 2.69794 0.570178"},
        {"barrier_as_high_as_source", With(&PathDifferenceInput::barrierHeight, 2), true, " 0 0 0"},
        {"source_at_barrier_end", With(&PathDifferenceInput::sourceOffset, 2.5f), true, " 0 0 0"},
        {"receiver_at_barrier_end", With(&PathDifferenceInput::receiverOffset, 2.5f), true,
         " 0 0 0"},
        {"receiver_above_barrier_still_computed", With(&PathDifferenceInput::receiverHeight, 5),
         false, "8.77496 0.157766 1.14758 1.51678"},
        // The barrier is tested against the sight line where it crosses the
        // barrier, h1 + (h2 - h1) d1 / (d1 + d2). A 3 m wall halfway between a
        // source at 3 m and a receiver at 1.2 m 80 m away (sight line 2.1 m)
        // blocks, and 1 cm more wall changes little.
        {"wall_as_high_as_source_blocks_falling_line", Sight(3, 3, 1.2f, 40), false,
         "80.0452 0.0202255 0.155914 0.155914"},
        {"wall_above_source_blocks_falling_line", Sight(3.01f, 3, 1.2f, 40), false,
         "80.0452 0.0206833 0.155914 0.155914"},
        // A 2 m barrier halfway between a source at 1 m and a receiver at
        // 10 m (sight line 5.5 m) gives no attenuation.
        {"barrier_below_rising_line", Sight(2, 1, 10, 5), true, " 0 0 0"},
        // The line just meets the barrier's top.
        {"barrier_top_on_sight_line", Sight(6, 2, 10, 4), true, " 0 0 0"},
        {"barrier_top_above_sight_line", Sight(6.5f, 2, 10, 4), false,
         "11.4891 0.0224795 1.01529 1.01529"},
        // Source and receiver at one height: direct up to the barrier's top.
        {"level_line_at_barrier_top", Sight(4, 4, 4, 4), true, " 0 0 0"},
    };
    for (const auto& c : cases) {
        const PathDifferences r = ComputePathDifferences(c.in);
        EXPECT_EQ(r.direct, c.direct) << c.name;
        EXPECT_EQ(Shown(r), c.shown) << c.name;
    }
}

// The same detours measured in space: source S and receiver P on either side
// of the wall y = 0 that runs from x = -L/2 (near end) to x = +L/2 (far end).
// Over the top the detour crosses where S-P crosses in plan, at height H; round
// an end it crosses at the height S-P has at the wall.
struct Point {
    double x, y, z;
};

double Distance(Point a, Point b) {
    return std::pow(std::pow(a.x - b.x, 2) + std::pow(a.y - b.y, 2) + std::pow(a.z - b.z, 2), 0.5);
}

double Detour(Point s, Point via, Point p) {
    return Distance(s, via) + Distance(via, p);
}

TEST(PathDifference, AgreesWithGeometryInSpace) {
    std::mt19937 random;  // fixed default state: the same barriers on every run
    std::uniform_real_distribution<float> height(0, 5), rise(0.1f, 10), across(0.5f, 50),
        length(1, 100), along(0, 0.99f), toss(0, 1);
    for (int i = 0; i < 2000; ++i) {
        PathDifferenceInput in;
        in.sourceHeight = height(random);
        in.receiverHeight = 2 * height(random);
        in.sourceDist = across(random);
        in.receiverDist = across(random);
        in.barrierLength = length(random);
        // A barrier that rises above the sight line S-P where it crosses.
        const double sight = in.sourceHeight + (in.receiverHeight - in.sourceHeight) *
                                                   in.sourceDist /
                                                   (double{in.sourceDist} + in.receiverDist);
        in.barrierHeight = static_cast<float>(sight) + rise(random);
        in.sourceOffset = along(random) * in.barrierLength / 2;
        in.receiverOffset = along(random) * in.barrierLength / 2;
        in.sameSide = toss(random) < 0.5f;

        const Point s{in.sameSide ? -in.sourceOffset : in.sourceOffset, -in.sourceDist,
                      in.sourceHeight};
        const Point p{-in.receiverOffset, in.receiverDist, in.receiverHeight};
        const double t = in.sourceDist / (double{in.sourceDist} + in.receiverDist);
        const double zWall = s.z + (p.z - s.z) * t, end = in.barrierLength / 2.0;
        const double direct = Distance(s, p);

        const PathDifferences r = ComputePathDifferences(in);
        ASSERT_TRUE(r.paths.has_value()) << i;
        EXPECT_NEAR(r.paths->direct, direct, 1e-4) << i;
        const Point top{s.x + (p.x - s.x) * t, 0, in.barrierHeight};
        EXPECT_NEAR(r.delta1, Detour(s, top, p) - direct, 1e-4) << i;
        EXPECT_NEAR(r.delta2, Detour(s, {end, 0, zWall}, p) - direct, 1e-4) << i;
        EXPECT_NEAR(r.delta3, Detour(s, {-end, 0, zWall}, p) - direct, 1e-4) << i;
    }
}

}  // namespace
