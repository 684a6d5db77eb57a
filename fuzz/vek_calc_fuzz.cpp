// SPDX-License-Identifier: MIT
// Any command line given to vek-calc (the input's NUL bytes separate the
// arguments): it prints results, stops at a page's check or refuses the
// line, and never reports an internal error, crashes or hangs. It runs in a
// folder of its own holding a small data.ini for the converter. What follows
// the first two bytes 0x01 0x01 of the input is the file cases.csv there, the
// only file --csv may name (another could be a device that never ends).

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vek-calc/run.h"

namespace fs = std::filesystem;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// A folder of its own with a small catalogue; the program runs there (and
// goes back afterwards, since libFuzzer reads and writes relative paths).
const fs::path& Folder() {
    static const fs::path dir = [] {
        const fs::path d =
            fs::temp_directory_path() / ("vek-calc-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(d);
        static const fs::path removed = d;
        std::atexit([] { fs::remove_all(removed); });
        std::ofstream(d / "data.ini", std::ios::binary)
            << "[长度][1][米]=[100][厘米]\r\n[长度][1][米]=[0.001][千米]\r\n"
               "[质量][1][千克]=[1000][克]\r\n[质量][1][千克]=[0][零]\r\n[][][]=[][]\r\n";
        return d;
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::FILE* null = std::fopen("/dev/null", "w");
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\x01\x01");
    if (split != std::string_view::npos)
        size = split;
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    if (args.size() > 24)
        return -1;  // longer command lines add nothing but time
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if ((arg == "--csv" && (i + 1 == args.size() || args[i + 1] != "cases.csv")) ||
            (arg.rfind("--csv=", 0) == 0 && arg != "--csv=cases.csv"))
            return -1;
    }
    const fs::path back = fs::current_path();
    fs::current_path(Folder());
    {
        std::ofstream csv("cases.csv", std::ios::binary | std::ios::trunc);
        if (split != std::string_view::npos)
            csv << input.substr(split + 2);
    }
    const int status = vek::cli::RunVekCalc(args, null, null);
    fs::current_path(back);
    Require(status == 0 || status == vek::cli::kStopped || status == vek::cli::kRefused ||
            status == vek::cli::kRowsRefused);
    return 0;
}
