// SPDX-License-Identifier: MIT
#include "calc/water.h"

#include <gtest/gtest.h>

#include <cmath>

#include "text/number_text.h"

using vek::text::FormatFloat;

namespace {

struct Shown {
    const char* dailyDischarge;
    const char* annualDischarge;
    const char* annualWater;
    const char* codAnnual;
    const char* codLimitAnnual;
    const char* codReduction;
    const char* nh3nAnnual;
    const char* nh3nLimitAnnual;
    const char* nh3nReduction;
    const char* refuseDaily;
    const char* refuseAnnual;
};

struct SewageCase {
    const char* name;
    SewageInput in;
    Shown shown;
};

SewageInput With(float workers, float residents, float days) {
    SewageInput in;
    in.workers = workers;
    in.residents = residents;
    in.workDays = days;
    return in;
}

SewageInput SecondExample() {
    SewageInput in = With(57, 13, 251);
    in.waterNonResident = 123;
    in.waterResident = 187;
    in.dischargePercent = 85;
    return in;
}

const SewageCase kCases[] = {
    {"defaults_100_workers_20_residents_300_days",
     With(100, 20, 300),
     {"9.6", "2880", "3600", "1.44", "0.288", "1.152", "0.1008", "0.0432", "0.0576", "60", "18"}},
    // The annual discharge is rounded to single precision before it is used
    // again; the last digits of every load depend on it.
    {"odd_figures_use_rounded_annual_discharge",
     SecondExample(),
     {"6.66655", "1673.3", "1968.59", "0.836652", "0.16733", "0.669322", "0.0585656", "0.0250996",
      "0.0334661", "35", "8.785"}},
    {"start_up_values_give_zero",
     With(0, 0, 0),
     {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
    {"residents_equal_workers_refuse_is_residents",
     With(40, 40, 10),
     {"6.4", "64", "80", "0.032", "0.0064", "0.0256", "0.00224", "0.00096", "0.00128", "40",
      "0.4"}},
};

TEST(Sewage, WorkedExamplesAsDisplayed) {
    for (const auto& c : kCases) {
        ASSERT_EQ(CheckSewageInput(c.in), SewageCheck::Ok) << c.name;
        const SewageResult r = ComputeSewage(c.in);
        EXPECT_EQ(FormatFloat(r.dailyDischarge), c.shown.dailyDischarge) << c.name;
        EXPECT_EQ(FormatFloat(r.annualDischarge), c.shown.annualDischarge) << c.name;
        EXPECT_EQ(FormatFloat(r.annualWater), c.shown.annualWater) << c.name;
        EXPECT_EQ(FormatFloat(r.codAnnual), c.shown.codAnnual) << c.name;
        EXPECT_EQ(FormatFloat(r.codLimitAnnual), c.shown.codLimitAnnual) << c.name;
        EXPECT_EQ(FormatFloat(r.codReduction), c.shown.codReduction) << c.name;
        EXPECT_EQ(FormatFloat(r.nh3nAnnual), c.shown.nh3nAnnual) << c.name;
        EXPECT_EQ(FormatFloat(r.nh3nLimitAnnual), c.shown.nh3nLimitAnnual) << c.name;
        EXPECT_EQ(FormatFloat(r.nh3nReduction), c.shown.nh3nReduction) << c.name;
        EXPECT_EQ(FormatFloat(r.refuseDaily), c.shown.refuseDaily) << c.name;
        EXPECT_EQ(FormatFloat(r.refuseAnnual), c.shown.refuseAnnual) << c.name;
    }
}

TEST(Sewage, ChecksInOrder) {
    struct CheckCase {
        const char* name;
        SewageInput in;
        SewageCheck expected;
    };
    SewageInput negativeCod = With(10, 0, 1);
    negativeCod.codInitial = -1;
    negativeCod.nh3nLimit = -1;
    SewageInput negativeNh3n = With(10, 0, 1);
    negativeNh3n.nh3nLimit = -0.5f;
    SewageInput negativeWater = With(10, 0, 1);
    negativeWater.waterNonResident = -100;
    negativeWater.dischargePercent = -80;
    const CheckCase cases[] = {
        {"negative_cod_and_nh3n", negativeCod, SewageCheck::Negative},
        {"negative_nh3n_limit", negativeNh3n, SewageCheck::Negative},
        {"negative_days", With(10, 0, -1), SewageCheck::Negative},
        // A negative head count is reported as negative, not as a contradiction.
        {"negative_residents", With(10, -1, 1), SewageCheck::Negative},
        {"more_residents_than_workers", With(20, 30, 1), SewageCheck::MoreResidentsThanWorkers},
        {"water_use_and_percentage_are_not_checked", negativeWater, SewageCheck::Ok},
        {"equal_counts_pass", With(5, 5, 1), SewageCheck::Ok},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSewageInput(c.in), c.expected) << c.name;
}

TEST(Sewage, ZeroPercentageLeavesAnnualWaterWithoutValue) {
    SewageInput in = With(100, 20, 300);
    in.dischargePercent = 0;
    const SewageResult r = ComputeSewage(in);
    EXPECT_TRUE(std::isnan(r.annualWater));
    EXPECT_EQ(FormatFloat(r.annualWater), "nan");  // never "-nan"
    EXPECT_EQ(FormatFloat(r.annualDischarge), "0");
    EXPECT_EQ(FormatFloat(r.codAnnual), "0");
}

TEST(Sewage, NegativePercentageWithNoWorkersShowsPlainZero) {
    SewageInput in = With(0, 0, 300);
    in.dischargePercent = -80;
    const SewageResult r = ComputeSewage(in);
    EXPECT_EQ(FormatFloat(r.dailyDischarge), "0");
    EXPECT_EQ(FormatFloat(r.annualDischarge), "0");
    EXPECT_EQ(FormatFloat(r.annualWater), "0");
    EXPECT_EQ(FormatFloat(r.codReduction), "0");
}

}  // namespace

// The litres-to-tonnes factor 0.00001 is taken at single precision: with a
// double factor the COD load would read 0.108588.
TEST(Sewage, SinglePrecisionUnitFactorShowsInTheLoads) {
    SewageInput in = With(10, 0, 365);
    in.waterNonResident = 70;
    in.dischargePercent = 85;
    EXPECT_EQ(FormatFloat(ComputeSewage(in).codAnnual), "0.108587");
}
