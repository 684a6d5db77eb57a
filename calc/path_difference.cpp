// SPDX-License-Identifier: MIT
#include "calc/path_difference.h"

#include <cmath>

namespace {

double Square(double x) {
    return std::pow(x, 2);
}
double Root(double x) {
    return std::pow(x, 0.5);
}

// Length of a segment from a point to the wall's edge or top, summed in the
// order the window sums it: one offset along or up the wall, the squared
// distance across to the wall (a plain product kept in single precision),
// then the other offset.
float Segment(double offset1, float acrossSquared, double offset2) {
    return static_cast<float>(Root(Square(offset1) + acrossSquared + Square(offset2)));
}

}  // namespace

PathDifferences ComputePathDifferences(const PathDifferenceInput& in) {
    const double d1 = in.sourceDist, d2 = in.receiverDist;
    const double h1 = in.sourceHeight, h2 = in.receiverHeight, H = in.barrierHeight;
    const double m1 = in.sourceOffset, m2 = in.receiverOffset;
    const double half = static_cast<float>(double{in.barrierLength} * 0.5);

    // Sound arrives directly when the barrier's top is not above the sight
    // line S-P where it crosses the barrier (a wall lower than the source
    // still blocks a line that falls towards a low receiver; one higher than
    // the source may still pass below a line that rises towards a high one),
    // or when the source or the receiver lies beyond an end of the barrier.
    // Source and receiver at one height keep the plain comparison, so that
    // no division by d1 + d2 enters it.
    const double sightLine = h2 == h1 ? h1 : h1 + (h2 - h1) * d1 / (d1 + d2);
    PathDifferences result;
    if (H <= sightLine || m1 >= half || m2 >= half) {
        result.direct = true;
        return result;
    }

    const double across = d1 + d2;  // D
    // Slopes of the straight line S-P, stored in single precision: lateral
    // (k for different sides, j for the same side) and vertical (g).
    const double k = static_cast<float>((m2 + m1) / across);
    const double dh = static_cast<float>(h2 - h1);
    const double g = static_cast<float>(dh / across);
    const double j = static_cast<float>((m2 - m1) / across);
    const double s = in.sameSide ? j : k;

    PathLengths p;
    p.direct = static_cast<float>(
        Root(Square(Root(Square(d1) + Square(s * d1)) + Root(Square(d2) + Square(s * d2))) +
             Square(dh)));

    const float d1sq = static_cast<float>(d1 * d1);
    const float d2sq = static_cast<float>(d2 * d2);
    const double farLateral = in.sameSide ? half + m1 : half - m1;
    const double nearLateral = in.sameSide ? half - m1 : half + m1;
    p.sourceFar = Segment(farLateral, d1sq, g * d1);
    p.farReceiver = Segment(half + m2, d2sq, g * d2);
    p.sourceNear = Segment(nearLateral, d1sq, g * d1);
    p.nearReceiver = Segment(half - m2, d2sq, g * d2);
    p.sourceTop = Segment(H - h1, d1sq, s * d1);
    p.topReceiver = Segment(H - h2, d2sq, s * d2);

    const double direct = p.direct;
    result.delta1 = static_cast<float>((double{p.topReceiver} + p.sourceTop) - direct);
    result.delta2 = static_cast<float>((double{p.farReceiver} + p.sourceFar) - direct);
    result.delta3 = static_cast<float>((double{p.nearReceiver} + p.sourceNear) - direct);
    result.paths = p;
    return result;
}
