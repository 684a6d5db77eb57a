// SPDX-License-Identifier: MIT
#pragma once
// What every calculator page shares: its members bound to the fields of its
// table, the start-up values from that table, one compute step for any of
// its calculators, and the page colours.
//
//   take-in -> Gather (members -> input struct) -> run (checks, formula)
//   -> box -> Scatter (result struct -> members) -> put-out

#include <QString>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/calculator.h"
#include "framework/dialog.h"
#include "pages/record_window.h"

// The label of the field `id` of `table` as a screen reader's name, with
// its symbol and unit as description; an empty name when the table gives
// it no label.
CDialog::FieldName RecordNameOf(FieldTable table, int id);

class CCalcPage : public CDialog, public CRecordWindow {
public:
    // How labels, group boxes, choices and read-only fields show the page
    // colour: as a text background (pages 129, 130), in transparent mode
    // (the other calculator pages), or both (the unit converter).
    enum class StaticText { Opaque, Transparent, OpaqueTransparent };

    explicit CCalcPage(int templateId, StaticText statics = StaticText::Opaque)
        : CDialog(templateId), statics_(statics) {}

    // The page's fields, as the core describes them.
    virtual FieldTable Fields() const = 0;

    // A member bound to its control. Text: exchanged with DDX_Text; Radio:
    // the index of a radio group (by its first button) with DDX_Radio;
    // ListText: a list's text with DDX_CBString, never read by a calculator;
    // Kept: not exchanged (a list selection the page stores itself), but
    // read into the calculator like the others.
    struct Binding {
        enum class How { Text, Radio, ListText, Kept };
        int id;
        std::variant<float*, double*, int*, QString*> member;
        How how = How::Text;
    };
    // Every bound member, in the page's exchange order: it decides which
    // members a failed take-in has already read.
    virtual std::vector<Binding> Bindings() = 0;

    // A field is named by its table's label, else as the window labels it.
    FieldName NameOfField(int id) const override;

    // The record of the page's last computation (its inputs, and its results
    // or the box that stopped it); none before the first.
    const std::optional<CalcRecord>& LastRecord() const override { return lastRecord_; }
    // The vek-calc name of the calculator of that computation; nullptr when
    // the page kept a record it made itself (or none).
    const char* LastCalculator() const { return lastCalculator_; }

    // The tool windows the page opens beside itself that hold inputs of
    // their own (the decibel calculator's keypad holds none).
    virtual std::vector<CCalcPage*> ToolWindows() { return {}; }

    // The live total line of a noise page was used after the last
    // computation: its record shows the line (the background as an input,
    // the total as a result) while `levelKept`, that is while the level
    // field still holds the level that computation recorded; otherwise the
    // record is the computation's own.
    void RecordTotalLine(const char* levelSymbol, bool levelKept, float background, float total);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CtlColor OnCtlColor(QWidget* control, CtlColorKind kind) override;
    // A right click on the background: a page lets it go on to the main
    // window's menu; a tool window opens that menu over itself.
    void contextMenuEvent(QContextMenuEvent* event) override;

    // Sets every bound member to its field's start-up value.
    void SetStartValues();

    // One press of a compute button: take-in (a field that does not read
    // ends it, the user's text kept), the calculator's checks and formula,
    // its box, the results into their members and the put-out. The result,
    // or nothing when nothing was computed.
    template <class In, class Out>
    std::optional<Out> Compute(const CalculatorDef<In, Out>& def);

    // Shows a calculator's box and moves the focus to the field it names.
    void ShowBox(const CheckBox& box);

    // Keeps the record of a computation the page runs without Compute.
    template <class In, class Out>
    void Record(const CalculatorDef<In, Out>& def, const In& in, const Answer<Out>& answer) {
        Record(MakeRecord(def, in, answer));
        lastCalculator_ = def.name;
    }
    void Record(CalcRecord record) {
        computedRecord_ = record;
        lastRecord_ = std::move(record);
        lastCalculator_ = nullptr;
    }
    // Forgets the record when the page no longer shows what it describes.
    void ForgetRecord() {
        lastRecord_.reset();
        computedRecord_.reset();
        lastCalculator_ = nullptr;
    }

private:
    const Binding* BindingOf(const char* fieldName);
    SlotValue Read(const Binding& binding) const;
    void Write(const Binding& binding, const SlotValue& value);

    StaticText statics_;
    std::vector<Binding> bindings_;
    std::optional<CalcRecord> lastRecord_;
    std::optional<CalcRecord> computedRecord_;  // as the computation made it
    const char* lastCalculator_ = nullptr;
};

template <class In, class Out>
std::optional<Out> CCalcPage::Compute(const CalculatorDef<In, Out>& def) {
    if (!UpdateData(true))
        return std::nullopt;
    bindings_ = Bindings();
    In in{};
    for (const Slot<In>& slot : def.inputs)
        if (const Binding* binding = BindingOf(slot.name))
            slot.set(in, Read(*binding));
    const Answer<Out> answer = def.run(in);
    Record(def, in, answer);
    if (answer.box)
        ShowBox(*answer.box);
    if (answer.stopped)
        return std::nullopt;
    if (answer.result)
        for (const Slot<Out>& slot : def.results)
            if (const Binding* binding = BindingOf(slot.name))
                Write(*binding, slot.get(*answer.result));
    UpdateData(false);
    return answer.result;
}
