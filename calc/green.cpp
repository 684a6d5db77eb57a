// SPDX-License-Identifier: MIT
#include "calc/green.h"

#include <cmath>

double GreenSpreadTerm(const GreenInput& in) {
    return 10.0 * std::log10(in.wallArea / std::pow(double{in.distance}, 2));
}

double GreenRequiredSpreadTerm(const GreenInput& in) {
    return ((double{in.level} + in.wallTL) + 11.0) - in.lp1;
}

float ComputeGreenLevel(const GreenInput& in) {
    if (in.distance == 0)
        return 0;
    return static_cast<float>(GreenSpreadTerm(in) + ((double{in.lp1} - in.wallTL) - 11.0));
}

float ComputeGreenDistance(const GreenInput& in) {
    // The exponent uses the float 0.1f, as the level line's energies do.
    const double x = GreenRequiredSpreadTerm(in) * static_cast<double>(0.1f);
    return static_cast<float>(std::pow(in.wallArea / std::pow(10.0, x), 0.5));
}

Lp1Result ComputeLp1(const Lp1Input& in) {
    const double a = in.absorption;
    const double roomConstant = (double{in.roomArea} * a) / (static_cast<double>(1.0f) - a);
    // 12.56636 stands for 4 pi with exactly these digits.
    const double direct = in.directivity / (12.56636 * std::pow(double{in.distance}, 2));
    const double level = 10.0 * std::log10(direct + 4.0 / roomConstant) + in.soundPower;
    return {roomConstant, static_cast<float>(level)};
}
