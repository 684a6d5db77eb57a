// SPDX-License-Identifier: MIT
// The scenario language as vek-drive reads it: which lines count, how the
// arguments split, and what a line that cannot be run reports.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "tools/vek-drive/script.h"

namespace {

using namespace drive;

TEST(ScriptLine, ReadsEachFormOfArgument) {
    // line, {verb, id, none, number, text}
    const std::pair<const char*, Command> rows[] = {
        {"click 1026", {Verb::Click, 1026, false, 0, ""}},
        {"pick none", {Verb::Pick, 0, true, 0, ""}},
        {"type 1039  a  b ", {Verb::Type, 1039, false, 0, " a  b "}},  // blanks kept
        {"type 1005 ", {Verb::Type, 1005, false, 0, ""}},
        {"type 1069 吨", {Verb::Type, 1069, false, 0, "吨"}},
        {"key NumDecimal", {Verb::Key, 0, false, 0, "NumDecimal"}},
        {"key .", {Verb::Key, 0, false, 0, "."}},
        {"key Space", {Verb::Key, 0, false, 0, "Space"}},
        {"key Shift+Tab", {Verb::Key, 0, false, 0, "Shift+Tab"}},
        {"wait 1500", {Verb::Wait, 0, false, 1500, ""}},
        {"wheel 1039 -2", {Verb::Wheel, 1039, false, -2, ""}},
        {"wheel 1039 3", {Verb::Wheel, 1039, false, 3, ""}},
        {"type 1005 12 \r", {Verb::Type, 1005, false, 0, "12 "}},  // CR dropped
        {"accessible 1005", {Verb::Accessible, 1005, false, 0, ""}},
        {"accessible all", {Verb::Accessible, 0, false, 0, "all"}},
    };
    for (const auto& [line, want] : rows) {
        SCOPED_TRACE(line);
        ScriptLine parsed;
        ASSERT_TRUE(ParseLine(line, parsed));
        EXPECT_EQ(parsed.error, "");
        const Command& got = parsed.command;
        EXPECT_EQ(std::tie(got.verb, got.id, got.none, got.number, got.text),
                  std::tie(want.verb, want.id, want.none, want.number, want.text));
    }
}

TEST(ScriptLine, RefusesWithReason) {
    const std::pair<const char*, const char*> rows[] = {
        {"press 1026", "unknown command \"press\""},
        {"click", "click needs an id"},
        {"click ok", "click needs a control id, not \"ok\""},
        {"click 1026 1027", "click needs a control id, not \"1026 1027\""},
        {"dump all", "dump takes no argument"},
        {"window lp2", "unknown window \"lp2\""},
        {"key Return", "unknown key \"Return\""},
        {"wait 600001", "wait needs milliseconds from 0 to 600000, not \"600001\""},
        {"get 99999999999", "get needs a control id, not \"99999999999\""},
        {"screenshot ", "screenshot needs a file name"},
        {"wheel 1039", "wheel needs notches from -100 to 100 other than 0, not \"\""},
        {"wheel 1039 0", "wheel needs notches from -100 to 100 other than 0, not \"0\""},
        {"wheel 1039 -101", "wheel needs notches from -100 to 100 other than 0, not \"-101\""},
        {"wheel x 1", "wheel needs a control id, not \"x\""},
        {"accessible page", "accessible needs a control id, window or all, not \"page\""},
        {"monkey 5000",
         "monkey needs a number of actions and a start number from 0 to 4294967295, "
         "not \"5000\""},
        {"monkey 5000 -1",
         "monkey needs a number of actions and a start number from 0 to 4294967295, "
         "not \"5000 -1\""},
        {"monkey 5000 4294967296",
         "monkey needs a number of actions and a start number from 0 to "
         "4294967295, not \"5000 4294967296\""},
    };
    for (const auto& [line, error] : rows) {
        ScriptLine parsed;
        ParseLine(line, parsed);  // a line taken for blank would keep an empty reason
        EXPECT_EQ(parsed.error, error) << line;
    }
}

// The monkey's replay is written with FormatCommand: each form reads back
// as the same command.
TEST(ScriptLine, FormattedCommandReadsBack) {
    Command monkey{Verb::Monkey, 0, false, 5000, ""};
    monkey.randomStart = 4294967295u;
    const Command rows[] = {
        {Verb::Click, 1026},
        {Verb::Pick, 0, true},
        {Verb::Pick, 32786},
        {Verb::Type, 1039, false, 0, " 1e-400 中文 "},
        {Verb::Type, 1005, false, 0, ""},
        {Verb::Choose, 1027, false, 3},
        {Verb::Wheel, 1029, false, -2},
        {Verb::Key, 0, false, 0, "Shift+Tab"},
        {Verb::Window, 0, false, 0, "decibel"},
        {Verb::Close},
        {Verb::Wait, 0, false, 20},
        monkey,
    };
    for (const Command& want : rows) {
        const std::string line = FormatCommand(want);
        SCOPED_TRACE(line);
        ScriptLine parsed;
        ASSERT_TRUE(ParseLine(line, parsed));
        EXPECT_EQ(parsed.error, "");
        const Command& got = parsed.command;
        EXPECT_EQ(
            std::tie(got.verb, got.id, got.none, got.number, got.text, got.randomStart),
            std::tie(want.verb, want.id, want.none, want.number, want.text, want.randomStart));
    }
}

TEST(ScriptLines, SkipCommentsAndBlanksCountEveryLineAndKeepUnreadableOnes) {
    const auto lines = ParseScript(
        "# args: --time 09:05:07\n"
        "\n"
        "type 1005 100\r\n"
        "   \t\r\n"
        "#click 1026\n"
        "clik 1026\n"
        "\r\n"
        "get 1016");  // no line break after the last line
    std::string got;  // line number and reason of each command line
    for (const ScriptLine& line : lines)
        got += std::to_string(line.lineNumber) + ":" + line.error + ";";
    EXPECT_EQ(got, "3:;6:unknown command \"clik\";8:;");
}

}  // namespace
