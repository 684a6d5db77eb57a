// SPDX-License-Identifier: MIT
#include "calc/water.h"

#include <gtest/gtest.h>

#include <string>

#include "text/number_text.h"

namespace {

// The result fields as the page shows them: daily and annual discharge,
// annual water use; COD, NH3-N each as load, load at the limit, reduction;
// refuse per day and per year.
std::string Show(const SewageResult& r) {
    std::string s;
    for (float v : {r.dailyDischarge, r.annualDischarge, r.annualWater, r.codAnnual,
                    r.codLimitAnnual, r.codReduction, r.nh3nAnnual, r.nh3nLimitAnnual,
                    r.nh3nReduction, r.refuseDaily, r.refuseAnnual})
        s += (s.empty() ? "" : " ") + vek::text::FormatFloat(v);
    return s;
}

const struct {
    const char* name;
    SewageInput in;
    const char* shown;
} kSewage[] = {
    {"defaults_100_workers_20_residents_300_days",
     {.workers = 100, .residents = 20, .workDays = 300},
     "9.6 2880 3600 1.44 0.288 1.152 0.1008 0.0432 0.0576 60 18"},
    // The annual discharge is rounded to single precision before it is used
    // again; the last digits of every load depend on it.
    {"odd_figures_use_rounded_annual_discharge",
     {.workers = 57,
      .residents = 13,
      .workDays = 251,
      .waterNonResident = 123,
      .waterResident = 187,
      .dischargePercent = 85},
     "6.66655 1673.3 1968.59 0.836652 0.16733 0.669322 0.0585656 0.0250996 0.0334661 35 8.785"},
    // The litres-to-tonnes factor 0.00001 is taken at single precision: with
    // a double factor the COD load would read 0.108588.
    {"single_precision_unit_factor",
     {.workers = 10,
      .residents = 0,
      .workDays = 365,
      .waterNonResident = 70,
      .dischargePercent = 85},
     "0.595 217.175 255.5 0.108587 0.0217175 0.08687 0.00760112 0.00325762 0.0043435 5 1.825"},
    {"start_up_values_give_zero", {}, "0 0 0 0 0 0 0 0 0 0 0"},
    {"residents_equal_workers_refuse_is_residents",
     {.workers = 40, .residents = 40, .workDays = 10},
     "6.4 64 80 0.032 0.0064 0.0256 0.00224 0.00096 0.00128 40 0.4"},
    {"zero_percentage_water_use_has_no_value",
     {.workers = 100, .residents = 20, .workDays = 300, .dischargePercent = 0},
     "0 0 nan 0 0 0 0 0 0 60 18"},
    {"negative_percentage_without_workers_shows_plain_zero",
     {.workers = 0, .residents = 0, .workDays = 300, .dischargePercent = -80},
     "0 0 0 0 0 0 0 0 0 0 0"},
};

TEST(Sewage, WorkedExamplesAsDisplayed) {
    for (const auto& c : kSewage) EXPECT_EQ(Show(ComputeSewage(c.in)), c.shown) << c.name;
}

TEST(Sewage, ChecksInOrder) {
    const struct {
        const char* name;
        SewageInput in;
        SewageCheck expected;
    } cases[] = {
        {"negative_cod_and_nh3n_limit",
         {.workers = 10, .workDays = 1, .codInitial = -1, .nh3nLimit = -1},
         SewageCheck::Negative},
        {"negative_nh3n_limit",
         {.workers = 10, .workDays = 1, .nh3nLimit = -0.5f},
         SewageCheck::Negative},
        {"negative_days", {.workers = 10, .workDays = -1}, SewageCheck::Negative},
        // A negative head count is reported as negative, not as a contradiction.
        {"negative_residents",
         {.workers = 10, .residents = -1, .workDays = 1},
         SewageCheck::Negative},
        {"more_residents_than_workers",
         {.workers = 20, .residents = 30, .workDays = 1},
         SewageCheck::MoreResidentsThanWorkers},
        {"water_use_and_percentage_are_not_checked",
         {.workers = 10, .workDays = 1, .waterNonResident = -100, .dischargePercent = -80},
         SewageCheck::Ok},
        {"equal_counts_pass", {.workers = 5, .residents = 5, .workDays = 1}, SewageCheck::Ok},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSewageInput(c.in), c.expected) << c.name;
}

}  // namespace
