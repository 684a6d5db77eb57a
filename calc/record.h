// SPDX-License-Identifier: MIT
#pragma once
// The record of one computation, for a report: an EIA report shows how each
// figure was obtained (formula, the values put into it, the result and its
// unit). A record is made from a calculator's definition and the values of
// one run, so the program's pages and vek-calc write the same record:
//
//   definition (title, formulas) + field table + input and result values
//   -> CalcRecord (display texts) -> plain text, Markdown or HTML
//
// Every value is shown as the page's field shows it.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "calc/field_table.h"

// What a calculator's record says besides the values: its title and its
// formulas in the notation the pages use. The fields are named as their
// table labels them.
struct RecordText {
    const char* title = "";
    std::vector<const char*> formulas = {};
};

// One line of a record, as displayed.
struct RecordLine {
    std::string label;
    std::string symbol;
    std::string value;
    std::string unit;
};

struct CalcRecord {
    std::string title;
    std::vector<std::string> formulas;
    std::vector<RecordLine> inputs;
    // Values worked out on the way (coefficients looked up, terms of the
    // formula), shown between the inputs and the results; often none.
    std::vector<RecordLine> workings = {};
    std::vector<RecordLine> results;
    // The text of a box the computation raised ("" none). When it stopped
    // the computation, the record holds no results and this text says why.
    std::string note;
    bool stopped = false;
};

// A field's value on its way into a record: a number or a text.
using RecordValue = std::variant<double, std::string>;
using NamedValue = std::pair<const char*, RecordValue>;

// The record of a run: the inputs and results by field name, each group in
// the order of the table, which is the order a reader meets the fields on
// the page.
CalcRecord BuildRecord(const RecordText& text, FieldTable table, std::span<const NamedValue> inputs,
                       std::span<const NamedValue> results, std::string note, bool stopped);

// The three forms of a record, all UTF-8.
std::string RecordPlainText(const CalcRecord& record);
std::string RecordMarkdown(const CalcRecord& record);
// An HTML fragment (a meta charset and one table) that a word processor
// pastes as a table.
std::string RecordHtml(const CalcRecord& record);

// A text as the record forms write it into Markdown (markup characters
// escaped, line breaks as blanks) and into HTML (markup escaped), for texts
// put beside records, such as a book's title.
std::string MarkdownEscaped(const std::string& text);
std::string HtmlEscaped(const std::string& text);
