// SPDX-License-Identifier: MIT
// Start-up of vek against the least a Qt 6 program with a Chinese interface
// does, measured in the same run on the offscreen platform:
//
//   vek     start -> main window -> every page shown and painted once -> quit
//   bare    start -> a dialog with one Chinese label painted once -> quit
//
// and the same two without painting ("shown": each window and page made
// visible and closed before the window system has it painted), the figure
// to compare with when only the work before the first paint matters.
//
// Each is a process of its own, started REPEAT times (default 10) in turn, all
// on the processor the benchmark starts on; its time is from fork to exit,
// its processor time (user + system) and peak memory (the resident peak,
// ru_maxrss) what the kernel reports for it. The table gives the median and
// smallest time, the median processor time and peak, and the ratios of each.
//
//   vek-startup-bench [REPEAT]
//   vek-startup-bench --bench-startup [--no-paint]   one vek run
//
// Both run in a scratch directory holding a copy of the default data.ini, so
// the unit converter page opens its catalogue as it does for a user.

#include <sched.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/calc_app.h"
#include "app/main_dlg.h"
#include "bench/child_run.h"

namespace fs = std::filesystem;

namespace {

// vek as its main() runs it, with every page shown once when the main window
// has come up, then the window ended (without its closing animation).
int ShowEveryPage(int argc, char** argv, bool paint) {
    return RunVek(argc, argv, [paint](QApplication&) {
        QTimer::singleShot(0, [paint] {
            auto* main = dynamic_cast<CMainDlg*>(RunningMainWindow());
            if (!main)
                std::exit(3);
            // Once the window system has shown the window (which paints it
            // and its first page), each other page is shown and painted in
            // turn: every page painted once.
            QElapsedTimer waited;
            waited.start();
            while (paint && !main->windowHandle()->isExposed() && waited.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            // Switching pages repaints the page's area, as a menu pick does.
            for (int index = paint ? 2 : 1; index <= CMainDlg::kPageCount; ++index) {
                main->ShowPage(index);
                if (paint)
                    main->VisiblePage()->repaint();
            }
            main->EndDialog(IDCANCEL);
        });
    });
}

struct Run {
    double ms;
    double cpuMs;
    long peakKiB;
};

Run Measure(const std::vector<std::string>& args, const fs::path& dir) {
    const ChildRun run = RunChild(args, [&dir] {
        std::error_code moved;
        fs::current_path(dir, moved);
        if (moved || !std::freopen("/dev/null", "w", stderr))
            ::_exit(126);
    });
    if (run.status != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", args[0].c_str(), run.status);
        std::exit(1);
    }
    return {run.seconds * 1000.0, run.cpuSeconds * 1000.0, run.peakKiB};
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--bench-startup")
        return ShowEveryPage(argc, argv, !(argc >= 3 && std::string(argv[2]) == "--no-paint"));

    const int repeat = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Every run on one and the same processor: on a machine whose processors
    // are not equally busy, runs that land on different ones are not
    // comparable. The children inherit it.
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(std::max(0, ::sched_getcpu()), &one);
    ::sched_setaffinity(0, sizeof one, &one);
    const fs::path self = fs::canonical("/proc/self/exe");
    const fs::path dir =
        fs::temp_directory_path() / ("vek-startup-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::copy_file(VEK_DEFAULT_CATALOGUE, dir / "data.ini");

    const std::string bare = (self.parent_path() / "vek-bare-dialog").string();
    struct Program {
        const char* name;
        std::vector<std::string> args;
        std::vector<double> ms;
        std::vector<double> cpuMs;
        std::vector<long> kib;
    };
    Program programs[] = {
        {"bare dialog, painted", {bare}, {}, {}, {}},
        {"vek, every page painted", {self.string(), "--bench-startup"}, {}, {}, {}},
        {"bare dialog, shown", {bare, "--no-paint"}, {}, {}, {}},
        {"vek, every page shown", {self.string(), "--bench-startup", "--no-paint"}, {}, {}, {}},
    };
    for (Program& p : programs) Measure(p.args, dir);  // the first start fills the caches
    for (int i = 0; i < repeat; ++i)
        for (Program& p : programs) {
            const Run run = Measure(p.args, dir);
            p.ms.push_back(run.ms);
            p.cpuMs.push_back(run.cpuMs);
            p.kib.push_back(run.peakKiB);
        }
    fs::remove_all(dir);

    std::printf("%d runs each, offscreen     median ms  fastest ms  median cpu ms  median peak MiB\n",
                repeat);
    const auto fastest = [](const std::vector<double>& ms) {
        return *std::min_element(ms.begin(), ms.end());
    };
    for (int pair = 0; pair < 2; ++pair) {
        const Program& b = programs[2 * pair];
        const Program& v = programs[2 * pair + 1];
        for (const Program* p : {&b, &v})
            std::printf("%-25s %10.1f  %10.1f  %13.1f  %15.1f\n", p->name, Median(p->ms),
                        fastest(p->ms), Median(p->cpuMs), Median(p->kib) / 1024.0);
        std::printf("%-25s %10.2fx %10.2fx %13.2fx %14.2fx\n", "vek / bare",
                    Median(v.ms) / Median(b.ms), fastest(v.ms) / fastest(b.ms),
                    Median(v.cpuMs) / Median(b.cpuMs),
                    static_cast<double>(Median(v.kib)) / static_cast<double>(Median(b.kib)));
    }
    return 0;
}
