// SPDX-License-Identifier: MIT
// Yearly flue gas, SO2 and dust of burning oil or coal, and the reductions
// needed to meet the two standard concentrations.
#include "calc/air.h"
#include "text/number_text.h"

namespace {

// SO2 of coal: 1.6 % of the sulphur mass ratio, taken as a double.
constexpr double kCoalSo2Factor = 0.016;

}  // namespace

std::optional<FuelKind> FuelKindFromIndex(int index) {
    switch (index) {
        case 0:
            return FuelKind::Oil;
        case 1:
            return FuelKind::Coal;
        default:
            return std::nullopt;
    }
}

FuelPreset FuelPresetOf(FuelKind fuel) {
    if (fuel == FuelKind::Coal)
        return {"1", "900", "200"};
    return {"0.3", "500", "100"};
}

FlueGasResult ComputeFlueGas(FuelKind fuel, const FlueGasInput& in) {
    const double B = in.annualUse;
    const double S = in.sulphur;
    FlueGasResult r;
    double volume;
    double so2;
    double dust;
    if (fuel == FuelKind::Coal) {
        volume = B;  // one tonne of coal gives 10^4 Nm³ of flue gas
        // The single-precision 0.01 keeps 1 − 100 × 0.01 just above zero, so
        // 100 % combustibles gives a huge but finite emission.
        dust = static_cast<double>(in.dustShare) * in.ash * B /
               (1 - in.combustible * static_cast<double>(0.01f)) * static_cast<double>(0.0001f);
        so2 = S * B * kCoalSo2Factor;
    } else {
        // The page stores V in a single-precision field before using it.
        volume = static_cast<float>(static_cast<double>(in.oilGasFactor) * B);
        dust = B * kOilDustPerTonne;
        so2 = S * B * static_cast<double>(0.02f);
    }
    r.flueGasVolume = volume;
    r.so2Emission = so2;
    r.dustEmission = dust;

    if (volume > 0) {
        r.concentrationsComputed = true;
        r.so2Concentration = vek::text::ClampToInt(so2 * 100000 / volume);
        r.dustConcentration = vek::text::ClampToInt(dust * 100000 / volume);
    }

    r.so2StdEmission = volume * in.so2Limit * static_cast<double>(0.00001f);
    // Stored in single precision before the reduction uses it.
    r.dustStdEmission = static_cast<float>(volume * in.dustLimit * static_cast<double>(0.00001f));

    r.so2Reduction = so2 - r.so2StdEmission;
    if (r.so2Reduction < 0)
        r.so2Reduction = 0;
    r.dustReduction = dust - r.dustStdEmission;
    if (r.dustReduction < 0)
        r.dustReduction = 0;
    return r;
}

FlueGasFields StoreFlueGasResult(const FlueGasResult& r) {
    FlueGasFields f;
    f.flueGasVolume = static_cast<float>(r.flueGasVolume);
    f.so2Emission = static_cast<float>(r.so2Emission);
    f.dustEmission = static_cast<float>(r.dustEmission);
    if (r.concentrationsComputed) {
        f.so2InitConc = r.so2Concentration;
        f.dustInitConc = r.dustConcentration;
    }
    f.so2StdEmission = static_cast<float>(r.so2StdEmission);
    f.dustStdEmission = static_cast<float>(r.dustStdEmission);
    f.so2Reduction = static_cast<float>(r.so2Reduction);
    f.dustReduction = static_cast<float>(r.dustReduction);
    return f;
}
