// SPDX-License-Identifier: MIT
#pragma once
// The Lp1 window: the level near the inside of a workshop wall, from the
// source's sound power, its directivity and the room's absorption. The
// indoor-noise page opens it beside itself; the user carries the result
// over by hand.

#include "pages/calc_page.h"

class CLp1Dlg : public CCalcPage {
public:
    static constexpr int IDD = 147;

    CLp1Dlg();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    float m_fAbsorption = 0;  // a
    float m_fLp1 = 0;         // dB, the result
    float m_fLw = 0;          // dB
    float m_fQ = 0;
    float m_fDistance = 0;  // r, m
    float m_fRoomArea = 0;  // S, m²

    void OnResult();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;
};
