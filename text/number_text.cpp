// SPDX-License-Identifier: MIT
#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace vek::text {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The exponent of %g has at least two digits; fields show at least three.
std::string WidenExponent(std::string s) {
    const auto e = s.find('e');
    if (e == std::string::npos || e + 1 >= s.size())
        return s;
    const std::size_t digits = s.size() - (e + 2);
    if (digits < 3)
        s.insert(e + 2, 3 - digits, '0');
    return s;
}

// Checks the C decimal syntax: [sign] (digits [. [digits]] | . digits)
// [e|E [sign] digits], the exponent with any number of digits.
bool IsDecimalNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t intDigits = 0, fracDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++intDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++fracDigits;
    }
    if (intDigits + fracDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

// Whether a valid number that lies beyond the double range is too large (an
// infinity) rather than too small (a zero): the decimal exponent of its
// leading non-zero digit ("123.4" -> 2, "0.05" -> -2) plus the written
// exponent is positive. The written exponent may have any number of digits,
// so it is read with saturation: beyond a billion its exact value no longer
// matters, and nothing can overflow.
bool BeyondRangeIsLarge(std::string_view s) {
    constexpr long long kSaturation = 1'000'000'000;
    std::size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    long long position = 0;  // exponent of the digit at i
    for (std::size_t k = i; k < s.size() && IsDigit(s[k]); ++k) ++position;
    --position;
    bool nonZero = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.')
            continue;
        if (s[i] != '0') {
            nonZero = true;
            break;
        }
        --position;
    }
    if (!nonZero)
        return false;
    long long exponent = 0;
    if (const auto e = s.find_first_of("eE"); e != std::string_view::npos) {
        std::size_t k = e + 1;
        const bool negative = k < s.size() && s[k] == '-';
        if (k < s.size() && (s[k] == '+' || s[k] == '-'))
            ++k;
        for (; k < s.size(); ++k) exponent = std::min(exponent * 10 + (s[k] - '0'), kSaturation);
        if (negative)
            exponent = -exponent;
    }
    return position + exponent > 0;
}

}  // namespace

std::string FormatGeneral(double value, int precision) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0)
        return "0";  // a negative zero shows as 0
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return WidenExponent(std::string(buffer, result.ptr));
}

std::string FormatFloat(float value) {
    return FormatGeneral(static_cast<double>(value), 6);
}
std::string FormatDouble(double value) {
    return FormatGeneral(value, 15);
}
std::string FormatInt(int value) {
    return std::to_string(value);
}

std::optional<double> ParseDouble(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    // What the program itself writes for non-finite results reads back.
    if (s == "inf")
        return std::numeric_limits<double>::infinity();
    if (s == "-inf")
        return -std::numeric_limits<double>::infinity();
    if (s == "nan")
        return std::numeric_limits<double>::quiet_NaN();
    if (!IsDecimalNumber(s))
        return std::nullopt;

    const std::string_view digits = s[0] == '+' ? s.substr(1) : s;
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = s[0] == '-';
        if (BeyondRangeIsLarge(s))
            value = negative ? -std::numeric_limits<double>::infinity()
                             : std::numeric_limits<double>::infinity();
        else
            value = negative ? -0.0 : 0.0;
    } else if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (value == 0 && s[0] != '0')
        return std::nullopt;
    return value;
}

std::optional<float> ParseFloat(std::string_view text) {
    const auto value = ParseDouble(text);
    if (!value)
        return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<int> ParseInt(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i == s.size())
        return std::nullopt;
    long long value = 0;
    for (std::size_t k = i; k < s.size(); ++k) {
        if (!IsDigit(s[k]))
            return std::nullopt;
        value = value * 10 + (s[k] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (s[0] == '-')
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    if (value == 0 && s[0] != '0')
        return std::nullopt;
    return static_cast<int>(value);
}

int ClampToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT_MAX;
    if (value <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(value);  // truncates toward zero
}

}  // namespace vek::text
