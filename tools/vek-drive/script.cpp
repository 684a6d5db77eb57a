// SPDX-License-Identifier: MIT
#include "tools/vek-drive/script.h"

#include <array>
#include <charconv>
#include <optional>

namespace drive {
namespace {

// How the arguments of a verb are written.
enum class Shape {
    Nothing,     // context, close, focused, geometry, dump, clipboard
    Id,          // click 1026
    IdOrNone,    // hover 1000, hover none
    IdText,      // type 1005 100
    IdNumber,    // choose 1027 1
    IdNotches,   // wheel 1039 -2
    KeyName,     // key Enter, key 7
    WindowName,  // window about
    Millis,      // wait 1000
    FileName,    // screenshot page.png, answer-file inputs.vek
    CountStart,  // monkey 5000 42
    IdOrWhole,   // accessible 1005, accessible window, accessible all
};

struct VerbInfo {
    std::string_view name;
    Verb verb;
    Shape shape;
};

constexpr std::array<VerbInfo, 26> kVerbs{{
    {"menu", Verb::Menu, Shape::Id},
    {"pick", Verb::Pick, Shape::IdOrNone},
    {"window", Verb::Window, Shape::WindowName},
    {"click", Verb::Click, Shape::Id},
    {"dblclick", Verb::DblClick, Shape::Id},
    {"hover", Verb::Hover, Shape::IdOrNone},
    {"context", Verb::Context, Shape::Nothing},
    {"close", Verb::Close, Shape::Nothing},
    {"type", Verb::Type, Shape::IdText},
    {"choose", Verb::Choose, Shape::IdNumber},
    {"focus", Verb::Focus, Shape::Id},
    {"key", Verb::Key, Shape::KeyName},
    {"get", Verb::Get, Shape::Id},
    {"items", Verb::Items, Shape::Id},
    {"state", Verb::State, Shape::Id},
    {"focused", Verb::Focused, Shape::Nothing},
    {"geometry", Verb::Geometry, Shape::Nothing},
    {"dump", Verb::Dump, Shape::Nothing},
    {"wait", Verb::Wait, Shape::Millis},
    {"await", Verb::Await, Shape::FileName},
    {"screenshot", Verb::Screenshot, Shape::FileName},
    {"wheel", Verb::Wheel, Shape::IdNotches},
    {"clipboard", Verb::Clipboard, Shape::Nothing},
    {"monkey", Verb::Monkey, Shape::CountStart},
    {"accessible", Verb::Accessible, Shape::IdOrWhole},
    {"answer-file", Verb::AnswerFile, Shape::FileName},
}};

constexpr std::array<std::string_view, 6> kWindowNames{"main",    "page", "about",
                                                       "decibel", "lp1",  "path"};

constexpr std::array<std::string_view, 30> kKeyNames{
    "Enter", "Escape", "Backspace", "Delete",  "Tab",      "Shift+Tab",  "Space",  "F1",
    "Clear", "Num0",   "Num1",      "Num2",    "Num3",     "Num4",       "Num5",   "Num6",
    "Num7",  "Num8",   "Num9",      "NumPlus", "NumMinus", "NumDecimal", "Ctrl+C", "Up",
    "Down",  "Left",   "Right",     "Home",    "End",      "F6"};

// A wait longer than ten minutes is a typing error, not a scenario.
constexpr int kLongestWait = 600000;
// More wheel notches than a hand turns at once is a typing error too.
constexpr int kMostNotches = 100;

// Digits only: ids, indexes and times are never negative in a script.
std::optional<int> ReadCount(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The length in bytes of the UTF-8 sequence that starts with `lead`, 0 when
// `lead` cannot start one.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// One printable character: a single UTF-8 sequence that is not a control
// character.
bool IsOnePrintableCharacter(std::string_view text) {
    if (text.empty())
        return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = SequenceLength(lead);
    if (length == 0 || length != text.size())
        return false;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return false;
    return length > 1 || (lead >= 0x20 && lead != 0x7F);
}

// Splits "ID REST" at its first blank; `rest` is empty and `hasRest` false
// when there is no blank.
void SplitFirst(std::string_view text, std::string_view& head, std::string_view& rest,
                bool& hasRest) {
    const size_t blank = text.find(' ');
    hasRest = blank != std::string_view::npos;
    head = text.substr(0, blank);
    rest = hasRest ? text.substr(blank + 1) : std::string_view();
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// No argument.
std::string ReadNothing(const VerbInfo& info, bool hasArgs, std::string_view /*args*/,
                        Command& /*command*/) {
    const std::string name(info.name);
    if (hasArgs)
        return name + " takes no argument";
    return {};
}

// A control or command id, or "none" where the verb takes it.
std::string ReadId(const VerbInfo& info, bool hasArgs, std::string_view args, Command& command) {
    const std::string name(info.name);
    if (!hasArgs)
        return name + " needs an id";
    if (info.shape == Shape::IdOrNone && args == "none") {
        command.none = true;
        return {};
    }
    const auto id = ReadCount(args);
    if (!id)
        return info.verb == Verb::Menu || info.verb == Verb::Pick
                   ? name + " needs a command id, not " + Quoted(args)
                   : name + " needs a control id, not " + Quoted(args);
    command.id = *id;
    return {};
}

// The control id before the first blank of `args` into `command`, and what
// follows the blank; the reason when there is no id.
std::string ReadLeadingId(const VerbInfo& info, bool hasArgs, std::string_view args,
                          Command& command, std::string_view& rest, bool& hasRest) {
    std::string_view head;
    SplitFirst(args, head, rest, hasRest);
    const auto id = ReadCount(head);
    if (!hasArgs || !id)
        return std::string(info.name) + " needs a control id, not " + Quoted(head);
    command.id = *id;
    return {};
}

// A control id and notches of the mouse wheel.
std::string ReadIdNotches(const VerbInfo& info, bool hasArgs, std::string_view args,
                          Command& command) {
    const std::string name(info.name);
    std::string_view rest;
    bool hasRest = false;
    if (std::string refused = ReadLeadingId(info, hasArgs, args, command, rest, hasRest);
        !refused.empty())
        return refused;
    // Away from the user (up) is positive, towards the user negative.
    const bool down = !rest.empty() && rest.front() == '-';
    const auto notches = ReadCount(down ? rest.substr(1) : rest);
    if (!hasRest || !notches || *notches == 0 || *notches > kMostNotches)
        return name + " needs notches from -100 to 100 other than 0, not " + Quoted(rest);
    command.number = down ? -*notches : *notches;
    return {};
}

// A control id, then a text or an item number.
std::string ReadIdThenTextOrNumber(const VerbInfo& info, bool hasArgs, std::string_view args,
                                   Command& command) {
    const std::string name(info.name);
    std::string_view rest;
    bool hasRest = false;
    if (std::string refused = ReadLeadingId(info, hasArgs, args, command, rest, hasRest);
        !refused.empty())
        return refused;
    if (info.shape == Shape::IdText) {
        command.text = std::string(rest);
        return {};
    }
    const auto index = ReadCount(rest);
    if (!hasRest || !index)
        return name + " needs an item number, not " + Quoted(rest);
    command.number = *index;
    return {};
}

// A key name or one printable character.
std::string ReadKeyName(const VerbInfo& /*info*/, bool hasArgs, std::string_view args,
                        Command& command) {
    if (!hasArgs || !(IsNamedKey(args) || IsOnePrintableCharacter(args)))
        return "unknown key " + Quoted(args);
    command.text = std::string(args);
    return {};
}

// The name of a window.
std::string ReadWindowName(const VerbInfo& /*info*/, bool /*hasArgs*/, std::string_view args,
                           Command& command) {
    for (std::string_view window : kWindowNames) {
        if (args == window) {
            command.text = std::string(args);
            return {};
        }
    }
    return "unknown window " + Quoted(args);
}

// Milliseconds to wait.
std::string ReadMillis(const VerbInfo& /*info*/, bool hasArgs, std::string_view args,
                       Command& command) {
    const auto ms = ReadCount(args);
    if (!hasArgs || !ms || *ms > kLongestWait)
        return "wait needs milliseconds from 0 to 600000, not " + Quoted(args);
    command.number = *ms;
    return {};
}

// A file name.
std::string ReadFileName(const VerbInfo& info, bool /*hasArgs*/, std::string_view args,
                         Command& command) {
    const std::string name(info.name);
    if (args.empty())
        return name + " needs a file name";
    command.text = std::string(args);
    return {};
}

// A control id, "window" or "all".
std::string ReadIdOrWhole(const VerbInfo& info, bool hasArgs, std::string_view args,
                          Command& command) {
    const std::string name(info.name);
    if (args == "window" || args == "all") {
        command.text = std::string(args);
        return {};
    }
    const auto id = ReadCount(args);
    if (!hasArgs || !id)
        return name + " needs a control id, window or all, not " + Quoted(args);
    command.id = *id;
    return {};
}

// A number of actions and a start number.
std::string ReadCountStart(const VerbInfo& /*info*/, bool hasArgs, std::string_view args,
                           Command& command) {
    std::string_view head, rest;
    bool hasRest = false;
    SplitFirst(args, head, rest, hasRest);
    const auto count = ReadCount(head);
    std::uint32_t randomStart = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), randomStart);
    const bool startRead = !rest.empty() && rest.front() != '-' && rest.front() != '+' &&
                           error == std::errc() && end == rest.data() + rest.size();
    if (!hasArgs || !count || !hasRest || !startRead)
        return "monkey needs a number of actions and a start number from 0 to 4294967295, "
               "not " +
               Quoted(args);
    command.number = *count;
    command.randomStart = randomStart;
    return {};
}

// Fills `command` from the arguments; returns the reason when they do not fit.
std::string ReadArguments(const VerbInfo& info, bool hasArgs, std::string_view args,
                          Command& command) {
    switch (info.shape) {
        case Shape::Nothing:
            return ReadNothing(info, hasArgs, args, command);
        case Shape::Id:
        case Shape::IdOrNone:
            return ReadId(info, hasArgs, args, command);
        case Shape::IdNotches:
            return ReadIdNotches(info, hasArgs, args, command);
        case Shape::IdText:
        case Shape::IdNumber:
            return ReadIdThenTextOrNumber(info, hasArgs, args, command);
        case Shape::KeyName:
            return ReadKeyName(info, hasArgs, args, command);
        case Shape::WindowName:
            return ReadWindowName(info, hasArgs, args, command);
        case Shape::Millis:
            return ReadMillis(info, hasArgs, args, command);
        case Shape::FileName:
            return ReadFileName(info, hasArgs, args, command);
        case Shape::IdOrWhole:
            return ReadIdOrWhole(info, hasArgs, args, command);
        case Shape::CountStart:
            return ReadCountStart(info, hasArgs, args, command);
    }
    return "cannot read the arguments";
}

}  // namespace

std::string FormatCommand(const Command& command) {
    std::string name;
    Shape shape = Shape::Nothing;
    for (const VerbInfo& info : kVerbs) {
        if (info.verb == command.verb) {
            name = info.name;
            shape = info.shape;
        }
    }
    const std::string id = std::to_string(command.id);
    const std::string number = std::to_string(command.number);
    switch (shape) {
        case Shape::Nothing:
            return name;
        case Shape::Id:
            return name + " " + id;
        case Shape::IdOrNone:
            return name + " " + (command.none ? std::string("none") : id);
        case Shape::IdText:
            return name + " " + id + " " + command.text;
        case Shape::IdNumber:
        case Shape::IdNotches:
            return name + " " + id + " " + number;
        case Shape::KeyName:
        case Shape::WindowName:
        case Shape::FileName:
            return name + " " + command.text;
        case Shape::Millis:
            return name + " " + number;
        case Shape::CountStart:
            return name + " " + number + " " + std::to_string(command.randomStart);
        case Shape::IdOrWhole:
            return name + " " + (command.text.empty() ? id : command.text);
    }
    return name;
}

bool IsNamedKey(std::string_view name) {
    for (std::string_view known : kKeyNames)
        if (name == known)
            return true;
    return false;
}

bool ParseLine(std::string_view line, ScriptLine& out) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos)
        return false;
    if (line.front() == '#')
        return false;

    std::string_view name, args;
    bool hasArgs = false;
    SplitFirst(line, name, args, hasArgs);
    out.command = Command{};
    out.error.clear();
    for (const VerbInfo& info : kVerbs) {
        if (info.name != name)
            continue;
        out.command.verb = info.verb;
        out.error = ReadArguments(info, hasArgs, args, out.command);
        return true;
    }
    out.error = "unknown command " + Quoted(name);
    return true;
}

std::vector<ScriptLine> ParseScript(std::string_view source) {
    std::vector<ScriptLine> lines;
    int number = 0;
    while (!source.empty()) {
        const size_t end = source.find('\n');
        const std::string_view line = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view() : source.substr(end + 1);
        ScriptLine parsed;
        parsed.lineNumber = ++number;
        if (ParseLine(line, parsed))
            lines.push_back(std::move(parsed));
    }
    return lines;
}

}  // namespace drive
