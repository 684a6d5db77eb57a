// SPDX-License-Identifier: MIT
#include "pages/indoor_noise_page.h"

#include "calc/noise_forms.h"
#include "framework/tool_window.h"
#include "pages/live_total_line.h"

namespace {
constexpr int IDC_LP1 = 1054;
constexpr int IDC_LEVEL = 1058;
constexpr int IDC_COMPUTE_DISTANCE = 1059;
constexpr int IDC_COMPUTE_LEVEL = 1060;
constexpr int IDC_BACKGROUND = 1061;
constexpr int IDC_TOTAL = 1062;
constexpr int IDC_DECIBEL = 1063;
constexpr int IDC_OPEN_LP1 = 1075;
}  // namespace

CIndoorNoisePage::CIndoorNoisePage() : CCalcPage(IDD, StaticText::Transparent) {}

FieldTable CIndoorNoisePage::Fields() const {
    return IndoorNoiseFieldTable();
}

void CIndoorNoisePage::BuildMessageMap() {
    On(IDC_COMPUTE_LEVEL, Notify::Clicked, &CIndoorNoisePage::OnComputeLevel);
    On(IDC_COMPUTE_DISTANCE, Notify::Clicked, &CIndoorNoisePage::OnComputeDistance);
    On(IDC_LEVEL, Notify::Change, &CIndoorNoisePage::OnChangeLevels);
    On(IDC_BACKGROUND, Notify::Change, &CIndoorNoisePage::OnChangeLevels);
    On(IDC_TOTAL, Notify::Change, &CIndoorNoisePage::OnChangeTotal);
    On(IDC_DECIBEL, Notify::Clicked, &CIndoorNoisePage::OnDecibelCalculator);
    On(IDC_OPEN_LP1, Notify::Clicked, &CIndoorNoisePage::OnLp1);
}

std::vector<CCalcPage::Binding> CIndoorNoisePage::Bindings() {
    // The exchange order.
    return {
        {1055, &m_fWallTL},
        {1057, &m_fDistance},
        {IDC_LP1, &m_fLp1},
        {IDC_LEVEL, &m_fLp3},
        {IDC_BACKGROUND, &m_fBackground},
        {IDC_TOTAL, &m_fTotal},
        {1056, &m_fWallArea},
    };
}

bool CIndoorNoisePage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    SetStartValues();  // TL 25, everything else 0
    UpdateData(false);
    return true;
}

void CIndoorNoisePage::OnComputeLevel() {
    // Lp3 changes; the total line follows only when one of its fields is
    // edited.
    if (Compute(GreenLevelCalculator()))
        m_fRecordedLp3 = m_fLp3;
}

void CIndoorNoisePage::OnComputeDistance() {
    if (Compute(GreenDistanceCalculator()))
        m_fRecordedLp3 = m_fLp3;
}

LiveTotalLine CIndoorNoisePage::TotalLine() {
    return {IDC_LEVEL,      IDC_BACKGROUND, IDC_TOTAL, &m_fLp3,
            &m_fBackground, &m_fTotal,      "Lp3",     &m_fRecordedLp3};
}

void CIndoorNoisePage::OnChangeLevels() {
    FollowLevels(this, TotalLine());
}

void CIndoorNoisePage::OnChangeTotal() {
    FollowTotal(this, TotalLine());
}

void CIndoorNoisePage::OnDecibelCalculator() {
    OpenToolWindow(m_dlgDecibel, this);
}

void CIndoorNoisePage::OnLp1() {
    OpenToolWindow(m_dlgLp1, this);
}
