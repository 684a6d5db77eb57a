// SPDX-License-Identifier: MIT
// Many cases at once: how long vek-calc takes for a CSV file of 100,000
// rows (by default) of each calculator, start to end of the process, output
// to a file. The rows are made from each calculator's own inputs: every
// number input at its start-up value times a factor that changes from row to
// row (all of a row's numbers by the same factor, so the page's checks pass;
// a number without a start-up value counts 0 to 99), choices in turn, texts
// at their start-up values (other texts stay out of the header and keep
// what the page works out). The unit converter takes its rows from the
// default catalogue: each line's kind, base unit and unit, and a value.
//
//   vek-csv-bench [ROWS] [--json]
//
// Each calculator runs three times; the table shows the median and the
// slowest wall time of the three, the processor time (user + system) of the
// median run, its rows per second, and the exit status with the number of
// lines written (the header and one line per row). On a machine shared with
// other work the processor time is the steadier figure.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/child_run.h"
#include "text/number_text.h"
#include "tools/vek-calc/calculator.h"
#include "tools/vek-calc/csv_reader.h"
#include "units/unit_catalogue.h"

namespace fs = std::filesystem;
using vek::cli::Calculator;

namespace {

// kind,from,to,value rows over the lines of the catalogue.
std::string MakeConversions(long rows) {
    std::vector<UnitEntry> entries;
    if (!UnitCatalogue::ReadOnly(VEK_DEFAULT_CATALOGUE, entries).empty() || entries.empty())
        std::exit(2);
    std::string text = "kind,from,to,value\n";
    for (long row = 0; row < rows; ++row) {
        const UnitEntry& e = entries[static_cast<std::size_t>(row) % entries.size()];
        for (const std::string* cell : {&e.kind, &e.baseUnit, &e.unit}) {
            vek::cli::AppendCsvField(text, *cell);
            text += ',';
        }
        text += std::to_string(row % 1000) + ".5\n";
    }
    return text;
}

std::string MakeCases(const Calculator& calculator, long rows) {
    if (calculator.name == std::string("convert"))
        return MakeConversions(rows);
    std::vector<const Field*> columns;
    for (const Field* input : calculator.inputs)
        if (input->kind != FieldKind::Text || std::holds_alternative<std::string>(input->start))
            columns.push_back(input);
    std::string text;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        text += c ? "," : "";
        text += columns[c]->name;
    }
    text += "\n";
    for (long row = 0; row < rows; ++row) {
        const double factor = 0.5 + static_cast<double>(row % 1000) / 1000;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const Field& input = *columns[c];
            text += c ? "," : "";
            if (const auto* words = std::get_if<std::string>(&input.start)) {
                vek::cli::AppendCsvField(text, *words);
            } else if (input.kind == FieldKind::Choice) {
                text += std::to_string(row % static_cast<long>(input.choices.size()));
            } else {
                const auto* start = std::get_if<double>(&input.start);
                const double value =
                    !start || *start == 0 ? static_cast<double>(row % 100) : *start * factor;
                text += input.kind == FieldKind::Int ? std::to_string(static_cast<long>(value))
                                                     : vek::text::FormatDouble(value);
            }
        }
        text += "\n";
    }
    return text;
}

struct Timing {
    double seconds;
    double cpuSeconds;
    int status;
    long lines;
};

Timing RunOnce(const std::vector<std::string>& args, const fs::path& output) {
    const ChildRun run = RunChild(args, [&output] {
        if (!std::freopen(output.c_str(), "wb", stdout))
            ::_exit(126);
    });
    long lines = 0;
    std::ifstream in(output, std::ios::binary);
    for (std::string line; std::getline(in, line);) ++lines;
    return {run.seconds, run.cpuSeconds, run.status, lines};
}

}  // namespace

int main(int argc, char** argv) {
    long rows = 100000;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--json")
            json = true;
        else
            rows = std::strtol(argv[i], nullptr, 10);
    }
    const fs::path dir =
        fs::temp_directory_path() / ("vek-csv-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path cases = dir / "cases.csv";
    const fs::path output = dir / "out";

    std::printf("%-20s %8s %9s %9s %9s %9s %6s %8s\n", "calculator", "rows", "median s",
                "slowest s", "cpu s", "rows/s", "status", "lines");
    double worst = 0;
    double worstCpu = 0;
    for (const Calculator& calculator : vek::cli::Calculators()) {
        std::ofstream(cases, std::ios::binary) << MakeCases(calculator, rows);
        std::vector<std::string> args = {VEK_CALC_PATH, calculator.name, "--csv", cases.string()};
        if (calculator.name == std::string("convert"))
            args.insert(args.end(), {"--catalogue", VEK_DEFAULT_CATALOGUE});
        if (json)
            args.push_back("--json");
        std::array<Timing, 3> runs{};
        for (Timing& run : runs) run = RunOnce(args, output);
        std::sort(runs.begin(), runs.end(),
                  [](const Timing& a, const Timing& b) { return a.seconds < b.seconds; });
        worst = std::max(worst, runs[1].seconds);
        worstCpu = std::max(worstCpu, runs[1].cpuSeconds);
        std::printf("%-20s %8ld %9.3f %9.3f %9.3f %9.0f %6d %8ld\n", calculator.name, rows,
                    runs[1].seconds, runs[2].seconds, runs[1].cpuSeconds, rows / runs[1].seconds,
                    runs[1].status, runs[1].lines);
        std::fflush(stdout);
    }
    std::printf("slowest median: %.3f s (processor %.3f s) for %ld rows\n", worst, worstCpu, rows);
    fs::remove_all(dir);
    return 0;
}
