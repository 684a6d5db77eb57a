// SPDX-License-Identifier: MIT
#include "pages/workshop_noise_page.h"

#include "calc/noise_forms.h"
#include "framework/tool_window.h"
#include "pages/live_total_line.h"

namespace {
constexpr int IDC_LEVEL = 1090;
constexpr int IDC_BACKGROUND = 1054;
constexpr int IDC_TOTAL = 1091;
constexpr int IDC_COMPUTE_LEVEL = 1060;
constexpr int IDC_COMPUTE_DISTANCE = 1059;
constexpr int IDC_PATH_DIFFERENCE = 1088;
constexpr int IDC_DECIBEL = 1063;
}  // namespace

CWorkshopNoisePage::CWorkshopNoisePage() : CCalcPage(IDD, StaticText::Transparent) {}

FieldTable CWorkshopNoisePage::Fields() const {
    return WorkshopNoiseFieldTable();
}

void CWorkshopNoisePage::BuildMessageMap() {
    On(IDC_DECIBEL, Notify::Clicked, &CWorkshopNoisePage::OnDecibelCalculator);
    On(IDC_BACKGROUND, Notify::Change, &CWorkshopNoisePage::OnChangeLevels);
    On(IDC_TOTAL, Notify::Change, &CWorkshopNoisePage::OnChangeTotal);
    On(IDC_LEVEL, Notify::Change, &CWorkshopNoisePage::OnChangeLevels);
    On(IDC_COMPUTE_LEVEL, Notify::Clicked, &CWorkshopNoisePage::OnComputeLevel);
    On(IDC_COMPUTE_DISTANCE, Notify::Clicked, &CWorkshopNoisePage::OnComputeDistance);
    On(IDC_PATH_DIFFERENCE, Notify::Clicked, &CWorkshopNoisePage::OnPathDifference);
}

std::vector<CCalcPage::Binding> CWorkshopNoisePage::Bindings() {
    // The exchange order.
    return {
        {1089, &m_fFrequency},  {1083, &m_fSourceHeight},
        {IDC_LEVEL, &m_fLp},    {IDC_BACKGROUND, &m_fBackground},
        {IDC_TOTAL, &m_fTotal}, {1082, &m_fLR},
        {1064, &m_fScreenLR},   {1077, &m_fDistance},
        {1085, &m_fDelta1},     {1086, &m_fDelta2},
        {1087, &m_fDelta3},     {1092, &m_fLength},
        {1093, &m_fWidth},
    };
}

bool CWorkshopNoisePage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    SetStartValues();
    m_fSoundSpeed = StueberInput{}.soundSpeed;
    UpdateData(false);
    return true;
}

void CWorkshopNoisePage::KeepTerms(const StueberResult& result) {
    m_fDivergence = result.divergence;
    m_fBarrier = result.barrier.barrier;
    m_fFresnel1 = result.barrier.fresnel1;
    m_fFresnel2 = result.barrier.fresnel2;
    m_fFresnel3 = result.barrier.fresnel3;
    m_fRecordedLp = m_fLp;
}

// The two computations have no checks and no box; besides the result they
// keep the divergence, barrier and Fresnel terms they worked with. The
// background line is not brought up to date: only typing does that.
void CWorkshopNoisePage::OnComputeLevel() {
    if (const auto result = Compute(StueberLevelCalculator()))
        KeepTerms(*result);
}

void CWorkshopNoisePage::OnComputeDistance() {
    if (const auto result = Compute(StueberDistanceCalculator()))
        KeepTerms(*result);
}

LiveTotalLine CWorkshopNoisePage::TotalLine() {
    return {IDC_LEVEL,      IDC_BACKGROUND, IDC_TOTAL, &m_fLp,
            &m_fBackground, &m_fTotal,      "Lp",      &m_fRecordedLp};
}

void CWorkshopNoisePage::OnChangeLevels() {
    FollowLevels(this, TotalLine());
}

void CWorkshopNoisePage::OnChangeTotal() {
    FollowTotal(this, TotalLine());
}

// Each tool window comes to the front as it is while it is open, and is
// built anew (its start-up runs) when it was closed.
void CWorkshopNoisePage::OnDecibelCalculator() {
    OpenToolWindow(m_dlgDecibel, this);
}

void CWorkshopNoisePage::OnPathDifference() {
    OpenToolWindow(m_dlgPathDifference, this);
}
