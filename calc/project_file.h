// SPDX-License-Identifier: MIT
#pragma once
// A project file (*.vek): the inputs of every calculator a project uses,
// kept between runs so that a report revised months later is recomputed
// from the same figures. UTF-8 JSON:
//
//   {"format": 1, "vek": "1.0.0.3", "name": "某项目",
//    "calculators": {"flue-gas": {"computed": true,
//                                 "inputs": {"use": "1000", ...},
//                                 "choices": {"fuel": "coal"}}}}
//
// Calculators are keyed by their vek-calc names, inputs by the field names
// of their windows, each holding the text its field held (a text the page
// would refuse is kept as typed); choices hold a word of the field or an
// index. "computed" says whether the window had computed when the file was
// saved, which decides whether its record belongs in a calculation book.
//
// Reading never trusts the file: a calculator, field or value the program
// does not know is skipped with a message, and a file that is not a project
// at all (cut short, not UTF-8, too large, from a newer vek) is refused as a
// whole with a Chinese reason.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr int kProjectFormat = 1;
// Far beyond the inputs of any project; a larger file is not one.
inline constexpr std::size_t kMaxProjectBytes = 4u * 1024 * 1024;

struct ProjectEntry {
    std::string calculator;  // vek-calc's name
    bool computed = true;
    // Field name and text, in the order of the file (saved: exchange order).
    std::vector<std::pair<std::string, std::string>> inputs;
    // Field name and the choice: a word of the field, or its index as digits.
    std::vector<std::pair<std::string, std::string>> choices;
};

struct Project {
    std::string name;        // "" when the project has none
    std::string vekVersion;  // the version that wrote the file
    std::vector<ProjectEntry> entries;
};

struct ProjectRead {
    std::optional<Project> project;     // none when the file was refused
    std::string error;                  // why it was refused
    std::vector<std::string> problems;  // what was skipped, one line each
};

// The file's bytes as a project; known calculators and fields only.
ProjectRead ParseProject(std::string_view bytes);
// Reads and parses the file at path (a regular file of at most
// kMaxProjectBytes).
ProjectRead ReadProjectFile(const std::string& path);

// The project as the file's text (format kProjectFormat).
std::string ProjectJson(const Project& project);

// The index a choice of a field stands for (a word of the field or an index
// it has), nullopt when it stands for none.
struct Field;
std::optional<int> ChoiceIndex(const Field& field, std::string_view choice);
