// SPDX-License-Identifier: MIT
// The noise pages and tool windows: decibel calculator, Green formula and
// Lp1, Stueber formula, barrier path differences, Leq and Ldn.

#include "calc/noise.h"
#include "tools/vek-calc/describe.h"

namespace vek::cli {

namespace {

// ---------------------------------------------------------------------------
// Decibel calculator: "a + b =" and "a - b =" on its double display 1066.

// "=" without a second operand takes the first again (6 0 + = is 60 + 60).
double SecondOperand(const Inputs& in) {
    const auto& given = in.Raw("level2");
    return given ? std::get<double>(*given) : in.Double("level1");
}

Outcome Sum(const Inputs& in, const Context&) {
    return Show({DecibelSum(in.Double("level1"), SecondOperand(in))});
}

Outcome Difference(const Inputs& in, const Context&) {
    return Show({DecibelDifference(in.Double("level1"), SecondOperand(in))});
}

// The keypad's operands are typed into its one display; they have no field
// of their own, hence no id.
std::vector<InputField> Operands(const char* second) {
    return {DoubleIn("level1", 0, "first level", "dB", 0),
            {"level2", 0, Width::Double, second, "dB", std::nullopt, "level1"}};
}

// ---------------------------------------------------------------------------
// Green formula and Lp1

GreenInput Wall(const Inputs& in) {
    GreenInput g;
    g.lp1 = in.Float("lp1");
    g.wallTL = in.Float("tl");
    g.wallArea = in.Float("area");
    return g;
}

Outcome GreenLevel(const Inputs& in, const Context&) {
    GreenInput g = Wall(in);
    g.distance = in.Float("distance");
    return Show({ComputeGreenLevel(g)});
}

Outcome GreenDistance(const Inputs& in, const Context&) {
    GreenInput g = Wall(in);
    g.level = in.Float("level");
    return Show({ComputeGreenDistance(g)});
}

std::vector<InputField> GreenInputs(InputField given) {
    const GreenInput start;
    return {
        FloatIn("lp1", 1054, "level Lp1 1 m inside the wall", "dB", start.lp1),
        FloatIn("tl", 1055, "sound insulation TL of the wall", "dB", start.wallTL),
        FloatIn("area", 1056, "area F of the outer wall facing the receiver", "m^2",
                start.wallArea),
        std::move(given),
    };
}

Outcome Lp1(const Inputs& in, const Context&) {
    Lp1Input r;
    r.soundPower = in.Float("lw");
    r.directivity = in.Float("q");
    r.roomArea = in.Float("room-area");
    r.absorption = in.Float("absorption");
    r.distance = in.Float("distance");
    return Show({ComputeLp1(r).lp1});
}

// ---------------------------------------------------------------------------
// Stueber formula

StueberInput Workshop(const Inputs& in) {
    StueberInput w;
    w.lr = in.Float("lr");
    w.screenLR = in.Float("screen");
    w.sourceHeight = in.Float("height");
    w.frequency = in.Float("frequency");
    w.length = in.Float("length");
    w.width = in.Float("width");
    w.delta1 = in.Float("delta1");
    w.delta2 = in.Float("delta2");
    w.delta3 = in.Float("delta3");
    return w;
}

Outcome StueberLevel(const Inputs& in, const Context&) {
    StueberInput w = Workshop(in);
    w.distance = in.Float("distance");
    return Show({ComputeStueberLevel(w).value});
}

Outcome StueberDistance(const Inputs& in, const Context&) {
    StueberInput w = Workshop(in);
    w.level = in.Float("level");
    return Show({ComputeStueberDistance(w).value});
}

std::vector<InputField> StueberInputs(InputField given) {
    const StueberInput start;
    return {
        FloatIn("lr", 1082, "mean noise level LR in the workshop", "dB", start.lr),
        FloatIn("screen", 1064, "mean screening attenuation in the workshop", "dB", start.screenLR),
        FloatIn("height", 1083, "mean source height H", "m", start.sourceHeight),
        FloatIn("frequency", 1089, "frequency f", "Hz", start.frequency),
        FloatIn("length", 1092, "workshop length", "m", start.length),
        FloatIn("width", 1093, "workshop width", "m", start.width),
        FloatIn("delta1", 1085, "path difference over the barrier's top", "m", start.delta1),
        FloatIn("delta2", 1086, "path difference around its far end", "m", start.delta2),
        FloatIn("delta3", 1087, "path difference around its near end", "m", start.delta3),
        std::move(given),
    };
}

// ---------------------------------------------------------------------------
// Barrier path differences

Outcome PathDifference(const Inputs& in, const Context&) {
    PathDifferenceInput p;
    p.barrierHeight = in.Float("barrier-height");
    p.sourceHeight = in.Float("source-height");
    p.receiverHeight = in.Float("receiver-height");
    p.sourceDist = in.Float("source-distance");
    p.receiverDist = in.Float("receiver-distance");
    p.barrierLength = in.Float("barrier-length");
    p.sourceOffset = in.Float("source-offset");
    p.receiverOffset = in.Float("receiver-offset");
    p.sameSide = in.Int("side") == 1;
    const PathDifferences r = ComputePathDifferences(p);
    std::vector<Value> deltas{r.delta1, r.delta2, r.delta3};
    if (r.direct)
        return ShowAfterBox({kAppCaption, "声波可直达,声程差为0"}, std::move(deltas));
    return Show(std::move(deltas));
}

Calculator PathDifferenceCalculator() {
    const PathDifferenceInput start;
    return {
        "path-difference",
        "path differences of a point source around a finite barrier",
        {
            FloatIn("barrier-height", 1083, "barrier height H", "m", start.barrierHeight),
            FloatIn("source-height", 1084, "source height h1", "m", start.sourceHeight),
            FloatIn("receiver-height", 1085, "receiver height h2", "m", start.receiverHeight),
            FloatIn("source-distance", 1086, "source to barrier d1", "m", start.sourceDist),
            FloatIn("receiver-distance", 1087, "receiver to barrier d2", "m", start.receiverDist),
            FloatIn("barrier-length", 1088, "barrier length L", "m", start.barrierLength),
            FloatIn("source-offset", 1089, "source from the barrier's bisector m1", "m",
                    start.sourceOffset),
            FloatIn("receiver-offset", 1090, "receiver from the barrier's bisector m2", "m",
                    start.receiverOffset),
            ChoiceIn("side", 1093, "source and receiver on 0 different sides, 1 the same side",
                     start.sameSide ? 1 : 0, {{"different"}, {"same"}}),
        },
        {
            {"delta1", 1091, Width::Float},
            {"delta2", 1092, Width::Float},
            {"delta3", 1095, Width::Float},
        },
        PathDifference,
    };
}

// ---------------------------------------------------------------------------
// Leq and Ldn

Outcome Leq(const Inputs& in, const Context&) {
    const LeqResult r =
        ComputeLeq({in.Text("levels"), in.Text("intervals"), in.Int("equal-interval") == 1});
    // The page rewrites both lists, then writes the result line.
    return Show({r.levels, r.intervals, LeqResultLine(r)});
}

Outcome Ldn(const Inputs& in, const Context&) {
    LdnInput d;
    d.dayLevel = in.Float("day-level");
    d.nightLevel = in.Float("night-level");
    d.dayHours = in.Float("day-hours");
    d.nightHours = in.Float("night-hours");
    return Show({LdnResultLine(ComputeLdn(d))});
}

}  // namespace

std::vector<Calculator> NoiseCalculators() {
    const GreenInput green;
    const Lp1Input lp1;
    const StueberInput stueber;
    const LeqInput leq;
    const LdnInput ldn;
    return {
        {"db-sum",
         "energy sum of two levels",
         Operands("level added"),
         {{"result", 1066, Width::Double}},
         Sum},
        {"db-diff",
         "energy difference of two levels",
         Operands("level taken away"),
         {{"result", 1066, Width::Double}},
         Difference},
        {"green-level",
         "level outside a workshop from a source inside (Green formula)",
         GreenInputs(FloatIn("distance", 1057, "distance l from the workshop to the receiver", "m",
                             green.distance)),
         {{"level", 1058, Width::Float}},
         GreenLevel},
        {"green-distance",
         "distance at which the Green formula reaches a level",
         GreenInputs(
             FloatIn("level", 1058, "level Lp3 to be met at the receiver", "dB", green.level)),
         {{"distance", 1057, Width::Float}},
         GreenDistance},
        {"lp1",
         "level Lp1 near the inside of the wall from the source's sound power",
         {
             FloatIn("lw", 1076, "sound power level Lw of the source", "dB", lp1.soundPower),
             FloatIn("q", 1078, "directivity factor Q", "", lp1.directivity),
             FloatIn("room-area", 1079, "inner surface S of the room, roof and floor included",
                     "m^2", lp1.roomArea),
             FloatIn("absorption", 1080, "absorption coefficient a of the walls", "",
                     lp1.absorption),
             FloatIn("distance", 1077, "distance r from the source to the Lp1 point", "m",
                     lp1.distance),
         },
         {{"lp1", 1054, Width::Float}},
         Lp1},
        {"stueber-level",
         "level at a distance from a whole workshop (Stueber formula)",
         StueberInputs(FloatIn("distance", 1077, "distance r from the source's centre", "m",
                               stueber.distance)),
         {{"level", 1090, Width::Float}},
         StueberLevel},
        {"stueber-distance",
         "distance at which the Stueber formula reaches a level",
         StueberInputs(
             FloatIn("level", 1090, "level Lp to be met at the receiver", "dB", stueber.level)),
         {{"distance", 1077, Width::Float}},
         StueberDistance},
        PathDifferenceCalculator(),
        {"leq",
         "equivalent continuous A level of a list of levels",
         {
             TextIn("levels", 1098, "instantaneous A levels, any separators", "dBA", leq.levels),
             TextIn("intervals", 1067, "interval of each level, any separators", "any",
                    leq.intervals),
             ChoiceIn("equal-interval", 1099, "equal-interval sampling: 0 off, 1 on",
                      leq.equalInterval ? 1 : 0, {{"off"}, {"on"}}),
         },
         {
             {"levels", 1098, Width::Text},
             {"intervals", 1067, Width::Text},
             {"result", 1101, Width::Text},
         },
         Leq},
        {"ldn",
         "day-night equivalent level",
         {
             FloatIn("day-level", 1105, "day level Ld", "dBA", ldn.dayLevel),
             FloatIn("night-level", 1106, "night level Ln", "dBA", ldn.nightLevel),
             FloatIn("day-hours", 1110, "day hours Td", "h", ldn.dayHours),
             FloatIn("night-hours", 1109, "night hours Tn", "h", ldn.nightHours),
         },
         {{"result", 1101, Width::Text}},
         Ldn},
    };
}

}  // namespace vek::cli
