// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/air_forms.h"
#include "text/number_text.h"

using vek::text::FormatFloat;
using vek::text::FormatInt;

namespace {

// The page's result fields in row order: volume, SO2 and dust emissions, SO2
// and dust concentrations, compliant SO2 and dust, SO2 and dust reductions.
std::string Show(const FlueGasFields& f) {
    std::string s = FormatFloat(f.flueGasVolume);
    for (float v : {f.so2Emission, f.dustEmission}) s += ' ' + FormatFloat(v);
    s += ' ' + FormatInt(f.so2InitConc) + ' ' + FormatInt(f.dustInitConc);
    for (float v : {f.so2StdEmission, f.dustStdEmission, f.so2Reduction, f.dustReduction})
        s += ' ' + FormatFloat(v);
    return s;
}

constexpr float kPreset = std::numeric_limits<float>::quiet_NaN();  // keep the fuel's preset
constexpr float kInf = std::numeric_limits<float>::infinity();

struct FlueGasCase {
    const char* name;
    FuelKind fuel;
    float annualUse, sulphur, combustible;
    bool concentrationsComputed;
    const char* shown;
};

const FlueGasCase kFlueGas[] = {
    {"oil_1000_t_start_up_values", FuelKind::Oil, 1000, kPreset, kPreset, true,
     "1400 6 1.47059 428 105 7 1.4 0 0.0705883"},
    {"coal_1000_t_dust_2994_from_single_precision_ash", FuelKind::Coal, 1000, kPreset, kPreset,
     true, "1000 16 29.95 1600 2994 9 2 7 27.95"},
    {"oil_sulphur_0_7_concentration_999", FuelKind::Oil, 1000, 0.7f, kPreset, true,
     "1400 14 1.47059 999 105 7 1.4 7 0.0705883"},
    {"zero_use_concentrations_show_0_not_stale", FuelKind::Oil, 0, kPreset, kPreset, false,
     "0 0 0 0 0 0 0 0 0"},
    {"coal_all_combustible_finite_concentration_clamped", FuelKind::Coal, 1000, kPreset, 100, true,
     "1000 16 1.07195e+009 1600 2147483647 9 2 7 1.07195e+009"},
    {"infinite_use_nan_concentration_stored_as_0", FuelKind::Coal, kInf, kPreset, kPreset, true,
     "inf inf inf 0 0 inf inf nan nan"},
};

TEST(FlueGas, WorkedExamplesAsShown) {
    for (const auto& c : kFlueGas) {
        FlueGasPageInput in;  // the page's start-up inputs, the fuel chosen as on the page
        ChooseFuel(in, static_cast<int>(c.fuel));
        in.annualUse = c.annualUse;
        if (c.sulphur == c.sulphur)
            in.sulphur = c.sulphur;
        if (c.combustible == c.combustible)
            in.combustible = c.combustible;
        const FlueGasResult r = ComputeFlueGas(c.fuel, in);
        EXPECT_EQ(r.concentrationsComputed, c.concentrationsComputed) << c.name;
        EXPECT_EQ(Show(StoreFlueGasResult(r)), c.shown) << c.name;
    }
}

// A dust standard above the initial emission needs no reduction: 0, never a
// negative amount.
TEST(FlueGas, DustReductionIsNeverNegative) {
    FlueGasInput in;
    in.annualUse = 1000;
    in.dustLimit = 200;
    EXPECT_EQ(Show(StoreFlueGasResult(ComputeFlueGas(FuelKind::Oil, in))),
              "1400 6 1.47059 428 105 7 2.8 0 0");
}

TEST(FlueGas, FuelIndices) {
    EXPECT_EQ(FuelKindFromIndex(1), FuelKind::Coal);
    EXPECT_FALSE(FuelKindFromIndex(-1).has_value());
}

}  // namespace
