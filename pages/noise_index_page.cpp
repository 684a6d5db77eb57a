// SPDX-License-Identifier: MIT
#include "pages/noise_index_page.h"

#include <QAbstractButton>
#include <QLabel>

#include "calc/noise_forms.h"

namespace {
constexpr int IDC_LEQ = 1094;
constexpr int IDC_LDN = 1095;
constexpr int IDC_EQUAL_INTERVAL = 1099;
constexpr int IDC_COMPUTE = 1100;
constexpr int IDC_RESULT = 1101;
constexpr int IDC_EXPLANATION = 1112;
// The Leq levels with their label and the check box; the intervals with
// their label, shown only without equal-interval sampling.
constexpr int kLeqControls[] = {1111, 1098, 1099};
constexpr int kIntervalControls[] = {1102, 1067};
// The Ldn levels and hours with their labels.
constexpr int kLdnControls[] = {1103, 1105, 1104, 1106, 1107, 1110, 1108, 1109};

const char* const kLeqExplanation =
    "等效连续A声级Leq：\n"
    "将某点在一段时间内测得的不同A声级变化，用能量平均的方法以A声级表示该段时间内的噪声大小，"
    "这个声级称为等效连续声级，单位为分贝A，dBA。实际上相当于时间加权平均值。\n"
    "计算公式：";
const char* const kLdnExplanation =
    "昼夜等效声级Ldn：\n"
    "为了考虑噪声在夜间对人影响更为严重，将夜间(22:00～7:00)噪声另增加10dB加权处理后，"
    "用能量平均的方法得出的24小时A声级的平均值，单位为dBA。\n"
    "计算公式：";

// Each explanation ends with its calculator's formula, the one its
// calculation records name.
template <class In, class Out>
QString Explanation(const char* text, const CalculatorDef<In, Out>& def) {
    return QString::fromUtf8(text) + QString::fromUtf8(def.record.formulas.front());
}
}  // namespace

void CNoiseIndexPage::SetText(int id, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(GetDlgItem(id)))
        label->setText(text);
}

CNoiseIndexPage::CNoiseIndexPage() : CCalcPage(IDD, StaticText::Transparent) {}

FieldTable CNoiseIndexPage::Fields() const {
    return NoiseIndexFieldTable();
}

void CNoiseIndexPage::BuildMessageMap() {
    On(IDC_EQUAL_INTERVAL, Notify::Clicked, &CNoiseIndexPage::OnEqualInterval);
    On(IDC_COMPUTE, Notify::Clicked, &CNoiseIndexPage::OnCompute);
    On(IDC_LDN, Notify::Clicked, &CNoiseIndexPage::OnLdn);
    On(IDC_LEQ, Notify::Clicked, &CNoiseIndexPage::OnLeq);
}

std::vector<CCalcPage::Binding> CNoiseIndexPage::Bindings() {
    using How = Binding::How;
    // The exchange order; the check box and the result line are kept by the
    // page itself.
    return {
        {1098, &m_strLevels},
        {1067, &m_strIntervals},
        {IDC_LEQ, &m_nQuantity, How::Radio},
        {1105, &m_fDayLevel},
        {1110, &m_fDayHours},
        {1106, &m_fNightLevel},
        {1109, &m_fNightHours},
        {IDC_EQUAL_INTERVAL, &m_bEqualInterval, How::Kept},
        {IDC_RESULT, &m_strResult, How::Kept},
    };
}

bool CNoiseIndexPage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    SetStartValues();
    SetText(IDC_EXPLANATION, Explanation(kLeqExplanation, LeqCalculator()));
    UpdateData(false);
    return true;
}

void CNoiseIndexPage::ShowIntervals(bool show) {
    for (int id : kIntervalControls) GetDlgItem(id)->setVisible(show);
}

void CNoiseIndexPage::OnLeq() {
    for (int id : kLeqControls) GetDlgItem(id)->setVisible(true);
    ShowIntervals(!m_bEqualInterval);
    for (int id : kLdnControls) GetDlgItem(id)->setVisible(false);
    m_nQuantity = 0;
    SetText(IDC_EXPLANATION, Explanation(kLeqExplanation, LeqCalculator()));
}

void CNoiseIndexPage::OnLdn() {
    for (int id : kLeqControls) GetDlgItem(id)->setVisible(false);
    ShowIntervals(false);
    for (int id : kLdnControls) GetDlgItem(id)->setVisible(true);
    m_nQuantity = 1;
    SetText(IDC_EXPLANATION, Explanation(kLdnExplanation, LdnCalculator()));
}

void CNoiseIndexPage::OnEqualInterval() {
    const auto* box = qobject_cast<QAbstractButton*>(GetDlgItem(IDC_EQUAL_INTERVAL));
    m_bEqualInterval = box && box->isChecked();
    ShowIntervals(!m_bEqualInterval);
}

// Leq rewrites both lists (each number as typed, joined with ",") and puts
// them out; Ldn only writes its line. The fields of the quantity not chosen
// are hidden and cannot stop the take-in.
void CNoiseIndexPage::OnCompute() {
    if (m_nQuantity == 0) {
        if (Compute(LeqCalculator()))
            SetText(IDC_RESULT, m_strResult);
        return;
    }
    if (!UpdateData(true))
        return;
    const LdnInput in{m_fDayLevel, m_fNightLevel, m_fDayHours, m_fNightHours};
    const Answer<LdnShown> answer = LdnCalculator().run(in);
    Record(LdnCalculator(), in, answer);
    if (answer.result) {
        m_strResult = QString::fromStdString(answer.result->line);
        SetText(IDC_RESULT, m_strResult);
    }
}
