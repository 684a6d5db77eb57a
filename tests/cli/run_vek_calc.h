// SPDX-License-Identifier: MIT
#pragma once
// Runs the vek-calc executable and captures what it prints.

#include <filesystem>
#include <string>
#include <vector>

struct CalcRun {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs the program with the arguments (passed verbatim), in the directory
// when one is given.
CalcRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::filesystem::path& dir = {});

// Runs vek-calc with the arguments (passed verbatim), in the directory when
// one is given.
CalcRun RunVekCalc(const std::vector<std::string>& args, const std::filesystem::path& dir = {});

// A refused command line: status 2, nothing on stdout and one line on stderr.
void ExpectRefused(const CalcRun& run);

// The parts of the text between separators (a command line's words by default).
std::vector<std::string> Split(const std::string& text, char separator = ' ');

// An empty directory of its own for the running test.
std::filesystem::path FreshTestDirectory();
