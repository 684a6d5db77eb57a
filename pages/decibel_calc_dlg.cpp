// SPDX-License-Identifier: MIT
#include "pages/decibel_calc_dlg.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <cmath>

#include "calc/decibel.h"
#include "calc/noise_forms.h"
#include "framework/accelerators.h"
#include "framework/data_exchange.h"
#include "pages/calc_page.h"
#include "res/accelerators.h"

namespace {
constexpr int IDC_DIGIT_1 = 1050;
constexpr int IDC_DIGIT_0 = 1051;
constexpr int IDC_POINT = 1052;
constexpr int IDC_BACKSPACE = 1061;
constexpr int IDC_CLEAR = 1062;
constexpr int IDC_ADD = 1063;
constexpr int IDC_SUBTRACT = 1064;
constexpr int IDC_EQUALS = 1065;
constexpr int IDC_DISPLAY = 1066;
constexpr int ID_EDIT_COPY = 57634;  // the copy command, from Ctrl+C

const QColor kToolColor(84, 188, 214);
const QColor kDisplayText(255, 0, 0);
const QColor kDisplayBackground(179, 208, 250);

// The fraction d1 d2 ... dn as the digit keys add it up: d_k 10^-k each.
double FractionOf(const std::string& digits) {
    double fraction = 0;
    for (std::size_t k = 0; k < digits.size(); ++k)
        fraction += (digits[k] - '0') * std::pow(10.0, -static_cast<double>(k + 1));
    return fraction;
}

// A whole number without its last decimal digit, for any size: the
// quotient is corrected when x / 10 rounded up to the next whole number.
double DropLastDigit(double integer) {
    if (integer < 10)
        return 0;
    double quotient = std::trunc(integer / 10);
    if (std::fma(quotient, 10.0, -integer) > 0)
        quotient -= 1;
    return quotient;
}
}  // namespace

CDecibelCalcDlg::CDecibelCalcDlg() : CDialog(IDD) {}

CDialog::FieldName CDecibelCalcDlg::NameOfField(int id) const {
    return RecordNameOf(DecibelSumFieldTable(), id);
}

// A screen reader names a key by what it does where its face shows only a
// sign; the digit keys are named by their digit.
void CDecibelCalcDlg::NameKeys() {
    static constexpr std::pair<int, const char*> kKeyNames[] = {
        {IDC_POINT, "小数点"}, {IDC_BACKSPACE, "退格"},    {IDC_CLEAR, "清除"},
        {IDC_ADD, "分贝相加"}, {IDC_SUBTRACT, "分贝相减"}, {IDC_EQUALS, "等于"},
    };
    for (const auto& [id, name] : kKeyNames)
        if (QWidget* key = GetDlgItem(id))
            key->setAccessibleName(QString::fromUtf8(name));
}

void CDecibelCalcDlg::BuildMessageMap() {
    // The digits, in the order of their ids: 1050 is 1, 1051 is 0.
    static constexpr std::pair<int, int> kDigits[] = {
        {1050, 1}, {1053, 2}, {1054, 3}, {1055, 4}, {1056, 5},
        {1057, 6}, {1058, 7}, {1059, 8}, {1060, 9}, {IDC_DIGIT_0, 0},
    };
    for (const auto& [id, digit] : kDigits)
        On(id, Notify::Clicked, [this, d = digit] { OnDigit(d); });
    On(IDC_CLEAR, Notify::Clicked, &CDecibelCalcDlg::OnClearEntry);
    On(IDC_BACKSPACE, Notify::Clicked, &CDecibelCalcDlg::OnBackspace);
    On(IDC_EQUALS, Notify::Clicked, &CDecibelCalcDlg::OnEquals);
    On(IDC_ADD, Notify::Clicked, &CDecibelCalcDlg::OnAdd);
    On(IDC_SUBTRACT, Notify::Clicked, &CDecibelCalcDlg::OnSubtract);
    On(IDC_POINT, Notify::Clicked, &CDecibelCalcDlg::OnPoint);
    On(IDC_DISPLAY, Notify::SetFocus, &CDecibelCalcDlg::OnSetfocusDisplay);
    On(ID_EDIT_COPY, Notify::Clicked, &CDecibelCalcDlg::OnCopy);
}

void CDecibelCalcDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_DISPLAY, m_dDisplay);
}

bool CDecibelCalcDlg::OnInitDialog() {
    // The keypad keys (Enter is "=") come before the dialog's own keys, so
    // Enter never closes the window; the copy shortcut copies the display,
    // as on every desktop calculator.
    LoadAccelerators(this, [](const QKeyEvent& key) -> std::optional<int> {
        if (key.matches(QKeySequence::Copy))
            return ID_EDIT_COPY;
        return AcceleratorCommand(kDecibelCalculatorAccelerators, key);
    });
    CDialog::OnInitDialog();
    // Every opening starts afresh, but the pending operator stays.
    ClearEntry();
    m_dResult = 0;
    m_dResultStart = 0;
    m_resultChain.clear();
    m_record.reset();
    Show();
    NameKeys();
    return true;  // the focus goes to the first control, "0"
}

CtlColor CDecibelCalcDlg::OnCtlColor(QWidget* control, CtlColorKind kind) {
    CtlColor answer = CDialog::OnCtlColor(control, kind);
    if (kind == CtlColorKind::Dialog)
        return CtlColor::Solid(kToolColor);
    if (kind == CtlColorKind::Edit) {
        answer = CtlColor::Solid(kToolColor);
        answer.textColor = kDisplayText;
        answer.textBackground = kDisplayBackground;
        answer.transparent = true;
    }
    return answer;
}

void CDecibelCalcDlg::contextMenuEvent(QContextMenuEvent* event) {
    OpenOwnerMenu(this, *this, event);
}

void CDecibelCalcDlg::OnCopy() {
    if (auto* display = qobject_cast<QLineEdit*>(GetDlgItem(IDC_DISPLAY)))
        QGuiApplication::clipboard()->setText(display->text());
}

void CDecibelCalcDlg::StartChain(double level) {
    m_dChainStart = level;
    m_chain.clear();
}

void CDecibelCalcDlg::ChainStep(int op, double level) {
    if (op == Add || op == Subtract) {
        m_chain.push_back({.subtract = op == Subtract, .level = level});
        return;
    }
    // No operator: nothing is computed and the last result stands, so its
    // chain is the running one again.
    m_dChainStart = m_dResultStart;
    m_chain = m_resultChain;
}

void CDecibelCalcDlg::RecordResult() {
    m_dResultStart = m_dChainStart;
    m_resultChain = m_chain;
    m_record = DecibelChainRecord(m_dChainStart, m_chain, m_dResult);
}

void CDecibelCalcDlg::OnSetfocusDisplay() {
    // The display is never typed into: the focus goes on to "0".
    if (QWidget* zero = GetDlgItem(IDC_DIGIT_0))
        zero->setFocus(Qt::OtherFocusReason);
}

CDecibelCalcDlg::Entry CDecibelCalcDlg::Operand(int k) {
    if (k == 1)
        return {m_bPoint1, m_dValue1, m_dInt1, m_dFrac1, m_nFracDigits1, m_strFrac1};
    return {m_bPoint2, m_dValue2, m_dInt2, m_dFrac2, m_nFracDigits2, m_strFrac2};
}

void CDecibelCalcDlg::ClearOperand(int k) {
    Entry e = Operand(k);
    e.point = false;
    e.value = e.integer = e.fraction = 0;
    e.fracDigits = 0;
    e.digits.clear();
}

void CDecibelCalcDlg::Show() {
    UpdateData(false);
}

void CDecibelCalcDlg::OnDigit(int digit) {
    if (m_nOperand != 1 && m_nOperand != 2)
        return;
    Entry e = Operand(m_nOperand);
    if (m_nOperand == 2)
        m_bSecondTyped = true;
    if (!e.point) {
        e.integer = e.integer * 10 + digit;
    } else {
        ++e.fracDigits;
        e.digits.push_back(static_cast<char>('0' + digit));
        e.fraction += digit * std::pow(10.0, -static_cast<double>(e.fracDigits));
    }
    e.value = e.fraction + e.integer;
    m_dDisplay = e.value;
    if (m_nOperand == 1) {
        // A number typed after a result becomes the running result, so that
        // "=" repeats the last operation on it rather than on 0.
        m_dAccum = e.value;
        StartChain(m_dAccum);
        m_bHaveResult = false;
    } else {
        m_dLastOperand = 0;
        m_bEqualPressed = false;
    }
    Show();
}

void CDecibelCalcDlg::OnPoint() {
    Operand(m_nOperand).point = true;
}

void CDecibelCalcDlg::OnBackspace() {
    Entry e = Operand(m_nOperand);
    if (!e.point) {
        e.integer = DropLastDigit(e.integer);
    } else if (e.fracDigits <= 1) {
        // One fraction digit, or a bare decimal point: both go.
        e.fraction = 0;
        e.fracDigits = 0;
        e.digits.clear();
        e.point = false;
    } else {
        e.digits.pop_back();
        e.fracDigits = static_cast<int>(e.digits.size());
        e.fraction = FractionOf(e.digits);
    }
    e.value = e.fraction + e.integer;
    m_dDisplay = e.value;
    Show();
}

void CDecibelCalcDlg::ClearEntry() {
    m_dDisplay = 0;
    ClearOperand(1);
    ClearOperand(2);
    m_dAccum = 0;
    StartChain(0);
    m_dLastOperand = 0;
    m_nOperand = 1;
    m_nLastOperator = None;
    m_bHaveResult = m_bEqualPressed = m_bRepeat = m_bSecondTyped = false;
}

void CDecibelCalcDlg::OnClearEntry() {
    ClearEntry();
    Show();
}

double CDecibelCalcDlg::Apply(int op, double x, double y) {
    if (op == Add)
        m_dResult = DecibelSum(x, y);
    else if (op == Subtract)
        m_dResult = DecibelDifference(x, y);
    return m_dResult;
}

void CDecibelCalcDlg::ApplyOperator(int op) {
    if (m_bHaveResult && !m_bRepeat && m_bSecondTyped) {
        // Continue a chain from the running result.
        ChainStep(m_nOperator, m_dValue2);
        m_dDisplay = m_dAccum = Apply(m_nOperator, m_dAccum, m_dValue2);
        m_bHaveResult = true;
        Show();
        RecordResult();
    } else if (!m_bHaveResult && !m_bRepeat && m_bSecondTyped) {
        // Close the first pair.
        StartChain(m_dValue1);
        ChainStep(m_nOperator, m_dValue2);
        m_dDisplay = m_dValue1 = Apply(m_nOperator, m_dValue1, m_dValue2);
        Show();
        RecordResult();
        m_dAccum = m_dResult;
        m_bHaveResult = true;
    } else {
        // No second operand yet, or just after "=": the operator waits for it.
        m_nOperator = op;
        m_dDisplay = 0;
        m_nOperand = 2;
        Show();
        m_nLastOperator = None;
        m_bRepeat = false;
        return;
    }
    ClearOperand(2);
    m_bSecondTyped = false;
    m_dInt1 = m_dFrac1 = 0;
    m_nFracDigits1 = 0;
    m_strFrac1.clear();
    m_nOperand = 2;
    m_nOperator = op;
    m_nLastOperator = None;
    m_bRepeat = false;
}

void CDecibelCalcDlg::OnEquals() {
    if (!m_bHaveResult && !m_bEqualPressed && !m_bRepeat) {
        if (!m_bSecondTyped)
            m_dValue2 = m_dValue1;  // 6 0 + = sums 60 with itself
        StartChain(m_dValue1);
        if (m_nOperator == None) {
            m_dResult = m_dValue1;  // nothing to apply yet: the number typed
        } else {
            ChainStep(m_nOperator, m_dValue2);
            Apply(m_nOperator, m_dValue1, m_dValue2);
        }
        m_dAccum = m_dResult;
        m_dLastOperand = m_dValue2;
        m_nLastOperator = m_nOperator;
    } else if (m_bHaveResult && !m_bEqualPressed && !m_bRepeat) {
        ChainStep(m_nOperator, m_dValue2);
        m_dAccum = Apply(m_nOperator, m_dAccum, m_dValue2);
        m_dLastOperand = m_dValue2;
        m_nLastOperator = m_nOperator;
    } else {
        ChainStep(m_nLastOperator, m_dLastOperand);
        m_dAccum = Apply(m_nLastOperator, m_dAccum, m_dLastOperand);
    }
    m_bHaveResult = m_bEqualPressed = m_bRepeat = true;
    m_dDisplay = m_dResult;
    Show();
    RecordResult();
    ClearOperand(1);
    ClearOperand(2);
    m_bSecondTyped = false;
    m_nOperand = 1;
}
