// SPDX-License-Identifier: MIT
#pragma once
// Page 2: the flue gas, SO2 and dust of a year's burning of oil or coal.

#include "pages/calc_page.h"

class CFlueGasPage : public CCalcPage {
public:
    static constexpr int IDD = 130;

    CFlueGasPage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    int m_nFuel = 0;  // selection index of the fuel list, stored before use

    // Inputs (single precision, as typed).
    float m_fAnnualUse = 0;    // B, t
    float m_fSulphur = 0;      // S, %
    float m_fAsh = 0;          // A, %
    float m_fDustShare = 0;    // d, % of the ash
    float m_fCombustible = 0;  // Cfh, % of the dust
    float m_fSo2Limit = 0;     // mg/m^3
    float m_fDustLimit = 0;    // mg/m^3
    QString m_strFuel;         // the list's text; the computation reads the index

    // Results.
    float m_fFlueGasVolume = 0;    // 10^4 Nm³
    int m_nSo2InitConc = 0;        // mg/m^3
    int m_nDustInitConc = 0;       // mg/m^3
    float m_fSo2Emission = 0;      // t
    float m_fDustEmission = 0;     // t
    float m_fSo2StdEmission = 0;   // t
    float m_fDustStdEmission = 0;  // t
    float m_fSo2Reduction = 0;     // t
    float m_fDustReduction = 0;    // t

    void OnSelchangeFuel();
    void OnCompute();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;
};
