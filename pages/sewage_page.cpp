// SPDX-License-Identifier: MIT
#include "pages/sewage_page.h"

#include "calc/water.h"
#include "pages/page_colors.h"

namespace {
constexpr int IDD_SEWAGE = 129;
constexpr int IDC_WORKERS = 1005;
constexpr int IDC_RESIDENTS = 1006;
constexpr int IDC_WORK_DAYS = 1007;
constexpr int IDC_WATER_NON_RESIDENT = 1008;
constexpr int IDC_WATER_RESIDENT = 1009;
constexpr int IDC_DISCHARGE_PERCENT = 1010;
constexpr int IDC_COD_INITIAL = 1011;
constexpr int IDC_COD_LIMIT = 1012;
constexpr int IDC_NH3N_INITIAL = 1013;
constexpr int IDC_ANNUAL_WATER = 1014;
constexpr int IDC_NH3N_LIMIT = 1015;
constexpr int IDC_DAILY_DISCHARGE = 1016;
constexpr int IDC_ANNUAL_DISCHARGE = 1017;
constexpr int IDC_COD_ANNUAL = 1018;
constexpr int IDC_COD_LIMIT_ANNUAL = 1019;
constexpr int IDC_NH3N_ANNUAL = 1020;
constexpr int IDC_NH3N_LIMIT_ANNUAL = 1021;
constexpr int IDC_COD_REDUCTION = 1022;
constexpr int IDC_NH3N_REDUCTION = 1023;
constexpr int IDC_REFUSE_DAILY = 1024;
constexpr int IDC_REFUSE_ANNUAL = 1025;
constexpr int IDC_COMPUTE = 1026;
}  // namespace

CSewagePage::CSewagePage() : CDialog(IDD_SEWAGE) {}

void CSewagePage::BuildMessageMap() {
    On(IDC_COMPUTE, Notify::Clicked, &CSewagePage::OnCompute);
}

void CSewagePage::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_WORKERS, m_editWorkers);
    DDX_Control(pDX, IDC_RESIDENTS, m_editResidents);
    // This order decides which members a failed take-in has already read.
    DDX_Text(pDX, IDC_WATER_NON_RESIDENT, m_fWaterNonResident);
    DDX_Text(pDX, IDC_COD_INITIAL, m_fCodInitial);
    DDX_Text(pDX, IDC_COD_LIMIT, m_fCodLimit);
    DDX_Text(pDX, IDC_COD_LIMIT_ANNUAL, m_fCodLimitAnnual);
    DDX_Text(pDX, IDC_COD_ANNUAL, m_fCodAnnual);
    DDX_Text(pDX, IDC_COD_REDUCTION, m_fCodReduction);
    DDX_Text(pDX, IDC_WORKERS, m_fWorkers);
    DDX_Text(pDX, IDC_WORK_DAYS, m_fWorkDays);
    DDX_Text(pDX, IDC_NH3N_INITIAL, m_fNh3nInitial);
    DDX_Text(pDX, IDC_NH3N_LIMIT, m_fNh3nLimit);
    DDX_Text(pDX, IDC_NH3N_LIMIT_ANNUAL, m_fNh3nLimitAnnual);
    DDX_Text(pDX, IDC_NH3N_ANNUAL, m_fNh3nAnnual);
    DDX_Text(pDX, IDC_NH3N_REDUCTION, m_fNh3nReduction);
    DDX_Text(pDX, IDC_ANNUAL_DISCHARGE, m_fAnnualDischarge);
    DDX_Text(pDX, IDC_ANNUAL_WATER, m_fAnnualWater);
    DDX_Text(pDX, IDC_DISCHARGE_PERCENT, m_fDischargePercent);
    DDX_Text(pDX, IDC_DAILY_DISCHARGE, m_fDailyDischarge);
    DDX_Text(pDX, IDC_REFUSE_ANNUAL, m_fRefuseAnnual);
    DDX_Text(pDX, IDC_REFUSE_DAILY, m_fRefuseDaily);
    DDX_Text(pDX, IDC_WATER_RESIDENT, m_fWaterResident);
    DDX_Text(pDX, IDC_RESIDENTS, m_fResidents);
}

bool CSewagePage::OnInitDialog() {
    CDialog::OnInitDialog();
    const SewageInput defaults;
    m_fWaterNonResident = defaults.waterNonResident;
    m_fWaterResident = defaults.waterResident;
    m_fDischargePercent = defaults.dischargePercent;
    m_fCodInitial = defaults.codInitial;
    m_fCodLimit = defaults.codLimit;
    m_fNh3nInitial = defaults.nh3nInitial;
    m_fNh3nLimit = defaults.nh3nLimit;
    UpdateData(false);
    return true;
}

void CSewagePage::OnCompute() {
    // A field that does not read keeps the user's text; nothing is computed.
    if (!UpdateData(true))
        return;

    const SewageInput in{m_fWorkers,       m_fResidents,        m_fWorkDays,   m_fWaterNonResident,
                         m_fWaterResident, m_fDischargePercent, m_fCodInitial, m_fCodLimit,
                         m_fNh3nInitial,   m_fNh3nLimit};
    switch (CheckSewageInput(in)) {
        case SewageCheck::Negative:
            MessageBox(QStringLiteral("不能是负数，请重新输入"), QStringLiteral("错误"));
            m_editWorkers.SetFocus();
            return;
        case SewageCheck::MoreResidentsThanWorkers:
            MessageBox(QStringLiteral("逻辑常识错误，请重新输入"), QStringLiteral("错误"));
            m_editResidents.SetFocus();
            return;
        case SewageCheck::Ok:
            break;
    }

    const SewageResult r = ComputeSewage(in);
    m_fDailyDischarge = r.dailyDischarge;
    m_fAnnualDischarge = r.annualDischarge;
    m_fAnnualWater = r.annualWater;
    m_fCodAnnual = r.codAnnual;
    m_fCodLimitAnnual = r.codLimitAnnual;
    m_fCodReduction = r.codReduction;
    m_fRefuseDaily = r.refuseDaily;
    m_fRefuseAnnual = r.refuseAnnual;
    m_fNh3nAnnual = r.nh3nAnnual;
    m_fNh3nLimitAnnual = r.nh3nLimitAnnual;
    m_fNh3nReduction = r.nh3nReduction;
    UpdateData(false);
}

CtlColor CSewagePage::OnCtlColor(QWidget* control, CtlColorKind kind) {
    CtlColor answer = CDialog::OnCtlColor(control, kind);
    if (kind == CtlColorKind::Dialog)
        return CtlColor::Solid(kPageColor);
    if (kind == CtlColorKind::Static) {
        answer = CtlColor::Solid(kPageColor);
        answer.textBackground = kPageColor;  // opaque text on the page colour
    }
    return answer;
}
