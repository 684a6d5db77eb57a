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
// character. A UTF-8 sequence cut short at the very end of the file (a save
// that was interrupted) does not count against UTF-8: it reads as U+FFFD and
// every other name keeps its characters. Fields are cut on the decoded text,
// so the second byte of a GBK character that happens to equal "[" or "]" is
// never taken for a bracket.
//
// Files are looked at piece by piece (FileSurvey, CatalogueDecoder), so a
// large catalogue is never held both as its bytes and as its text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "units/platform_file.h"
#include "units/unit_entry.h"

namespace vek::units {

enum class FileEncoding { kGb18030, kUtf8 };

// What a file's bytes say about its encoding and its end, gathered in one
// pass over its pieces.
class FileSurvey {
public:
    void Feed(std::string_view bytes);

    FileEncoding Encoding() const;
    bool HasBom() const { return head_.size() >= 3 && head_ == "\xEF\xBB\xBF"; }
    bool IsAscii() const { return ascii_; }
    // Nothing besides a byte-order mark.
    bool IsEmptyBody() const { return size_ == (HasBom() ? 3u : 0u); }
    bool EndsWithLineBreak() const { return size_ > 0 && last_ == '\n'; }
    // The bytes of a UTF-8 sequence cut short at the very end (0 to 3).
    std::size_t IncompleteTail() const { return pending_.size(); }
    std::uint64_t Size() const { return size_; }
    std::uint64_t LineBreaks() const { return lineBreaks_; }
    // The size of the decoded text when the file is UTF-8; for GB18030 a
    // bound that holds unless bytes are invalid.
    std::uint64_t DecodedSizeHint() const;

private:
    std::uint64_t size_ = 0;
    std::uint64_t lineBreaks_ = 0;
    std::string head_;     // the first three bytes
    std::string pending_;  // the start of a UTF-8 sequence cut by a piece's end
    bool ascii_ = true;
    bool nonAsciiSequence_ = false;
    bool invalid_ = false;
    std::uint64_t invalidBytes_ = 0;  // bytes that start no UTF-8 sequence
    char last_ = 0;
};

// Turns a file's bytes, piece by piece, into UTF-8 text without a leading
// byte-order mark; bytes that are invalid in the file's encoding become
// U+FFFD, and so does a UTF-8 sequence cut short at the end.
class CatalogueDecoder {
public:
    explicit CatalogueDecoder(const FileSurvey& file)
        : encoding_(file.Encoding()), skip_(file.HasBom() ? 3 : 0) {}
    void Feed(std::string_view bytes, std::string& out);
    void Finish(std::string& out);

private:
    FileEncoding encoding_;
    std::size_t skip_;     // bytes of a byte-order mark still to skip
    std::string pending_;  // UTF-8: the start of a sequence cut by a piece's end
    platform::Gb18030Decoder gb18030_;
};

FileEncoding DetectEncoding(std::string_view fileBytes);

// The whole file's text as UTF-8 (see CatalogueDecoder).
std::string DecodeCatalogue(std::string_view fileBytes);

// The value of the longest prefix of text that is a decimal number, after
// leading white space: [sign] digits [. digits] [e|E [sign] digits], at least
// one mantissa digit. Text with no such prefix gives 0. Too large a value
// gives an infinity, too small a zero. The user's locale plays no part.
double ReadLeadingNumber(std::string_view text);

// Rounds to single precision as the catalogue stores its numbers; a finite
// value beyond the float range becomes an infinity.
float ToSingle(double value);

// The five fields of a line, pointing into it.
struct EntryFields {
    std::string_view kind, baseQuantity, baseUnit, quantity, unit;
};

// Cuts a decoded line into its five fields by bracket positions. Two search
// positions run independently, one for "[" and one for "]"; a search that
// finds nothing restarts the next one from the start of the line. Malformed
// lines are never refused: missing brackets shift or empty fields.
EntryFields ParseEntryFields(std::string_view line);
// The same, with the two numbers read.
UnitEntry ParseEntryLine(std::string_view line);

// The entry line "[kind][bq][bu]=[q][u]" with CR LF, in UTF-8, verbatim.
std::string BuildEntryLine(std::string_view kind, std::string_view baseQuantityText,
                           std::string_view baseUnit, std::string_view quantityText,
                           std::string_view unit);

// What to write so that a line becomes the file's next line: bytes that
// replace the last replaceLast bytes of the file (at its end when 0).
struct Appendix {
    std::string bytes;
    std::size_t replaceLast = 0;
};

// The appendix that makes utf8Line the next line of the surveyed file: a
// line break first when the file holds something besides a byte-order mark
// and does not end with one, then the line in the file's encoding. A UTF-8
// sequence cut short at the end of a UTF-8 file is replaced by the U+FFFD it
// reads as, so that the line break does not make it an invalid sequence in
// mid-file (which would turn the whole file into GB18030). nullopt when the
// system cannot convert to GB18030.
std::optional<Appendix> EncodeAppendix(const FileSurvey& file, std::string_view utf8Line);

}  // namespace vek::units
