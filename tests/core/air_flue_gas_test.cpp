// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/air.h"
#include "text/number_text.h"

using vek::text::FormatFloat;
using vek::text::FormatInt;

namespace {

// What the page's result fields show after a computation, in the page's row
// order: volume, SO2 emission, dust emission, SO2 and dust concentrations,
// compliant SO2 and dust emissions, SO2 and dust reductions.
struct Shown {
    std::string volume, so2, dust, so2Conc, dustConc, so2Std, dustStd, so2Cut, dustCut;
    bool operator==(const Shown&) const = default;
};

Shown Show(const FlueGasFields& f) {
    return {
        FormatFloat(f.flueGasVolume),   FormatFloat(f.so2Emission),  FormatFloat(f.dustEmission),
        FormatInt(f.so2InitConc),       FormatInt(f.dustInitConc),   FormatFloat(f.so2StdEmission),
        FormatFloat(f.dustStdEmission), FormatFloat(f.so2Reduction), FormatFloat(f.dustReduction)};
}

void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.volume << ' ' << s.so2 << ' ' << s.dust << ' ' << s.so2Conc << ' ' << s.dustConc << ' '
        << s.so2Std << ' ' << s.dustStd << ' ' << s.so2Cut << ' ' << s.dustCut;
}

struct FlueGasCase {
    const char* name;
    FuelKind fuel;
    float annualUse;
    float sulphur;      // NaN: the fuel's preset
    float combustible;  // NaN: the start-up value
    bool concentrationsComputed;
    Shown shown;
};

constexpr float kPreset = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

const FlueGasCase kFlueGas[] = {
    {"oil_1000_t_start_up_values",
     FuelKind::Oil,
     1000,
     kPreset,
     kPreset,
     true,
     {"1400", "6", "1.47059", "428", "105", "7", "1.4", "0", "0.0705883"}},
    {"coal_1000_t_presets_dust_2994_from_single_precision_ash",
     FuelKind::Coal,
     1000,
     kPreset,
     kPreset,
     true,
     {"1000", "16", "29.95", "1600", "2994", "9", "2", "7", "27.95"}},
    {"oil_sulphur_0_7_concentration_999",
     FuelKind::Oil,
     1000,
     0.7f,
     kPreset,
     true,
     {"1400", "14", "1.47059", "999", "105", "7", "1.4", "7", "0.0705883"}},
    {"zero_use_concentrations_show_0_not_stale",
     FuelKind::Oil,
     0,
     kPreset,
     kPreset,
     false,
     {"0", "0", "0", "0", "0", "0", "0", "0", "0"}},
    {"coal_all_combustible_is_finite_and_concentration_clamped",
     FuelKind::Coal,
     1000,
     kPreset,
     100,
     true,
     {"1000", "16", "1.07195e+009", "1600", "2147483647", "9", "2", "7", "1.07195e+009"}},
    {"infinite_use_nan_concentration_stored_as_0",
     FuelKind::Coal,
     kInf,
     kPreset,
     kPreset,
     true,
     {"inf", "inf", "inf", "0", "0", "inf", "inf", "nan", "nan"}},
};

TEST(FlueGas, WorkedExamplesAsShown) {
    for (const auto& c : kFlueGas) {
        SCOPED_TRACE(c.name);
        FlueGasInput in = DefaultFlueGasInput(c.fuel);
        in.annualUse = c.annualUse;
        if (c.sulphur == c.sulphur)
            in.sulphur = c.sulphur;
        if (c.combustible == c.combustible)
            in.combustible = c.combustible;
        const FlueGasResult r = ComputeFlueGas(c.fuel, in);
        EXPECT_EQ(r.concentrationsComputed, c.concentrationsComputed);
        EXPECT_EQ(Show(StoreFlueGasResult(r)), c.shown);
    }
}

// The start-up inputs are the oil presets, and each fuel's default input holds
// the numbers its preset texts put into the fields.
TEST(FlueGas, DefaultsAgreeWithFuelPresets) {
    for (FuelKind fuel : {FuelKind::Oil, FuelKind::Coal}) {
        const FlueGasInput in = DefaultFlueGasInput(fuel);
        const FuelPreset p = FuelPresetOf(fuel);
        EXPECT_EQ(vek::text::ParseFloat(p.sulphur), in.sulphur);
        EXPECT_EQ(vek::text::ParseFloat(p.so2Limit), in.so2Limit);
        EXPECT_EQ(vek::text::ParseFloat(p.dustLimit), in.dustLimit);
        EXPECT_EQ(in.ash, 11.98f);
        EXPECT_EQ(in.oilGasFactor, 1.4f);
    }
    EXPECT_EQ(FuelKindFromIndex(1), FuelKind::Coal);
    EXPECT_FALSE(FuelKindFromIndex(-1).has_value());
}

}  // namespace
