// SPDX-License-Identifier: MIT
// How the unit catalogue scales: load time, start-up kind time and peak
// memory for catalogues of 10k, 100k and 1M lines, in GB18030 and UTF-8,
// with 50 kinds (a realistic catalogue) and with every line a kind of its
// own (the worst case for the kind index).
//
//   vek-catalogue-bench [--50-kinds-only] [LINES ...]
//
// Each case runs in a fresh process of its own (the program started again
// with --measure FILE), so its peak resident memory (VmHWM) is its own. "floor" is the child's
// resident memory before the load; "extra/file" is (peak - floor) / file size. The start-up kind is
// what the converter page does when it opens: list the kinds, then the
// units of the kind it selects (the last one listed).

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "units/platform_file.h"
#include "units/unit_catalogue.h"

namespace fs = std::filesystem;

namespace {

// A figure of /proc/self/status, in KiB ("VmHWM", "VmRSS").
long StatusKiB(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == std::string(key) + ":") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    return -1;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::string MakeCatalogue(std::size_t lines, bool distinctKinds) {
    std::string text;
    text.reserve(lines * 48);
    for (std::size_t i = 0; i < lines; ++i) {
        const std::size_t kind = distinctKinds ? i : i % 50;
        text += "[种类" + std::to_string(kind) + "][1][基本单位" + std::to_string(kind) + "]=[" +
                std::to_string(i % 1000) + ".25][单位" + std::to_string(i) + "]\r\n";
    }
    return text;
}

struct Figures {
    double loadMs, kindMs;
    long floorKiB, loadPeakKiB, peakKiB;
    std::size_t kinds;
};

Figures Measure(const std::string& path) {
    Figures f{};
    f.floorKiB = StatusKiB("VmRSS");
    ResetPeak();
    const auto t0 = std::chrono::steady_clock::now();
    UnitCatalogue catalogue(path);
    if (!catalogue.Load().empty())
        std::exit(2);
    const auto t1 = std::chrono::steady_clock::now();
    f.loadPeakKiB = StatusKiB("VmHWM");
    const std::vector<std::string> kinds = catalogue.KindsInOrder();
    const KindUnits units = catalogue.UnitsOfKind(kinds.back());
    const auto t2 = std::chrono::steady_clock::now();
    f.loadMs = std::chrono::duration<double, std::milli>(t1 - t0).count();
    f.kindMs = std::chrono::duration<double, std::milli>(t2 - t1).count();
    f.peakKiB = StatusKiB("VmHWM");
    f.kinds = kinds.size();
    if (!units.HasEntries())
        std::exit(3);
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--measure") {
        const Figures f = Measure(argv[2]);
        return std::fwrite(&f, sizeof f, 1, stdout) == 1 ? 0 : 1;
    }
    std::vector<std::size_t> sizes;
    bool fiftyKindsOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--50-kinds-only")
            fiftyKindsOnly = true;
        else
            sizes.push_back(std::strtoul(argv[i], nullptr, 10));
    }
    if (sizes.empty())
        sizes = {10000, 100000, 1000000};
    const fs::path dir = fs::temp_directory_path() / ("vek-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "data.ini").string();

    std::printf("%-8s %-5s %8s %9s %9s %9s %9s %9s %9s %9s\n", "encoding", "kinds", "lines",
                "file MiB", "load ms", "kinds ms", "floor MiB", "peak MiB", "load/file",
                "peak/file");
    for (const bool distinct : {false, true}) {
        if (distinct && fiftyKindsOnly)
            break;
        for (const std::size_t lines : sizes) {
            const std::string utf8 = MakeCatalogue(lines, distinct);
            for (const bool gb : {true, false}) {
                {
                    std::ofstream out(path, std::ios::binary | std::ios::trunc);
                    out << (gb ? *vek::units::platform::Utf8ToGb18030(utf8) : utf8);
                }
                const double fileMiB = static_cast<double>(fs::file_size(path)) / 1048576;
                int fds[2];
                if (::pipe(fds) != 0)
                    return 1;
                const pid_t child = ::fork();
                if (child == 0) {
                    ::dup2(fds[1], 1);
                    ::execl("/proc/self/exe", argv[0], "--measure", path.c_str(), nullptr);
                    ::_exit(127);
                }
                ::close(fds[1]);
                Figures f{};
                const bool got = ::read(fds[0], &f, sizeof f) == sizeof f;
                ::close(fds[0]);
                ::waitpid(child, nullptr, 0);
                if (!got)
                    return 1;
                std::printf("%-8s %-5s %8zu %9.1f %9.1f %9.1f %9.1f %9.1f %9.2f %9.2f\n",
                            gb ? "gb18030" : "utf-8", distinct ? "all" : "50", lines, fileMiB,
                            f.loadMs, f.kindMs, f.floorKiB / 1024.0, f.peakKiB / 1024.0,
                            (f.loadPeakKiB - f.floorKiB) / 1024.0 / fileMiB,
                            (f.peakKiB - f.floorKiB) / 1024.0 / fileMiB);
                std::fflush(stdout);
            }
        }
    }
    fs::remove_all(dir);
    return 0;
}
