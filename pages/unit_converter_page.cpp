// SPDX-License-Identifier: MIT
#include "pages/unit_converter_page.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSet>
#include <QStringList>
#include <QStringListModel>

#include "calc/unit_form.h"
#include "framework/window_text.h"
#include "units/catalogue_place.h"

namespace {
constexpr int IDC_KIND = 1029;
constexpr int IDC_VALUE1 = 1073;
constexpr int IDC_UNIT1 = 1074;
constexpr int IDC_VALUE2 = 1067;
constexpr int IDC_UNIT2 = 1028;
constexpr int IDC_NEW_KIND = 1075;
constexpr int IDC_BASE_QUANTITY = 1068;
constexpr int IDC_BASE_UNIT = 1069;
constexpr int IDC_QUANTITY = 1070;
constexpr int IDC_UNIT = 1071;
constexpr int IDC_ADD = 1072;

// One field's text put out alone, shown from its first character, so the
// other fields keep what the user typed.
void PutText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// value ÷ from × to in double from the single-precision operands, stored in
// single precision. A factor of 0 (a unit whose quantity did not read as a
// number) gives inf or nan, which the field shows and reads back.
float Convert(float value, float from, float to) {
    return static_cast<float>(static_cast<double>(value) / from * to);
}

// data.ini of the current folder, or the installed program's user catalogue
// (filled from the shipped default the first time).
std::string CataloguePath() {
    const vek::units::CataloguePlace place = vek::units::FindCatalogue(vek::units::ThisProcess());
    vek::units::ProvideUserCatalogue(place);
    return place.path;
}
}  // namespace

CUnitConverterPage::CUnitConverterPage()
    : CCalcPage(IDD, StaticText::OpaqueTransparent), m_catalogue(CataloguePath()) {}

FieldTable CUnitConverterPage::Fields() const {
    return UnitConverterFieldTable();
}

void CUnitConverterPage::BuildMessageMap() {
    On(IDC_ADD, Notify::Clicked, &CUnitConverterPage::OnAddUnit);
    On(IDC_KIND, Notify::SelChange, &CUnitConverterPage::OnSelchangeKind);
    On(IDC_UNIT1, Notify::SelChange, &CUnitConverterPage::OnSelchangeUnit1);
    On(IDC_UNIT2, Notify::SelChange, &CUnitConverterPage::OnSelchangeUnit2);
    On(IDC_NEW_KIND, Notify::KillFocus, &CUnitConverterPage::OnKillfocusNewKind);
    On(IDC_VALUE1, Notify::KillFocus, &CUnitConverterPage::OnKillfocusValue1);
    On(IDC_VALUE2, Notify::KillFocus, &CUnitConverterPage::OnKillfocusValue2);
}

std::vector<CCalcPage::Binding> CUnitConverterPage::Bindings() {
    // The exchange order: the add row's texts, then the two values. The
    // lists are not exchanged; the page keeps their chosen texts itself.
    return {
        {IDC_BASE_UNIT, &m_strBaseUnit},
        {IDC_UNIT, &m_strUnit},
        {IDC_BASE_QUANTITY, &m_strBaseQuantity},
        {IDC_QUANTITY, &m_strQuantity},
        {IDC_NEW_KIND, &m_strKind},
        {IDC_VALUE1, &m_fValue1},
        {IDC_VALUE2, &m_fValue2},
        {IDC_KIND, &m_strChosenKind, Binding::How::Kept},
        {IDC_UNIT1, &m_strChosenUnit1, Binding::How::Kept},
        {IDC_UNIT2, &m_strChosenUnit2, Binding::How::Kept},
    };
}

bool CUnitConverterPage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    // The lists hold plain texts, one string each: a catalogue of a million
    // kinds or units fills them without an item object per entry.
    for (const int id : {IDC_KIND, IDC_UNIT1, IDC_UNIT2}) {
        QComboBox* list = List(id);
        list->setModel(new QStringListModel(list));
    }
    m_strBaseQuantity = QStringLiteral("1");
    LoadCatalogue();
    UpdateData(false);
    // The note under the add row speaks of "data.ini"; which file that is
    // (the user's catalogue lies in a hidden folder) shows when the pointer
    // rests on it. The note is the template's last control.
    if (QWidget* note = ControlAt(Template().controls.size() - 1)) {
        const QString path = QString::fromStdString(m_catalogue.Path());
        note->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    }
    return true;
}

void CUnitConverterPage::OnClose() {
    // Lets the file go for other programs (and a hand edit) at once.
    m_catalogue.Close();
    CCalcPage::OnClose();
}

QComboBox* CUnitConverterPage::List(int id) const {
    return qobject_cast<QComboBox*>(GetDlgItem(id));
}

QString CUnitConverterPage::Chosen(int id) const {
    const QComboBox* list = List(id);
    if (!list || list->currentIndex() < 0)
        return {};
    return list->itemText(list->currentIndex());
}

void CUnitConverterPage::LoadCatalogue() {
    if (const std::string error = m_catalogue.Load(); !error.empty())
        MessageBox(QString::fromStdString(error), QStringLiteral("vek"));
    // The kinds are merged into the list, never cleared: each kind met for
    // the first time is appended and chosen, so the list keeps its places
    // and a new kind ends up chosen. The catalogue's own index gives the
    // kinds once each; the list is asked for its texts once and filled in
    // one call, so a catalogue of a million kinds loads in one pass.
    QComboBox* kinds = List(IDC_KIND);
    const vek::units::CatalogueText& text = m_catalogue.Text();
    const auto kindName = [&text](std::size_t k) {
        const std::string_view kind = text.Kind(k);
        return QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size()));
    };
    // Usually the list holds the catalogue's first kinds in its order (an
    // add only appends): then the rest is new. Otherwise (a hand edit) the
    // items the list held are looked up; the catalogue's kinds are distinct.
    const auto held = static_cast<std::size_t>(kinds->count());
    bool prefix = text.KindCount() >= held;
    for (std::size_t k = 0; k < held && prefix; ++k)
        prefix = kinds->itemText(static_cast<int>(k)) == kindName(k);
    QSet<QString> present;
    if (!prefix) {
        present.reserve(kinds->count());
        for (int i = 0; i < kinds->count(); ++i) present.insert(kinds->itemText(i));
    }
    QStringList added;
    for (std::size_t k = prefix ? held : 0; k < text.KindCount(); ++k) {
        QString name = kindName(k);
        if (!present.contains(name))
            added.append(std::move(name));
    }
    if (!added.isEmpty()) {
        kinds->insertItems(kinds->count(), added);
        kinds->setCurrentIndex(kinds->count() - 1);
    }
    if (kinds->currentIndex() < 0 && kinds->count() > 0)
        kinds->setCurrentIndex(0);
    ShowKind();
    m_strKind = Chosen(IDC_KIND);
}

void CUnitConverterPage::ShowKind() {
    m_strChosenKind = Chosen(IDC_KIND);
    const KindUnits units = m_catalogue.UnitsOfKind(Utf8(m_strChosenKind));
    QComboBox* list1 = List(IDC_UNIT1);
    QComboBox* list2 = List(IDC_UNIT2);
    if (units.HasEntries()) {
        // The base unit at item 0, then each line's unit in file order, in
        // both lists, each filled in one call.
        const QString base = QString::fromStdString(units.baseUnit);
        QStringList items;
        items.reserve(static_cast<qsizetype>(units.units.size()) + 1);
        items.append(base);
        for (const std::string& unit : units.units) items.append(QString::fromStdString(unit));
        list1->insertItems(0, items);
        list2->insertItems(0, items);
        m_fValue1 = m_fValue2 = units.baseQuantity;
        m_strBaseQuantity = QStringLiteral("1");
        m_strBaseUnit = base;
    } else {
        m_fValue1 = m_fValue2 = 0;
    }
    if (list1->count() > 0) {
        list1->setCurrentIndex(0);
        list2->setCurrentIndex(0);
    }
    m_strChosenUnit1 = Chosen(IDC_UNIT1);
    m_strChosenUnit2 = Chosen(IDC_UNIT2);
    m_fFactor1 = m_fValue1;
    m_fFactor2 = m_fValue2;
}

void CUnitConverterPage::ClearUnitLists() {
    // In one call each: removing item 0 once per item moves the rest every time.
    List(IDC_UNIT1)->clear();
    List(IDC_UNIT2)->clear();
}

void CUnitConverterPage::ReadAddRow() {
    m_strKind = WindowText(GetDlgItem(IDC_NEW_KIND));
    m_strBaseQuantity = WindowText(GetDlgItem(IDC_BASE_QUANTITY));
    m_strBaseUnit = WindowText(GetDlgItem(IDC_BASE_UNIT));
    m_strQuantity = WindowText(GetDlgItem(IDC_QUANTITY));
    m_strUnit = WindowText(GetDlgItem(IDC_UNIT));
}

void CUnitConverterPage::SetBaseUnitReadOnly(bool readOnly) {
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(IDC_BASE_UNIT)))
        edit->setReadOnly(readOnly);
}

void CUnitConverterPage::OnSelchangeKind() {
    // What the user typed in the add row's quantity and unit stays; its kind
    // and base unit follow the chosen kind.
    ReadAddRow();
    // The record describes the conversion on screen; none is shown now.
    ForgetRecord();
    ClearUnitLists();
    m_strBaseUnit.clear();
    m_strKind = Chosen(IDC_KIND);
    ShowKind();
    UpdateData(false);
    SetBaseUnitReadOnly(true);
}

void CUnitConverterPage::OnSelchangeUnit1() {
    OnSelchangeUnit();
}

void CUnitConverterPage::OnSelchangeUnit2() {
    OnSelchangeUnit();
}

void CUnitConverterPage::OnSelchangeUnit() {
    // The values are not converted: each field shows its unit's factor, which
    // is the relation between the two (1 米 <=> 100 厘米). Only the chosen
    // kind's lines give factors.
    ReadAddRow();
    ForgetRecord();
    m_strChosenUnit1 = Chosen(IDC_UNIT1);
    m_strChosenUnit2 = Chosen(IDC_UNIT2);
    const std::string kind = Utf8(Chosen(IDC_KIND));
    m_fValue1 = m_catalogue.FactorOf(kind, Utf8(m_strChosenUnit1), m_fValue1);
    m_fValue2 = m_catalogue.FactorOf(kind, Utf8(m_strChosenUnit2), m_fValue2);
    m_fFactor1 = m_fValue1;
    m_fFactor2 = m_fValue2;
    UpdateData(false);
}

void CUnitConverterPage::OnKillfocusNewKind() {
    // Only the add row is read, so a bad number in a value field neither
    // raises a box here nor keeps 1069 locked for a new kind.
    ReadAddRow();
    m_strBaseQuantity = QStringLiteral("1");
    // A new kind gets the base unit the user types; an existing kind brings
    // its own, so a line is never stored against another kind's base unit.
    const std::optional<QString> base = BaseUnitOf(m_strKind);
    if (base) {
        m_strBaseUnit = *base;
        PutText(GetDlgItem(IDC_BASE_UNIT), m_strBaseUnit);
    }
    SetBaseUnitReadOnly(base.has_value());
}

std::optional<QString> CUnitConverterPage::BaseUnitOf(const QString& kind) const {
    const KindUnits units = m_catalogue.UnitsOfKind(Utf8(kind));
    if (!units.HasEntries())
        return std::nullopt;
    return QString::fromStdString(units.baseUnit);
}

void CUnitConverterPage::OnKillfocusValue1() {
    if (!UpdateData(true))
        return;
    m_fValue2 = Convert(m_fValue1, m_fFactor1, m_fFactor2);
    Record(ConversionRecord(Utf8(Chosen(IDC_KIND)), m_fValue1, Utf8(Chosen(IDC_UNIT1)),
                            Utf8(Chosen(IDC_UNIT2)), m_fValue2, m_fFactor1, m_fFactor2));
    UpdateData(false);
}

void CUnitConverterPage::OnKillfocusValue2() {
    if (!UpdateData(true))
        return;
    m_fValue1 = Convert(m_fValue2, m_fFactor2, m_fFactor1);
    Record(ConversionRecord(Utf8(Chosen(IDC_KIND)), m_fValue2, Utf8(Chosen(IDC_UNIT2)),
                            Utf8(Chosen(IDC_UNIT1)), m_fValue1, m_fFactor2, m_fFactor1));
    UpdateData(false);
}

void CUnitConverterPage::OnAddUnit() {
    if (!UpdateData(true))
        return;
    // The line of an existing kind carries that kind's base unit, whatever
    // 1069 was left holding.
    if (const std::optional<QString> base = BaseUnitOf(m_strKind))
        m_strBaseUnit = *base;
    const NewUnitLine line{Utf8(m_strKind), Utf8(m_strBaseQuantity), Utf8(m_strBaseUnit),
                           Utf8(m_strQuantity), Utf8(m_strUnit)};
    if (const std::optional<CheckBox> box = CheckNewUnit(line)) {
        ShowBox(*box);
        return;
    }
    // A line that cannot be saved is reported and the row kept as typed, so
    // the user can try again once the file is writable.
    if (const std::string error = m_catalogue.AppendEntry(line.kind, line.baseQuantity,
                                                          line.baseUnit, line.quantity, line.unit);
        !error.empty()) {
        MessageBox(QString::fromStdString(error), QStringLiteral("vek"));
        return;
    }
    ForgetRecord();  // the lists start again from the base unit
    ClearUnitLists();
    LoadCatalogue();
    m_strQuantity.clear();
    m_strUnit.clear();
    UpdateData(false);
    SetBaseUnitReadOnly(true);
}
