// SPDX-License-Identifier: MIT
#include "pages/flue_gas_page.h"

#include <QComboBox>
#include <QLineEdit>

#include "calc/air_forms.h"

namespace {
constexpr int IDC_FUEL = 1027;
constexpr int IDC_SULPHUR = 1031;
constexpr int IDC_SO2_LIMIT = 1029;
constexpr int IDC_DUST_LIMIT = 1030;
constexpr int IDC_COMPUTE = 1035;

void SetText(QWidget* edit, const char* text) {
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->setText(QString::fromUtf8(text));
}
}  // namespace

CFlueGasPage::CFlueGasPage() : CCalcPage(IDD) {}

FieldTable CFlueGasPage::Fields() const {
    return FlueGasFieldTable();
}

void CFlueGasPage::BuildMessageMap() {
    On(IDC_COMPUTE, Notify::Clicked, &CFlueGasPage::OnCompute);
    On(IDC_FUEL, Notify::SelChange, &CFlueGasPage::OnSelchangeFuel);
}

std::vector<CCalcPage::Binding> CFlueGasPage::Bindings() {
    // The exchange order: a failed take-in has read the members before the
    // failing field and none after it.
    return {
        {1032, &m_fAsh},
        {1031, &m_fSulphur},
        {1034, &m_fCombustible},
        {1029, &m_fSo2Limit},
        {1017, &m_fSo2StdEmission},
        {1015, &m_fSo2Emission},
        {1023, &m_fSo2Reduction},
        {1033, &m_fDustShare},
        {1030, &m_fDustLimit},
        {1018, &m_fDustStdEmission},
        {1016, &m_fDustEmission},
        {1024, &m_fDustReduction},
        {1028, &m_fAnnualUse},
        {IDC_FUEL, &m_strFuel, Binding::How::ListText},
        {1036, &m_fFlueGasVolume},
        {1022, &m_nDustInitConc},
        {1021, &m_nSo2InitConc},
        {IDC_FUEL, &m_nFuel, Binding::How::Kept},
    };
}

bool CFlueGasPage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    SetStartValues();
    UpdateData(false);
    // Inserted in this order, never sorted; the start-up figures are oil's.
    auto* fuel = qobject_cast<QComboBox*>(GetDlgItem(IDC_FUEL));
    fuel->insertItem(0, QStringLiteral("油"));
    fuel->insertItem(1, QStringLiteral("煤"));
    fuel->setCurrentIndex(0);
    return true;
}

void CFlueGasPage::OnSelchangeFuel() {
    auto* fuel = qobject_cast<QComboBox*>(GetDlgItem(IDC_FUEL));
    m_nFuel = fuel->currentIndex();
    const auto kind = FuelKindFromIndex(m_nFuel);
    if (!kind)
        return;
    fuel->setCurrentIndex(m_nFuel);
    // Only the texts change; the figures reach the members at the next
    // computation.
    const FuelPreset preset = FuelPresetOf(*kind);
    SetText(GetDlgItem(IDC_SULPHUR), preset.sulphur);
    SetText(GetDlgItem(IDC_SO2_LIMIT), preset.so2Limit);
    SetText(GetDlgItem(IDC_DUST_LIMIT), preset.dustLimit);
}

void CFlueGasPage::OnCompute() {
    m_nFuel = qobject_cast<QComboBox*>(GetDlgItem(IDC_FUEL))->currentIndex();
    Compute(FlueGasCalculator());
}
