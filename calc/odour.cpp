// SPDX-License-Identifier: MIT
// Emission rate of an odorous volatile compound from a heap or landfill of
// contaminated soil.
#include <cmath>

#include "calc/air.h"

namespace {

// The double nearest to 1 / 3.14159 (the page's π), not 1 / π.
constexpr double kInversePi = 0.31831015504887655;

}  // namespace

std::optional<double> ComputeOdourEmission(double u, double D, double W, double L, double m,
                                           double M, double C, double F) {
    const double radicand = u * L * D * kInversePi / F;
    if (!(radicand > 0))
        return std::nullopt;  // zero, negative or not a number
    const double massTerm = (W * m * C) * 2 / M;
    return std::pow(radicand, 0.5) * massTerm;
}
