// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
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

constexpr float P = std::numeric_limits<float>::quiet_NaN();  // keeps the fuel's preset
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr int kOil = 0, kCoal = 1;

struct FlueGasCase {
    const char* name;
    int fuel;
    float annualUse, sulphur, combustible, dustLimit;
    const char* shown;
};

// {name, fuel, B, S, Cfh, dust standard, the fields as shown}
const FlueGasCase kFlueGas[] = {
    {"oil_1000_t_start_up_values", kOil, 1000, P, P, P, "1400 6 1.47059 428 105 7 1.4 0 0.0705883"},
    {"coal_1000_t_dust_2994_from_single_precision_ash", kCoal, 1000, P, P, P,
     "1000 16 29.95 1600 2994 9 2 7 27.95"},
    {"oil_sulphur_0_7_concentration_999", kOil, 1000, 0.7f, P, P,
     "1400 14 1.47059 999 105 7 1.4 7 0.0705883"},
    // The dust at the standard is stored in single precision before the
    // reduction subtracts it (the double would give 0.000776471).
    {"oil_11_t_reduction_from_stored_dust_at_standard", kOil, 11, P, P, P,
     "15.4 0.066 0.0161765 428 105 0.077 0.0154 0 0.000776472"},
    // A dust standard above the initial emission needs no reduction: 0,
    // never a negative amount.
    {"dust_standard_above_emission_reduction_0", kOil, 1000, P, P, 200,
     "1400 6 1.47059 428 105 7 2.8 0 0"},
    {"zero_use_concentrations_show_0_not_stale", kOil, 0, P, P, P, "0 0 0 0 0 0 0 0 0"},
    {"coal_all_combustible_finite_concentration_clamped", kCoal, 1000, P, 100, P,
     "1000 16 1.07195e+009 1600 2147483647 9 2 7 1.07195e+009"},
    {"infinite_use_nan_concentration_stored_as_0", kCoal, kInf, P, P, P,
     "inf inf inf 0 0 inf inf nan nan"},
};

TEST(FlueGas, WorkedExamplesAsShown) {
    for (const auto& c : kFlueGas) {
        FlueGasPageInput in;
        ChooseFuel(in, c.fuel);
        in.annualUse = c.annualUse;
        for (auto [value, field] : {std::pair{c.sulphur, &FlueGasInput::sulphur},
                                    {c.combustible, &FlueGasInput::combustible},
                                    {c.dustLimit, &FlueGasInput::dustLimit}})
            if (!std::isnan(value))
                in.*field = value;
        const auto answer = RunFlueGas(in);
        ASSERT_TRUE(answer.result) << c.name;
        EXPECT_EQ(Show(*answer.result), c.shown) << c.name;
    }
}

}  // namespace
