// SPDX-License-Identifier: MIT
// vek-calc never reports success for output that did not arrive: a full
// disk, a closed standard output and a reader that went away are errors
// (one message on stderr, exit status 4). Cases come from standard input,
// and a catalogue that is not a regular file is refused instead of read forever.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "run_vek_calc.h"

namespace fs = std::filesystem;

namespace {

struct ShellRun {
    int status = -1;
    std::string out;  // what the shell text wrote to the file "out"
    std::string err;
};

// Runs "vek-calc ARGS" inside the shell text (where "$VEK_CALC" stands for
// the program); the status is the one vek-calc itself wrote to a file.
ShellRun RunInShell(const std::string& shell) {
    const fs::path dir = FreshTestDirectory();
    const std::string script =
        "cd '" + dir.string() + "' && VEK_CALC='" VEK_CALC_PATH "'; " + shell;
    ShellRun run;
    const int status = std::system(("sh -c \"" + script + "\"").c_str());
    if (status == -1)
        return run;
    std::ifstream statusFile(dir / "status");
    statusFile >> run.status;
    std::ostringstream out, err;
    out << std::ifstream(dir / "out").rdbuf();
    err << std::ifstream(dir / "err").rdbuf();
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(VekCalcOutput, FailedWritesAreErrors) {
    const struct {
        const char* name;
        const char* shell;
        const char* reason;
    } cases[] = {
        {"full_disk", "\\$VEK_CALC sewage workers=1 >/dev/full 2>err; echo \\$? >status",
         "磁盘空间不足"},
        {"closed_stdout", "\\$VEK_CALC sewage workers=1 >&- 2>err; echo \\$? >status",
         "文件没有打开"},
        {"csv_to_full_disk",
         "printf 'workers\\n1\\n' | \\$VEK_CALC sewage --csv - >/dev/full 2>err; echo \\$? >status",
         "磁盘空间不足"},
        {"help_to_full_disk", "\\$VEK_CALC --help >/dev/full 2>err; echo \\$? >status",
         "磁盘空间不足"},
        {"reader_gone",
         "(sleep 0.3; \\$VEK_CALC sewage workers=1 2>err; echo \\$? >status) | true; sleep 1",
         "读取的一方已关闭"},
    };
    for (const auto& c : cases) {
        const ShellRun run = RunInShell(c.shell);
        EXPECT_EQ(run.status, 4) << c.name;
        EXPECT_EQ(run.err, std::string("vek-calc: cannot write the output: ") + c.reason + "\n")
            << c.name;
    }
    const ShellRun ok =
        RunInShell("\\$VEK_CALC sewage workers=1 >/dev/null 2>err; echo \\$? >status");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.err, "");
}

TEST(VekCalcOutput, CasesFromStandardInput) {
    const ShellRun run = RunInShell(
        "printf 'workers,residents,days\\n100,20,300\\n' | \\$VEK_CALC sewage --csv - >out 2>err; "
        "echo \\$? >status");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "workers,residents,days,box,cod-limit-annual,cod-annual,cod-reduction,"
              "nh3n-limit-annual,nh3n-annual,nh3n-reduction,annual-discharge,annual-water,"
              "daily-discharge,refuse-annual,refuse-daily\n"
              "100,20,300,,0.288,1.44,1.152,0.0432,0.1008,0.0576,2880,3600,9.6,18,60\n");
}

// A pipe as the catalogue would be read forever (the other kinds of file
// that are no regular file: unit_catalogue_test.cpp).
TEST(VekCalcOutput, CatalogueMustBeARegularFile) {
    const fs::path dir = FreshTestDirectory();
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0666), 0);
    const CalcRun run = RunVekCalc({"convert", "--catalogue", "pipe"}, dir);
    ExpectRefused(run);
    EXPECT_EQ(run.err, "vek-calc: convert: 无法打开 pipe：不是普通文件\n");
}

}  // namespace
