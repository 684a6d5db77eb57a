// SPDX-License-Identifier: MIT
#include "calc/decibel.h"

#include <cmath>

namespace {

// The page lines' energy: the factor is the float 0.1f widened to double.
double PageLevelToEnergy(float level) {
    return std::pow(10.0, static_cast<double>(0.1f) * static_cast<double>(level));
}

}  // namespace

double LevelToEnergy(double level) {
    return std::pow(10.0, 0.1 * level);
}

double EnergyToLevel(double energy) {
    return 10.0 * std::log10(energy);
}

double DecibelSum(double level1, double level2) {
    return EnergyToLevel(LevelToEnergy(level1) + LevelToEnergy(level2));
}

double DecibelDifference(double level1, double level2) {
    return EnergyToLevel(LevelToEnergy(level1) - LevelToEnergy(level2));
}

float PageDecibelSum(float background, float level) {
    return static_cast<float>(
        EnergyToLevel(PageLevelToEnergy(background) + PageLevelToEnergy(level)));
}

std::optional<float> PageDecibelDifference(float total, float background) {
    const double difference = PageLevelToEnergy(total) - PageLevelToEnergy(background);
    if (!(difference > 0))
        return std::nullopt;
    return static_cast<float>(EnergyToLevel(difference));
}
