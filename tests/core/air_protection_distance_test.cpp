// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/air_forms.h"
#include "text/number_text.h"

using vek::text::FormatDouble;
using vek::text::FormatGeneral;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr auto I = EnterpriseClass::ClassI;
constexpr auto II = EnterpriseClass::ClassII;
constexpr auto III = EnterpriseClass::ClassIII;

struct LookupCase {
    const char* name;
    double distance, windSpeed;
    EnterpriseClass cls;
    ProtectionCoefficients expected;
};

// One case per line of the standard's table, boundaries on both sides.
const LookupCase kLookup[] = {
    {"row1_calm", 0, 1.999, II, {400, 0.01f, 1.85f, 0.78f}},
    {"row1_2_m_s_is_middle_line", 1000, 2, I, {700, 0.021f, 1.85f, 0.84f}},
    {"row1_windy", 500, 4.001, III, {260, 0.021f, 1.85f, 0.84f}},
    {"row2_calm", 1000.001, 0, III, {400, 0.015f, 1.79f, 0.78f}},
    {"row2_4_m_s_is_middle_line", 2000, 4, II, {470, 0.036f, 1.77f, 0.84f}},
    {"row2_windy", 1500, 10, I, {530, 0.036f, 1.77f, 0.84f}},
    {"row3_calm", 2000.001, 1.5, I, {80, 0.015f, 1.79f, 0.57f}},
    {"row3_middle", 20000, 3, III, {190, 0.036f, 1.77f, 0.76f}},
    {"row3_windy", 9000, 5, II, {190, 0.036f, 1.77f, 0.76f}},
};

TEST(ProtectionCoefficients, TableLinesAndClasses) {
    for (const auto& c : kLookup) {
        const auto k = LookUpProtectionCoefficients(c.distance, c.windSpeed, c.cls);
        ASSERT_TRUE(k.has_value()) << c.name;
        const auto& e = c.expected;
        EXPECT_TRUE(k->A == e.A && k->B == e.B && k->C == e.C && k->D == e.D) << c.name;
    }
    EXPECT_FALSE(LookUpProtectionCoefficients(kNaN, 2.2, I).has_value());
    EXPECT_FALSE(LookUpProtectionCoefficients(0, kNaN, I).has_value());
    // (stack, reaction, stack share): the group hidden by the stack choice is ignored.
    const int groups[][4] = {{0, 1, 0, 0}, {0, 1, 1, 1}, {1, 0, 0, 1}, {1, 1, 1, 2}, {0, 0, 0, 0}};
    for (const auto& g : groups)
        EXPECT_EQ(ClassifyEnterprise(g[0], g[1], g[2]), static_cast<EnterpriseClass>(g[3]));
}

// Emission at the distance, read back: the true root lies within the
// bisection's 1e-10 m of the distance, and the emission grows with distance.
void ExpectEmissionReadsBack(double L, double Qc, double Cm, double S, double u,
                             EnterpriseClass cls) {
    EXPECT_LE(ComputeFugitiveEmission(L - 1e-9, Cm, S, u, cls), Qc) << FormatDouble(L);
    EXPECT_GE(ComputeFugitiveEmission(L + 1e-9, Cm, S, u, cls), Qc) << FormatDouble(L);
}

struct DistanceCase {
    const char* name;
    double Qc, Cm, S, u;
    EnterpriseClass cls;
    const char* firstSolve;  // six digits of the first-row solve, when solved twice
    const char* shown;       // six digits, or the full text where it is known exactly
    int graded;
    ProtectionCoefficients second = {};  // those of the second solve, when solved twice
};

const DistanceCase kDistance[] = {
    {"fresh_page_qc_1", 1, 2.4, 1000, 2.2, III, nullptr, "26.1504", 50},
    {"fresh_page_qc_5", 5, 2.4, 1000, 2.2, III, nullptr, "108.575", 200},
    {"fresh_page_qc_20", 20, 2.4, 1000, 2.2, III, nullptr, "265.458", 300},
    {"second_solve_in_row_2",
     10,
     0.05,
     1000,
     2.2,
     III,
     "1659.11",
     "1685.29",
     1800,
     {350, 0.036f, 1.77f, 0.84f}},
    {"second_solve_in_row_3",
     50,
     0.05,
     1000,
     2.2,
     III,
     "4133.44",
     "4443.04",
     4600,
     {190, 0.036f, 1.77f, 0.76f}},
    {"calm_class_i_row_3",
     10,
     0.01,
     1000,
     1.5,
     I,
     "7449.15",
     "9316.48",
     9400,
     {80, 0.015f, 1.79f, 0.57f}},
    // F is exactly 0 at a midpoint of the search, which stops there.
    {"bisection_meets_the_root", 1, 0.3, 4600, 2.2, III, nullptr, "111.506", 200},
    {"no_emission_is_no_distance", 0, 2.4, 1000, 2.2, III, nullptr, "0", 50},
    {"huge_emission_stops_at_20_km", 1e9, 2.4, 1000, 2.2, III, nullptr, "19999.9999999999", 20000},
    {"zero_limit_stops_at_20_km", 1, 0, 1000, 2.2, III, nullptr, "19999.9999999999", 20000},
    {"negative_emission", -1, 2.4, 1000, 2.2, III, nullptr, "nan", 0},
    {"zero_over_zero", 0, 0, 1000, 2.2, III, nullptr, "nan", 0},
    {"negative_area", 1, 2.4, -1000, 2.2, III, nullptr, "nan", 0},
    {"unknown_wind_speed", 1, 2.4, 1000, kNaN, III, nullptr, "nan", 0},
};

TEST(ProtectionDistance, WorkedExamplesAsShown) {
    for (const auto& c : kDistance) {
        SCOPED_TRACE(c.name);
        ProtectionCoefficients used;
        const double L = ComputeProtectionDistance(c.Qc, c.Cm, c.S, c.u, c.cls, &used);
        const std::string full = FormatDouble(L);
        EXPECT_TRUE(full == c.shown || FormatGeneral(L, 6) == c.shown) << full;
        EXPECT_EQ(GradeProtectionDistance(L), c.graded);
        if (c.firstSolve) {
            const auto row1 = *LookUpProtectionCoefficients(0, c.u, c.cls);
            EXPECT_EQ(FormatGeneral(SolveProtectionDistance(row1, c.Qc, c.Cm, c.S), 6),
                      c.firstSolve);
            const auto& e = c.second;
            EXPECT_TRUE(used.A == e.A && used.B == e.B && used.C == e.C && used.D == e.D);
        }
        if (L > 0 && L < 19999)
            ExpectEmissionReadsBack(L, c.Qc, c.Cm, c.S, c.u, c.cls);
    }
    EXPECT_TRUE(std::isnan(ComputeFugitiveEmission(100, 2.4, 1000, kNaN, III)));
    EXPECT_TRUE(std::isnan(ComputeFugitiveEmission(kNaN, 2.4, 1000, 2.2, III)));
    EXPECT_EQ(ComputeFugitiveEmission(0, 2.4, 1000, 2.2, III), 0);
}

// {distance, graded}: a safety distance is never graded below itself.
const double kGrades[][2] = {{0, 50},        {50, 50},
                             {50.001, 100},  {100, 100},
                             {100.5, 200},   {200, 300},
                             {999.9, 1000},  {1000, 1100},
                             {1000.5, 1200}, {1200, 1200},
                             {1200.5, 1400}, {1201, 1400},
                             {1999, 2000},   {19999.9999999999, 20000},
                             {kNaN, 0}};

TEST(ProtectionDistance, Grades) {
    for (const auto& g : kGrades) EXPECT_EQ(GradeProtectionDistance(g[0]), g[1]) << g[0];
}

// The pollutant list with the standard limit each choice fills in (mg/m^3).
TEST(ProtectionDistance, PollutantChoiceFillsItsLimit) {
    std::string shown;
    for (std::size_t i = 0; i < PollutantLimits().size(); ++i) {
        ProtectionPageInput in;
        ChoosePollutant(in, static_cast<int>(i));
        shown +=
            std::string(i ? " " : "") + PollutantLimits()[i].name + ":" + FormatDouble(in.limit);
    }
    EXPECT_EQ(shown,
              "苯:2.4 二甲苯:0.3 甲苯:0.6 丙酮:0.8 氟化物:0.02 氯化氢:0.05 苯乙烯:0.01 乙醛:0.01 "
              "丙烯腈:0.05 丙烯醛:0.1 甲醛:0.05 硫化氢:0.01 硫酸:0.3 氯丁二烯:0.1 飘尘:0.5 "
              "异丙醇:0.6 乙酸丁酯:0.1 DMF:0.03 辛醇:0.15 醋酸乙酯:0.1 丁酮:0.4 苯并芘:0.01");
}

}  // namespace
