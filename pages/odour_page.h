// SPDX-License-Identifier: MIT
#pragma once
// Page 9: the emission rate of an odorous compound from a heap or landfill
// of contaminated soil.

#include "pages/calc_page.h"

class COdourPage : public CCalcPage {
public:
    static constexpr int IDD = 152;

    COdourPage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    double m_dVapourPressure = 0;  // C, 101.325 kPa
    double m_dDiffusivity = 0;     // D, cm²/s
    double m_dEmissionRate = 0;    // E, cm³/s
    double m_dLength = 0;          // L, cm
    double m_dSoilMass = 0;        // m, kg
    double m_dTotalMass = 0;       // M, kg
    double m_dWindSpeed = 0;       // u, m/s
    double m_dWidth = 0;           // W, cm
    double m_dCorrection = 0;      // F

    void OnCompute();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;
};
