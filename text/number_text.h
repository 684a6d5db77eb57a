// SPDX-License-Identifier: MIT
#pragma once
// How numbers look in a field and how a field's text is read back.
//
// Every result a user copies into a report passes through here, so the rules
// are fixed and independent of the user's locale:
//  - a single-precision field shows %g with 6 significant digits, a double
//    field %.15g; the exponent always has a sign and at least three digits
//    (1.23457e+006, 1e-005);
//  - infinities and NaN show as inf, -inf and nan, and a negative zero as 0,
//    so every text the program writes reads back as the same value;
//  - a number is read from one decimal number in C syntax with blanks and
//    tabs around it; a zero is accepted only when the text starts with the
//    digit 0 (so an empty field, ".0", "-0" and "+0" are refused).

#include <optional>
#include <string>
#include <string_view>

namespace vek::text {

std::string FormatFloat(float value);    // %g, 6 significant digits
std::string FormatDouble(double value);  // %.15g
std::string FormatInt(int value);

// Formats with the given number of significant digits (1..17).
std::string FormatGeneral(double value, int precision);

// A decimal number as a field holds it; nullopt when the text is refused.
std::optional<double> ParseDouble(std::string_view text);
// The same, rounded to single precision as a float field stores it.
std::optional<float> ParseFloat(std::string_view text);
// A whole number; refused when it does not fit a 32-bit int.
std::optional<int> ParseInt(std::string_view text);

// A computed value stored in a whole-number field: truncated toward zero,
// clamped to the int range, NaN becomes 0 (never undefined behaviour).
int ClampToInt(double value);

}  // namespace vek::text
