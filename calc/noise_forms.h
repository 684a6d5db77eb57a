// SPDX-License-Identifier: MIT
#pragma once
// The noise pages and tool windows: their fields and their calculators.

#include <optional>
#include <span>
#include <string>

#include "calc/calculator.h"
#include "calc/noise.h"

// ---------------------------------------------------------------------------
// Decibel calculator (dialog 145): "a + b =" and "a - b =" on its display.

// The keypad's operands are typed into its one display; they have no field
// of their own. "=" without a second operand takes the first again.
struct DecibelOperands {
    double level1 = 0;
    std::optional<double> level2;
};

struct DecibelDisplay {
    double result = 0;  // dB
};

// The display (1066) and the two operands, described as adding or taking
// away the second level.
FieldTable DecibelSumFieldTable();
FieldTable DecibelDifferenceFieldTable();
Answer<DecibelDisplay> RunDecibelSum(const DecibelOperands& in);
Answer<DecibelDisplay> RunDecibelDifference(const DecibelOperands& in);
const CalculatorDef<DecibelOperands, DecibelDisplay>& DecibelSumCalculator();
const CalculatorDef<DecibelOperands, DecibelDisplay>& DecibelDifferenceCalculator();

// One key operation of a chain on the calculator: a level summed with, or
// taken away from, what came before.
struct DecibelStep {
    bool subtract = false;
    double level = 0;
};

// The record of a chain of operations on the calculator: the first level,
// each further level with its operation, and the result on the display. A
// chain of two levels gives the record of db-sum or db-diff.
CalcRecord DecibelChainRecord(double first, std::span<const DecibelStep> steps, double result);

// ---------------------------------------------------------------------------
// Indoor-source noise, Green formula (dialog 133), and its Lp1 window (147)

struct GreenLevelResult {
    float level = 0;  // dB, Lp3
};
struct GreenDistanceResult {
    float distance = 0;  // m, l
};

FieldTable IndoorNoiseFieldTable();
Answer<GreenLevelResult> RunGreenLevel(const GreenInput& in);
Answer<GreenDistanceResult> RunGreenDistance(const GreenInput& in);
const CalculatorDef<GreenInput, GreenLevelResult>& GreenLevelCalculator();
const CalculatorDef<GreenInput, GreenDistanceResult>& GreenDistanceCalculator();

FieldTable Lp1FieldTable();
Answer<Lp1Result> RunLp1(const Lp1Input& in);
const CalculatorDef<Lp1Input, Lp1Result>& Lp1Calculator();

// ---------------------------------------------------------------------------
// Workshop noise, Stueber formula (dialog 148)

FieldTable WorkshopNoiseFieldTable();
Answer<StueberResult> RunStueberLevel(const StueberInput& in);
Answer<StueberResult> RunStueberDistance(const StueberInput& in);
const CalculatorDef<StueberInput, StueberResult>& StueberLevelCalculator();
const CalculatorDef<StueberInput, StueberResult>& StueberDistanceCalculator();

// ---------------------------------------------------------------------------
// The live total line of both noise pages: a background level added to the
// level (`levelSymbol`, Lp3 or Lp) as the user types, and the total.

// A record with the line: the background as an input, the total as a result.
CalcRecord WithTotalLine(CalcRecord record, const char* levelSymbol, float background, float total);

// ---------------------------------------------------------------------------
// Barrier path differences (dialog 149)

FieldTable PathDifferenceFieldTable();
// Sound that arrives directly raises a box; the differences then show 0.
Answer<PathDifferences> RunPathDifferences(const PathDifferenceInput& in);
const CalculatorDef<PathDifferenceInput, PathDifferences>& PathDifferenceCalculator();

// ---------------------------------------------------------------------------
// Leq and Ldn (dialog 150)

// What the Leq computation writes: both lists rewritten, and the result line.
struct LeqShown {
    std::string levels;
    std::string intervals;
    std::string line;
};
struct LdnShown {
    std::string line;
};

FieldTable NoiseIndexFieldTable();
Answer<LeqShown> RunLeq(const LeqInput& in);
Answer<LdnShown> RunLdn(const LdnInput& in);
const CalculatorDef<LeqInput, LeqShown>& LeqCalculator();
const CalculatorDef<LdnInput, LdnShown>& LdnCalculator();
