// SPDX-License-Identifier: MIT
#pragma once
// The four air-quality pages: their fields and their calculators.

#include <optional>

#include "calc/air.h"
#include "calc/calculator.h"

// ---------------------------------------------------------------------------
// Flue gas (dialog 130)

// The page's inputs: the figures and the index chosen in the fuel list.
struct FlueGasPageInput : FlueGasInput {
    int fuel = static_cast<int>(FuelKind::Oil);
};

FieldTable FlueGasFieldTable();
// Choosing a fuel fills its sulphur content and the two standards.
void ChooseFuel(FlueGasPageInput& in, int index);
// A negative yearly consumption stops with a box, the focus on 1028; with
// no fuel chosen nothing is computed.
Answer<FlueGasFields> RunFlueGas(const FlueGasPageInput& in);
const CalculatorDef<FlueGasPageInput, FlueGasFields>& FlueGasCalculator();

// ---------------------------------------------------------------------------
// Sanitary protection distance (dialog 131), both directions

// The page's inputs with the pollutant chosen in its list.
struct ProtectionPageInput : ProtectionDistanceInput {
    int pollutant = 0;
};

// Each direction's result with the coefficients of its last lookup (none
// when no line of the table applies), which its record shows.
struct ProtectionDistanceResult {
    double distance = 0;  // L (m)
    int graded = 0;       // raised to the standard's steps (m)
    std::optional<ProtectionCoefficients> coefficients = std::nullopt;
};

struct FugitiveEmissionResult {
    double emission = 0;  // Qc (kg/h)
    std::optional<ProtectionCoefficients> coefficients = std::nullopt;
};

FieldTable ProtectionFieldTable();
// Choosing a pollutant fills its standard concentration limit.
void ChoosePollutant(ProtectionPageInput& in, int index);
Answer<ProtectionDistanceResult> RunProtectionDistance(const ProtectionPageInput& in);
Answer<FugitiveEmissionResult> RunFugitiveEmission(const ProtectionPageInput& in);
const CalculatorDef<ProtectionPageInput, ProtectionDistanceResult>& ProtectionDistanceCalculator();
const CalculatorDef<ProtectionPageInput, FugitiveEmissionResult>& FugitiveEmissionCalculator();

// ---------------------------------------------------------------------------
// Solvent evaporation (dialog 151)

struct SolventEvaporationResult {
    double evaporation = 0;  // G (g/h)
};

FieldTable SolventFieldTable();
Answer<SolventEvaporationResult> RunSolventEvaporation(const SolventEvaporationInput& in);
const CalculatorDef<SolventEvaporationInput, SolventEvaporationResult>& SolventCalculator();

// ---------------------------------------------------------------------------
// Odorous-gas emission (dialog 152)

struct OdourEmissionResult {
    double emissionRate = 0;  // E (cm³/s)
};

FieldTable OdourFieldTable();
// A radicand that is not positive raises a box; the rate then shows 0.
Answer<OdourEmissionResult> RunOdourEmission(const OdourEmissionInput& in);
const CalculatorDef<OdourEmissionInput, OdourEmissionResult>& OdourCalculator();
