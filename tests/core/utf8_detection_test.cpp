// SPDX-License-Identifier: MIT
// A catalogue holding a byte sequence that only looks like UTF-8 (an
// overlong form, a surrogate, a value beyond U+10FFFF) is not UTF-8: it reads
// as GB18030, however much well-formed Chinese UTF-8 it holds besides.

#include <gtest/gtest.h>

#include <string>

#include "units/catalogue_format.h"

using vek::units::DetectEncoding;
using vek::units::FileEncoding;

TEST(Utf8Detection, LookAlikeSequencesMakeTheFileGb18030) {
    const std::string chinese = "[长度][1][米]=[100][厘米]\r\n";
    const std::pair<const char*, std::string> cases[] = {
        {"overlong three-byte form", "\xE0\x9F\xB0"},
        {"surrogate", "\xED\xA0\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
    };
    ASSERT_EQ(DetectEncoding(chinese + chinese), FileEncoding::kUtf8);
    for (const auto& [title, bytes] : cases) {
        SCOPED_TRACE(title);
        EXPECT_EQ(DetectEncoding(chinese + "[x" + bytes + "]\r\n" + chinese),
                  FileEncoding::kGb18030);
    }
}
