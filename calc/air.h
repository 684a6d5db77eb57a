// SPDX-License-Identifier: MIT
#pragma once
// The air-quality formulas: flue gas of burnt oil or coal, the sanitary
// protection distance of a fugitive source (and its reverse, the admissible
// fugitive emission), the evaporation of an exposed organic solvent, and the
// emission rate of an odorous compound from contaminated soil.
//
// Plain functions of their inputs, free of any user interface. They compute in
// double precision; a value passes through single precision only where the
// page stores it in a single-precision field and uses it again, and the few
// single-precision constants are written as float literals (0.02f), because
// their digits show in the results users copy into reports.

#include <optional>
#include <span>

// ---------------------------------------------------------------------------
// Fuel-combustion flue gas

// The values are the indices of the fuel list ("油", "煤").
enum class FuelKind { Oil = 0, Coal = 1 };

// The fuel for a list index; nullopt for any other index (no item selected).
std::optional<FuelKind> FuelKindFromIndex(int index);

// All single precision, as the page's fields hold them. The initialisers are
// the page's start-up values, which are the oil presets.
struct FlueGasInput {
    float annualUse = 0;        // B, yearly consumption (t)
    float sulphur = 0.3f;       // S, sulphur content (%)
    float ash = 11.98f;         // A, ash content (%), coal only
    float dustShare = 20;       // d, dust as a percentage of the ash (%), coal only
    float combustible = 20;     // Cfh, combustibles in the dust (%), coal only
    float so2Limit = 500;       // SO2 standard concentration (mg/m^3)
    float dustLimit = 100;      // dust standard concentration (mg/m^3)
    float oilGasFactor = 1.4f;  // flue gas per tonne of oil (10^4 Nm³/t)
};

// Dust of burnt oil: 1/680 t per t of oil (a double constant).
inline constexpr double kOilDustPerTonne = 0.0014705882352941176;

// The texts that choosing a fuel puts into the sulphur, SO2-limit and
// dust-limit fields, in that order of filling.
struct FuelPreset {
    const char* sulphur;
    const char* so2Limit;
    const char* dustLimit;
};
FuelPreset FuelPresetOf(FuelKind fuel);

// As computed; tonnages in t, the volume in 10^4 Nm³. The volume and the dust
// compliant emission have already passed through single precision.
struct FlueGasResult {
    double flueGasVolume = 0;
    double so2Emission = 0;
    double dustEmission = 0;
    // Concentrations in the untreated gas (mg/m^3), truncated toward zero,
    // clamped to the int range, NaN as 0. Only computed when the volume is
    // positive; otherwise 0 and the flag is false.
    bool concentrationsComputed = false;
    int so2Concentration = 0;
    int dustConcentration = 0;
    double so2StdEmission = 0;
    double dustStdEmission = 0;
    double so2Reduction = 0;  // never negative (a negative difference is 0)
    double dustReduction = 0;
};

FlueGasResult ComputeFlueGas(FuelKind fuel, const FlueGasInput& input);

// The result as the page's fields store it: tonnages and volume in single
// precision, concentrations as whole numbers. Concentrations that were not
// computed show 0, never the figures of an earlier computation.
struct FlueGasFields {
    float flueGasVolume = 0;
    float so2Emission = 0;
    float dustEmission = 0;
    int so2InitConc = 0;
    int dustInitConc = 0;
    float so2StdEmission = 0;
    float dustStdEmission = 0;
    float so2Reduction = 0;
    float dustReduction = 0;
};

FlueGasFields StoreFlueGasResult(const FlueGasResult& result);

// ---------------------------------------------------------------------------
// Sanitary protection distance (coefficients of GB/T 13201-91)

enum class EnterpriseClass { ClassI, ClassII, ClassIII };

// The class from the page's three radio groups (zero-based indices):
// stack 0 "有" / 1 "无"; reaction 0 acute / 1 chronic; stackShare 0 "more
// than a third" / 1 "less than a third". Only the group that belongs to the
// stack choice is consulted.
EnterpriseClass ClassifyEnterprise(int stack, int reaction, int stackShare);

// Single-precision coefficients of Qc/Cm = (1/A)(B L^C + 0.25 r²)^0.5 L^D.
struct ProtectionCoefficients {
    float A = 0;
    float B = 0;
    float C = 0;
    float D = 0;
};

// The coefficients for a distance (m), a mean wind speed (m/s) and a class.
// Rows by distance: ≤ 1000, ≤ 2000, above; lines by wind speed: u < 2,
// 2 ≤ u ≤ 4, u > 4. nullopt when the distance or the wind speed is NaN.
std::optional<ProtectionCoefficients> LookUpProtectionCoefficients(double distance,
                                                                   double windSpeed,
                                                                   EnterpriseClass cls);

// F(L) = Qc/Cm − (B L^C + S k)^0.5 L^D / A, k = 0.25 / 3.14159; Qc in kg/h,
// Cm in mg/m³, S (area of the production unit) in m², L in m.
double ProtectionBalance(double L, const ProtectionCoefficients& c, double Qc, double Cm, double S);

// The root of F on [0, 20000] m by bisection to 1e-10 m; just below 20000
// when F is still positive there. NaN when F(0) is negative or NaN (no
// distance can balance such an emission).
double SolveProtectionDistance(const ProtectionCoefficients& c, double Qc, double Cm, double S);

// The protection distance (m): solved with the first-row coefficients and,
// when that gives more than 1000 m, solved once more with the coefficients of
// the row it fell in. NaN when no coefficients apply. `used`, when given,
// receives the coefficients of the last lookup that found a row.
double ComputeProtectionDistance(double Qc, double Cm, double S, double windSpeed,
                                 EnterpriseClass cls, ProtectionCoefficients* used = nullptr);

// The equivalent radius r = (S / π)^0.5 (m) of a production unit of area S
// (m²), with the formula's π = 3.14159.
double EquivalentRadius(double S);

// The distance raised to the standard's steps (m): up to 50 gives 50, up to
// 100 gives 100, up to 1000 the next multiple of 100 above it (1000 gives
// 1100), above 1000 the smallest multiple of 200 not below it. NaN gives 0.
int GradeProtectionDistance(double L);

// The fugitive emission (kg/h) that a distance L (m) allows; NaN when no
// coefficients apply. `used` as for ComputeProtectionDistance.
double ComputeFugitiveEmission(double L, double Cm, double S, double windSpeed, EnterpriseClass cls,
                               ProtectionCoefficients* used = nullptr);

// The page's start-up inputs: class III ("无", chronic), wind speed 2.2 m/s,
// the limit of the first listed pollutant (benzene, 2.4 mg/m³).
struct ProtectionDistanceInput {
    double area = 0;         // S (m²)
    double windSpeed = 2.2;  // u (m/s)
    double limit = 2.4;      // Cm (mg/m³)
    int stack = 1;
    int reaction = 1;
    int stackShare = 0;
    double emission = 0;  // Qc (kg/h)
    double distance = 0;  // L (m)
};

// The pollutant list: name and the limit text (mg/m³) choosing it fills in.
struct PollutantLimit {
    const char* name;
    const char* limitText;
};
std::span<const PollutantLimit> PollutantLimits();

// ---------------------------------------------------------------------------
// Organic-solvent evaporation (Mazak formula)

// G = (5.38 + 4.1 u) Pv F M^0.5 in g/h; u air speed (m/s), F exposed area
// (m²), M molecular weight, Pv saturation vapour pressure (mmHg).
double ComputeSolventEvaporation(double u, double F, double M, double Pv);

// The page's start-up inputs.
struct SolventEvaporationInput {
    double windSpeed = 0.5;           // u
    double area = 15;                 // F
    double molWeight = 147;           // M
    double vapourPressure = 28.7996;  // Pv
};

inline double ComputeSolventEvaporation(const SolventEvaporationInput& in) {
    return ComputeSolventEvaporation(in.windSpeed, in.area, in.molWeight, in.vapourPressure);
}

// ---------------------------------------------------------------------------
// Odorous-gas emission rate

// E = 2 C W m / M × (D L u / (3.14159 F))^0.5 in cm³/s; u wind speed (m/s),
// D diffusivity (cm²/s), W and L width and length of the heap (cm), m mass of
// the volatile compound and M total mass (kg), C vapour pressure (in units of
// 101.325 kPa), F vapour-pressure correction factor. nullopt (invalid) when
// the quantity under the root is not positive or not a number.
std::optional<double> ComputeOdourEmission(double u, double D, double W, double L, double m,
                                           double M, double C, double F);

// The page starts with every field at 0.
struct OdourEmissionInput {
    double windSpeed = 0;       // u
    double diffusivity = 0;     // D
    double width = 0;           // W
    double length = 0;          // L
    double soilMass = 0;        // m
    double totalMass = 0;       // M
    double vapourPressure = 0;  // C
    double correction = 0;      // F
};

inline std::optional<double> ComputeOdourEmission(const OdourEmissionInput& in) {
    return ComputeOdourEmission(in.windSpeed, in.diffusivity, in.width, in.length, in.soilMass,
                                in.totalMass, in.vapourPressure, in.correction);
}
