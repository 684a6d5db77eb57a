// SPDX-License-Identifier: MIT
#pragma once
// Page 4: the noise of a source inside a workshop heard outside it (Green
// formula), the distance at which a limit is met, and a live line that adds
// a background level to the predicted level or takes it away from a total.
// Its two tool windows, the decibel calculator and Lp1, open beside it.

#include "pages/calc_page.h"
#include "pages/decibel_calc_dlg.h"
#include "pages/live_total_line.h"
#include "pages/lp1_dlg.h"

class CIndoorNoisePage : public CCalcPage {
public:
    static constexpr int IDD = 133;

    CIndoorNoisePage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;
    std::vector<CCalcPage*> ToolWindows() override { return {&m_dlgLp1}; }

    CDecibelCalcDlg m_dlgDecibel;
    CLp1Dlg m_dlgLp1;

    float m_fWallTL = 0;       // TL, dB
    float m_fDistance = 0;     // l, m
    float m_fLp1 = 0;          // dB
    float m_fLp3 = 0;          // dB
    float m_fBackground = 0;   // dB
    float m_fTotal = 0;        // dB
    float m_fWallArea = 0;     // F, m²
    float m_fRecordedLp3 = 0;  // Lp3 as the last computation left it

    void OnComputeLevel();
    void OnComputeDistance();
    void OnChangeLevels();
    void OnChangeTotal();
    void OnDecibelCalculator();
    void OnLp1();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;

private:
    // The level, background and total fields of the live line.
    LiveTotalLine TotalLine();
};
