// SPDX-License-Identifier: MIT
// The unit converter's add row: which new lines may be written, and which
// box stops the others (text, caption, field to focus).
#include "calc/unit_form.h"

#include <gtest/gtest.h>

namespace {

TEST(NewUnitLine, RefusedWithTheBoxOfItsFirstFault) {
    const char* incomplete = "请输入单位或相应值！";
    const char* brackets = "输入内容不能含有“[”、“]”或换行符，请重新输入！";
    struct Case {
        const char* title;
        NewUnitLine line;
        const char* text;  // nullptr: written
        int focus;
    };
    const Case cases[] = {
        {"complete", {"长度", "1", "米", "100", "厘米"}, nullptr, 0},
        {"empty kind and base unit are allowed", {"", "1", "", "2", "u"}, nullptr, 0},
        {"empty quantity", {"k", "1", "b", "", "u"}, incomplete, 1070},
        {"empty unit", {"k", "1", "b", "2", ""}, incomplete, 1070},
        {"not a number", {"k", "1", "b", "abc", "u"}, incomplete, 1070},
        {"zero", {"k", "1", "b", "0", "u"}, incomplete, 1070},
        {"negative", {"k", "1", "b", "-5", "u"}, incomplete, 1070},
        {"infinite", {"k", "1", "b", "inf", "u"}, incomplete, 1070},
        {"not a number text", {"k", "1", "b", "nan", "u"}, incomplete, 1070},
        {"beyond single precision", {"k", "1", "b", "1e39", "u"}, incomplete, 1070},
        {"rounds to zero in single precision", {"k", "1", "b", "1e-50", "u"}, incomplete, 1070},
        {"bracket in kind", {"a[b", "1", "b", "2", "u"}, brackets, 1075},
        {"bracket in base unit", {"k", "1", "b]", "2", "u"}, brackets, 1069},
        {"bracket in quantity", {"k", "1", "b", "[2]", "u"}, brackets, 1070},
        {"line break in unit", {"k", "1", "b", "2", "u\nv"}, brackets, 1071},
        {"carriage return in kind", {"k\r", "1", "b", "2", "u"}, brackets, 1075},
        {"first faulty field wins", {"k", "1", "[b", "2", "]u"}, brackets, 1069},
        {"emptiness before brackets", {"[k]", "1", "b", "", "u"}, incomplete, 1070},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const std::optional<CheckBox> box = CheckNewUnit(c.line);
        if (!c.text) {
            EXPECT_FALSE(box.has_value());
            continue;
        }
        ASSERT_TRUE(box.has_value());
        EXPECT_STREQ(box->text, c.text);
        EXPECT_STREQ(box->caption, "单位换算");
        EXPECT_EQ(box->focusId, c.focus);
    }
}

}  // namespace
