// SPDX-License-Identifier: MIT
#pragma once
// Page 5: a value shown in two units of one kind, with the factors of the
// unit catalogue file (data.ini), and a row that adds a unit to that file.
//
// A unit's factor is how many of it make the base quantity of its kind's
// base unit; converting divides by the first unit's factor and multiplies by
// the second's.

#include <QString>
#include <optional>

#include "pages/calc_page.h"
#include "units/unit_catalogue.h"

class QComboBox;

class CUnitConverterPage : public CCalcPage {
public:
    static constexpr int IDD = 146;

    CUnitConverterPage();

    FieldTable Fields() const override;
    std::vector<Binding> Bindings() override;

    // The conversion rows.
    float m_fValue1 = 0;
    float m_fValue2 = 0;
    float m_fFactor1 = 0;  // factor of the unit chosen in 1074
    float m_fFactor2 = 0;  // factor of the unit chosen in 1028
    // The add row.
    QString m_strKind;
    QString m_strBaseQuantity;
    QString m_strBaseUnit;
    QString m_strQuantity;
    QString m_strUnit;

    void OnAddUnit();
    void OnSelchangeKind();
    void OnSelchangeUnit1();
    void OnSelchangeUnit2();
    void OnKillfocusNewKind();
    void OnKillfocusValue1();
    void OnKillfocusValue2();

    const UnitCatalogue& Catalogue() const { return m_catalogue; }

protected:
    bool OnInitDialog() override;
    void BuildMessageMap() override;
    void OnClose() override;

private:
    void LoadCatalogue();
    void ShowKind();
    void ClearUnitLists();
    void OnSelchangeUnit();
    // Reads the five add-row texts, which cannot fail, so that a put-out
    // that follows keeps what the user typed there.
    void ReadAddRow();
    void SetBaseUnitReadOnly(bool readOnly);
    // The base unit of a kind the catalogue holds; nullopt for a new kind.
    std::optional<QString> BaseUnitOf(const QString& kind) const;

    QComboBox* List(int id) const;
    // The text of the list's chosen item; empty when nothing is chosen (an
    // empty list is never read).
    QString Chosen(int id) const;

    UnitCatalogue m_catalogue;
    // The lists' chosen texts, as the field table names them.
    QString m_strChosenKind;
    QString m_strChosenUnit1;
    QString m_strChosenUnit2;
};
