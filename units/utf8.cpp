// SPDX-License-Identifier: MIT
#include "units/utf8.h"

namespace vek::units {
namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length a sequence with this lead byte has, and the range its second
// byte must lie in (which excludes overlong forms, surrogates and values
// beyond U+10FFFF); 0 for a byte that starts no multi-byte sequence.
std::size_t LeadLength(unsigned char lead, unsigned char& low, unsigned char& high) {
    low = 0x80;
    high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
        return 4;
    }
    return 0;
}

}  // namespace

bool IsIncompleteUtf8(std::string_view s) {
    if (s.empty())
        return false;
    unsigned char low, high;
    const std::size_t length = LeadLength(static_cast<unsigned char>(s[0]), low, high);
    if (length == 0 || s.size() >= length)
        return false;
    for (std::size_t k = 1; k < s.size(); ++k) {
        const auto c = static_cast<unsigned char>(s[k]);
        if (k == 1 ? (c < low || c > high) : !IsContinuation(c))
            return false;
    }
    return true;
}

std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    unsigned char low, high;
    const std::size_t length = LeadLength(lead, low, high);
    if (length == 0)
        return 0;
    if (i + length > s.size())
        return 0;
    if (at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!IsContinuation(at(i + k)))
            return 0;
    return length;
}

bool IsAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool IsWellFormedUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length = Utf8SequenceLength(s, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string SanitizeUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length = Utf8SequenceLength(s, i);
        if (length == 0) {
            out += kReplacementChar;
            ++i;
        } else {
            out.append(s.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string TruncateUtf8(std::string_view s, std::size_t maxChars) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < s.size() && chars < maxChars; ++chars) {
        const std::size_t length = Utf8SequenceLength(s, i);
        i += length == 0 ? 1 : length;  // a stray byte counts as one character
    }
    return std::string(s.substr(0, i));
}

}  // namespace vek::units
