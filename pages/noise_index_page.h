// SPDX-License-Identifier: MIT
#pragma once
// Page 7: the evaluation quantities of environmental noise, the equivalent
// continuous A level Leq of a list of levels and the day-night level Ldn.

#include <QString>

#include "pages/calc_page.h"

class CNoiseIndexPage : public CCalcPage {
public:
    static constexpr int IDD = 150;

    CNoiseIndexPage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    // Exchanged, in exchange order.
    QString m_strLevels;      // Leq: levels, dBA, any separators
    QString m_strIntervals;   // Leq: the interval of each level, any unit
    int m_nQuantity = 0;      // 0 Leq, 1 Ldn
    float m_fDayLevel = 0;    // Ld, dBA
    float m_fDayHours = 0;    // Td, h
    float m_fNightLevel = 0;  // Ln, dBA
    float m_fNightHours = 0;  // Tn, h

    // Set by the check box's click, not exchanged.
    int m_bEqualInterval = 0;
    // The result line, written straight into its label.
    QString m_strResult;

    void OnEqualInterval();
    void OnCompute();
    void OnLdn();
    void OnLeq();

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;

private:
    void ShowIntervals(bool show);
    // Writes a label's text (the result line, the explanation).
    void SetText(int id, const QString& text);
};
