// SPDX-License-Identifier: MIT
// Evaporation of an exposed organic solvent (Mazak formula).
#include <cmath>

#include "calc/air.h"

double ComputeSolventEvaporation(double u, double F, double M, double Pv) {
    const double rootOfMolWeight = std::pow(M, 0.5);  // NaN for a negative M
    const double speedTerm = u * 4.1 + 5.38;
    return rootOfMolWeight * speedTerm * Pv * F;
}
