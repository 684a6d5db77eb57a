// SPDX-License-Identifier: MIT
#include "run_vek_calc.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

#if !defined(_WIN32)
std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
#endif

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

#if defined(_WIN32)

namespace {

std::wstring Wide(const std::string& utf8) {
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          size);
    return wide;
}

// One argument as the C runtime splits a command line: in double quotes,
// with the backslashes before a quote (or the closing one) doubled.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

// The console's text mode ends lines with CR LF; the tests compare lines.
std::string WithoutCarriageReturns(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

}  // namespace

CalcRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                   const fs::path& dir) {
    const fs::path errFile = TestPath(".stderr");
    fs::create_directories(errFile.parent_path());
    std::wstring command = Quoted(Wide(program));
    for (const auto& arg : args) command += L" " + Quoted(Wide(arg));

    CalcRun run;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr;
    if (!::CreatePipe(&outRead, &outWrite, &inherited, 0))
        return run;
    ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    // Shared for writing too: the handle of the run before may still be
    // closing in the system after that process ended.
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE err = ::CreateFileW(errFile.wstring().c_str(), GENERIC_WRITE, kShareAll, &inherited,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE in = ::CreateFileW(L"NUL", GENERIC_READ, kShareAll, &inherited, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = outWrite;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const std::wstring folder = dir.wstring();
    const bool started =
        ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                         folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    ::CloseHandle(outWrite);
    ::CloseHandle(err);
    ::CloseHandle(in);
    if (started) {
        char buffer[4096];
        for (DWORD n; ::ReadFile(outRead, buffer, sizeof buffer, &n, nullptr) && n > 0;)
            run.out.append(buffer, n);
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        ::GetExitCodeProcess(process.hProcess, &status);
        run.status = static_cast<int>(status);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(outRead);
    std::ostringstream text;
    text << std::ifstream(errFile, std::ios::binary).rdbuf();
    run.out = WithoutCarriageReturns(run.out);
    run.err = WithoutCarriageReturns(text.str());
    return run;
}

#else

CalcRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                   const fs::path& dir) {
    const fs::path errFile = TestPath(".stderr");
    fs::create_directories(errFile.parent_path());
    std::string command = dir.empty() ? "" : "cd " + Quoted(dir.string()) + " && ";
    command += Quoted(program);
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

#endif

CalcRun RunVekCalc(const std::vector<std::string>& args, const fs::path& dir) {
    return RunProgram(VEK_CALC_PATH, args, dir);
}
