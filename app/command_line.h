// SPDX-License-Identifier: MIT
#pragma once
// What vek answers on its command line without opening a window: --help
// (-h) and --version (-V). Every other argument goes to Qt, which takes its
// own options (-platform NAME, -style NAME) and leaves the rest.

#include <cstdio>
#include <optional>

// Prints the help or the version on out when the arguments ask for one, and
// returns the exit status; nullopt when the program is to start.
std::optional<int> AnswerCommandLine(int argc, char** argv, std::FILE* out);
