// SPDX-License-Identifier: MIT
#include "run_vek_calc.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Where the running test keeps its files: named after it, '/' made '_'.
fs::path TestPath(const char* suffix) {
    const char* tmp = std::getenv("VEK_TEST_TMP");
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name() + suffix;
    std::replace(name.begin(), name.end(), '/', '_');
    return (tmp ? fs::path(tmp) : fs::temp_directory_path() / "vek-cli-tests") / name;
}

}  // namespace

void ExpectRefused(const CalcRun& run) {
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("vek-calc: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

fs::path FreshTestDirectory() {
    const fs::path dir = TestPath("");
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

CalcRun RunVekCalc(const std::vector<std::string>& args, const fs::path& dir) {
    const fs::path errFile = TestPath(".stderr");
    fs::create_directories(errFile.parent_path());
    std::string command = dir.empty() ? "" : "cd " + Quoted(dir.string()) + " && ";
    command += Quoted(VEK_CALC_PATH);
    for (const auto& arg : args) command += " " + Quoted(arg);
    command += " 2>" + Quoted(errFile.string());

    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ostringstream err;
    err << std::ifstream(errFile, std::ios::binary).rdbuf();
    run.err = err.str();
    return run;
}
