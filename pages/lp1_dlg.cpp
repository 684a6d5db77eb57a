// SPDX-License-Identifier: MIT
#include "pages/lp1_dlg.h"

#include "calc/noise_forms.h"

namespace {
constexpr int IDC_RESULT = 1081;
}  // namespace

// Labels show the window colour as an opaque text background.
CLp1Dlg::CLp1Dlg() : CCalcPage(IDD, StaticText::Opaque) {}

FieldTable CLp1Dlg::Fields() const {
    return Lp1FieldTable();
}

void CLp1Dlg::BuildMessageMap() {
    On(IDC_RESULT, Notify::Clicked, &CLp1Dlg::OnResult);
}

std::vector<CCalcPage::Binding> CLp1Dlg::Bindings() {
    // The exchange order.
    return {
        {1080, &m_fAbsorption}, {1054, &m_fLp1},      {1076, &m_fLw},
        {1078, &m_fQ},          {1077, &m_fDistance}, {1079, &m_fRoomArea},
    };
}

bool CLp1Dlg::OnInitDialog() {
    // Built anew at each opening: the inputs return to their start-up values
    // and the result to 0 with them, so no old result sits beside them.
    CCalcPage::OnInitDialog();
    SetStartValues();
    UpdateData(false);
    return true;
}

void CLp1Dlg::OnResult() {
    Compute(Lp1Calculator());
}
