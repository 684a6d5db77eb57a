// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/noise.h"
#include "text/number_text.h"

using vek::text::FormatFloat;

namespace {

struct PathCase {
    const char* name;
    PathDifferenceInput in;
    const char* direct;  // S-P; nullptr when the sound arrives directly
    const char* delta1;
    const char* delta2;
    const char* delta3;
};

PathDifferenceInput SameSide() {
    PathDifferenceInput in;
    in.sameSide = true;
    return in;
}

PathDifferenceInput With(float PathDifferenceInput::*field, float value) {
    PathDifferenceInput in;
    in.*field = value;
    return in;
}

const PathCase kCases[] = {
    {"start_up_different_sides", PathDifferenceInput{}, "8.30662", "0.626107", "1.20357",
     "1.57581"},
    {"start_up_same_side", SameSide(), "8.06226", "0.642313", "2.69794", "0.570178"},
    {"barrier_as_high_as_source_is_direct", With(&PathDifferenceInput::barrierHeight, 2), nullptr,
     "0", "0", "0"},
    {"barrier_below_source_is_direct", With(&PathDifferenceInput::barrierHeight, 1), nullptr, "0",
     "0", "0"},
    {"source_at_barrier_end_is_direct", With(&PathDifferenceInput::sourceOffset, 2.5f), nullptr,
     "0", "0", "0"},
    {"receiver_at_barrier_end_is_direct", With(&PathDifferenceInput::receiverOffset, 2.5f), nullptr,
     "0", "0", "0"},
    {"receiver_above_barrier_still_computed", With(&PathDifferenceInput::receiverHeight, 5),
     "8.77496", "0.157766", "1.14758", "1.51678"},
};

TEST(PathDifference, EveryCase) {
    for (const auto& c : kCases) {
        const PathDifferences r = ComputePathDifferences(c.in);
        EXPECT_EQ(r.direct, c.direct == nullptr) << c.name;
        EXPECT_EQ(r.paths.has_value(), c.direct != nullptr) << c.name;
        if (r.paths) {
            EXPECT_EQ(FormatFloat(r.paths->direct), c.direct) << c.name;
        }
        EXPECT_EQ(FormatFloat(r.delta1), c.delta1) << c.name;
        EXPECT_EQ(FormatFloat(r.delta2), c.delta2) << c.name;
        EXPECT_EQ(FormatFloat(r.delta3), c.delta3) << c.name;
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

TEST(PathDifference, AgreesWithGeometryInSpace) {
    std::mt19937 random;  // fixed default state: the same barriers on every run
    std::uniform_real_distribution<float> height(0, 5), rise(0.1f, 10), across(0.5f, 50),
        length(1, 100), along(0, 0.99f), toss(0, 1);
    for (int i = 0; i < 2000; ++i) {
        PathDifferenceInput in;
        in.sourceHeight = height(random);
        in.barrierHeight = in.sourceHeight + rise(random);
        in.receiverHeight = 2 * height(random);
        in.sourceDist = across(random);
        in.receiverDist = across(random);
        in.barrierLength = length(random);
        in.sourceOffset = along(random) * in.barrierLength / 2;
        in.receiverOffset = along(random) * in.barrierLength / 2;
        in.sameSide = toss(random) < 0.5f;

        const Point s{in.sameSide ? -in.sourceOffset : in.sourceOffset, -in.sourceDist,
                      in.sourceHeight};
        const Point p{-in.receiverOffset, in.receiverDist, in.receiverHeight};
        const double t = in.sourceDist / (double{in.sourceDist} + in.receiverDist);
        const Point top{s.x + (p.x - s.x) * t, 0, in.barrierHeight};
        const double zWall = s.z + (p.z - s.z) * t;
        const Point farEnd{in.barrierLength / 2.0, 0, zWall};
        const Point nearEnd{-in.barrierLength / 2.0, 0, zWall};
        const double direct = Distance(s, p);

        const PathDifferences r = ComputePathDifferences(in);
        ASSERT_TRUE(r.paths.has_value()) << i;
        EXPECT_NEAR(r.paths->direct, direct, 1e-4) << i;
        EXPECT_NEAR(r.delta1, Distance(s, top) + Distance(top, p) - direct, 1e-4) << i;
        EXPECT_NEAR(r.delta2, Distance(s, farEnd) + Distance(farEnd, p) - direct, 1e-4) << i;
        EXPECT_NEAR(r.delta3, Distance(s, nearEnd) + Distance(nearEnd, p) - direct, 1e-4) << i;
    }
}

}  // namespace
