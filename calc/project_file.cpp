// SPDX-License-Identifier: MIT
#include "calc/project_file.h"

#include <filesystem>
#include <nlohmann/json.hpp>

#include "calc/calculator_index.h"
#include "text/number_text.h"
#include "units/file_error_text.h"
#include "units/platform_file.h"
#include "units/whole_file.h"

namespace {

using Json = nlohmann::ordered_json;

// A name from the file as a message shows it: control characters cannot
// forge a line, and a very long name is cut.
std::string Shown(std::string_view name) {
    std::string shown;
    for (char c : name.substr(0, 60))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    if (name.size() > 60)
        shown += "…";
    return "“" + shown + "”";
}

// Well-formed UTF-8: no stray continuation byte, no overlong form, no
// surrogate, nothing beyond U+10FFFF, and no sequence cut short.
bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2, code = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, code = lead & 0x0F;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, code = lead & 0x07;
        else
            return false;
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += length;
    }
    return true;
}

// "第 3 行第 12 列" of a byte position.
std::string Where(std::string_view bytes, std::size_t position) {
    int line = 1, column = 1;
    for (std::size_t i = 0; i < position && i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            ++line, column = 1;
        else if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80)
            ++column;
    }
    return "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
}

ProjectRead Refused(std::string error) {
    ProjectRead read;
    read.error = std::move(error);
    return read;
}

// The inputs (texts) or choices (words or indexes) of one calculator.
void ReadValues(const KnownCalculator& known, const Json& values, bool choices, ProjectEntry& entry,
                std::vector<std::string>& problems) {
    const std::string where = known.name + std::string("：");
    if (!values.is_object()) {
        problems.push_back(where + (choices ? "“choices”" : "“inputs”") + "不是对象，已跳过。");
        return;
    }
    for (const auto& [name, value] : values.items()) {
        const Field* field = FindField(known.table, std::string_view(name));
        if (!field || field->role != FieldRole::Input || field->id == 0) {
            problems.push_back(where + "没有输入项" + Shown(name) + "，已跳过。");
            continue;
        }
        if (field->kind == FieldKind::Choice) {
            std::string choice;
            if (value.is_string())
                choice = value.get<std::string>();
            else if (value.is_number_unsigned())
                choice = std::to_string(value.get<std::uint64_t>());
            if (!ChoiceIndex(*field, choice)) {
                problems.push_back(where + name + " 没有选项" +
                                   Shown(value.is_string() ? choice : value.dump()) + "，已跳过。");
                continue;
            }
            entry.choices.emplace_back(name, choice);
            continue;
        }
        if (!value.is_string()) {
            problems.push_back(where + name + " 的值应是文字（带引号），已跳过。");
            continue;
        }
        entry.inputs.emplace_back(name, value.get<std::string>());
    }
}

}  // namespace

std::optional<int> ChoiceIndex(const Field& field, std::string_view choice) {
    const int count = static_cast<int>(field.choices.size());
    if (const auto index = vek::text::ParseInt(std::string(choice));
        index && *index >= 0 && *index < count && !choice.empty() && choice[0] != ' ')
        return *index;
    for (int i = 0; i < count; ++i)
        for (const std::string& word : field.choices[i])
            if (choice == word)
                return i;
    return std::nullopt;
}

ProjectRead ParseProject(std::string_view bytes) {
    if (bytes.size() > kMaxProjectBytes)
        return Refused("项目文件太大（超过 4 MB），不是 vek 保存的输入。");
    if (!IsUtf8(bytes))
        return Refused("项目文件不是 UTF-8 编码的文本，不是 vek 保存的输入。");
    Json json;
    try {
        json = Json::parse(bytes.begin(), bytes.end());
    } catch (const Json::parse_error& e) {
        if (e.byte >= bytes.size())
            return Refused("项目文件不完整（在结尾处中断），可能没有保存完。");
        return Refused("项目文件已损坏：" + Where(bytes, e.byte == 0 ? 0 : e.byte - 1) +
                       "不是合法的 JSON。");
    }
    if (!json.is_object() || !json.contains("format"))
        return Refused("这不是 vek 的项目文件（没有格式版本“format”）。");
    const Json& format = json["format"];
    if (!format.is_number_unsigned() || format.get<std::uint64_t>() < 1)
        return Refused("项目文件的格式版本“format”应是正整数。");
    if (format.get<std::uint64_t>() > kProjectFormat)
        return Refused("项目文件是较新的 vek 写的（格式版本 " +
                       std::to_string(format.get<std::uint64_t>()) +
                       "），这个 vek 只能读格式版本 1，请用新版 vek 打开。");

    ProjectRead read;
    Project project;
    if (json.contains("vek") && json["vek"].is_string())
        project.vekVersion = json["vek"].get<std::string>();
    if (json.contains("name")) {
        if (json["name"].is_string())
            project.name = json["name"].get<std::string>();
        else
            read.problems.push_back("项目名称“name”不是文字，已略去。");
    }
    const Json calculators = json.contains("calculators") ? json["calculators"] : Json::object();
    if (!calculators.is_object())
        return Refused("项目文件的“calculators”应是对象。");
    for (const auto& [name, body] : calculators.items()) {
        const KnownCalculator* known = FindKnownCalculator(name);
        if (!known) {
            read.problems.push_back("没有名为" + Shown(name) + "的计算，已跳过。");
            continue;
        }
        if (!body.is_object()) {
            read.problems.push_back(name + "：内容不是对象，已跳过。");
            continue;
        }
        ProjectEntry entry;
        entry.calculator = name;
        if (body.contains("computed"))
            entry.computed = body["computed"].is_boolean() && body["computed"].get<bool>();
        if (body.contains("inputs"))
            ReadValues(*known, body["inputs"], false, entry, read.problems);
        if (body.contains("choices"))
            ReadValues(*known, body["choices"], true, entry, read.problems);
        project.entries.push_back(std::move(entry));
    }
    read.project = std::move(project);
    return read;
}

ProjectRead ReadProjectFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path file = vek::units::PathOf(path);
    const fs::file_status status = fs::status(file, error);
    if (error)
        return Refused(vek::units::FileErrorText(error));
    if (!fs::is_regular_file(status))
        return Refused("这不是一个普通文件。");
    const auto size = fs::file_size(file, error);
    if (!error && size > kMaxProjectBytes)
        return Refused("项目文件太大（超过 4 MB），不是 vek 保存的输入。");
    std::string bytes;
    bool tooLarge = false;
    const auto read = vek::units::platform::ReadFileChunks(path, [&](std::string_view piece) {
        if (bytes.size() + piece.size() > kMaxProjectBytes)
            tooLarge = true;
        else
            bytes += piece;
    });
    if (tooLarge)
        return Refused("项目文件太大（超过 4 MB），不是 vek 保存的输入。");
    if (!read.Ok())
        return Refused("无法读取：" + vek::units::FileErrorReason(read));
    return ParseProject(bytes);
}

std::string ProjectJson(const Project& project) {
    Json json;
    json["format"] = kProjectFormat;
    json["vek"] = project.vekVersion;
    if (!project.name.empty())
        json["name"] = project.name;
    json["calculators"] = Json::object();
    for (const ProjectEntry& entry : project.entries) {
        Json body;
        body["computed"] = entry.computed;
        body["inputs"] = Json::object();
        for (const auto& [name, text] : entry.inputs) body["inputs"][name] = text;
        if (!entry.choices.empty()) {
            body["choices"] = Json::object();
            for (const auto& [name, choice] : entry.choices) body["choices"][name] = choice;
        }
        json["calculators"][entry.calculator] = std::move(body);
    }
    // Texts that are not UTF-8 (a field cannot hold such) are replaced
    // rather than refused, so that saving never fails on them.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
