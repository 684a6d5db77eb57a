// SPDX-License-Identifier: MIT
// GB18030 <-> UTF-8 through the system (iconv on POSIX, the code pages on
// Windows): the same text on every system, invalid bytes included, however
// the file's content is cut into pieces.

#include <gtest/gtest.h>

#include <string>

#include "units/platform_file.h"

using namespace vek::units::platform;

namespace {

const struct {
    const char* name;
    std::string bytes;
    std::string utf8;
} kTexts[] = {
    {"ascii_and_gbk", "[\xB3\xA4\xB6\xC8]=[\xC3\xD7]", "[长度]=[米]"},
    {"four_byte_supplementary", "\x95\x32\x82\x36\x94\x39\xFC\x36", "𠀀😀"},
    {"bytes_that_start_nothing",
     "a\x80"
     "b\xFF",
     "a\uFFFDb\uFFFD"},
    {"lead_byte_before_a_line_break", "\x81\r\n", "\uFFFD\r\n"},
    {"lead_and_digit_then_no_lead", "\x81\x30]", "\uFFFD0]"},
    {"four_byte_code_of_no_character", "\x84\x31\xA5\x30.", "\uFFFD1\uFFFD0."},
    {"cut_short_at_the_end", "x\x95\x32\x82", "x\uFFFD2\uFFFD"},
};

TEST(Gb18030, DecodesLikeEverySystem) {
    for (const auto& t : kTexts) EXPECT_EQ(Gb18030ToUtf8(t.bytes), t.utf8) << t.name;
}

// A character cut between two pieces of the file decodes as if whole.
TEST(Gb18030, PiecesCutAnywhereDecodeAsTheWhole) {
    for (const auto& t : kTexts) {
        for (std::size_t cut = 0; cut <= t.bytes.size(); ++cut) {
            for (std::size_t cut2 = cut; cut2 <= t.bytes.size(); ++cut2) {
                Gb18030Decoder decoder;
                std::string out;
                decoder.Feed(t.bytes.substr(0, cut), out);
                decoder.Feed(t.bytes.substr(cut, cut2 - cut), out);
                decoder.Feed(t.bytes.substr(cut2), out);
                decoder.Finish(out);
                EXPECT_EQ(out, t.utf8) << t.name << " cut at " << cut << " and " << cut2;
            }
        }
    }
}

// Names are encoded when a unit is appended (unit_catalogue_test.cpp); ill-formed
// UTF-8 is written as U+FFFD, which GB18030 has too.
TEST(Gb18030, EncodesIllFormedUtf8AndLongTexts) {
    EXPECT_EQ(Utf8ToGb18030("a\xC3"), "a\x84\x31\xA4\x37");
    // A text longer than the converter's own buffer loses nothing at the seams.
    EXPECT_EQ(Utf8ToGb18030(std::string(5000, 'a') + "长度"),
              std::string(5000, 'a') + "\xB3\xA4\xB6\xC8");
}

}  // namespace
