// SPDX-License-Identifier: MIT
#include <cstdio>

#include "app/calc_app.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
    if (const auto status = AnswerCommandLine(argc, argv, stdout))
        return *status;
    return RunVek(argc, argv);
}
