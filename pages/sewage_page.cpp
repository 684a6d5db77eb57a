// SPDX-License-Identifier: MIT
#include "pages/sewage_page.h"

#include "calc/water_form.h"

namespace {
constexpr int IDC_COMPUTE = 1026;
}  // namespace

CSewagePage::CSewagePage() : CCalcPage(IDD) {}

FieldTable CSewagePage::Fields() const {
    return SewageFieldTable();
}

void CSewagePage::BuildMessageMap() {
    On(IDC_COMPUTE, Notify::Clicked, &CSewagePage::OnCompute);
}

std::vector<CCalcPage::Binding> CSewagePage::Bindings() {
    // The exchange order: a failed take-in has read the members before the
    // failing field and none after it.
    return {
        {1008, &m_fWaterNonResident}, {1011, &m_fCodInitial},      {1012, &m_fCodLimit},
        {1019, &m_fCodLimitAnnual},   {1018, &m_fCodAnnual},       {1022, &m_fCodReduction},
        {1005, &m_fWorkers},          {1007, &m_fWorkDays},        {1013, &m_fNh3nInitial},
        {1015, &m_fNh3nLimit},        {1021, &m_fNh3nLimitAnnual}, {1020, &m_fNh3nAnnual},
        {1023, &m_fNh3nReduction},    {1017, &m_fAnnualDischarge}, {1014, &m_fAnnualWater},
        {1010, &m_fDischargePercent}, {1016, &m_fDailyDischarge},  {1025, &m_fRefuseAnnual},
        {1024, &m_fRefuseDaily},      {1009, &m_fWaterResident},   {1006, &m_fResidents},
    };
}

bool CSewagePage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    SetStartValues();
    UpdateData(false);
    return true;
}

void CSewagePage::OnCompute() {
    Compute(SewageCalculator());
}
