// SPDX-License-Identifier: MIT
// Any bytes typed into a float, double or whole-number field: the field
// either refuses them or reads what the C library's strtod reads, and every
// value it shows reads back as the same text.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "text/number_text.h"

using namespace vek::text;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool OnlyDecimalCharacters(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789+-.eE") == std::string_view::npos;
}

// Every shown number reads back, as the same text. The one exception: a
// double within half a unit of the 15th digit of the largest double shows
// as 1.79769313486232e+308, which lies beyond the range and reads as inf.
void CheckDisplayRoundTrip(double value) {
    const std::string shown = FormatDouble(value);
    const auto back = ParseDouble(shown);
    Require(back.has_value());
    if (std::fabs(value) >= 1.797693134862315e308)
        Require(std::isinf(*back) || FormatDouble(*back) == shown);
    else
        Require(FormatDouble(*back) == shown);
    const std::string shownFloat = FormatFloat(static_cast<float>(value));
    const auto backFloat = ParseFloat(shownFloat);
    Require(backFloat.has_value());
    Require(FormatFloat(*backFloat) == shownFloat);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto d = ParseDouble(text);
    const auto f = ParseFloat(text);
    const auto i = ParseInt(text);

    // The float field reads the same number, rounded once to float.
    Require(d.has_value() == f.has_value());
    if (d)
        Require(std::isnan(*d) ? std::isnan(*f) : *f == static_cast<float>(*d));

    // A decimal number reads as strtod reads it; it is refused only when it
    // is a zero not written with a leading 0.
    const std::string_view trimmed = Trim(text);
    if (OnlyDecimalCharacters(trimmed)) {
        const std::string s(trimmed);
        char* end = nullptr;
        const double reference = std::strtod(s.c_str(), &end);
        if (end == s.c_str() + s.size()) {
            if (d)
                Require(std::memcmp(&*d, &reference, sizeof reference) == 0 ||
                        (*d == 0 && reference == 0));
            else
                Require(reference == 0 && trimmed.front() != '0');
        }
    }
    if (d) {
        Require(*d != 0 || trimmed.front() == '0' || std::isnan(*d));
        CheckDisplayRoundTrip(*d);
    }

    // A whole number shows as its digits and reads back.
    if (i) {
        Require(ParseInt(FormatInt(*i)) == *i);
        Require(d.has_value() && *d == *i);
    }

    // The bytes taken as a double: what any computation could show.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckDisplayRoundTrip(raw);
        (void)ClampToInt(raw);
    }
    return 0;
}
