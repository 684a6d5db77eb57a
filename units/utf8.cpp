// SPDX-License-Identifier: MIT
#include "units/utf8.h"

namespace vek::units {
namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    // The range of the second byte excludes overlong forms, surrogates and
    // values beyond U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
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
