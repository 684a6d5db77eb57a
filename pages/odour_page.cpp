// SPDX-License-Identifier: MIT
#include "pages/odour_page.h"

#include "calc/air_forms.h"

namespace {
constexpr int IDC_COMPUTE = 1100;
}  // namespace

COdourPage::COdourPage() : CCalcPage(IDD, StaticText::Transparent) {}

FieldTable COdourPage::Fields() const {
    return OdourFieldTable();
}

void COdourPage::BuildMessageMap() {
    On(IDC_COMPUTE, Notify::Clicked, &COdourPage::OnCompute);
}

std::vector<CCalcPage::Binding> COdourPage::Bindings() {
    // The exchange order.
    return {
        {1120, &m_dVapourPressure}, {1115, &m_dDiffusivity}, {1121, &m_dEmissionRate},
        {1088, &m_dLength},         {1116, &m_dSoilMass},    {1089, &m_dTotalMass},
        {1114, &m_dWindSpeed},      {1119, &m_dWidth},       {1122, &m_dCorrection},
    };
}

bool COdourPage::OnInitDialog() {
    // Every field opens at 0: the page has no start-up values of its own.
    CCalcPage::OnInitDialog();
    SetStartValues();
    UpdateData(false);
    return true;
}

void COdourPage::OnCompute() {
    // A radicand that is not positive: the box, then E = 0 put out.
    Compute(OdourCalculator());
}
