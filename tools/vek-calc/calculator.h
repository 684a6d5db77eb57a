// SPDX-License-Identifier: MIT
#pragma once
// vek-calc works every calculator of the program from the command line:
//
//   name=value arguments -> inputs read as the page reads its fields
//   -> the page's checks and formula (vek_core) -> results shown as the page
//   shows them -> name=value lines, id=value lines or one JSON object.
//
// Each calculator is one description (its inputs and results, each with the
// control id of the page field it stands for and that field's width) and one
// compute function that maps the parsed inputs to formula calls. Everything
// generic (reading values, help, output) works from the descriptions alone.

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vek::cli {

// How a field holds its value, which decides how it is read and shown.
enum class Width {
    Float,   // single-precision number field
    Double,  // double-precision number field
    Int,     // whole-number field
    Text,    // text field or list, taken as typed
    Choice,  // radio group, combo selection or check box: a zero-based index
};

// A number (a float or int field's value is held exactly) or a text.
using Value = std::variant<double, std::string>;

struct InputField {
    const char* name;  // short English name
    int id;            // control id of the page field; 0 when the field has none
    Width width;
    const char* meaning;
    const char* unit;              // "" when the quantity has none
    std::optional<Value> initial;  // the page's start-up value
    // Without a fixed start-up value: what the page starts with instead.
    const char* initialNote = "";
    // For a choice: the words that also select each index (index i accepts
    // "i" and every word of choices[i]).
    std::vector<std::vector<std::string>> choices = {};
};

struct OutputField {
    const char* name;
    int id;
    Width width;
};

// A message box the page shows.
struct Box {
    std::string caption;
    std::string text;
};

// The caption of the page checks' boxes, and of boxes without one of their own.
inline constexpr const char* kErrorCaption = "错误";
inline constexpr const char* kAppCaption = "vek";

struct Outcome {
    std::optional<Box> box;
    // The page's check stopped the computation: only the box is shown.
    bool stopped = false;
    std::vector<Value> results;  // one per OutputField, in the same order
};

struct Calculator;

// The inputs of one run, each given or at its start-up value.
class Inputs {
public:
    explicit Inputs(const Calculator& calculator);

    float Float(std::string_view name) const;
    double Double(std::string_view name) const;
    int Int(std::string_view name) const;  // whole numbers and choices
    const std::string& Text(std::string_view name) const;
    bool Given(std::string_view name) const;
    // The value of an input without a fixed start-up value; nullopt when not given.
    const std::optional<Value>& Raw(std::string_view name) const;

    void Set(std::size_t index, Value value);
    bool Given(std::size_t index) const { return given_[index]; }

private:
    std::size_t IndexOf(std::string_view name) const;
    double Number(std::string_view name) const;

    const Calculator* calculator_;
    std::vector<std::optional<Value>> values_;
    std::vector<bool> given_;
};

// Settings that are not inputs of a page.
struct Context {
    std::string catalogue = "data.ini";  // the unit catalogue file of convert
};

struct Calculator {
    const char* name;
    const char* summary;  // one line for the list of calculators
    std::vector<InputField> inputs;
    std::vector<OutputField> outputs;
    Outcome (*compute)(const Inputs&, const Context&);
};

// A command line the program refuses: one line on stderr, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Every calculator, in the order the help lists them.
std::span<const Calculator> Calculators();
const Calculator* FindCalculator(std::string_view name);

// The descriptions of each family (calc_*.cpp).
std::vector<Calculator> WaterCalculators();
std::vector<Calculator> AirCalculators();
std::vector<Calculator> NoiseCalculators();
std::vector<Calculator> UnitCalculators();

}  // namespace vek::cli
