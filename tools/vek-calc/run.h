// SPDX-License-Identifier: MIT
#pragma once
// The whole of vek-calc as one function, so that the program's main() and a
// fuzzing harness run exactly the same code.

#include <cstdio>
#include <string>
#include <vector>

#include "tools/vek-calc/book_command.h"

namespace vek::cli {

// Exit statuses of vek-calc.
inline constexpr int kStopped = 1;      // the page's check stopped the computation
inline constexpr int kRefused = 2;      // a command line the program refuses
inline constexpr int kInternal = 3;     // a fault of the program itself
inline constexpr int kNotWritten = 4;   // the output could not be written
inline constexpr int kRowsRefused = 5;  // --csv: rows that could not be read were left out

// Runs vek-calc with the arguments that follow the program's name; results
// and help go to out, messages to err. Returns the exit status. Output that
// cannot be written (a full disk, a closed pipe) is an error: a message on
// err and kNotWritten. `pdf` writes the PDF form of a calculation book;
// without one, vek-calc book refuses --format=pdf.
int RunVekCalc(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
               BookPdfWriter pdf = nullptr);

// Writes text to out and makes sure it got there: status on success,
// kNotWritten with a message on err when it did not.
int DeliverOutput(const std::string& text, std::FILE* out, std::FILE* err, int status);

}  // namespace vek::cli
