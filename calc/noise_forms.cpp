// SPDX-License-Identifier: MIT
#include "calc/noise_forms.h"

#include <cmath>

#include "text/number_text.h"

// The kinds and roles of the table rows below, by their own names.
using enum FieldKind;
using enum FieldRole;

// ---------------------------------------------------------------------------
// Decibel calculator

namespace {
constexpr const char* kDecibelTitle = "分贝计算器";
constexpr const char* kLevelLabel = "声级";
constexpr const char* kResultLabel = "计算结果";

// The operands are typed one after the other into the display; as inputs of
// the command line each has a name of its own.
std::vector<Field> DecibelFields(const char* second) {
    static const DecibelOperands s;
    return {
        {0, "level1", Double, Input, kLevelLabel, "L1", "dB", "first level", s.level1},
        {.name = "level2",
         .kind = Double,
         .label = kLevelLabel,
         .symbol = "L2",
         .unit = "dB",
         .meaning = second,
         .startNote = "level1"},
        {1066, "result", Double, Result, kResultLabel, "L", "dB", "the display", 0.0},
    };
}
}  // namespace

FieldTable DecibelSumFieldTable() {
    static const std::vector<Field> table = DecibelFields("level added");
    return table;
}

FieldTable DecibelDifferenceFieldTable() {
    static const std::vector<Field> table = DecibelFields("level taken away");
    return table;
}

namespace {
RecordText DecibelRecord(const char* formula) {
    return {.title = kDecibelTitle, .formulas = {formula}};
}

double SecondOperand(const DecibelOperands& in) {
    return in.level2.value_or(in.level1);
}
}  // namespace

Answer<DecibelDisplay> RunDecibelSum(const DecibelOperands& in) {
    return {.result = DecibelDisplay{DecibelSum(in.level1, SecondOperand(in))}};
}

Answer<DecibelDisplay> RunDecibelDifference(const DecibelOperands& in) {
    return {.result = DecibelDisplay{DecibelDifference(in.level1, SecondOperand(in))}};
}

CalcRecord DecibelChainRecord(double first, std::span<const DecibelStep> steps, double result) {
    using vek::text::FormatDouble;
    const auto symbol = [](std::size_t i) { return "L" + std::to_string(i + 1); };
    CalcRecord record;
    record.title = kDecibelTitle;
    std::string formula = "L=10*lg(10^(0.1*L1)";
    record.inputs.push_back({kLevelLabel, symbol(0), FormatDouble(first), "dB"});
    for (std::size_t i = 0; i < steps.size(); ++i) {
        formula += std::string(steps[i].subtract ? "-" : "+") + "10^(0.1*" + symbol(i + 1) + ")";
        record.inputs.push_back({kLevelLabel, symbol(i + 1), FormatDouble(steps[i].level), "dB"});
    }
    record.formulas.push_back(formula + ")");
    record.results.push_back({kResultLabel, "L", FormatDouble(result), "dB"});
    return record;
}

const CalculatorDef<DecibelOperands, DecibelDisplay>& DecibelSumCalculator() {
    using P = DecibelOperands;
    static const CalculatorDef<P, DecibelDisplay> def{
        .name = "db-sum",
        .summary = "energy sum of two levels",
        .table = DecibelSumFieldTable(),
        .inputs = {{"level1", &P::level1}, {"level2", &P::level2}},
        .results = {{"result", &DecibelDisplay::result}},
        .run = RunDecibelSum,
        .record = DecibelRecord("L=10*lg(10^(0.1*L1)+10^(0.1*L2))"),
    };
    return def;
}

const CalculatorDef<DecibelOperands, DecibelDisplay>& DecibelDifferenceCalculator() {
    using P = DecibelOperands;
    static const CalculatorDef<P, DecibelDisplay> def{
        .name = "db-diff",
        .summary = "energy difference of two levels",
        .table = DecibelDifferenceFieldTable(),
        .inputs = {{"level1", &P::level1}, {"level2", &P::level2}},
        .results = {{"result", &DecibelDisplay::result}},
        .run = RunDecibelDifference,
        .record = DecibelRecord("L=10*lg(10^(0.1*L1)-10^(0.1*L2))"),
    };
    return def;
}

// ---------------------------------------------------------------------------
// Green formula and Lp1

FieldTable IndoorNoiseFieldTable() {
    static const GreenInput s;
    static const std::vector<Field> table = {
        {1054, "lp1", Float, Input, "距墙内侧1米处受声点的声级", "Lp1", "dB",
         "level Lp1 1 m inside the wall", s.lp1},
        {1055, "tl", Float, Input, "墙壁隔声量", "TL", "dB", "sound insulation TL of the wall",
         s.wallTL},
        {1056, "area", Float, Input, "靠预测厂界一侧外墙面积", "F", "m^2",
         "area F of the outer wall facing the receiver", s.wallArea},
        // Each of the two is the input of one computation and the result of
        // the other; both stay editable.
        {1057, "distance", Float, Input, "车间到受声点的距离", "l", "m",
         "distance l from the workshop to the receiver", s.distance},
        {1058, "level", Float, Input, "预测受声点的声级", "Lp3", "dB",
         "level Lp3 to be met at the receiver", s.level},
        // The total line: the background added to Lp3 as the user types, or
        // taken away from a total typed into 1062.
        {1061, "background", Float, Input, "", "", "dB", "background level added to Lp3",
         s.background},
        {1062, "total", Float, Input, "", "", "dB", "total of Lp3 and the background", s.total},
    };
    return table;
}

Answer<GreenLevelResult> RunGreenLevel(const GreenInput& in) {
    return {.result = GreenLevelResult{ComputeGreenLevel(in)}};
}

Answer<GreenDistanceResult> RunGreenDistance(const GreenInput& in) {
    return {.result = GreenDistanceResult{ComputeGreenDistance(in)}};
}

namespace {
RecordText GreenRecord(std::vector<const char*> formulas) {
    return {.title = "格林公式噪声预测", .formulas = std::move(formulas)};
}

// The spreading term of the formula, as the level computed it from l or as
// the level to be met requires it.
RecordLine SpreadLine(double term) {
    return {"面积与距离项", "10*lg(F/l^2)", vek::text::FormatFloat(static_cast<float>(term)), "dB"};
}

std::vector<RecordLine> GreenLevelWorkings(const GreenInput& in, const GreenLevelResult&) {
    if (in.distance == 0)
        return {};  // no formula: the level is 0
    return {SpreadLine(GreenSpreadTerm(in))};
}

std::vector<RecordLine> GreenDistanceWorkings(const GreenInput& in, const GreenDistanceResult&) {
    return {SpreadLine(GreenRequiredSpreadTerm(in))};
}

std::vector<Slot<GreenInput>> WallSlots(Slot<GreenInput> given) {
    using P = GreenInput;
    return {{"lp1", &P::lp1}, {"tl", &P::wallTL}, {"area", &P::wallArea}, given};
}
}  // namespace

const CalculatorDef<GreenInput, GreenLevelResult>& GreenLevelCalculator() {
    static const CalculatorDef<GreenInput, GreenLevelResult> def{
        .name = "green-level",
        .summary = "level outside a workshop from a source inside (Green formula)",
        .table = IndoorNoiseFieldTable(),
        .inputs = WallSlots({"distance", &GreenInput::distance}),
        .results = {{"level", &GreenLevelResult::level}},
        .run = RunGreenLevel,
        .record = GreenRecord({"Lp3=Lp1-TL+10*lg(F/l^2)-11"}),
        .workings = GreenLevelWorkings,
    };
    return def;
}

const CalculatorDef<GreenInput, GreenDistanceResult>& GreenDistanceCalculator() {
    static const CalculatorDef<GreenInput, GreenDistanceResult> def{
        .name = "green-distance",
        .summary = "distance at which the Green formula reaches a level",
        .table = IndoorNoiseFieldTable(),
        .inputs = WallSlots({"level", &GreenInput::level}),
        .results = {{"distance", &GreenDistanceResult::distance}},
        .run = RunGreenDistance,
        .record = GreenRecord({"Lp3=Lp1-TL+10*lg(F/l^2)-11", "l=(F/10^(0.1*(Lp3+TL+11-Lp1)))^0.5"}),
        .workings = GreenDistanceWorkings,
    };
    return def;
}

FieldTable Lp1FieldTable() {
    static const Lp1Input s;
    static const std::vector<Field> table = {
        {1076, "lw", Float, Input, "声源声功率级", "Lw", "dB", "sound power level Lw of the source",
         s.soundPower},
        {1078, "q", Float, Input, "室内空间指向因子", "Q", "", "directivity factor Q",
         s.directivity},
        {1079, "room-area", Float, Input, "房间内壁面积(包括屋顶和地面)", "S", "m^2",
         "inner surface S of the room, roof and floor included", s.roomArea},
        {1080, "absorption", Float, Input, "壁面吸声系数", "a", "",
         "absorption coefficient a of the walls", s.absorption},
        {1077, "distance", Float, Input, "Lp1预测点离声源距离", "r", "m",
         "distance r from the source to the Lp1 point", s.distance},
        // The window's result field is editable like the others.
        {1054, "lp1", Float, Input, "距墙内侧1米处受声点的声级", "Lp1", "dB",
         "level Lp1 near the inside of the wall", 0.0},
    };
    return table;
}

Answer<Lp1Result> RunLp1(const Lp1Input& in) {
    return {.result = ComputeLp1(in)};
}

const CalculatorDef<Lp1Input, Lp1Result>& Lp1Calculator() {
    using P = Lp1Input;
    static const CalculatorDef<P, Lp1Result> def{
        .name = "lp1",
        .summary = "level Lp1 near the inside of the wall from the source's sound power",
        .table = Lp1FieldTable(),
        .inputs = {{"lw", &P::soundPower},
                   {"q", &P::directivity},
                   {"room-area", &P::roomArea},
                   {"absorption", &P::absorption},
                   {"distance", &P::distance}},
        .results = {{"lp1", &Lp1Result::lp1}},
        .run = RunLp1,
        .record = {.title = "Lp1计算",
                   .formulas = {"Lp1=Lw+10*lg(Q/(4πr^2)+4/R)", "R=S*a/(1-a)，房间常数"}},
    };
    return def;
}

// ---------------------------------------------------------------------------
// Stueber formula

FieldTable WorkshopNoiseFieldTable() {
    static const StueberInput s;
    static const std::vector<Field> table = {
        {1082, "lr", Float, Input, "车间平均噪声级", "LR", "dB",
         "mean noise level LR in the workshop", s.lr},
        {1064, "screen", Float, Input, "车间平均屏蔽衰减", "△LR", "dB",
         "mean screening attenuation in the workshop", s.screenLR},
        {1083, "height", Float, Input, "车间声源平均高度", "H", "m", "mean source height H",
         s.sourceHeight},
        {1089, "frequency", Float, Input, "声波频率", "f", "Hz", "frequency f", s.frequency},
        {1092, "length", Float, Input, "车间长度", "L", "m", "workshop length", s.length},
        {1093, "width", Float, Input, "车间宽度", "W", "m", "workshop width", s.width},
        {1085, "delta1", Float, Input, "声程差", "δ1", "m",
         "path difference over the barrier's top", s.delta1},
        {1086, "delta2", Float, Input, "声程差", "δ2", "m", "path difference around its far end",
         s.delta2},
        {1087, "delta3", Float, Input, "声程差", "δ3", "m", "path difference around its near end",
         s.delta3},
        // Each of the two is the input of one computation and the result of
        // the other; both stay editable.
        {1077, "distance", Float, Input, "整体声源的中心到受声点的距离", "r", "m",
         "distance r from the source's centre", s.distance},
        {1090, "level", Float, Input, "预测受声点的声级", "Lp", "dB",
         "level Lp to be met at the receiver", s.level},
        // The background line: a background level and the total it makes
        // with Lp, each recomputed from the other as the user types.
        {1054, "background", Float, Input, "", "", "dB", "background level added to Lp",
         s.background},
        {1091, "total", Float, Input, "", "", "dB", "total of Lp and the background", s.total},
    };
    return table;
}

Answer<StueberResult> RunStueberLevel(const StueberInput& in) {
    return {.result = ComputeStueberLevel(in)};
}

Answer<StueberResult> RunStueberDistance(const StueberInput& in) {
    return {.result = ComputeStueberDistance(in)};
}

namespace {
RecordText StueberRecord(const char* solved) {
    std::vector<const char*> formulas = {
        "Lp=10*lg(S)+LR-△LR-Adiv-Abar", "S=(H+0.0255*(L*W)^0.5)*2*(L+W)+2*L*W，车间辐射面积",
        "Adiv=10*lg(2πr^2)",
        "Abar=-10*lg(1/(3+20*N1)+1/(3+20*N2)+1/(3+20*N3))，Ni=2*δi*f/c，c=340.29m/s"};
    if (*solved)
        formulas.push_back(solved);
    return {.title = "Stueber公式噪声预测", .formulas = std::move(formulas)};
}

// The terms of the formula as this computation formed them, at the widths
// the page keeps them.
std::vector<RecordLine> StueberWorkings(const StueberInput& in, const StueberResult& out) {
    using vek::text::FormatFloat;
    const double area = ComputeEnvelopeArea(in.sourceHeight, in.length, in.width);
    return {
        {"车间辐射面积", "S", FormatFloat(static_cast<float>(area)), "m^2"},
        {"辐射面积项", "10*lg(S)", FormatFloat(static_cast<float>(10.0 * std::log10(area))), "dB"},
        {"半球面发散衰减", "Adiv", FormatFloat(out.divergence), "dB"},
        {"菲涅耳数", "N1", FormatFloat(out.barrier.fresnel1), ""},
        {"菲涅耳数", "N2", FormatFloat(out.barrier.fresnel2), ""},
        {"菲涅耳数", "N3", FormatFloat(out.barrier.fresnel3), ""},
        {"屏障衰减", "Abar", FormatFloat(out.barrier.barrier), "dB"},
    };
}

std::vector<Slot<StueberInput>> WorkshopSlots(Slot<StueberInput> given) {
    using P = StueberInput;
    return {{"lr", &P::lr},
            {"screen", &P::screenLR},
            {"height", &P::sourceHeight},
            {"frequency", &P::frequency},
            {"length", &P::length},
            {"width", &P::width},
            {"delta1", &P::delta1},
            {"delta2", &P::delta2},
            {"delta3", &P::delta3},
            given};
}
}  // namespace

const CalculatorDef<StueberInput, StueberResult>& StueberLevelCalculator() {
    static const CalculatorDef<StueberInput, StueberResult> def{
        .name = "stueber-level",
        .summary = "level at a distance from a whole workshop (Stueber formula)",
        .table = WorkshopNoiseFieldTable(),
        .inputs = WorkshopSlots({"distance", &StueberInput::distance}),
        .results = {{"level", &StueberResult::value}},
        .run = RunStueberLevel,
        .record = StueberRecord(""),
        // At r = 0 the level is LR itself and no term enters it.
        .workings =
            [](const StueberInput& in, const StueberResult& out) {
                return in.distance == 0 ? std::vector<RecordLine>() : StueberWorkings(in, out);
            },
    };
    return def;
}

const CalculatorDef<StueberInput, StueberResult>& StueberDistanceCalculator() {
    static const CalculatorDef<StueberInput, StueberResult> def{
        .name = "stueber-distance",
        .summary = "distance at which the Stueber formula reaches a level",
        .table = WorkshopNoiseFieldTable(),
        .inputs = WorkshopSlots({"level", &StueberInput::level}),
        .results = {{"distance", &StueberResult::value}},
        .run = RunStueberDistance,
        .record = StueberRecord("r=(10^(0.1*Adiv)/(2π))^0.5"),
        .workings = StueberWorkings,
    };
    return def;
}

// ---------------------------------------------------------------------------
// The live total line of both noise pages

CalcRecord WithTotalLine(CalcRecord record, const char* levelSymbol, float background,
                         float total) {
    using vek::text::FormatFloat;
    record.formulas.push_back(std::string("叠加背景噪声：L总=10*lg(10^(0.1*") + levelSymbol +
                              ")+10^(0.1*L背景))");
    record.inputs.push_back({"背景噪声级", "L背景", FormatFloat(background), "dB"});
    record.results.push_back({"叠加背景噪声后的总声级", "L总", FormatFloat(total), "dB"});
    return record;
}

// ---------------------------------------------------------------------------
// Barrier path differences

FieldTable PathDifferenceFieldTable() {
    static const PathDifferenceInput s;
    static const std::vector<Field> table = {
        {1083, "barrier-height", Float, Input, "屏蔽高度", "H", "m", "barrier height H",
         s.barrierHeight},
        {1084, "source-height", Float, Input, "声源高度", "h1", "m", "source height h1",
         s.sourceHeight},
        {1085, "receiver-height", Float, Input, "测点高度", "h2", "m", "receiver height h2",
         s.receiverHeight},
        {1086, "source-distance", Float, Input, "声源距屏", "d1", "m", "source to barrier d1",
         s.sourceDist},
        {1087, "receiver-distance", Float, Input, "测点距屏", "d2", "m", "receiver to barrier d2",
         s.receiverDist},
        {1088, "barrier-length", Float, Input, "屏蔽长度", "L", "m", "barrier length L",
         s.barrierLength},
        {1089, "source-offset", Float, Input, "声源离屏蔽中垂线距离", "m1", "m",
         "source from the barrier's bisector m1", s.sourceOffset},
        {1090, "receiver-offset", Float, Input, "测点离屏蔽中垂线距离", "m2", "m",
         "receiver from the barrier's bisector m2", s.receiverOffset},
        {.id = 1093,
         .name = "side",
         .kind = Choice,
         .label = "声源与测点",
         .meaning = "source and receiver on 0 different sides, 1 the same side",
         .start = s.sameSide ? 1.0 : 0.0,
         .choices = {{"different"}, {"same"}},
         .choiceTexts = {"在中垂线的不同侧", "在中垂线的同一侧"}},
        // The window's result fields are editable like the others.
        {1091, "delta1", Float, Input, "声程差", "δ1", "m",
         "path difference over the barrier's top", 0.0},
        {1092, "delta2", Float, Input, "声程差", "δ2", "m", "path difference around the far end",
         0.0},
        {1095, "delta3", Float, Input, "声程差", "δ3", "m", "path difference around the near end",
         0.0},
    };
    return table;
}

Answer<PathDifferences> RunPathDifferences(const PathDifferenceInput& in) {
    PathDifferences r = ComputePathDifferences(in);
    if (r.direct)
        return {.box = CheckBox{.text = "声波可直达,声程差为0", .caption = kAppName},
                .result = std::move(r)};
    return {.result = std::move(r)};
}

const CalculatorDef<PathDifferenceInput, PathDifferences>& PathDifferenceCalculator() {
    using P = PathDifferenceInput;
    using R = PathDifferences;
    static const CalculatorDef<P, R> def{
        .name = "path-difference",
        .summary = "path differences of a point source around a finite barrier",
        .table = PathDifferenceFieldTable(),
        .inputs = {{"barrier-height", &P::barrierHeight},
                   {"source-height", &P::sourceHeight},
                   {"receiver-height", &P::receiverHeight},
                   {"source-distance", &P::sourceDist},
                   {"receiver-distance", &P::receiverDist},
                   {"barrier-length", &P::barrierLength},
                   {"source-offset", &P::sourceOffset},
                   {"receiver-offset", &P::receiverOffset},
                   {"side", &P::sameSide}},
        .results = {{"delta1", &R::delta1}, {"delta2", &R::delta2}, {"delta3", &R::delta3}},
        .run = RunPathDifferences,
        .record =
            {.title = "声程差计算",
             .formulas =
                 {"δ1=SO1+O1P-SP，O1为屏障顶端上的绕射点",
                  "δ2=SO2+O2P-SP，δ3=SO3+O3P-SP，O2、O3为屏障远离、靠近测点的两端",
                  "H≤h1+(h2-h1)*d1/(d1+d2)（屏障顶端不高于声源与测点的连线），或m1、m2不小于L/"
                  "2时，声波可直达，声程差为0"}},
    };
    return def;
}

// ---------------------------------------------------------------------------
// Leq and Ldn

FieldTable NoiseIndexFieldTable() {
    static const LeqInput leq;
    static const LdnInput ldn;
    static const std::vector<Field> table = {
        {1098, "levels", Text, Input, "瞬时A声级", "Li", "dBA",
         "instantaneous A levels, any separators", leq.levels},
        {.id = 1067,
         .name = "intervals",
         .kind = Text,
         .role = Input,
         .label = "间隔时间",
         .symbol = "△Ti",
         .unit = "任意",
         .meaning = "interval of each level, any separators",
         .start = leq.intervals,
         .helpUnit = "any"},
        {.id = 1099,
         .name = "equal-interval",
         .kind = Choice,
         .label = "等间隔取样",
         .meaning = "equal-interval sampling: 0 off, 1 on",
         .start = leq.equalInterval ? 1.0 : 0.0,
         .choices = {{"off"}, {"on"}},
         .choiceTexts = {"否", "是"}},
        // The page's choice of quantity; each calculator has its own name.
        {.id = 1094,
         .name = "quantity",
         .kind = Choice,
         .meaning = "quantity shown: 0 Leq, 1 Ldn",
         .start = 0.0,
         .choices = {{"leq"}, {"ldn"}}},
        {1105, "day-level", Float, Input, "白天等效声级", "Ld", "dBA", "day level Ld",
         ldn.dayLevel},
        {1106, "night-level", Float, Input, "夜间等效声级", "Ln", "dBA", "night level Ln",
         ldn.nightLevel},
        {.id = 1110,
         .name = "day-hours",
         .kind = Float,
         .role = Input,
         .label = "白天持续时间",
         .symbol = "Td",
         .unit = "hr",
         .meaning = "day hours Td",
         .start = ldn.dayHours,
         .helpUnit = "h"},
        {.id = 1109,
         .name = "night-hours",
         .kind = Float,
         .role = Input,
         .label = "夜间持续时间",
         .symbol = "Tn",
         .unit = "hr",
         .meaning = "night hours Tn",
         .start = ldn.nightHours,
         .helpUnit = "h"},
        {1101, "result", Text, Result, "计算结果", "", "", "the result line", std::string()},
    };
    return table;
}

Answer<LeqShown> RunLeq(const LeqInput& in) {
    LeqResult r = ComputeLeq(in);
    std::string line = LeqResultLine(r);
    return {.result = LeqShown{std::move(r.levels), std::move(r.intervals), std::move(line)}};
}

Answer<LdnShown> RunLdn(const LdnInput& in) {
    return {.result = LdnShown{LdnResultLine(ComputeLdn(in))}};
}

const CalculatorDef<LeqInput, LeqShown>& LeqCalculator() {
    using P = LeqInput;
    using R = LeqShown;
    static const CalculatorDef<P, R> def{
        .name = "leq",
        .summary = "equivalent continuous A level of a list of levels",
        .table = NoiseIndexFieldTable(),
        .inputs = {{"levels", &P::levels},
                   {"intervals", &P::intervals},
                   {"equal-interval", &P::equalInterval}},
        // The page rewrites both lists, then writes the result line.
        .results = {{"levels", &R::levels}, {"intervals", &R::intervals}, {"result", &R::line}},
        .run = RunLeq,
        .record = {.title = "等效连续A声级Leq",
                   .formulas = {"Leq=10*lg((∑(△Ti*10^(0.1*Li)))/△T)",
                                "等间隔取样时：Leq=10*lg((∑10^(0.1*Li))/n)"}},
    };
    return def;
}

const CalculatorDef<LdnInput, LdnShown>& LdnCalculator() {
    using P = LdnInput;
    static const CalculatorDef<P, LdnShown> def{
        .name = "ldn",
        .summary = "day-night equivalent level",
        .table = NoiseIndexFieldTable(),
        .inputs = {{"day-level", &P::dayLevel},
                   {"night-level", &P::nightLevel},
                   {"day-hours", &P::dayHours},
                   {"night-hours", &P::nightHours}},
        .results = {{"result", &LdnShown::line}},
        .run = RunLdn,
        .record = {.title = "昼夜等效声级Ldn",
                   .formulas = {"Ldn=10*lg((Td*10^(0.1*Ld)+Tn*10^(0.1*(Ln+10)))/24)"}},
    };
    return def;
}
