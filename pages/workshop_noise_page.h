// SPDX-License-Identifier: MIT
#pragma once
// Page 6: the noise of a whole workshop at a distance (Stueber formula),
// the distance at which a level is met, and a live background line; with
// the decibel calculator and the path-difference window beside it.

#include "calc/stueber.h"
#include "pages/calc_page.h"
#include "pages/decibel_calc_dlg.h"
#include "pages/live_total_line.h"
#include "pages/path_difference_dlg.h"

class CWorkshopNoisePage : public CCalcPage {
public:
    static constexpr int IDD = 148;

    CWorkshopNoisePage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;
    std::vector<CCalcPage*> ToolWindows() override { return {&m_dlgPathDifference}; }

    CDecibelCalcDlg m_dlgDecibel;
    CPathDifferenceDlg m_dlgPathDifference;

    // Exchanged fields, in exchange order.
    float m_fFrequency = 0;     // f, Hz
    float m_fSourceHeight = 0;  // H, m
    float m_fLp = 0;            // Lp, dB: result of 1060, input of 1059
    float m_fBackground = 0;    // dB, added to Lp on the background line
    float m_fTotal = 0;         // dB, Lp and the background together
    float m_fLR = 0;            // mean level in the workshop, dB
    float m_fScreenLR = 0;      // mean screening attenuation in it, dB
    float m_fDistance = 0;      // r, m: input of 1060, result of 1059
    float m_fDelta1 = 0;        // path differences, m
    float m_fDelta2 = 0;
    float m_fDelta3 = 0;
    float m_fLength = 0;  // workshop, m
    float m_fWidth = 0;

    // The terms of the last computation, not shown.
    float m_fDivergence = 0;  // Adiv, dB
    float m_fBarrier = 0;     // Abar, dB
    float m_fFresnel1 = 0;
    float m_fFresnel2 = 0;
    float m_fFresnel3 = 0;
    float m_fSoundSpeed = 0;  // c, m/s; no field changes it
    float m_fRecordedLp = 0;  // Lp as the last computation left it

    void OnDecibelCalculator();
    void OnChangeLevels();
    void OnChangeTotal();
    void OnComputeLevel();
    void OnComputeDistance();
    void OnPathDifference();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;

private:
    // The level, background and total fields of the live line.
    LiveTotalLine TotalLine();
    void KeepTerms(const StueberResult& result);
};
