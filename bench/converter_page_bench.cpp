// SPDX-License-Identifier: MIT
// How the unit converter page scales with its catalogue: the page's start-up
// (load, kind list, unit lists) and one add (write, reload, lists again) on
// the offscreen platform, for catalogues of 10k, 100k and 1M kinds of one
// unit each and for one kind of 1M units, beside `vek-calc convert` reading
// the same file (a process of its own, start to exit). Both grow linearly;
// "page/convert" is the page's start-up over vek-calc's whole run.
//
//   vek-converter-bench [KINDS ...]     (default 10000 100000 1000000)

#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/child_run.h"
#include "framework/message_box.h"
#include "pages/unit_converter_page.h"

namespace fs = std::filesystem;

namespace {

// Every line a kind of its own, or every line a unit of one kind.
void MakeCatalogue(const fs::path& file, std::size_t lines, bool oneKind) {
    std::ofstream out(file, std::ios::binary);
    out << "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < lines; ++i) {
        const std::string kind = oneKind ? "长度" : "种类" + std::to_string(i);
        out << "[" << kind << "][1][米]=[" << (i % 1000) << ".25][单位" << i << "]\r\n";
    }
}

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Measure(const fs::path& dir, const char* label, std::size_t lines, bool oneKind) {
    const fs::path file = dir / "data.ini";
    MakeCatalogue(file, lines, oneKind);
    const double megabytes = static_cast<double>(fs::file_size(file)) / 1e6;
    const ChildRun convert = RunChild({VEK_CALC_PATH, "convert", "--catalogue", file.string()}, [] {
        if (!std::freopen("/dev/null", "w", stdout))
            _exit(9);
    });
    fs::current_path(dir);
    QWidget host;
    CUnitConverterPage page;
    auto start = std::chrono::steady_clock::now();
    page.Create(&host);
    QApplication::processEvents();
    const double startUp = Since(start);
    qobject_cast<QLineEdit*>(page.GetDlgItem(1070))->setText(QStringLiteral("2"));
    qobject_cast<QLineEdit*>(page.GetDlgItem(1071))->setText(QStringLiteral("新单位"));
    start = std::chrono::steady_clock::now();
    qobject_cast<QAbstractButton*>(page.GetDlgItem(1072))->click();
    QApplication::processEvents();
    const double add = Since(start);
    page.close();
    std::printf("%-22s %8.1f %10.2f %10.2f %8.2f %10.2f%s\n", label, megabytes, convert.seconds,
                startUp, startUp / convert.seconds, add,
                convert.status == 0 ? "" : "  (vek-calc failed)");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A box (which a failed load would raise) is printed, not waited on.
    SetMessageBoxHandler([](const BoxRecord& box) {
        std::fprintf(stderr, "box: %s\n", box.text.toUtf8().constData());
        return kIdOk;
    });
    std::vector<std::size_t> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
    if (sizes.empty())
        sizes = {10000, 100000, 1000000};
    const fs::path dir =
        fs::temp_directory_path() / ("vek-converter-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::printf("%-22s %8s %10s %10s %8s %10s\n", "catalogue", "MB", "convert s", "page s",
                "page/convert", "add s");
    for (const std::size_t n : sizes)
        Measure(dir, (std::to_string(n) + " kinds").c_str(), n, false);
    Measure(dir, (std::to_string(sizes.back()) + " units, one kind").c_str(), sizes.back(), true);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
    return 0;
}
