// SPDX-License-Identifier: MIT
#include "run_vek_calc.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

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

std::string TestName() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    return name;
}

fs::path TestRoot() {
    const char* tmp = std::getenv("VEK_TEST_TMP");
    return tmp ? fs::path(tmp) : fs::temp_directory_path() / "vek-cli-tests";
}

}  // namespace

fs::path FreshTestDirectory() {
    const fs::path dir = TestRoot() / TestName();
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

CalcRun RunVekCalc(const std::vector<std::string>& args, const fs::path& dir) {
    fs::create_directories(TestRoot());
    const fs::path errFile = TestRoot() / (TestName() + ".stderr");
    std::string command;
    if (!dir.empty())
        command = "cd " + Quoted(dir.string()) + " && ";
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
    std::ifstream err(errFile, std::ios::binary);
    std::ostringstream text;
    text << err.rdbuf();
    run.err = text.str();
    return run;
}
