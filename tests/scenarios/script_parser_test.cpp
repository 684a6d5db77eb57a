// SPDX-License-Identifier: MIT
// The scenario language as vek-drive reads it: which lines count, how the
// arguments split, and what a line that cannot be run reports.
#include <gtest/gtest.h>

#include <string>

#include "tools/vek-drive/script.h"

namespace {

using drive::Command;
using drive::ParseLine;
using drive::ParseScript;
using drive::ScriptLine;
using drive::Verb;

struct LineCase {
    const char* name;
    const char* line;
    Verb verb;
    int id;
    bool none;
    int number;
    const char* text;
};

class ReadsLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReadsLine, IntoCommand) {
    const LineCase& c = GetParam();
    ScriptLine parsed;
    ASSERT_TRUE(ParseLine(c.line, parsed));
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.command.verb, c.verb);
    EXPECT_EQ(parsed.command.id, c.id);
    EXPECT_EQ(parsed.command.none, c.none);
    EXPECT_EQ(parsed.command.number, c.number);
    EXPECT_EQ(parsed.command.text, c.text);
}

// name, line, verb, id, none, number, text
INSTANTIATE_TEST_SUITE_P(
    Script, ReadsLine,
    ::testing::Values(
        LineCase{"MenuButton", "menu 1005", Verb::Menu, 1005, false, 0, ""},
        LineCase{"MenuEntry", "menu 32772", Verb::Menu, 32772, false, 0, ""},
        LineCase{"Pick", "pick 32772", Verb::Pick, 32772, false, 0, ""},
        LineCase{"PickNone", "pick none", Verb::Pick, 0, true, 0, ""},
        LineCase{"Window", "window decibel", Verb::Window, 0, false, 0, "decibel"},
        LineCase{"Click", "click 1026", Verb::Click, 1026, false, 0, ""},
        LineCase{"DoubleClick", "dblclick 1", Verb::DblClick, 1, false, 0, ""},
        LineCase{"Hover", "hover 1000", Verb::Hover, 1000, false, 0, ""},
        LineCase{"HoverNone", "hover none", Verb::Hover, 0, true, 0, ""},
        LineCase{"Context", "context", Verb::Context, 0, false, 0, ""},
        LineCase{"Close", "close", Verb::Close, 0, false, 0, ""},
        LineCase{"Type", "type 1005 100", Verb::Type, 1005, false, 0, "100"},
        LineCase{"TypeKeepsBlanks", "type 1039 a  b ", Verb::Type, 1039, false, 0, "a  b "},
        LineCase{"TypeLeadingBlank", "type 1039  7", Verb::Type, 1039, false, 0, " 7"},
        LineCase{"TypeNothing", "type 1005", Verb::Type, 1005, false, 0, ""},
        LineCase{"TypeNothingAfterBlank", "type 1005 ", Verb::Type, 1005, false, 0, ""},
        LineCase{"TypeChinese", "type 1069 吨", Verb::Type, 1069, false, 0, "吨"},
        LineCase{"Choose", "choose 1027 1", Verb::Choose, 1027, false, 1, ""},
        LineCase{"Focus", "focus 1006", Verb::Focus, 1006, false, 0, ""},
        LineCase{"KeyNamed", "key NumDecimal", Verb::Key, 0, false, 0, "NumDecimal"},
        LineCase{"KeyCharacter", "key .", Verb::Key, 0, false, 0, "."},
        LineCase{"KeyBlank", "key  ", Verb::Key, 0, false, 0, " "},
        LineCase{"KeyWideCharacter", "key 吨", Verb::Key, 0, false, 0, "吨"},
        LineCase{"Get", "get 1016", Verb::Get, 1016, false, 0, ""},
        LineCase{"Items", "items 1027", Verb::Items, 1027, false, 0, ""},
        LineCase{"State", "state 1065", Verb::State, 1065, false, 0, ""},
        LineCase{"Focused", "focused", Verb::Focused, 0, false, 0, ""},
        LineCase{"Geometry", "geometry", Verb::Geometry, 0, false, 0, ""},
        LineCase{"Dump", "dump", Verb::Dump, 0, false, 0, ""},
        LineCase{"Wait", "wait 1500", Verb::Wait, 0, false, 1500, ""},
        LineCase{"Screenshot", "screenshot page one.png", Verb::Screenshot, 0, false, 0,
                 "page one.png"},
        LineCase{"TrailingReturn", "get 1016\r", Verb::Get, 1016, false, 0, ""},
        LineCase{"TypeBeforeReturn", "type 1005 12 \r", Verb::Type, 1005, false, 0, "12 "}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    const char* line;
    const char* error;
};

class RefusesLine : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RefusesLine, WithReason) {
    ScriptLine parsed;
    ASSERT_TRUE(ParseLine(GetParam().line, parsed));
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Script, RefusesLine,
    ::testing::Values(
        ErrorCase{"UnknownCommand", "press 1026", "unknown command \"press\""},
        ErrorCase{"CommandIsCaseSensitive", "Click 1026", "unknown command \"Click\""},
        ErrorCase{"LeadingBlank", " click 1026", "unknown command \"\""},
        ErrorCase{"MissingId", "click", "click needs an id"},
        ErrorCase{"IdNotANumber", "click ok", "click needs a control id, not \"ok\""},
        ErrorCase{"NegativeId", "get -1", "get needs a control id, not \"-1\""},
        ErrorCase{"TwoBlanks", "click  1026", "click needs a control id, not \" 1026\""},
        ErrorCase{"ExtraArgument", "click 1026 1027",
                  "click needs a control id, not \"1026 1027\""},
        ErrorCase{"NoneOnlyForHoverAndPick", "click none",
                  "click needs a control id, not \"none\""},
        ErrorCase{"ArgumentNotTaken", "dump all", "dump takes no argument"},
        ErrorCase{"BlankAfterBareCommand", "close ", "close takes no argument"},
        ErrorCase{"MenuOutsideNavigation", "menu 1026",
                  "menu takes 1000, 1005, 1006 or 32771 to 32792, not \"1026\""},
        ErrorCase{"MenuAboveEntries", "menu 32793",
                  "menu takes 1000, 1005, 1006 or 32771 to 32792, not \"32793\""},
        ErrorCase{"PickNotANumber", "pick Stueber", "pick needs a command id, not \"Stueber\""},
        ErrorCase{"UnknownWindow", "window lp2", "unknown window \"lp2\""},
        ErrorCase{"TypeWithoutId", "type", "type needs a control id, not \"\""},
        ErrorCase{"ChooseWithoutIndex", "choose 1027", "choose needs an item number, not \"\""},
        ErrorCase{"ChooseNegativeIndex", "choose 1027 -1",
                  "choose needs an item number, not \"-1\""},
        ErrorCase{"UnknownKeyName", "key Return", "unknown key \"Return\""},
        ErrorCase{"KeyTwoCharacters", "key 12", "unknown key \"12\""},
        ErrorCase{"KeyMissing", "key", "unknown key \"\""},
        ErrorCase{"KeyControlCharacter", "key \t", "unknown key \"\t\""},
        ErrorCase{"KeyBrokenSequence", "key \xE5\x90", "unknown key \"\xE5\x90\""},
        ErrorCase{"WaitNotANumber", "wait 1s",
                  "wait needs milliseconds from 0 to 600000, not \"1s\""},
        ErrorCase{"WaitTooLong", "wait 600001",
                  "wait needs milliseconds from 0 to 600000, not \"600001\""},
        ErrorCase{"IdBeyondInt", "get 99999999999", "get needs a control id, not \"99999999999\""},
        ErrorCase{"ScreenshotWithoutFile", "screenshot ", "screenshot needs a file name"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptLines, SkipsBlankAndCommentLinesAndCountsEveryLine) {
    const auto lines = ParseScript(
        "# args: --time 09:05:07\n"
        "\n"
        "type 1005 100\r\n"
        "   \t\r\n"
        "#click 1026\n"
        "click 1026\n"
        "\r\n"
        "get 1016");  // no line break after the last line
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].lineNumber, 3);
    EXPECT_EQ(lines[0].command.text, "100");
    EXPECT_EQ(lines[1].lineNumber, 6);
    EXPECT_EQ(lines[1].command.verb, Verb::Click);
    EXPECT_EQ(lines[2].lineNumber, 8);
    EXPECT_EQ(lines[2].command.id, 1016);
}

TEST(ScriptLines, KeepsUnreadableLineWithItsNumberAndGoesOn) {
    const auto lines = ParseScript("get 1005\nclik 1026\nget 1016\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].lineNumber, 2);
    EXPECT_EQ(lines[1].error, "unknown command \"clik\"");
    EXPECT_EQ(lines[2].error, "");
}

TEST(ScriptLines, EmptyScriptHasNoCommand) {
    EXPECT_TRUE(ParseScript("").empty());
    EXPECT_TRUE(ParseScript("\n\n# nothing to do\n").empty());
}

TEST(NavigationCommands, AreTheThreeButtonsAndTheMenuEntries) {
    for (int id : {1000, 1005, 1006, 32771, 32786, 32792})
        EXPECT_TRUE(drive::IsNavigationCommand(id)) << id;
    for (int id : {0, 1001, 1003, 1007, 1065, 32770, 32793})
        EXPECT_FALSE(drive::IsNavigationCommand(id)) << id;
}

}  // namespace
