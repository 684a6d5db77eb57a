// SPDX-License-Identifier: MIT
#pragma once
// Page 1: the domestic sewage and refuse of a works' staff.

#include "pages/calc_page.h"

class CSewagePage : public CCalcPage {
public:
    static constexpr int IDD = 129;

    CSewagePage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    // Inputs (single precision, as typed).
    float m_fWorkers = 0;
    float m_fResidents = 0;
    float m_fWorkDays = 0;
    float m_fWaterNonResident = 0;  // l per person per day
    float m_fWaterResident = 0;     // l per person per day
    float m_fDischargePercent = 0;  // % of water use
    float m_fCodInitial = 0;        // mg/L
    float m_fCodLimit = 0;          // mg/L
    float m_fNh3nInitial = 0;       // mg/L
    float m_fNh3nLimit = 0;         // mg/L

    // Results.
    float m_fAnnualWater = 0;      // t
    float m_fDailyDischarge = 0;   // t
    float m_fAnnualDischarge = 0;  // t
    float m_fCodAnnual = 0;        // t
    float m_fCodLimitAnnual = 0;   // t
    float m_fNh3nAnnual = 0;       // t
    float m_fNh3nLimitAnnual = 0;  // t
    float m_fCodReduction = 0;     // t
    float m_fNh3nReduction = 0;    // t
    float m_fRefuseDaily = 0;      // kg
    float m_fRefuseAnnual = 0;     // t

    void OnCompute();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;
};
