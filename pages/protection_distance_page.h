// SPDX-License-Identifier: MIT
#pragma once
// Page 3: the sanitary protection distance of a fugitive source, and the
// fugitive emission a distance allows.

#include "pages/calc_page.h"

class CProtectionDistancePage : public CCalcPage {
public:
    static constexpr int IDD = 131;

    CProtectionDistancePage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    int m_nPollutant = 0;  // selection index of the pollutant list

    // Radio choices: 0 有 / 1 无; 0 acute / 1 chronic; 0 above / 1 below a third.
    int m_nStack = 1;
    int m_nReaction = 1;
    int m_nStackShare = 0;

    double m_dArea = 0;         // S, m²
    double m_dWindSpeed = 0;    // u, m/s
    double m_dLimit = 0;        // Cm, mg/m³
    double m_dEmission = 0;     // Qc, kg/h
    double m_dDistance = 0;     // L, m
    int m_nGradedDistance = 0;  // m

    void OnStackYes();
    void OnStackNo();
    void OnSelchangePollutant();
    void OnComputeDistance();
    void OnComputeEmission();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;

private:
    // Shows the stack-share radios with "有", the reaction radios with "无".
    void ShowClassChoice(bool stack);
};
