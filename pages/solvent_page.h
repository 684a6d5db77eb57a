// SPDX-License-Identifier: MIT
#pragma once
// Page 8: the evaporation of an exposed organic solvent (Mazak formula).

#include "pages/calc_page.h"

class CSolventPage : public CCalcPage {
public:
    static constexpr int IDD = 151;

    CSolventPage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    double m_dArea = 0;            // F, m²
    double m_dEvaporation = 0;     // G, g/h
    double m_dMolWeight = 0;       // M
    double m_dVapourPressure = 0;  // Pv, mmHg
    double m_dWindSpeed = 0;       // u, m/s

    void OnCompute();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;
};
