// SPDX-License-Identifier: MIT
// The air-quality pages: flue gas, protection distance (both directions),
// solvent evaporation and odorous-gas emission.

#include "calc/air.h"
#include "text/number_text.h"
#include "tools/vek-calc/describe.h"

namespace vek::cli {

namespace {

// ---------------------------------------------------------------------------
// Flue gas

Outcome FlueGas(const Inputs& in, const Context&) {
    const FuelKind fuel = static_cast<FuelKind>(in.Int("fuel"));
    // Choosing a fuel fills sulphur and both standard concentrations; a value
    // given as well is typed after the choice and wins.
    FlueGasInput g = DefaultFlueGasInput(fuel);
    for (auto [name, field] : {std::pair{"sulphur", &FlueGasInput::sulphur},
                               std::pair{"so2-limit", &FlueGasInput::so2Limit},
                               std::pair{"dust-limit", &FlueGasInput::dustLimit}})
        if (in.Given(name))
            g.*field = in.Float(name);
    g.annualUse = in.Float("use");
    g.ash = in.Float("ash");
    g.dustShare = in.Float("dust-share");
    g.combustible = in.Float("combustible");
    if (g.annualUse < 0)
        return Stop({kErrorCaption, "不能是负数，请重新输入"});
    const FlueGasFields f = StoreFlueGasResult(ComputeFlueGas(fuel, g));
    return Show({f.so2StdEmission, f.so2Emission, f.so2Reduction, f.dustStdEmission, f.dustEmission,
                 f.dustReduction, f.flueGasVolume, static_cast<double>(f.dustInitConc),
                 static_cast<double>(f.so2InitConc)});
}

Calculator FlueGasCalculator() {
    const FlueGasInput start = DefaultFlueGasInput(FuelKind::Oil);
    return {
        "flue-gas",
        "flue gas, SO2 and dust of a year's oil or coal, and the reductions to meet the standards",
        {
            ChoiceIn("fuel", 1027,
                     "fuel; fills sulphur, so2-limit and dust-limit unless they are given",
                     static_cast<int>(FuelKind::Oil), {{"oil", "油"}, {"coal", "煤"}}),
            FloatIn("use", 1028, "yearly consumption B", "t", start.annualUse),
            FloatIn("so2-limit", 1029, "SO2 standard concentration", "mg/L", start.so2Limit),
            FloatIn("dust-limit", 1030, "dust standard concentration", "mg/L", start.dustLimit),
            FloatIn("sulphur", 1031, "sulphur content S", "%", start.sulphur),
            FloatIn("ash", 1032, "ash content A (coal)", "%", start.ash),
            FloatIn("dust-share", 1033, "dust as a share of the ash d (coal)", "%",
                    start.dustShare),
            FloatIn("combustible", 1034, "combustibles in the dust Cfh (coal)", "%",
                    start.combustible),
        },
        // The page's exchange order.
        {
            {"so2-std", 1017, Width::Float},
            {"so2", 1015, Width::Float},
            {"so2-reduction", 1023, Width::Float},
            {"dust-std", 1018, Width::Float},
            {"dust", 1016, Width::Float},
            {"dust-reduction", 1024, Width::Float},
            {"volume", 1036, Width::Float},
            {"dust-conc", 1022, Width::Int},
            {"so2-conc", 1021, Width::Int},
        },
        FlueGas,
    };
}

// ---------------------------------------------------------------------------
// Sanitary protection distance

EnterpriseClass ClassOf(const Inputs& in) {
    return ClassifyEnterprise(in.Int("stack"), in.Int("reaction"), in.Int("stack-share"));
}

// Choosing a pollutant fills the limit; a limit given as well wins.
double LimitOf(const Inputs& in) {
    if (in.Given("limit"))
        return in.Double("limit");
    const int pollutant = in.Int("pollutant");
    return *vek::text::ParseDouble(PollutantLimits()[pollutant].limitText);
}

Outcome ProtectionDistance(const Inputs& in, const Context&) {
    const double L = ComputeProtectionDistance(in.Double("emission"), LimitOf(in),
                                               in.Double("area"), in.Double("wind"), ClassOf(in));
    return Show({L, static_cast<double>(GradeProtectionDistance(L))});
}

Outcome FugitiveEmission(const Inputs& in, const Context&) {
    return Show({ComputeFugitiveEmission(in.Double("distance"), LimitOf(in), in.Double("area"),
                                         in.Double("wind"), ClassOf(in))});
}

// The page's fields; the last one is the input of the chosen direction.
std::vector<InputField> ProtectionInputs(InputField given) {
    const ProtectionDistanceInput start;
    std::vector<std::vector<std::string>> pollutants;
    for (const PollutantLimit& p : PollutantLimits()) pollutants.push_back({p.name});
    return {
        DoubleIn("area", 1037, "area S of the fugitive source", "m^2", start.area),
        DoubleIn("wind", 1038, "mean wind speed u of the last five years", "m/s", start.windSpeed),
        ChoiceIn("pollutant", 1039, "pollutant (index or name); fills limit unless it is given", 0,
                 std::move(pollutants)),
        DoubleIn("limit", 1040, "standard concentration limit Cm", "mg/m^3", start.limit),
        ChoiceIn("stack", 1041, "a stack emits the same gas: 0 有, 1 无", start.stack,
                 {{"yes", "有"}, {"no", "无"}}),
        ChoiceIn("reaction", 1044, "without a stack, limit set by: 0 acute, 1 chronic reaction",
                 start.reaction, {{"acute"}, {"chronic"}}),
        ChoiceIn("stack-share", 1047,
                 "with a stack, its emission is: 0 above, 1 below a third of the allowed",
                 start.stackShare, {{"above"}, {"below"}}),
        std::move(given),
    };
}

// ---------------------------------------------------------------------------
// Solvent evaporation and odorous gas

Outcome SolventEvaporation(const Inputs& in, const Context&) {
    return Show({ComputeSolventEvaporation(in.Double("wind"), in.Double("area"),
                                           in.Double("mol-weight"), in.Double("vapour-pressure"))});
}

Outcome OdourEmission(const Inputs& in, const Context&) {
    const auto E = ComputeOdourEmission(in.Double("wind"), in.Double("diffusivity"),
                                        in.Double("width"), in.Double("length"),
                                        in.Double("compound-mass"), in.Double("total-mass"),
                                        in.Double("vapour-pressure"), in.Double("correction"));
    if (!E)
        return ShowAfterBox({kAppCaption, "无效的数字，请重新输入！"}, {0.0});
    return Show({*E});
}

}  // namespace

std::vector<Calculator> AirCalculators() {
    const ProtectionDistanceInput protection;
    const SolventEvaporationInput solvent;
    const OdourEmissionInput odour;
    return {
        FlueGasCalculator(),
        {
            "protection-distance",
            "sanitary protection distance of a fugitive source and its graded distance",
            ProtectionInputs(
                DoubleIn("emission", 1049, "fugitive emission Qc", "kg/h", protection.emission)),
            // The page's exchange order.
            {{"distance", 1051, Width::Double}, {"graded", 1052, Width::Int}},
            ProtectionDistance,
        },
        {
            "protection-emission",
            "fugitive emission that a protection distance allows",
            ProtectionInputs(
                DoubleIn("distance", 1051, "protection distance L", "m", protection.distance)),
            {{"emission", 1049, Width::Double}},
            FugitiveEmission,
        },
        {
            "solvent",
            "evaporation of an exposed organic solvent (Mazak formula)",
            {
                DoubleIn("wind", 1114, "air speed u in the workshop", "m/s", solvent.windSpeed),
                DoubleIn("area", 1089, "exposed area F", "m^2", solvent.area),
                DoubleIn("mol-weight", 1116, "molecular weight M", "", solvent.molWeight),
                DoubleIn("vapour-pressure", 1117, "saturation vapour pressure Pv", "mmHg",
                         solvent.vapourPressure),
            },
            {{"evaporation", 1118, Width::Double}},
            SolventEvaporation,
        },
        {
            "odour",
            "emission rate of an odorous compound from contaminated soil",
            {
                DoubleIn("wind", 1114, "wind speed u", "m/s", odour.windSpeed),
                DoubleIn("diffusivity", 1115, "diffusivity D", "cm^2/s", odour.diffusivity),
                DoubleIn("width", 1119, "width W of the heap or fill", "cm", odour.width),
                DoubleIn("length", 1088, "length L of the heap or fill", "cm", odour.length),
                DoubleIn("compound-mass", 1116, "mass m of the volatile compound", "kg",
                         odour.soilMass),
                DoubleIn("total-mass", 1089, "total mass M of soil and compound", "kg",
                         odour.totalMass),
                DoubleIn("vapour-pressure", 1120, "vapour pressure C", "101.325 kPa",
                         odour.vapourPressure),
                DoubleIn("correction", 1122, "vapour-pressure correction factor F", "",
                         odour.correction),
            },
            {{"emission-rate", 1121, Width::Double}},
            OdourEmission,
        },
    };
}

}  // namespace vek::cli
