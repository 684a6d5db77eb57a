// SPDX-License-Identifier: MIT
#pragma once
// The text of data.ini: its encoding, its lines and the five bracketed fields
// of a line.
//
// Catalogues come from two worlds: files written on Chinese Windows desktops
// in GBK, and files written by editors that save UTF-8. A file is taken as
// UTF-8 when it starts with a byte-order mark, or when it holds at least one
// non-ASCII UTF-8 sequence and no ill-formed one; otherwise (empty, ASCII
// only, anything else) as GB18030, the superset of GBK that can spell every
// character. Fields are cut on the decoded text, so the second byte of a GBK
// character that happens to equal "[" or "]" is never taken for a bracket.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "units/unit_entry.h"

namespace vek::units {

enum class FileEncoding { kGb18030, kUtf8 };

FileEncoding DetectEncoding(std::string_view fileBytes);

// The file's text as UTF-8, without a leading byte-order mark; bytes that
// are invalid in the file's encoding become U+FFFD.
std::string DecodeCatalogue(std::string_view fileBytes);

// Splits text into lines at LF, dropping a CR just before it. A last line
// without a line break counts; a line break at the very end adds no line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The value of the longest prefix of text that is a decimal number, after
// leading white space: [sign] digits [. digits] [e|E [sign] digits], at least
// one mantissa digit. Text with no such prefix gives 0. Too large a value
// gives an infinity, too small a zero. The user's locale plays no part.
double ReadLeadingNumber(std::string_view text);

// Rounds to single precision as the catalogue stores its numbers; a finite
// value beyond the float range becomes an infinity.
float ToSingle(double value);

// Cuts a decoded line into its five fields by bracket positions. Two search
// positions run independently, one for "[" and one for "]"; a search that
// finds nothing restarts the next one from the start of the line. Malformed
// lines are never refused: missing brackets shift or empty fields.
UnitEntry ParseEntryLine(std::string_view line);

// Every line of the file is one entry, a blank line included.
std::vector<UnitEntry> ParseCatalogue(std::string_view fileBytes);

// The entry line "[kind][bq][bu]=[q][u]" with CR LF, in UTF-8, verbatim.
std::string BuildEntryLine(std::string_view kind, std::string_view baseQuantityText,
                           std::string_view baseUnit, std::string_view quantityText,
                           std::string_view unit);

// The bytes to append to a file holding fileBytes so that utf8Line becomes
// its next line: a line break first when the file holds something besides a
// byte-order mark and does not end with one, then the line in the file's
// encoding. nullopt when the system cannot convert to GB18030.
std::optional<std::string> EncodeAppendix(std::string_view fileBytes, std::string_view utf8Line);

}  // namespace vek::units
