// SPDX-License-Identifier: MIT
#pragma once
// The fields of one window, described once: which control holds which
// quantity, whether the user types it or the window writes it, how the page
// labels it, what it means, in which unit, and what it shows at start-up.
// The window binds its members to these rows by control id; vek-calc reads
// its inputs, results, ids and help from them; the records and the screen
// reader name the fields by them; the tests take their id lists from them.

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// How a field holds its value, which decides how it is read and shown.
enum class FieldKind {
    Float,   // single-precision number field (6 significant digits)
    Double,  // double-precision number field (15 significant digits)
    Int,     // whole-number field
    Text,    // text field, taken as typed
    Choice,  // radio group, list selection or check box: a zero-based index
};

// An editable field the user types into, or a read-only one the window fills.
enum class FieldRole { Input, Result };

// A start-up value: a number (the index of a choice), a text, or none when
// the window works it out (the note then says how).
using FieldValue = std::variant<std::monostate, double, std::string>;

struct Field {
    int id = 0;             // control id; 0 for a value the window has no field for
    const char* name = "";  // command-line name, unique in its table
    FieldKind kind = FieldKind::Float;
    FieldRole role = FieldRole::Input;
    // How the page names the field to a user, in its records and to a
    // screen reader: its label without symbol or unit ("年用量"), the symbol
    // its formulas use ("B") and the unit the page shows ("吨"); "" for none.
    // A field without a label is named by its meaning.
    const char* label = "";
    const char* symbol = "";
    const char* unit = "";
    const char* meaning = "";  // what it is, in vek-calc's English help
    FieldValue start = {};
    const char* startNote = "";  // what the window starts with when `start` is none
    // For a choice: the words that also select each index (index i accepts
    // "i" and every word of choices[i]); the last word is the page's text of
    // the item unless `choiceTexts` gives it.
    std::vector<std::vector<std::string>> choices = {};
    std::vector<std::string> choiceTexts = {};
    // The unit as vek-calc's English help gives it where it differs from
    // the page's ("t" for 吨); nullptr: the same.
    const char* helpUnit = nullptr;
};

using FieldTable = std::span<const Field>;

// nullptr when the table has no such field.
const Field* FindField(FieldTable table, int id);
const Field* FindField(FieldTable table, std::string_view name);
