// SPDX-License-Identifier: MIT
#include "pages/protection_distance_page.h"

#include <QComboBox>
#include <QLineEdit>

#include "calc/air_forms.h"
#include "framework/tooltips.h"

namespace {
constexpr int IDC_POLLUTANT = 1039;
constexpr int IDC_LIMIT = 1040;
constexpr int IDC_STACK_YES = 1041;
constexpr int IDC_STACK_NO = 1042;
constexpr int IDC_COMPUTE_DISTANCE = 1050;
constexpr int IDC_COMPUTE_EMISSION = 1053;
// What the page tells about five of its controls when the pointer rests on
// them; the others have no tooltip.
QString ToolTipOf(int id) {
    switch (id) {
        case 1037:
            return QStringLiteral("无组织排放源所在生产单元的面积");
        case 1040:
            return QStringLiteral("选项里没有的污染因子，浓度数据可以直接在这里输入");
        case 1050:
            return QStringLiteral("已知无组织排放量计算卫生防护距离的值");
        case 1051:
            return QStringLiteral(
                "卫生防护距离在100m以内时，级差为50m；超过100m，但小于或等于1000m时，级差为100m；"
                "超过1000m以上，级差为200m。");
        case 1053:
            return QStringLiteral("已知卫生防护距离控制无组织排放量的值");
        default:
            return QString();
    }
}
// The reaction choice with its label, and the stack-share choice with its.
constexpr int kReactionControls[] = {1043, 1044, 1045};
constexpr int kStackShareControls[] = {1046, 1047, 1048};
}  // namespace

CProtectionDistancePage::CProtectionDistancePage() : CCalcPage(IDD, StaticText::Transparent) {}

FieldTable CProtectionDistancePage::Fields() const {
    return ProtectionFieldTable();
}

void CProtectionDistancePage::BuildMessageMap() {
    On(IDC_STACK_YES, Notify::Clicked, &CProtectionDistancePage::OnStackYes);
    On(IDC_STACK_NO, Notify::Clicked, &CProtectionDistancePage::OnStackNo);
    On(IDC_POLLUTANT, Notify::SelChange, &CProtectionDistancePage::OnSelchangePollutant);
    On(IDC_COMPUTE_DISTANCE, Notify::Clicked, &CProtectionDistancePage::OnComputeDistance);
    On(IDC_COMPUTE_EMISSION, Notify::Clicked, &CProtectionDistancePage::OnComputeEmission);
}

std::vector<CCalcPage::Binding> CProtectionDistancePage::Bindings() {
    using How = Binding::How;
    // The exchange order: a failed take-in has read the members before the
    // failing field and none after it.
    return {
        {1041, &m_nStack, How::Radio},
        {1044, &m_nReaction, How::Radio},
        {1047, &m_nStackShare, How::Radio},
        {1040, &m_dLimit},
        {1038, &m_dWindSpeed},
        {1037, &m_dArea},
        {1051, &m_dDistance},
        {1049, &m_dEmission},
        {1052, &m_nGradedDistance},
        {IDC_POLLUTANT, &m_nPollutant, How::Kept},
    };
}

bool CProtectionDistancePage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    SetStartValues();
    UpdateData(false);
    // Inserted at their indices, never sorted.
    auto* list = qobject_cast<QComboBox*>(GetDlgItem(IDC_POLLUTANT));
    const auto pollutants = PollutantLimits();
    for (std::size_t i = 0; i < pollutants.size(); ++i)
        list->insertItem(static_cast<int>(i), QString::fromUtf8(pollutants[i].name));
    list->setCurrentIndex(0);
    EnableToolTips(this, ToolTipOf);
    return true;
}

void CProtectionDistancePage::ShowClassChoice(bool stack) {
    for (int id : kStackShareControls) GetDlgItem(id)->setVisible(stack);
    for (int id : kReactionControls) GetDlgItem(id)->setVisible(!stack);
}

void CProtectionDistancePage::OnStackYes() {
    ShowClassChoice(true);
}

void CProtectionDistancePage::OnStackNo() {
    ShowClassChoice(false);
}

void CProtectionDistancePage::OnSelchangePollutant() {
    m_nPollutant = qobject_cast<QComboBox*>(GetDlgItem(IDC_POLLUTANT))->currentIndex();
    const auto pollutants = PollutantLimits();
    if (m_nPollutant < 0 || static_cast<std::size_t>(m_nPollutant) >= pollutants.size())
        return;
    // The number reaches the limit member at the next computation.
    qobject_cast<QLineEdit*>(GetDlgItem(IDC_LIMIT))
        ->setText(QString::fromUtf8(pollutants[m_nPollutant].limitText));
}

void CProtectionDistancePage::OnComputeDistance() {
    Compute(ProtectionDistanceCalculator());
}

void CProtectionDistancePage::OnComputeEmission() {
    // The graded distance is left as it is.
    Compute(FugitiveEmissionCalculator());
}
