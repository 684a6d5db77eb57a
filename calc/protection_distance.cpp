// SPDX-License-Identifier: MIT
// Sanitary protection distance of a fugitive source, after GB/T 13201-91:
//   Qc / Cm = (1 / A) (B L^C + 0.25 r²)^0.5 L^D,   r² = S / π,
// solved for L by bisection, graded to the standard's distance steps, and
// read the other way as the emission a distance allows.
#include <cmath>
#include <limits>

#include "calc/air.h"
#include "text/number_text.h"

namespace {

// 0.25 / 3.14159: turns the area S (m²) into 0.25 r².
constexpr double kQuarterRadiusSquaredPerArea = 0.07957753876221914;

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// One line of the coefficient table; A for classes I, II, III.
struct CoefficientLine {
    float A[3];
    float B;
    float C;
    float D;
};

// [distance row][wind line]: rows L ≤ 1000, 1000 < L ≤ 2000, L > 2000 (m);
// lines u < 2, 2 ≤ u ≤ 4, u > 4 (m/s). Single precision: these values enter
// the arithmetic as floats, and their rounding shows in the results.
constexpr CoefficientLine kCoefficients[3][3] = {
    {
        {{400, 400, 400}, 0.01f, 1.85f, 0.78f},
        {{700, 470, 350}, 0.021f, 1.85f, 0.84f},
        {{530, 350, 260}, 0.021f, 1.85f, 0.84f},
    },
    {
        {{400, 400, 400}, 0.015f, 1.79f, 0.78f},
        {{700, 470, 350}, 0.036f, 1.77f, 0.84f},
        {{530, 350, 260}, 0.036f, 1.77f, 0.84f},
    },
    {
        {{80, 80, 80}, 0.015f, 1.79f, 0.57f},
        {{380, 250, 190}, 0.036f, 1.77f, 0.76f},
        {{290, 190, 140}, 0.036f, 1.77f, 0.76f},
    },
};

constexpr PollutantLimit kPollutants[] = {
    {"苯", "2.40"},       {"二甲苯", "0.30"},   {"甲苯", "0.60"},   {"丙酮", "0.80"},
    {"氟化物", "0.02"},   {"氯化氢", "0.05"},   {"苯乙烯", "0.01"}, {"乙醛", "0.01"},
    {"丙烯腈", "0.05"},   {"丙烯醛", "0.10"},   {"甲醛", "0.05"},   {"硫化氢", "0.01"},
    {"硫酸", "0.30"},     {"氯丁二烯", "0.10"}, {"飘尘", "0.50"},   {"异丙醇", "0.60"},
    {"乙酸丁酯", "0.10"}, {"DMF", "0.03"},      {"辛醇", "0.15"},   {"醋酸乙酯", "0.10"},
    {"丁酮", "0.40"},     {"苯并芘", "0.01"},
};

// (B L^C + S k)^0.5 L^D / A: the right-hand side of the formula.
double Dispersion(double L, const ProtectionCoefficients& c, double S) {
    return std::pow(std::pow(L, c.C) * c.B + S * kQuarterRadiusSquaredPerArea, 0.5) *
           std::pow(L, c.D) / c.A;
}

}  // namespace

EnterpriseClass ClassifyEnterprise(int stack, int reaction, int stackShare) {
    if (stack == 0) {  // a stack emits the same gas: its share decides
        return stackShare == 1 ? EnterpriseClass::ClassII : EnterpriseClass::ClassI;
    }
    return reaction == 0 ? EnterpriseClass::ClassII : EnterpriseClass::ClassIII;
}

std::optional<ProtectionCoefficients> LookUpProtectionCoefficients(double distance,
                                                                   double windSpeed,
                                                                   EnterpriseClass cls) {
    if (std::isnan(distance) || std::isnan(windSpeed))
        return std::nullopt;
    const int row = distance <= 1000 ? 0 : distance <= 2000 ? 1 : 2;
    // The standard's 2–4 m/s class includes 2 m/s.
    const int line = windSpeed < 2 ? 0 : windSpeed <= 4 ? 1 : 2;
    const CoefficientLine& l = kCoefficients[row][line];
    return ProtectionCoefficients{l.A[static_cast<int>(cls)], l.B, l.C, l.D};
}

double ProtectionBalance(double L, const ProtectionCoefficients& c, double Qc, double Cm,
                         double S) {
    return Qc / Cm - Dispersion(L, c, S);
}

double SolveProtectionDistance(const ProtectionCoefficients& c, double Qc, double Cm, double S) {
    const auto F = [&](double L) { return ProtectionBalance(L, c, Qc, Cm, S); };
    double lo = 0;
    double hi = 20000;
    const double atZero = F(lo);
    if (atZero == 0)
        return 0;
    // F falls with L, so a negative (or undefined) F(0) has no root; searching
    // on would report the 20 km bound as if the emission were huge.
    if (!(atZero > 0))
        return kNotANumber;
    // F is a pure function, so its values at the two ends are kept rather
    // than computed again on every step (each costs three powers); the search
    // takes exactly the same steps.
    double atLo = atZero;
    double atHi = F(hi);
    for (;;) {
        if (atHi == 0)
            return hi;
        const double mid = (hi + lo) * 0.5;
        const double atMid = F(mid);
        if (atMid == 0)
            return mid;
        if (atLo * atMid < 0) {
            hi = mid;
            atHi = atMid;
        } else {
            lo = mid;
            atLo = atMid;
        }
        if (std::fabs(lo - hi) <= 1e-10)
            return mid;
        if (atLo == 0)
            return lo;
    }
}

double ComputeProtectionDistance(double Qc, double Cm, double S, double windSpeed,
                                 EnterpriseClass cls, ProtectionCoefficients* used) {
    const auto first = LookUpProtectionCoefficients(0, windSpeed, cls);
    if (!first)
        return kNotANumber;
    if (used)
        *used = *first;
    const double L1 = SolveProtectionDistance(*first, Qc, Cm, S);
    // Exactly 1000 m lies in the first row and is kept.
    if (!(L1 > 1000))
        return L1;
    // Solved once more in the row the first distance fell in; the result
    // stands even if it falls back into another row.
    const auto second = LookUpProtectionCoefficients(L1, windSpeed, cls);
    if (used)
        *used = *second;
    return SolveProtectionDistance(*second, Qc, Cm, S);
}

double EquivalentRadius(double S) {
    return std::pow(S / 3.14159, 0.5);
}

int GradeProtectionDistance(double L) {
    if (std::isnan(L))
        return 0;
    if (L <= 50)
        return 50;
    if (L <= 100)
        return 100;
    if (L <= 1000)
        return vek::text::ClampToInt(100 * (std::floor(L / 100) + 1));
    // Above 1000 m: the smallest multiple of 200 m not below L itself (not
    // below its integer part only, which would shrink a safety distance).
    // Multiples of 200 are exact, so the comparisons settle any rounding of
    // the quotient.
    double graded = std::ceil(L / 200) * 200;
    if (graded < L) {
        graded += 200;
    } else if (graded - 200 >= L) {
        graded -= 200;
    }
    return vek::text::ClampToInt(graded);
}

double ComputeFugitiveEmission(double L, double Cm, double S, double windSpeed, EnterpriseClass cls,
                               ProtectionCoefficients* used) {
    const auto c = LookUpProtectionCoefficients(L, windSpeed, cls);
    if (!c)
        return kNotANumber;
    if (used)
        *used = *c;
    return Dispersion(L, *c, S) * Cm;
}

std::span<const PollutantLimit> PollutantLimits() {
    return kPollutants;
}
