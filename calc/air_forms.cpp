// SPDX-License-Identifier: MIT
#include "calc/air_forms.h"

#include "text/number_text.h"

namespace {
constexpr auto F = FieldKind::Float;
constexpr auto D = FieldKind::Double;
constexpr auto I = FieldKind::Int;
constexpr auto C = FieldKind::Choice;
constexpr auto In = FieldRole::Input;
constexpr auto Out = FieldRole::Result;
}  // namespace

// ---------------------------------------------------------------------------
// Flue gas

FieldTable FlueGasFieldTable() {
    static const FlueGasPageInput s;
    static const std::vector<Field> table = {
        {.id = 1027,
         .name = "fuel",
         .kind = C,
         .meaning = "fuel; fills sulphur, so2-limit and dust-limit unless they are given",
         .start = static_cast<double>(s.fuel),
         .choices = {{"oil", "油"}, {"coal", "煤"}}},
        {1028, "use", F, In, "yearly consumption B", "t", s.annualUse},
        {1029, "so2-limit", F, In, "SO2 standard concentration", "mg/L", s.so2Limit},
        {1030, "dust-limit", F, In, "dust standard concentration", "mg/L", s.dustLimit},
        {1031, "sulphur", F, In, "sulphur content S", "%", s.sulphur},
        {1032, "ash", F, In, "ash content A (coal)", "%", s.ash},
        {1033, "dust-share", F, In, "dust as a share of the ash d (coal)", "%", s.dustShare},
        {1034, "combustible", F, In, "combustibles in the dust Cfh (coal)", "%", s.combustible},
        {1036, "volume", F, Out, "yearly flue-gas volume V", "10^4 Nm^3", 0.0},
        {1021, "so2-conc", I, Out, "SO2 concentration in the untreated gas", "mg/L", 0.0},
        {1022, "dust-conc", I, Out, "dust concentration in the untreated gas", "mg/L", 0.0},
        {1015, "so2", F, Out, "yearly SO2 emission", "t", 0.0},
        {1016, "dust", F, Out, "yearly dust emission", "t", 0.0},
        {1017, "so2-std", F, Out, "yearly SO2 emission at the standard", "t", 0.0},
        {1018, "dust-std", F, Out, "yearly dust emission at the standard", "t", 0.0},
        {1023, "so2-reduction", F, Out, "yearly SO2 reduction", "t", 0.0},
        {1024, "dust-reduction", F, Out, "yearly dust reduction", "t", 0.0},
    };
    return table;
}

void ChooseFuel(FlueGasPageInput& in, int index) {
    const auto fuel = FuelKindFromIndex(index);
    if (!fuel)
        return;
    const FuelPreset preset = FuelPresetOf(*fuel);
    in.fuel = index;
    in.sulphur = *vek::text::ParseFloat(preset.sulphur);
    in.so2Limit = *vek::text::ParseFloat(preset.so2Limit);
    in.dustLimit = *vek::text::ParseFloat(preset.dustLimit);
}

Answer<FlueGasFields> RunFlueGas(const FlueGasPageInput& in) {
    if (in.annualUse < 0)
        return Stopped<FlueGasFields>({.text = "不能是负数，请重新输入", .focusId = 1028});
    const auto fuel = FuelKindFromIndex(in.fuel);
    if (!fuel)
        return {};  // no fuel chosen: the fields are only put out again
    return {.result = StoreFlueGasResult(ComputeFlueGas(*fuel, in))};
}

const CalculatorDef<FlueGasPageInput, FlueGasFields>& FlueGasCalculator() {
    using P = FlueGasPageInput;
    using R = FlueGasFields;
    static const CalculatorDef<P, R> def{
        .name = "flue-gas",
        .summary =
            "flue gas, SO2 and dust of a year's oil or coal, and the reductions to meet the "
            "standards",
        .table = FlueGasFieldTable(),
        .inputs = {{"fuel", &P::fuel, ChooseFuel},
                   {"use", &P::annualUse},
                   {"so2-limit", &P::so2Limit},
                   {"dust-limit", &P::dustLimit},
                   {"sulphur", &P::sulphur},
                   {"ash", &P::ash},
                   {"dust-share", &P::dustShare},
                   {"combustible", &P::combustible}},
        // The page's exchange order.
        .results = {{"so2-std", &R::so2StdEmission},
                    {"so2", &R::so2Emission},
                    {"so2-reduction", &R::so2Reduction},
                    {"dust-std", &R::dustStdEmission},
                    {"dust", &R::dustEmission},
                    {"dust-reduction", &R::dustReduction},
                    {"volume", &R::flueGasVolume},
                    {"dust-conc", &R::dustInitConc},
                    {"so2-conc", &R::so2InitConc}},
        .run = RunFlueGas,
    };
    return def;
}

// ---------------------------------------------------------------------------
// Sanitary protection distance

FieldTable ProtectionFieldTable() {
    static const ProtectionPageInput s;
    static const std::vector<Field> table = [] {
        std::vector<std::vector<std::string>> pollutants;
        for (const PollutantLimit& p : PollutantLimits()) pollutants.push_back({p.name});
        return std::vector<Field>{
            {1037, "area", D, In, "area S of the fugitive source", "m^2", s.area},
            {1038, "wind", D, In, "mean wind speed u of the last five years", "m/s", s.windSpeed},
            {.id = 1039,
             .name = "pollutant",
             .kind = C,
             .meaning = "pollutant (index or name); fills limit unless it is given",
             .start = static_cast<double>(s.pollutant),
             .choices = std::move(pollutants)},
            {1040, "limit", D, In, "standard concentration limit Cm", "mg/m^3", s.limit},
            {.id = 1041,
             .name = "stack",
             .kind = C,
             .meaning = "a stack emits the same gas: 0 有, 1 无",
             .start = static_cast<double>(s.stack),
             .choices = {{"yes", "有"}, {"no", "无"}}},
            {.id = 1044,
             .name = "reaction",
             .kind = C,
             .meaning = "without a stack, limit set by: 0 acute, 1 chronic reaction",
             .start = static_cast<double>(s.reaction),
             .choices = {{"acute"}, {"chronic"}}},
            {.id = 1047,
             .name = "stack-share",
             .kind = C,
             .meaning = "with a stack, its emission is: 0 above, 1 below a third of the allowed",
             .start = static_cast<double>(s.stackShare),
             .choices = {{"above"}, {"below"}}},
            // Each of the two is the input of one computation and the result
            // of the other; every field of the page stays editable.
            {1049, "emission", D, In, "fugitive emission Qc", "kg/h", s.emission},
            {1051, "distance", D, In, "protection distance L", "m", s.distance},
            {1052, "graded", I, In, "distance raised to the standard's steps", "m", 0.0},
        };
    }();
    return table;
}

void ChoosePollutant(ProtectionPageInput& in, int index) {
    const auto limits = PollutantLimits();
    if (index < 0 || static_cast<std::size_t>(index) >= limits.size())
        return;
    in.pollutant = index;
    in.limit = *vek::text::ParseDouble(limits[index].limitText);
}

namespace {
EnterpriseClass ClassOf(const ProtectionPageInput& in) {
    return ClassifyEnterprise(in.stack, in.reaction, in.stackShare);
}
}  // namespace

Answer<ProtectionDistanceResult> RunProtectionDistance(const ProtectionPageInput& in) {
    const double L =
        ComputeProtectionDistance(in.emission, in.limit, in.area, in.windSpeed, ClassOf(in));
    return {.result =
                ProtectionDistanceResult{.distance = L, .graded = GradeProtectionDistance(L)}};
}

Answer<FugitiveEmissionResult> RunFugitiveEmission(const ProtectionPageInput& in) {
    const double Qc =
        ComputeFugitiveEmission(in.distance, in.limit, in.area, in.windSpeed, ClassOf(in));
    return {.result = FugitiveEmissionResult{.emission = Qc}};
}

namespace {
// The page's fields before the input of the chosen direction.
std::vector<Slot<ProtectionPageInput>> ProtectionSlots(Slot<ProtectionPageInput> given) {
    using P = ProtectionPageInput;
    return {{"area", &P::area},
            {"wind", &P::windSpeed},
            {"pollutant", &P::pollutant, ChoosePollutant},
            {"limit", &P::limit},
            {"stack", &P::stack},
            {"reaction", &P::reaction},
            {"stack-share", &P::stackShare},
            given};
}
}  // namespace

const CalculatorDef<ProtectionPageInput, ProtectionDistanceResult>& ProtectionDistanceCalculator() {
    using P = ProtectionPageInput;
    using R = ProtectionDistanceResult;
    static const CalculatorDef<P, R> def{
        .name = "protection-distance",
        .summary = "sanitary protection distance of a fugitive source and its graded distance",
        .table = ProtectionFieldTable(),
        .inputs = ProtectionSlots({"emission", &P::emission}),
        // The page's exchange order.
        .results = {{"distance", &R::distance}, {"graded", &R::graded}},
        .run = RunProtectionDistance,
    };
    return def;
}

const CalculatorDef<ProtectionPageInput, FugitiveEmissionResult>& FugitiveEmissionCalculator() {
    using P = ProtectionPageInput;
    using R = FugitiveEmissionResult;
    static const CalculatorDef<P, R> def{
        .name = "protection-emission",
        .summary = "fugitive emission that a protection distance allows",
        .table = ProtectionFieldTable(),
        .inputs = ProtectionSlots({"distance", &P::distance}),
        .results = {{"emission", &R::emission}},
        .run = RunFugitiveEmission,
    };
    return def;
}

// ---------------------------------------------------------------------------
// Solvent evaporation

FieldTable SolventFieldTable() {
    static const SolventEvaporationInput s;
    static const std::vector<Field> table = {
        {1114, "wind", D, In, "air speed u in the workshop", "m/s", s.windSpeed},
        {1089, "area", D, In, "exposed area F", "m^2", s.area},
        {1116, "mol-weight", D, In, "molecular weight M", "", s.molWeight},
        {1117, "vapour-pressure", D, In, "saturation vapour pressure Pv", "mmHg", s.vapourPressure},
        // The result field is editable like the others.
        {1118, "evaporation", D, In, "evaporation rate G", "g/h", 0.0},
    };
    return table;
}

Answer<SolventEvaporationResult> RunSolventEvaporation(const SolventEvaporationInput& in) {
    return {.result = SolventEvaporationResult{.evaporation = ComputeSolventEvaporation(in)}};
}

const CalculatorDef<SolventEvaporationInput, SolventEvaporationResult>& SolventCalculator() {
    using P = SolventEvaporationInput;
    using R = SolventEvaporationResult;
    static const CalculatorDef<P, R> def{
        .name = "solvent",
        .summary = "evaporation of an exposed organic solvent (Mazak formula)",
        .table = SolventFieldTable(),
        .inputs = {{"wind", &P::windSpeed},
                   {"area", &P::area},
                   {"mol-weight", &P::molWeight},
                   {"vapour-pressure", &P::vapourPressure}},
        .results = {{"evaporation", &R::evaporation}},
        .run = RunSolventEvaporation,
    };
    return def;
}

// ---------------------------------------------------------------------------
// Odorous-gas emission

FieldTable OdourFieldTable() {
    static const OdourEmissionInput s;
    static const std::vector<Field> table = {
        {1114, "wind", D, In, "wind speed u", "m/s", s.windSpeed},
        {1115, "diffusivity", D, In, "diffusivity D", "cm^2/s", s.diffusivity},
        {1119, "width", D, In, "width W of the heap or fill", "cm", s.width},
        {1088, "length", D, In, "length L of the heap or fill", "cm", s.length},
        {1116, "compound-mass", D, In, "mass m of the volatile compound", "kg", s.soilMass},
        {1089, "total-mass", D, In, "total mass M of soil and compound", "kg", s.totalMass},
        {1120, "vapour-pressure", D, In, "vapour pressure C", "101.325 kPa", s.vapourPressure},
        {1122, "correction", D, In, "vapour-pressure correction factor F", "", s.correction},
        // The result field is editable like the others.
        {1121, "emission-rate", D, In, "emission rate E", "cm^3/s", 0.0},
    };
    return table;
}

Answer<OdourEmissionResult> RunOdourEmission(const OdourEmissionInput& in) {
    if (const auto E = ComputeOdourEmission(in))
        return {.result = OdourEmissionResult{.emissionRate = *E}};
    return {.box = CheckBox{.text = "无效的数字，请重新输入！", .caption = kAppName},
            .result = OdourEmissionResult{.emissionRate = 0}};
}

const CalculatorDef<OdourEmissionInput, OdourEmissionResult>& OdourCalculator() {
    using P = OdourEmissionInput;
    using R = OdourEmissionResult;
    static const CalculatorDef<P, R> def{
        .name = "odour",
        .summary = "emission rate of an odorous compound from contaminated soil",
        .table = OdourFieldTable(),
        .inputs = {{"wind", &P::windSpeed},
                   {"diffusivity", &P::diffusivity},
                   {"width", &P::width},
                   {"length", &P::length},
                   {"compound-mass", &P::soilMass},
                   {"total-mass", &P::totalMass},
                   {"vapour-pressure", &P::vapourPressure},
                   {"correction", &P::correction}},
        .results = {{"emission-rate", &R::emissionRate}},
        .run = RunOdourEmission,
    };
    return def;
}
