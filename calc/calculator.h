// SPDX-License-Identifier: MIT
#pragma once
// One calculator, defined once for its window, vek-calc and the tests:
//
//   field table (which controls) -> slots (which member of the input and
//   result structs each field is) -> run (checks, then the formula) -> answer
//
// The window gathers its members into the input struct through the input
// slots, runs the calculator, shows the answer's box and writes the result
// struct back through the result slots. vek-calc does the same with the
// values of its command line. Every box text of a calculator lives in its
// run function, once.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "calc/field_table.h"
#include "calc/record.h"

// Captions of the boxes: the page checks' own, and the application's name
// for a box without a caption of its own.
inline constexpr const char* kErrorCaption = "错误";
inline constexpr const char* kAppName = "vek";

// A message box a calculator raises: its text, its caption and the field
// that takes the focus after it (0: the focus stays where it is).
struct CheckBox {
    const char* text = "";
    const char* caption = kErrorCaption;
    int focusId = 0;
};

// What a run gives the window: a box to show first, whether that box ends
// the computation (no field changes, nothing is put out), and the result
// to write back (none: the fields are put out again unchanged).
template <class Out>
struct Answer {
    std::optional<CheckBox> box = std::nullopt;
    bool stopped = false;
    std::optional<Out> result = std::nullopt;
};

template <class Out>
Answer<Out> Stopped(CheckBox box) {
    return {box, true, std::nullopt};
}

// A value on its way between a field and a struct member: a number (a
// float, int or choice index is held exactly) or a text.
using SlotValue = std::variant<double, std::string>;

// A field of the table (by name) and the struct member that carries it. A
// choice may fill other inputs when it is made (a fuel fills its sulphur
// content and standards); whatever is typed besides comes after and wins.
template <class S>
struct Slot {
    template <class M, class Base>
    requires std::is_base_of_v<Base, S> Slot(const char* fieldName, M Base::*member,
                                             void (*chooser)(S&, int) = nullptr)
        : name(fieldName),
          choose(chooser),
          carries(&CarriesKind<M>),
          set([member](S& target, const SlotValue& value) { Put(target.*member, value); }),
          get([member](const S& source) { return Take(source.*member); }),
          has([member](const S& source) { return Has(source.*member); }) {}

    const char* name;
    void (*choose)(S& in, int index);
    bool (*carries)(FieldKind kind);  // whether the member can hold such a field
    std::function<void(S&, const SlotValue&)> set;
    std::function<SlotValue(const S&)> get;
    std::function<bool(const S&)> has;  // false for an optional member left unset

private:
    template <class M>
    static bool CarriesKind(FieldKind kind) {
        if constexpr (std::is_same_v<M, float> || std::is_same_v<M, std::optional<float>>)
            return kind == FieldKind::Float;
        else if constexpr (std::is_same_v<M, double> || std::is_same_v<M, std::optional<double>>)
            return kind == FieldKind::Double;
        else if constexpr (std::is_same_v<M, int>)  // a whole number or the index of a choice
            return kind == FieldKind::Int || kind == FieldKind::Choice;
        else if constexpr (std::is_same_v<M, bool>)  // a two-way choice
            return kind == FieldKind::Choice;
        else
            return kind == FieldKind::Text;
    }

    template <class M>
    static void Put(M& member, const SlotValue& value) {
        if constexpr (std::is_same_v<M, std::string> ||
                      std::is_same_v<M, std::optional<std::string>>)
            member = std::get<std::string>(value);
        else if constexpr (std::is_same_v<M, bool>)
            member = std::get<double>(value) != 0;
        else if constexpr (std::is_same_v<M, std::optional<float>>)
            member = static_cast<float>(std::get<double>(value));
        else if constexpr (std::is_same_v<M, std::optional<double>>)
            member = std::get<double>(value);
        else  // float, double, int: a float or int field's value is held exactly
            member = static_cast<M>(std::get<double>(value));
    }

    template <class M>
    static bool Has(const M& member) {
        if constexpr (requires { member.has_value(); })
            return member.has_value();
        else
            return true;
    }

    template <class M>
    static SlotValue Take(const M& member) {
        if constexpr (std::is_same_v<M, std::string>)
            return member;
        else if constexpr (std::is_same_v<M, std::optional<std::string>>)
            return member.value_or(std::string());
        else if constexpr (std::is_same_v<M, std::optional<float>> ||
                           std::is_same_v<M, std::optional<double>>)
            return static_cast<double>(member.value_or(0));
        else
            return static_cast<double>(member);
    }
};

template <class In, class Out>
struct CalculatorDef {
    const char* name;     // vek-calc's name of the calculator
    const char* summary;  // one line for vek-calc's list
    FieldTable table;     // the window's fields
    std::vector<Slot<In>> inputs;
    std::vector<Slot<Out>> results;  // in the window's exchange order
    Answer<Out> (*run)(const In& in);
    RecordText record = {};  // title and formulas of its records
    // Whether an input (by name) or a formula of the record (by its text)
    // takes part in the computation its values describe (a coal-only figure
    // or formula does not when oil burns); one that does not is left out of
    // the record. None: everything takes part.
    bool (*takesPart)(const In& in, std::string_view part) = nullptr;
    // The values between the inputs and the results that a reviewer checks
    // (the coefficients looked up, the terms of the formula), as displayed.
    std::vector<RecordLine> (*workings)(const In& in, const Out& out) = nullptr;
};

// The record of one run of a definition: the inputs it ran with and, unless
// a check stopped it, its results; a box the run raised is noted.
template <class In, class Out>
CalcRecord MakeRecord(const CalculatorDef<In, Out>& def, const In& in, const Answer<Out>& answer) {
    std::vector<NamedValue> inputs, results;
    for (const Slot<In>& slot : def.inputs) {
        if (def.takesPart && !def.takesPart(in, slot.name))
            continue;
        SlotValue value = slot.get(in);
        // An input left unset is worked out from the input its field's
        // start-up note names (the second operand of "=" is the first again),
        // and the record shows the value the run used.
        const Field* field = FindField(def.table, std::string_view(slot.name));
        if (!slot.has(in) && field)
            for (const Slot<In>& other : def.inputs)
                if (std::string_view(other.name) == field->startNote)
                    value = other.get(in);
        inputs.emplace_back(slot.name, std::move(value));
    }
    if (answer.result)
        for (const Slot<Out>& slot : def.results)
            results.emplace_back(slot.name, slot.get(*answer.result));
    CalcRecord record = BuildRecord(def.record, def.table, inputs, results,
                                    answer.box ? answer.box->text : std::string(), answer.stopped);
    if (def.takesPart)
        std::erase_if(record.formulas,
                      [&](const std::string& formula) { return !def.takesPart(in, formula); });
    if (answer.result && !answer.stopped && def.workings)
        record.workings = def.workings(in, *answer.result);
    return record;
}

// What is wrong with a definition: a slot naming no field of the table, a
// member that cannot carry its field's kind, a slot's field without a label
// for the record, or a record without a title or formula. Empty when it is
// sound.
template <class In, class Out>
std::vector<std::string> DefinitionProblems(const CalculatorDef<In, Out>& def) {
    std::vector<std::string> problems;
    const auto check = [&](const char* name, bool carries) {
        const Field* field = FindField(def.table, std::string_view(name));
        if (!field)
            problems.push_back(std::string(def.name) + ": no field " + name);
        else if (!carries)
            problems.push_back(std::string(def.name) + ": " + name + " has the wrong width");
    };
    for (const Slot<In>& slot : def.inputs) {
        const Field* field = FindField(def.table, std::string_view(slot.name));
        check(slot.name, field && slot.carries(field->kind));
    }
    for (const Slot<Out>& slot : def.results) {
        const Field* field = FindField(def.table, std::string_view(slot.name));
        check(slot.name, field && slot.carries(field->kind));
    }
    const auto labelled = [&](const char* name) {
        const Field* field = FindField(def.table, std::string_view(name));
        if (field && !*field->label)
            problems.push_back(std::string(def.name) + ": no label for " + name);
    };
    for (const Slot<In>& slot : def.inputs) labelled(slot.name);
    for (const Slot<Out>& slot : def.results) labelled(slot.name);
    if (!*def.record.title || def.record.formulas.empty())
        problems.push_back(std::string(def.name) + ": the record has no title or formula");
    return problems;
}
