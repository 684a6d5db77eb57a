// SPDX-License-Identifier: MIT
// Domestic sewage and refuse (the first page).

#include "calc/water.h"
#include "tools/vek-calc/describe.h"

namespace vek::cli {

namespace {

Outcome Sewage(const Inputs& in, const Context&) {
    SewageInput s;
    s.workers = in.Float("workers");
    s.residents = in.Float("residents");
    s.workDays = in.Float("days");
    s.waterNonResident = in.Float("water-nonresident");
    s.waterResident = in.Float("water-resident");
    s.dischargePercent = in.Float("discharge");
    s.codInitial = in.Float("cod");
    s.codLimit = in.Float("cod-limit");
    s.nh3nInitial = in.Float("nh3n");
    s.nh3nLimit = in.Float("nh3n-limit");
    switch (CheckSewageInput(s)) {
        case SewageCheck::Negative:
            return Stop({kErrorCaption, "不能是负数，请重新输入"});
        case SewageCheck::MoreResidentsThanWorkers:
            return Stop({kErrorCaption, "逻辑常识错误，请重新输入"});
        case SewageCheck::Ok:
            break;
    }
    const SewageResult r = ComputeSewage(s);
    return Show({r.codLimitAnnual, r.codAnnual, r.codReduction, r.nh3nLimitAnnual, r.nh3nAnnual,
                 r.nh3nReduction, r.annualDischarge, r.annualWater, r.dailyDischarge,
                 r.refuseAnnual, r.refuseDaily});
}

}  // namespace

std::vector<Calculator> WaterCalculators() {
    const SewageInput start;
    return {{
        "sewage",
        "domestic sewage, COD and NH3-N loads and refuse of a works' staff",
        {
            FloatIn("workers", 1005, "number of workers", "", start.workers),
            FloatIn("residents", 1006, "of whom live on site", "", start.residents),
            FloatIn("days", 1007, "working days per year", "d", start.workDays),
            FloatIn("water-nonresident", 1008, "water use per non-resident and day", "L",
                    start.waterNonResident),
            FloatIn("water-resident", 1009, "water use per resident and day", "L",
                    start.waterResident),
            FloatIn("discharge", 1010, "sewage as a share of water use", "%",
                    start.dischargePercent),
            FloatIn("cod", 1011, "raw COD concentration", "mg/L", start.codInitial),
            FloatIn("cod-limit", 1012, "COD concentration at the discharge limit", "mg/L",
                    start.codLimit),
            FloatIn("nh3n", 1013, "raw NH3-N concentration", "mg/L", start.nh3nInitial),
            FloatIn("nh3n-limit", 1015, "NH3-N concentration at the discharge limit", "mg/L",
                    start.nh3nLimit),
        },
        // The page's exchange order.
        {
            {"cod-limit-annual", 1019, Width::Float},
            {"cod-annual", 1018, Width::Float},
            {"cod-reduction", 1022, Width::Float},
            {"nh3n-limit-annual", 1021, Width::Float},
            {"nh3n-annual", 1020, Width::Float},
            {"nh3n-reduction", 1023, Width::Float},
            {"annual-discharge", 1017, Width::Float},
            {"annual-water", 1014, Width::Float},
            {"daily-discharge", 1016, Width::Float},
            {"refuse-annual", 1025, Width::Float},
            {"refuse-daily", 1024, Width::Float},
        },
        Sewage,
    }};
}

}  // namespace vek::cli
