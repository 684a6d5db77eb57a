// SPDX-License-Identifier: MIT
#pragma once
// Small UTF-8 helpers for the catalogue: names live in memory as UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace vek::units {

// Length of the well-formed UTF-8 sequence that starts at s[i] (1 for ASCII),
// or 0 when none starts there (stray continuation byte, overlong form,
// surrogate, value beyond U+10FFFF, or a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i);

// True when s is a proper, non-empty beginning of a well-formed sequence:
// what is left when a save is cut in the middle of a character.
bool IsIncompleteUtf8(std::string_view s);

bool IsAscii(std::string_view s);

// True when s holds no ill-formed sequence (ASCII-only text included).
bool IsWellFormedUtf8(std::string_view s);

// Every byte that starts no well-formed sequence becomes U+FFFD.
std::string SanitizeUtf8(std::string_view s);

// The first maxChars characters of s, never cutting a sequence.
std::string TruncateUtf8(std::string_view s, std::size_t maxChars);

inline constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";  // U+FFFD
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace vek::units
