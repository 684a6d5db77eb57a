// SPDX-License-Identifier: MIT
#pragma once
// Domestic sewage and refuse of a works' staff.
//
// Every figure the page shows is a single-precision field; where a rounded
// field value is used again (the annual discharge) the rounding is part of
// the formula and changes the digits a report shows.

struct SewageInput {
    float workers = 0;             // number of workers
    float residents = 0;           // of whom live on site
    float workDays = 0;            // working days per year
    float waterNonResident = 100;  // litres per non-resident per day
    float waterResident = 200;     // litres per resident per day
    float dischargePercent = 80;   // sewage as % of water use
    float codInitial = 500;        // raw COD, mg/L
    float codLimit = 100;          // COD at the discharge limit, mg/L
    float nh3nInitial = 35;        // raw NH3-N, mg/L
    float nh3nLimit = 15;          // NH3-N at the discharge limit, mg/L
};

struct SewageResult {
    float annualWater = 0;      // t/a
    float dailyDischarge = 0;   // t/d
    float annualDischarge = 0;  // t/a
    float codAnnual = 0;        // t/a before treatment
    float codLimitAnnual = 0;   // t/a at the limit
    float codReduction = 0;     // t/a
    float nh3nAnnual = 0;       // t/a before treatment
    float nh3nLimitAnnual = 0;  // t/a at the limit
    float nh3nReduction = 0;    // t/a
    float refuseDaily = 0;      // kg/d
    float refuseAnnual = 0;     // t/a
};

// What stops the computation before any figure changes.
enum class SewageCheck {
    Ok,
    Negative,                  // a concentration, head count or day count below 0
    MoreResidentsThanWorkers,  // residents > workers
};

SewageCheck CheckSewageInput(const SewageInput& in);
SewageResult ComputeSewage(const SewageInput& in);
