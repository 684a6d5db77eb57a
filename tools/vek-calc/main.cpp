// SPDX-License-Identifier: MIT
// vek-calc <calculator> [name=value ...] [--ids] [--json]
//
// Exit status: 0 with the results (after the page's box when it shows one
// and computes all the same), 1 when the page's check stops the computation
// (only its box is printed), 2 for a command line the program refuses (one
// line on stderr, nothing on stdout), 4 when the output could not be written
// (a full disk, a closed pipe; a message on stderr).

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/vek-calc/run.h"

int main(int argc, char** argv) {
    // A reader that went away must give a write error to report, not end
    // the program silently.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    return vek::cli::RunVekCalc(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}
