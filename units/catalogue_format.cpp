// SPDX-License-Identifier: MIT
#include "units/catalogue_format.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "units/platform_file.h"
#include "units/utf8.h"

namespace vek::units {
namespace {

bool StartsWithBom(std::string_view bytes) {
    return bytes.substr(0, 3) == kUtf8Bom;
}

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

FileEncoding DetectEncoding(std::string_view fileBytes) {
    if (StartsWithBom(fileBytes))
        return FileEncoding::kUtf8;
    if (IsAscii(fileBytes) || !IsWellFormedUtf8(fileBytes))
        return FileEncoding::kGb18030;
    return FileEncoding::kUtf8;
}

std::string DecodeCatalogue(std::string_view fileBytes) {
    if (DetectEncoding(fileBytes) == FileEncoding::kGb18030)
        return platform::Gb18030ToUtf8(fileBytes);
    if (StartsWithBom(fileBytes))
        fileBytes.remove_prefix(kUtf8Bom.size());
    return SanitizeUtf8(fileBytes);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (next > end && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
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

UnitEntry ParseEntryLine(std::string_view line) {
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
    UnitEntry entry;
    entry.kind = std::string(fields[0]);
    entry.baseQuantity = ToSingle(ReadLeadingNumber(fields[1]));
    entry.baseUnit = std::string(fields[2]);
    entry.quantity = ToSingle(ReadLeadingNumber(fields[3]));
    entry.unit = std::string(fields[4]);
    return entry;
}

std::vector<UnitEntry> ParseCatalogue(std::string_view fileBytes) {
    const std::string text = DecodeCatalogue(fileBytes);
    const auto lines = SplitLines(text);
    std::vector<UnitEntry> entries;
    entries.reserve(lines.size());
    for (const auto line : lines) entries.push_back(ParseEntryLine(line));
    return entries;
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

std::optional<std::string> EncodeAppendix(std::string_view fileBytes, std::string_view utf8Line) {
    std::string_view body = fileBytes;
    if (StartsWithBom(body))
        body.remove_prefix(kUtf8Bom.size());
    std::string appendix;
    // Without this break the new entry would continue the last line and be
    // lost on the next read (only a line's first five fields count).
    if (!body.empty() && body.back() != '\n')
        appendix = "\r\n";

    const std::string line = SanitizeUtf8(utf8Line);
    if (DetectEncoding(fileBytes) == FileEncoding::kUtf8)
        return appendix + line;

    const auto encoded = platform::Utf8ToGb18030(line);
    if (!encoded)
        return std::nullopt;
    // An ASCII-only file reads as UTF-8 once it holds well-formed non-ASCII
    // UTF-8. Should the GB18030 bytes of the line happen to form such UTF-8
    // (short names like "录" do), the reload would misread every name; the
    // line then goes in as UTF-8, which reads back exactly.
    if (IsAscii(fileBytes) && !IsAscii(*encoded) && IsWellFormedUtf8(*encoded))
        return appendix + line;
    return appendix + *encoded;
}

}  // namespace vek::units
