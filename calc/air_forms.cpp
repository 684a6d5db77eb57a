// SPDX-License-Identifier: MIT
#include "calc/air_forms.h"

#include <string_view>

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
        {1029, "so2-limit", F, In, "SO2 standard concentration", "mg/m^3", s.so2Limit},
        {1030, "dust-limit", F, In, "dust standard concentration", "mg/m^3", s.dustLimit},
        {1031, "sulphur", F, In, "sulphur content S", "%", s.sulphur},
        {1032, "ash", F, In, "ash content A (coal)", "%", s.ash},
        {1033, "dust-share", F, In, "dust as a share of the ash d (coal)", "%", s.dustShare},
        {1034, "combustible", F, In, "combustibles in the dust Cfh (coal)", "%", s.combustible},
        {1036, "volume", F, Out, "yearly flue-gas volume V", "10^4 Nm^3", 0.0},
        {1021, "so2-conc", I, Out, "SO2 concentration in the untreated gas", "mg/m^3", 0.0},
        {1022, "dust-conc", I, Out, "dust concentration in the untreated gas", "mg/m^3", 0.0},
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

namespace {
// Each fuel's own formulas; the others the record gives apply to both.
constexpr const char* kOilFormulas = "燃油：V=1.4*B，G(SO2)=0.02*S*B，G(烟尘)=B/680";
constexpr const char* kCoalFormulas =
    "燃煤：V=B，G(SO2)=0.016*S*B，G(烟尘)=d*A*B/(1-Cfh/100)/10000";

// A record for one fuel keeps only what its computation used: the other
// fuel's formulas, and for oil the coal-only ash, dust share of the ash and
// combustibles, are left out. With no fuel chosen everything stays.
bool FlueGasPartTakesPart(const FlueGasPageInput& in, std::string_view part) {
    const auto fuel = FuelKindFromIndex(in.fuel);
    if (part == kOilFormulas)
        return fuel != FuelKind::Coal;
    const bool coalOnly =
        part == kCoalFormulas || part == "ash" || part == "dust-share" || part == "combustible";
    return !coalOnly || fuel != FuelKind::Oil;
}

// The emission factors the fuel's formulas used, as single-precision figures
// show: flue gas per tonne, and for oil its dust per tonne.
std::vector<RecordLine> FlueGasWorkings(const FlueGasPageInput& in, const FlueGasFields&) {
    const bool oil = FuelKindFromIndex(in.fuel) == FuelKind::Oil;
    std::vector<RecordLine> lines = {{"每吨燃料的烟气量", "V/B",
                                      vek::text::FormatFloat(oil ? in.oilGasFactor : 1.0f),
                                      "万标立方米/吨"}};
    if (oil)
        lines.push_back({"燃油的烟尘排放系数", "G(烟尘)/B",
                         vek::text::FormatFloat(static_cast<float>(kOilDustPerTonne)), "吨/吨"});
    return lines;
}
}  // namespace

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
        .record = {.title = "燃煤(油)废气",
                   .formulas = {kOilFormulas, kCoalFormulas, "初始浓度=G*10^5/V（取整）",
                                "达标年排放量=V*达标浓度/10^5",
                                "年削减量=年排放量-达标年排放量（不足0时为0）"},
                   .labels = {{"fuel", "原料", "", "", {"油", "煤"}},
                              {"use", "年用量", "B", "吨"},
                              {"so2-limit", "SO2达标浓度", "", "mg/m^3"},
                              {"dust-limit", "烟尘达标浓度", "", "mg/m^3"},
                              {"sulphur", "含硫分", "S", "%"},
                              {"ash", "灰分", "A", "%"},
                              {"dust-share", "烟尘", "d", "%"},
                              {"combustible", "烟尘中可燃物", "Cfh", "%"},
                              {"volume", "年废气排放量", "V", "万标立方米"},
                              {"so2-conc", "SO2初始浓度", "", "mg/m^3"},
                              {"dust-conc", "烟尘初始浓度", "", "mg/m^3"},
                              {"so2", "SO2年排放量", "G(SO2)", "吨"},
                              {"dust", "烟尘年排放量", "G(烟尘)", "吨"},
                              {"so2-std", "SO2达标年排放量", "", "吨"},
                              {"dust-std", "烟尘达标年排放量", "", "吨"},
                              {"so2-reduction", "SO2年削减量", "", "吨"},
                              {"dust-reduction", "烟尘年削减量", "", "吨"}}},
        .takesPart = FlueGasPartTakesPart,
        .workings = FlueGasWorkings,
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

namespace {
// The coefficients a computation used; none when it found no line (every
// line of the table has A of at least 80, so A = 0 was never looked up).
std::optional<ProtectionCoefficients> Found(const ProtectionCoefficients& used) {
    if (used.A == 0)
        return std::nullopt;
    return used;
}
}  // namespace

Answer<ProtectionDistanceResult> RunProtectionDistance(const ProtectionPageInput& in) {
    ProtectionCoefficients used;
    const double L =
        ComputeProtectionDistance(in.emission, in.limit, in.area, in.windSpeed, ClassOf(in), &used);
    return {.result = ProtectionDistanceResult{
                .distance = L, .graded = GradeProtectionDistance(L), .coefficients = Found(used)}};
}

Answer<FugitiveEmissionResult> RunFugitiveEmission(const ProtectionPageInput& in) {
    ProtectionCoefficients used;
    const double Qc =
        ComputeFugitiveEmission(in.distance, in.limit, in.area, in.windSpeed, ClassOf(in), &used);
    return {.result = FugitiveEmissionResult{.emission = Qc, .coefficients = Found(used)}};
}

namespace {
// What both directions of the protection distance record: the page's
// formula picture with its legend, and the page's labels.
RecordText ProtectionRecord(std::vector<const char*> steps) {
    std::vector<const char*> formulas = {
        "Qc/Cm=(1/A)*(B*L^C+0.25*r^2)^0.50*L^D", "r=(S/π)^0.5，生产单元的等效半径",
        "A、B、C、D-计算系数，从GB/T 13201-91中按平均风速和工业企业类别查取"};
    formulas.insert(formulas.end(), steps.begin(), steps.end());
    std::vector<std::string> pollutants;
    for (const PollutantLimit& p : PollutantLimits()) pollutants.emplace_back(p.name);
    return {.title = "卫生防护距离",
            .formulas = std::move(formulas),
            .labels = {
                {"area", "无组织排放源面积", "S", "m^2"},
                {"wind", "近五年平均风速", "u", "m/s"},
                {"pollutant", "污染因子", "", "", std::move(pollutants)},
                {"limit", "环境标准浓度限值", "Cm", "mg/m^3"},
                {"stack", "排放同种有害气体的排气筒", "", "", {"有", "无"}},
                {"reaction",
                 "无组织排放的有害物质容许浓度",
                 "",
                 "",
                 {"按急性反应指标确定", "按慢性反应指标确定"}},
                {"stack-share", "排气筒的污染物排放量", "", "", {"大于允许的1/3", "小于允许的1/3"}},
                {"emission", "无组织排放量", "Qc", "kg/hr"},
                {"distance", "卫生防护距离", "L", "m"},
                {"graded", "提级后距离", "", "m"}}};
}

// Only the radio group shown for the stack choice decides the class: the
// reaction group without a stack, the stack-share group with one.
bool ProtectionInputTakesPart(const ProtectionPageInput& in, std::string_view input) {
    if (input == "reaction")
        return in.stack != 0;
    if (input == "stack-share")
        return in.stack == 0;
    return true;
}

// What a reviewer checks against the standard's table: the coefficients
// looked up, the equivalent radius and the class of the enterprise.
std::vector<RecordLine> ProtectionWorkings(const ProtectionPageInput& in,
                                           const std::optional<ProtectionCoefficients>& used) {
    using vek::text::FormatFloat;
    std::vector<RecordLine> lines;
    if (used)
        lines = {{"计算系数", "A", FormatFloat(used->A), ""},
                 {"计算系数", "B", FormatFloat(used->B), ""},
                 {"计算系数", "C", FormatFloat(used->C), ""},
                 {"计算系数", "D", FormatFloat(used->D), ""}};
    lines.push_back(
        {"生产单元的等效半径", "r", vek::text::FormatDouble(EquivalentRadius(in.area)), "m"});
    static constexpr const char* kClassNames[] = {"I", "II", "III"};
    lines.push_back({"工业企业类别", "", kClassNames[static_cast<int>(ClassOf(in))], ""});
    return lines;
}

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
        .record = ProtectionRecord(
            {"卫生防护距离在100m以内时，级差为50m；超过100m，但小于或等于1000m时，级差为100m；"
             "超过1000m以上，级差为200m。"}),
        .takesPart = ProtectionInputTakesPart,
        .workings = [](const P& in,
                       const R& out) { return ProtectionWorkings(in, out.coefficients); },
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
        .record = ProtectionRecord({}),
        .takesPart = ProtectionInputTakesPart,
        .workings = [](const P& in,
                       const R& out) { return ProtectionWorkings(in, out.coefficients); },
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
        .record = {.title = "有机溶剂散发量",
                   .formulas = {"马扎克公式：G=(5.38+4.1u)*Pv*F*M^0.5"},
                   .labels = {{"wind", "车间内风速", "u", "m/s"},
                              {"area", "有机溶剂敞露面积", "F", "m^2"},
                              {"mol-weight", "有机溶剂分子量", "M", ""},
                              {"vapour-pressure", "有机溶剂在该温度时饱和蒸汽压", "Pv", "mmHg"},
                              {"evaporation", "有机溶剂散发量", "G", "g/h"}}},
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
        .record = {.title = "恶臭气体散发速率",
                   .formulas = {"E=2CWm/M*(DLu/πF)^0.5"},
                   .labels = {{"wind", "风速", "u", "m/s"},
                              {"diffusivity", "扩散率", "D", "cm^2/s"},
                              {"width", "堆场或填场的宽度", "W", "cm"},
                              {"length", "堆场或填场的长度", "L", "cm"},
                              {"compound-mass", "土壤中挥发性化合物的重量", "m", "kg"},
                              {"total-mass", "土壤与化合物的总重量", "M", "kg"},
                              {"vapour-pressure", "化学气体蒸汽压", "C", "101.325kPa"},
                              {"correction", "蒸汽压校正系数", "F", ""},
                              {"emission-rate", "恶臭气体散发速率", "E", "cm^3/s"}}},
    };
    return def;
}
