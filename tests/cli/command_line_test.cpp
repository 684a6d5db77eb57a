// SPDX-License-Identifier: MIT
// The command-line conventions of vek and vek-calc: --version and -V on
// standard output, an unknown option named in the error, vek's --help
// without a window, and the hint of convert when there is no catalogue.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run_vek_calc.h"

namespace {

struct Answer {
    const char* program;
    const char* args;
    int status;
    std::string out;
    std::string err;
};

TEST(CommandLine, VersionsAndUnknownOptions) {
    const std::string version = VEK_EXPECTED_VERSION;
    const Answer answers[] = {
        {VEK_CALC_PATH, "--version", 0, "vek-calc " + version + "\n", ""},
        {VEK_CALC_PATH, "-V", 0, "vek-calc " + version + "\n", ""},
        {VEK_CALC_PATH, "--bogus", 2, "", "vek-calc: unknown option '--bogus'\n"},
        {VEK_CALC_PATH, "sewage workers=1 --bogus=1", 2, "",
         "vek-calc: unknown option '--bogus=1'\n"},
#ifdef VEK_PATH
        {VEK_PATH, "--version", 0, "vek " + version + "\n", ""},
        {VEK_PATH, "-V", 0, "vek " + version + "\n", ""},
#endif
    };
    for (const Answer& a : answers) {
        SCOPED_TRACE(std::string(a.program) + " " + a.args);
        const CalcRun run = RunProgram(a.program, Split(a.args));
        EXPECT_EQ(run.status, a.status);
        EXPECT_EQ(run.out, a.out);
        EXPECT_EQ(run.err, a.err);
    }
}

#ifdef VEK_PATH
// From the build tree the catalogue is the current folder's data.ini.
TEST(CommandLine, VekHelpNamesTheCatalogueAndOpensNoWindow) {
    const std::filesystem::path dir = FreshTestDirectory();
    const CalcRun run = RunProgram(VEK_PATH, {"--help"}, dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("  -V, --version "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nUnit catalogue started here: " + (dir / "data.ini").string() + "\n"),
              std::string::npos)
        << run.out;
    EXPECT_FALSE(std::filesystem::exists(dir / "data.ini"));
}
#endif

TEST(CommandLine, ConvertWithoutCatalogueNamesTheOption) {
    const std::filesystem::path dir = FreshTestDirectory();
    const CalcRun run = RunVekCalc({"convert", "value=1"}, dir);
    ExpectRefused(run);
    EXPECT_NE(run.err.find("(name a catalogue with --catalogue FILE)"), std::string::npos)
        << run.err;
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

}  // namespace
