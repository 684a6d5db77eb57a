// SPDX-License-Identifier: MIT
#pragma once
// The language of vek-drive scripts, read without running anything: one
// command per line, blank lines and lines starting with "#" skipped, a
// trailing CR ignored, arguments separated by one blank. The TEXT of `type`
// is everything after the blank that follows the id, blanks included.
//
// A line that cannot be read keeps its reason; the driver reports it when the
// script reaches that line, so the lines before it still run.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace drive {

enum class Verb {
    Menu,        // menu ID
    Pick,        // pick ID | pick none
    Window,      // window main|page|about|decibel|lp1|path
    Click,       // click ID
    DblClick,    // dblclick ID
    Hover,       // hover ID | hover none
    Context,     // context
    Close,       // close
    Type,        // type ID TEXT
    Choose,      // choose ID N
    Focus,       // focus ID
    Key,         // key NAME
    Get,         // get ID
    Items,       // items ID
    State,       // state ID
    Focused,     // focused
    Geometry,    // geometry
    Dump,        // dump
    Wait,        // wait MS
    Await,       // await FILE
    Screenshot,  // screenshot FILE
    Wheel,       // wheel ID N
    Clipboard,   // clipboard
    Accessible,  // accessible ID | accessible window | accessible all
    Monkey,      // monkey N START
    AnswerFile,  // answer-file PATH
};

struct Command {
    Verb verb = Verb::Dump;
    int id = 0;                     // control id, or command id of menu and pick
    bool none = false;              // `pick none`, `hover none`
    int number = 0;                 // item index of choose, milliseconds of wait, notches of wheel,
                                    // actions of monkey
    std::string text = {};          // TEXT of type, key name, window name, file name (UTF-8),
                                    // "window" or "all" of accessible
    std::uint32_t randomStart = 0;  // START of monkey
};

struct ScriptLine {
    int lineNumber = 0;  // counted from 1 over every line of the file
    Command command;     // meaningful when error is empty
    std::string error;   // why the line cannot be run, empty when it can
};

// The command lines of a script, skipped lines left out.
std::vector<ScriptLine> ParseScript(std::string_view source);

// One line without its line break; false for a blank or comment line.
bool ParseLine(std::string_view line, ScriptLine& out);

// The line that reads back as `command`.
std::string FormatCommand(const Command& command);

// The names `key` knows besides single printable characters.
bool IsNamedKey(std::string_view name);

}  // namespace drive
