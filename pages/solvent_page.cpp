// SPDX-License-Identifier: MIT
#include "pages/solvent_page.h"

#include "calc/air_forms.h"

namespace {
constexpr int IDC_COMPUTE = 1100;
}  // namespace

CSolventPage::CSolventPage() : CCalcPage(IDD, StaticText::Transparent) {}

FieldTable CSolventPage::Fields() const {
    return SolventFieldTable();
}

void CSolventPage::BuildMessageMap() {
    On(IDC_COMPUTE, Notify::Clicked, &CSolventPage::OnCompute);
}

std::vector<CCalcPage::Binding> CSolventPage::Bindings() {
    // The exchange order.
    return {
        {1089, &m_dArea},           {1118, &m_dEvaporation}, {1116, &m_dMolWeight},
        {1117, &m_dVapourPressure}, {1114, &m_dWindSpeed},
    };
}

bool CSolventPage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    SetStartValues();
    UpdateData(false);
    return true;
}

void CSolventPage::OnCompute() {
    Compute(SolventCalculator());
}
