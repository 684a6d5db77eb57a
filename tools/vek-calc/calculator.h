// SPDX-License-Identifier: MIT
#pragma once
// vek-calc works every calculator of the program from the command line:
//
//   name=value arguments -> inputs read as the page reads its fields
//   -> the page's checks and formula (vek_core) -> results shown as the page
//   shows them -> name=value lines, id=value lines or one JSON object.
//
// Each calculator is its window's definition in vek_core (calc/*_forms.h):
// the field table gives names, ids, widths, meanings, units and start-up
// values; the slots say which struct member each field is; the run function
// holds the checks and their boxes. Everything here works from those alone.

#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "calc/field_table.h"
#include "calc/record.h"
#include "units/catalogue_text.h"
#include "units/unit_entry.h"

namespace vek::cli {

// A number (a float or int field's value is held exactly) or a text.
using Value = std::variant<double, std::string>;

// A message box the page shows.
struct Box {
    std::string caption;
    std::string text;
};

struct Outcome {
    std::optional<Box> box;
    // The page's check stopped the computation: only the box is shown.
    bool stopped = false;
    std::vector<Value> results;  // one per output, in the same order
    // The record of the run, when the context asked for one.
    std::optional<CalcRecord> record;
};

struct Calculator;

// The inputs of one run, each given or at its start-up value.
class Inputs {
public:
    explicit Inputs(const Calculator& calculator);

    // By position in the calculator's inputs.
    const std::optional<Value>& At(std::size_t index) const { return values_[index]; }
    bool Given(std::size_t index) const { return given_[index]; }
    void Set(std::size_t index, Value value);

    // By name: the value, nullopt when the input has no start-up value and
    // was not given.
    const std::optional<Value>& Raw(std::string_view name) const;
    bool Given(std::string_view name) const;

private:
    std::size_t IndexOf(std::string_view name) const;

    const Calculator* calculator_;
    std::vector<std::optional<Value>> values_;
    std::vector<bool> given_;
};

// The unit catalogue as one run of vek-calc read it: the error text (empty
// when the file was read) and its text, held as the page holds it.
struct CatalogueRead {
    std::string error;
    vek::units::CatalogueText text;
};

// Settings that are not inputs of a page.
struct Context {
    explicit Context(std::string catalogueFile = "data.ini")
        : catalogue(std::move(catalogueFile)) {}

    std::string catalogue;  // the unit catalogue file of convert
    // Added to the error of a catalogue that cannot be read, when the user
    // did not name it: how to name one, and where the user's own lies.
    std::string catalogueHint;
    bool record = false;  // make the run's record (--record)
    // The catalogue is read by the first case that needs it and kept, so
    // that the many cases of one run read the file once and all convert
    // with the same units.
    mutable std::optional<CatalogueRead> catalogueRead;
};

struct Calculator {
    const char* name;
    const char* summary;  // one line for the list of calculators
    std::vector<const Field*> inputs;
    std::vector<const Field*> outputs;  // in the page's exchange order
    std::function<Outcome(const Inputs&, const Context&)> compute;
};

// A command line the program refuses: one line on stderr, exit status 2.
// The text with every control character shown escaped (\n, \r, \t, \0,
// \x1b, ...), so that text from an input can neither end a line, nor cut a
// message short, nor steer the terminal.
std::string EscapeControls(std::string_view text);

// A refusal; its message, which may quote the input, is kept escaped (a NUL
// would end what() early).
struct UsageError : std::runtime_error {
    explicit UsageError(const std::string& message) : std::runtime_error(EscapeControls(message)) {}
};

// Every calculator, in the order the help lists them.
std::span<const Calculator> Calculators();
const Calculator* FindCalculator(std::string_view name);

// The unit converter, which reads the catalogue file (calc_units.cpp).
Calculator ConvertCalculator();

}  // namespace vek::cli
