// SPDX-License-Identifier: MIT
#pragma once
// The benchmarks time programs as processes of their own: one run of a
// program, from fork to its exit, with the processor time and resident peak
// the kernel reports for it.

#include <functional>
#include <string>
#include <vector>

struct ChildRun {
    double seconds;     // wall time, fork to exit
    double cpuSeconds;  // user + system
    long peakKiB;       // resident peak (ru_maxrss)
    int status;         // exit status; -1 when it did not exit by itself
};

// Runs args[0] (a path) with `args`; `inChild` runs in the child first, to
// move it elsewhere or send its output away (it may _exit on failure).
// Standard output is flushed first, so the child cannot write our buffer
// out again.
ChildRun RunChild(const std::vector<std::string>& args, const std::function<void()>& inChild);
