// SPDX-License-Identifier: MIT
#pragma once
// Many cases at once: one calculator run for each row of a CSV file.
//
//   header row (input names or control ids) -> each row read as the page
//   reads its fields, columns left out at their start-up values -> the page's
//   checks and formula -> the row again with "box" and the results appended
//   (or one JSON object per row), written as each row is computed.
//
// A row that cannot be read is reported on stderr with its line number and
// left out; the other rows are computed all the same.

#include <cstdio>
#include <string>

#include "tools/vek-calc/calculator.h"
#include "tools/vek-calc/report.h"

namespace vek::cli {

// Runs the calculator on every row of `file` ("-": standard input) and
// returns the exit status: 0 when every row was computed, kStopped when the
// page's check stopped at least one row (and every row could be read),
// kRowsRefused when at least one row could not be read, kRefused (nothing
// computed) when the file cannot be opened or its header names no input of
// the calculator, kNotWritten when the output could not be written.
int RunCsvCases(const Calculator& calculator, const std::string& file, Keys keys, Form form,
                const Context& context, std::FILE* out, std::FILE* err);

}  // namespace vek::cli
