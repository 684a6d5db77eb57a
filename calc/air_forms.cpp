// SPDX-License-Identifier: MIT
#include "calc/air_forms.h"

#include <string_view>

#include "text/number_text.h"

// The kinds and roles of the table rows below, by their own names.
using enum FieldKind;
using enum FieldRole;

// ---------------------------------------------------------------------------
// Flue gas

FieldTable FlueGasFieldTable() {
    static const FlueGasPageInput s;
    static const std::vector<Field> table = {
        {.id = 1027,
         .name = "fuel",
         .kind = Choice,
         .label = "原料",
         .meaning = "fuel; fills sulphur, so2-limit and dust-limit unless they are given",
         .start = static_cast<double>(s.fuel),
         .choices = {{"oil", "油"}, {"coal", "煤"}}},
        {.id = 1028,
         .name = "use",
         .kind = Float,
         .role = Input,
         .label = "年用量",
         .symbol = "B",
         .unit = "吨",
         .meaning = "yearly consumption B",
         .start = s.annualUse,
         .helpUnit = "t"},
        {1029, "so2-limit", Float, Input, "SO2达标浓度", "", "mg/m^3", "SO2 standard concentration",
         s.so2Limit},
        {1030, "dust-limit", Float, Input, "烟尘达标浓度", "", "mg/m^3",
         "dust standard concentration", s.dustLimit},
        {1031, "sulphur", Float, Input, "含硫分", "S", "%", "sulphur content S", s.sulphur},
        {1032, "ash", Float, Input, "灰分", "A", "%", "ash content A (coal)", s.ash},
        {1033, "dust-share", Float, Input, "烟尘", "d", "%", "dust as a share of the ash d (coal)",
         s.dustShare},
        {1034, "combustible", Float, Input, "烟尘中可燃物", "Cfh", "%",
         "combustibles in the dust Cfh (coal)", s.combustible},
        {1036, "volume", Float, Result, "年废气排放量", "V", "万标立方米",
         "yearly flue-gas volume V", 0.0},
        {1021, "so2-conc", Int, Result, "SO2初始浓度", "", "mg/m^3",
         "SO2 concentration in the untreated gas", 0.0},
        {1022, "dust-conc", Int, Result, "烟尘初始浓度", "", "mg/m^3",
         "dust concentration in the untreated gas", 0.0},
        {1015, "so2", Float, Result, "SO2年排放量", "G(SO2)", "吨", "yearly SO2 emission", 0.0},
        {1016, "dust", Float, Result, "烟尘年排放量", "G(烟尘)", "吨", "yearly dust emission", 0.0},
        {1017, "so2-std", Float, Result, "SO2达标年排放量", "", "吨",
         "yearly SO2 emission at the standard", 0.0},
        {1018, "dust-std", Float, Result, "烟尘达标年排放量", "", "吨",
         "yearly dust emission at the standard", 0.0},
        {1023, "so2-reduction", Float, Result, "SO2年削减量", "", "吨", "yearly SO2 reduction",
         0.0},
        {1024, "dust-reduction", Float, Result, "烟尘年削减量", "", "吨", "yearly dust reduction",
         0.0},
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
                                "年削减量=年排放量-达标年排放量（不足0时为0）"}},
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
            {1037, "area", Double, Input, "无组织排放源面积", "S", "m^2",
             "area S of the fugitive source", s.area},
            {1038, "wind", Double, Input, "近五年平均风速", "u", "m/s",
             "mean wind speed u of the last five years", s.windSpeed},
            {.id = 1039,
             .name = "pollutant",
             .kind = Choice,
             .label = "污染因子",
             .meaning = "pollutant (index or name); fills limit unless it is given",
             .start = static_cast<double>(s.pollutant),
             .choices = std::move(pollutants)},
            {1040, "limit", Double, Input, "环境标准浓度限值", "Cm", "mg/m^3",
             "standard concentration limit Cm", s.limit},
            {.id = 1041,
             .name = "stack",
             .kind = Choice,
             .label = "排放同种有害气体的排气筒",
             .meaning = "a stack emits the same gas: 0 有, 1 无",
             .start = static_cast<double>(s.stack),
             .choices = {{"yes", "有"}, {"no", "无"}}},
            {.id = 1044,
             .name = "reaction",
             .kind = Choice,
             .label = "无组织排放的有害物质容许浓度",
             .meaning = "without a stack, limit set by: 0 acute, 1 chronic reaction",
             .start = static_cast<double>(s.reaction),
             .choices = {{"acute"}, {"chronic"}},
             .choiceTexts = {"按急性反应指标确定", "按慢性反应指标确定"}},
            {.id = 1047,
             .name = "stack-share",
             .kind = Choice,
             .label = "排气筒的污染物排放量",
             .meaning = "with a stack, its emission is: 0 above, 1 below a third of the allowed",
             .start = static_cast<double>(s.stackShare),
             .choices = {{"above"}, {"below"}},
             .choiceTexts = {"大于允许的1/3", "小于允许的1/3"}},
            // Each of the two is the input of one computation and the result
            // of the other; every field of the page stays editable.
            {.id = 1049,
             .name = "emission",
             .kind = Double,
             .role = Input,
             .label = "无组织排放量",
             .symbol = "Qc",
             .unit = "kg/hr",
             .meaning = "fugitive emission Qc",
             .start = s.emission,
             .helpUnit = "kg/h"},
            {1051, "distance", Double, Input, "卫生防护距离", "L", "m", "protection distance L",
             s.distance},
            {1052, "graded", Int, Input, "提级后距离", "", "m",
             "distance raised to the standard's steps", 0.0},
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
// formula picture with its legend.
RecordText ProtectionRecord(std::vector<const char*> steps) {
    std::vector<const char*> formulas = {
        "Qc/Cm=(1/A)*(B*L^C+0.25*r^2)^0.50*L^D", "r=(S/π)^0.5，生产单元的等效半径",
        "A、B、C、D-计算系数，从GB/T 13201-91中按平均风速和工业企业类别查取"};
    formulas.insert(formulas.end(), steps.begin(), steps.end());
    return {.title = "卫生防护距离", .formulas = std::move(formulas)};
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
        {1114, "wind", Double, Input, "车间内风速", "u", "m/s", "air speed u in the workshop",
         s.windSpeed},
        {1089, "area", Double, Input, "有机溶剂敞露面积", "F", "m^2", "exposed area F", s.area},
        {1116, "mol-weight", Double, Input, "有机溶剂分子量", "M", "", "molecular weight M",
         s.molWeight},
        {1117, "vapour-pressure", Double, Input, "有机溶剂在该温度时饱和蒸汽压", "Pv", "mmHg",
         "saturation vapour pressure Pv", s.vapourPressure},
        // The result field is editable like the others.
        {1118, "evaporation", Double, Input, "有机溶剂散发量", "G", "g/h", "evaporation rate G",
         0.0},
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
        .record = {.title = "有机溶剂散发量", .formulas = {"马扎克公式：G=(5.38+4.1u)*Pv*F*M^0.5"}},
    };
    return def;
}

// ---------------------------------------------------------------------------
// Odorous-gas emission

FieldTable OdourFieldTable() {
    static const OdourEmissionInput s;
    static const std::vector<Field> table = {
        {1114, "wind", Double, Input, "风速", "u", "m/s", "wind speed u", s.windSpeed},
        {1115, "diffusivity", Double, Input, "扩散率", "D", "cm^2/s", "diffusivity D",
         s.diffusivity},
        {1119, "width", Double, Input, "堆场或填场的宽度", "W", "cm", "width W of the heap or fill",
         s.width},
        {1088, "length", Double, Input, "堆场或填场的长度", "L", "cm",
         "length L of the heap or fill", s.length},
        {1116, "compound-mass", Double, Input, "土壤中挥发性化合物的重量", "m", "kg",
         "mass m of the volatile compound", s.soilMass},
        {1089, "total-mass", Double, Input, "土壤与化合物的总重量", "M", "kg",
         "total mass M of soil and compound", s.totalMass},
        {.id = 1120,
         .name = "vapour-pressure",
         .kind = Double,
         .role = Input,
         .label = "化学气体蒸汽压",
         .symbol = "C",
         .unit = "101.325kPa",
         .meaning = "vapour pressure C",
         .start = s.vapourPressure,
         .helpUnit = "101.325 kPa"},
        {1122, "correction", Double, Input, "蒸汽压校正系数", "F", "",
         "vapour-pressure correction factor F", s.correction},
        // The result field is editable like the others.
        {1121, "emission-rate", Double, Input, "恶臭气体散发速率", "E", "cm^3/s", "emission rate E",
         0.0},
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
        .record = {.title = "恶臭气体散发速率", .formulas = {"E=2CWm/M*(DLu/πF)^0.5"}},
    };
    return def;
}
