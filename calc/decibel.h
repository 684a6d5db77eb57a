// SPDX-License-Identifier: MIT
#pragma once
// Decibel arithmetic: sound levels combine through their energies.
//
// A level L (dB) has the dimensionless energy E = 10^(0.1 L). Two levels add
// as the level of the sum of their energies, and a level is taken away from
// another (a background from a measured total) by subtracting its energy.

#include <optional>

// 10^(0.1 L), double throughout.
double LevelToEnergy(double level);
// 10 lg E; 0 gives -inf, a negative energy NaN.
double EnergyToLevel(double energy);
// Energy sum of two levels; commutative.
double DecibelSum(double level1, double level2);
// Energy of level1 less the energy of level2; equal levels give -inf, a
// larger level2 gives NaN (the decibel calculator shows them as they come).
double DecibelDifference(double level1, double level2);

// The background lines of the two workshop-noise pages work on
// single-precision fields with the single-precision factor 0.1f, whose error
// (1.5e-9) shows in the sixth digit of some totals; the result is stored in a
// single-precision field.

// Total of a predicted level and a background level.
float PageDecibelSum(float background, float level);
// The level that, with the background, gives the total; nullopt when the
// total's energy does not exceed the background's (the page then keeps its
// level unchanged).
std::optional<float> PageDecibelDifference(float total, float background);
