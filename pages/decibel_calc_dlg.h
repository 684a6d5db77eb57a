// SPDX-License-Identifier: MIT
#pragma once
// The decibel calculator: a keypad window that chains levels with "+"
// (energy sum) and "-" (energy difference) and shows each result on its
// one-line display. A noise page owns one and opens it with its button; it
// takes nothing from the page and hands nothing back.
//
// The digit keys build one of two operands (integer part, then fraction
// digits after "."). An operator key closes a typed pair into a running
// result, "=" ends the chain, and a further "=" repeats the last operation
// on the running result.

#include <optional>
#include <string>
#include <vector>

#include "calc/noise_forms.h"
#include "framework/dialog.h"
#include "pages/record_window.h"

class CDecibelCalcDlg : public CDialog, public CRecordWindow {
public:
    static constexpr int IDD = 145;

    // The pending operator's values.
    enum DecibelOp { None = 0, Add = 1, Subtract = 2 };

    CDecibelCalcDlg();

    void OnDigit(int digit);
    void OnPoint();
    void OnBackspace();
    void OnClearEntry();
    void ApplyOperator(int op);
    void OnEquals();
    void OnAdd() { ApplyOperator(Add); }
    void OnSubtract() { ApplyOperator(Subtract); }
    void OnSetfocusDisplay();
    // Ctrl+C: the display's text to the clipboard.
    void OnCopy();

    // The record of the last result: the levels of the chain that led to it
    // with their operations, and the result on the display.
    const std::optional<CalcRecord>& LastRecord() const override { return m_record; }

    // Only the operator keys set it: it outlives "CE" and the window's
    // reopening. No operator is pending before the first one.
    int m_nOperator = None;
    int m_nOperand = 1;  // which operand the digit keys build, 1 or 2
    bool m_bPoint1 = false;
    bool m_bPoint2 = false;
    double m_dValue1 = 0;
    double m_dValue2 = 0;
    double m_dInt1 = 0;  // integer parts typed so far (whole numbers)
    double m_dInt2 = 0;
    double m_dFrac1 = 0;  // fraction parts typed so far
    double m_dFrac2 = 0;
    int m_nFracDigits1 = 0;
    int m_nFracDigits2 = 0;
    bool m_bSecondTyped = false;  // a digit typed for operand 2 since it was cleared
    double m_dResult = 0;         // the last computed result
    double m_dAccum = 0;          // the running result a chain continues from
    double m_dLastOperand = 0;    // second operand of the last "=", repeated
    bool m_bHaveResult = false;
    bool m_bEqualPressed = false;
    bool m_bRepeat = false;
    int m_nLastOperator = None;  // operator of the last "=", repeated
    double m_dDisplay = 0;       // the number on the display (1066)

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void BuildMessageMap() override;
    CtlColor OnCtlColor(QWidget* control, CtlColorKind kind) override;
    // A right click on the background opens the main window's menu over it.
    void contextMenuEvent(QContextMenuEvent* event) override;
    FieldName NameOfField(int id) const override;

private:
    void NameKeys();
    // One operand's entry, as the digit keys build it.
    struct Entry {
        bool& point;
        double& value;
        double& integer;
        double& fraction;
        int& fracDigits;
        std::string& digits;  // the fraction digits as typed
    };
    Entry Operand(int k);
    void ClearOperand(int k);
    void ClearEntry();
    double Apply(int op, double x, double y);
    void Show();

    // The fraction digits typed for each operand, so that backspace drops
    // the last one exactly (0.30 goes back to 0.3, not to a rounded value).
    std::string m_strFrac1;
    std::string m_strFrac2;

    // The chain of operations that gave the running result (m_dAccum): the
    // level it started from and each level summed or taken away since.
    void StartChain(double level);
    void ChainStep(int op, double level);
    void RecordResult();
    double m_dChainStart = 0;
    std::vector<DecibelStep> m_chain;
    // The chain of the last result, and its record.
    double m_dResultStart = 0;
    std::vector<DecibelStep> m_resultChain;
    std::optional<CalcRecord> m_record;
};
