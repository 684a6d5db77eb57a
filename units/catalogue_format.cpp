// SPDX-License-Identifier: MIT
#include "units/catalogue_format.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "units/platform_file.h"
#include "units/utf8.h"

namespace vek::units {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space as the C library's isspace sees it in the "C" locale.
bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The find of a text class: -1 when nothing is found or when the search
// starts at or beyond the end of the line.
long Find(std::string_view line, char c, long from) {
    if (from < 0)
        from = 0;
    if (static_cast<std::size_t>(from) >= line.size())
        return -1;
    const auto at = line.find(c, static_cast<std::size_t>(from));
    return at == std::string_view::npos ? -1 : static_cast<long>(at);
}

// A substring with clamped start and length, as the text class's Mid does.
std::string_view Mid(std::string_view line, long start, long count) {
    const long size = static_cast<long>(line.size());
    if (start < 0)
        start = 0;
    if (count < 0)
        count = 0;
    if (start > size)
        return {};
    if (count > size - start)
        count = size - start;
    return line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

}  // namespace

void FileSurvey::Feed(std::string_view bytes) {
    if (bytes.empty())
        return;
    if (head_.size() < 3)
        head_.append(bytes.substr(0, 3 - head_.size()));
    size_ += bytes.size();
    last_ = bytes.back();
    for (const char c : bytes) {
        lineBreaks_ += c == '\n';
        ascii_ = ascii_ && static_cast<unsigned char>(c) < 0x80;
    }
    std::string joined;
    std::string_view s = bytes;
    if (!pending_.empty()) {
        joined = std::move(pending_);
        pending_.clear();
        joined.append(bytes);
        s = joined;
    }
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        if (const std::size_t length = Utf8SequenceLength(s, i); length > 0) {
            nonAsciiSequence_ = true;
            i += length;
        } else if (IsIncompleteUtf8(s.substr(i))) {
            pending_ = std::string(s.substr(i));  // completed by the next piece, or cut short
            break;
        } else {
            invalid_ = true;
            ++invalidBytes_;
            ++i;
        }
    }
}

std::uint64_t FileSurvey::DecodedSizeHint() const {
    if (Encoding() == FileEncoding::kGb18030)
        return size_ + size_ / 2 + 3;  // a two-byte character takes three in UTF-8
    // Each invalid byte and a character cut short become U+FFFD (3 bytes).
    return size_ - (HasBom() ? 3 : 0) + 2 * invalidBytes_ + (pending_.empty() ? 0 : 3) -
           pending_.size();
}

FileEncoding FileSurvey::Encoding() const {
    if (HasBom())
        return FileEncoding::kUtf8;
    return invalid_ || !nonAsciiSequence_ ? FileEncoding::kGb18030 : FileEncoding::kUtf8;
}

void CatalogueDecoder::Feed(std::string_view bytes, std::string& out) {
    const std::size_t skipped = std::min(skip_, bytes.size());
    bytes.remove_prefix(skipped);
    skip_ -= skipped;
    if (encoding_ == FileEncoding::kGb18030)
        return gb18030_.Feed(bytes, out);
    std::string joined;
    std::string_view s = bytes;
    if (!pending_.empty()) {
        joined = std::move(pending_);
        pending_.clear();
        joined.append(bytes);
        s = joined;
    }
    std::size_t run = 0;  // start of the well-formed bytes not yet copied
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length = Utf8SequenceLength(s, i);
        if (length > 0) {
            i += length;
            continue;
        }
        out.append(s.substr(run, i - run));
        if (IsIncompleteUtf8(s.substr(i))) {
            pending_ = std::string(s.substr(i));
            return;
        }
        out += kReplacementChar;
        run = ++i;
    }
    out.append(s.substr(run));
}

void CatalogueDecoder::Finish(std::string& out) {
    if (encoding_ == FileEncoding::kGb18030)
        return gb18030_.Finish(out);
    if (!pending_.empty())
        out += kReplacementChar;  // a character cut short at the end
    pending_.clear();
}

FileEncoding DetectEncoding(std::string_view fileBytes) {
    FileSurvey survey;
    survey.Feed(fileBytes);
    return survey.Encoding();
}

std::string DecodeCatalogue(std::string_view fileBytes) {
    FileSurvey survey;
    survey.Feed(fileBytes);
    CatalogueDecoder decoder(survey);
    std::string text;
    decoder.Feed(fileBytes, text);
    decoder.Finish(text);
    return text;
}

double ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t mantissa = i;
    std::size_t intDigits = 0, digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++intDigits;
    digits = intDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    std::size_t end = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        bool negativeExponent = false;
        if (k < text.size() && (text[k] == '+' || text[k] == '-'))
            negativeExponent = text[k++] == '-';
        const std::size_t expStart = k;
        while (k < text.size() && IsDigit(text[k])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[k] - '0');
            ++k;
        }
        if (k > expStart) {
            end = k;
            if (negativeExponent)
                exponent = -exponent;
        } else {
            exponent = 0;
        }
    }

    double value = 0;
    const char* first = text.data() + mantissa;
    const auto result = std::from_chars(first, text.data() + end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the decimal exponent of the leading
        // non-zero digit.
        long position = static_cast<long>(intDigits) - 1;
        bool nonZero = false;
        for (const char* p = first; p != text.data() + end && *p != 'e' && *p != 'E'; ++p) {
            if (*p == '.')
                continue;
            if (*p != '0') {
                nonZero = true;
                break;
            }
            --position;
        }
        value = nonZero && position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

float ToSingle(double value) {
    // The double just below FLT_MAX + half a float step still rounds to FLT_MAX.
    constexpr double kRoundsToInfinity = 0x1.ffffffp127;
    if (std::isfinite(value) && std::fabs(value) >= kRoundsToInfinity)
        return value < 0 ? -std::numeric_limits<float>::infinity()
                         : std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

EntryFields ParseEntryFields(std::string_view line) {
    // Brackets are ASCII and never occur inside a UTF-8 sequence, so byte
    // positions give the same fields as character positions.
    std::string_view fields[5];
    long a = 0, b = 0;
    for (auto& field : fields) {
        const long p = Find(line, '[', a);
        const long q = Find(line, ']', b);
        field = Mid(line, p + 1, q - p - 1);
        a = p + 1;
        b = q + 1;
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4]};
}

UnitEntry ParseEntryLine(std::string_view line) {
    const EntryFields fields = ParseEntryFields(line);
    UnitEntry entry;
    entry.kind = std::string(fields.kind);
    entry.baseQuantity = ToSingle(ReadLeadingNumber(fields.baseQuantity));
    entry.baseUnit = std::string(fields.baseUnit);
    entry.quantity = ToSingle(ReadLeadingNumber(fields.quantity));
    entry.unit = std::string(fields.unit);
    return entry;
}

std::string BuildEntryLine(std::string_view kind, std::string_view baseQuantityText,
                           std::string_view baseUnit, std::string_view quantityText,
                           std::string_view unit) {
    std::string line;
    for (const std::string_view piece :
         {std::string_view("["), kind, std::string_view("]["), baseQuantityText,
          std::string_view("]["), baseUnit, std::string_view("]=["), quantityText,
          std::string_view("]["), unit, std::string_view("]\r\n")})
        line += piece;
    return line;
}

std::optional<Appendix> EncodeAppendix(const FileSurvey& file, std::string_view utf8Line) {
    Appendix appendix;
    // Without this break the new entry would continue the last line and be
    // lost on the next read (only a line's first five fields count).
    const std::string_view lineBreak =
        file.IsEmptyBody() || file.EndsWithLineBreak() ? std::string_view() : "\r\n";

    const std::string line = SanitizeUtf8(utf8Line);
    if (file.Encoding() == FileEncoding::kUtf8) {
        if (file.IncompleteTail() > 0) {
            // The cut character reads as U+FFFD; writing that in its place
            // keeps the last line as it read and the file valid UTF-8.
            appendix.replaceLast = file.IncompleteTail();
            appendix.bytes = std::string(kReplacementChar) + "\r\n" + line;
        } else {
            appendix.bytes = std::string(lineBreak) + line;
        }
        return appendix;
    }

    const auto encoded = platform::Utf8ToGb18030(line);
    if (!encoded)
        return std::nullopt;
    // An ASCII-only file reads as UTF-8 once it holds well-formed non-ASCII
    // UTF-8. Should the GB18030 bytes of the line happen to form such UTF-8
    // (short names like "录" do), the reload would misread every name; the
    // line then goes in as UTF-8, which reads back exactly.
    const bool asUtf8 = file.IsAscii() && !IsAscii(*encoded) && IsWellFormedUtf8(*encoded);
    appendix.bytes = std::string(lineBreak) + (asUtf8 ? line : *encoded);
    return appendix;
}

}  // namespace vek::units
