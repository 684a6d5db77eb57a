// SPDX-License-Identifier: MIT
#pragma once
// What vek-calc prints: the results of a run, and the inputs of a calculator
// for its --help.

#include <cstdio>
#include <string>
#include <string_view>

#include "tools/vek-calc/calculator.h"

namespace vek::cli {

enum class Keys { Names, Ids };
enum class Form { Lines, Json };

// The box (when the page shows one) and then the results, each as the page
// displays it: "box: CAPTION | TEXT" and one "key=value" line per result, or
// one JSON object whose first member "box" holds "CAPTION | TEXT".
std::string Render(const Calculator& calculator, const Outcome& outcome, Keys keys, Form form);

// One line per input: name, id, meaning, unit and start-up value.
std::string InputsHelp(const Calculator& calculator);

// One message on err: "vek-calc: MESSAGE" on one line, control characters
// escaped (EscapeControls).
void PrintMessage(std::FILE* err, std::string_view message);

}  // namespace vek::cli
