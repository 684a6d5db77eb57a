// SPDX-License-Identifier: MIT
#pragma once
// The path-difference window: the three path differences of a point source
// around a finite barrier (over its top and around its two ends), for the
// user to carry over to the workshop noise page by hand.

#include "calc/path_difference.h"
#include "pages/calc_page.h"

class CPathDifferenceDlg : public CCalcPage {
public:
    static constexpr int IDD = 149;

    CPathDifferenceDlg();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    // Exchanged fields, in exchange order (m).
    float m_fSourceDist = 0;      // d1, source to barrier
    float m_fReceiverDist = 0;    // d2, receiver to barrier
    float m_fBarrierHeight = 0;   // H
    float m_fSourceHeight = 0;    // h1
    float m_fReceiverHeight = 0;  // h2
    float m_fBarrierLength = 0;   // L
    float m_fSourceOffset = 0;    // m1, from the barrier's bisector
    float m_fReceiverOffset = 0;  // m2
    int m_nSide = 0;              // 0 different sides of the bisector, 1 the same side
    float m_fDelta1 = 0;          // over the top
    float m_fDelta2 = 0;          // around the far end
    float m_fDelta3 = 0;          // around the near end

    // The seven path lengths of the last computation, not shown.
    float m_fPathDirect = 0;
    float m_fPathSourceTop = 0;
    float m_fPathSourceFar = 0;
    float m_fPathSourceNear = 0;
    float m_fPathTopReceiver = 0;
    float m_fPathFarReceiver = 0;
    float m_fPathNearReceiver = 0;

    void OnResult();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;
    CtlColor OnCtlColor(QWidget* control, CtlColorKind kind) override;
};
