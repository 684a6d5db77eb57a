// SPDX-License-Identifier: MIT
#pragma once
// Path differences of a point source and a receiver on opposite faces of a
// finite noise barrier: delta1 over the top edge, delta2 and delta3 around
// the end far from and near to the receiver, each the detour less the
// straight path S-P.
//
// Plan coordinates: the barrier is a wall of height H standing on flat
// ground from -L/2 to +L/2 along its length, measured from its perpendicular
// bisector. The source is d1 in front of it, the receiver d2 behind it; the
// receiver lies at -m2 along the wall, the source at +m1 (different sides of
// the bisector) or -m1 (same side). Heights are above the ground. All
// lengths in metres.

#include <optional>

// The path-difference window's inputs, with its start-up values.
struct PathDifferenceInput {
    float barrierHeight = 4;   // H
    float sourceHeight = 2;    // h1
    float receiverHeight = 3;  // h2
    float sourceDist = 3;      // d1, source to barrier
    float receiverDist = 5;    // d2, receiver to barrier
    float barrierLength = 5;   // L
    float sourceOffset = 1;    // m1, source from the bisector
    float receiverOffset = 1;  // m2, receiver from the bisector
    bool sameSide = false;     // source and receiver on the same side of the bisector
};

// The seven path lengths, as the window stores them in single precision.
struct PathLengths {
    float direct;        // S to P
    float sourceTop;     // S to O1 on the top edge
    float sourceFar;     // S to the end far from P
    float sourceNear;    // S to the end near P
    float topReceiver;   // O1 to P
    float farReceiver;   // far end to P
    float nearReceiver;  // near end to P
};

struct PathDifferences {
    // The barrier's top is not above the straight line S-P where that line
    // crosses the barrier, or the source or the receiver lies beyond the
    // barrier's half length: sound arrives directly, the three differences
    // are 0 and no path length is computed.
    bool direct = false;
    float delta1 = 0, delta2 = 0, delta3 = 0;
    std::optional<PathLengths> paths;
};

PathDifferences ComputePathDifferences(const PathDifferenceInput& in);
