// SPDX-License-Identifier: MIT
#include "tools/vek-calc/book_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ctime>
#include <sstream>

#include "calc/book.h"
#include "calc/calculator_index.h"
#include "calc/project_file.h"
#include "res/version_info.h"
#include "tools/vek-calc/inputs.h"
#include "tools/vek-calc/run.h"
#include "units/whole_file.h"

namespace vek::cli {
namespace {

std::string Today() {
    const std::time_t now = std::time(nullptr);
    char date[16] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(date, sizeof date, "%Y-%m-%d", local);
    return date;
}

// The position of a calculator in page order.
std::ptrdiff_t PageOrder(const std::string& name) {
    const auto all = KnownCalculators();
    return std::find_if(all.begin(), all.end(),
                        [&](const KnownCalculator& known) { return name == known.name; }) -
           all.begin();
}

// The inputs of one calculator from the file's texts and choices; the
// fields of its window that are not its inputs (those of the other
// direction) are left out.
Inputs EntryInputs(const Calculator& calculator, const ProjectEntry& entry) {
    Inputs inputs(calculator);
    for (const auto* values : {&entry.choices, &entry.inputs})
        for (const auto& [name, text] : *values)
            if (const auto index = FindInput(calculator, name))
                try {
                    inputs.Set(*index, ReadInput(calculator, *index, text));
                } catch (const UsageError&) {
                    throw UsageError(entry.calculator + "：" + name + " 的“" + text +
                                     "”页面不接受，这项计算已跳过。");
                }
    return inputs;
}

std::string Book(const std::string& format, const BookHeading& heading,
                 const std::vector<CalcRecord>& records, BookPdfWriter pdf) {
    if (format == "pdf")
        return pdf(BookHtml(heading, records), heading.title);
    if (format == "markdown")
        return BookMarkdown(heading, records);
    if (format == "text")
        return BookPlainText(heading, records);
    return BookHtml(heading, records);
}

}  // namespace

int RunBook(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
            BookPdfWriter pdf) {
    CLI::App app{
        "vek-calc book: every calculator of a project file computed as its window "
        "computes it, its records gathered into one calculation book.",
        "vek-calc book"};
    std::string project;
    std::string format = "html";
    std::string output;
    std::string catalogue = "data.ini";
    app.add_option("project", project, "the project file (*.vek)")->required();
    app.add_option("--format", format, "html, markdown, text or pdf (pdf needs --output)")
        ->check(CLI::IsMember({"html", "markdown", "text", "pdf"}))
        ->capture_default_str();
    app.add_option("--output", output, "write the book to FILE instead of standard output")
        ->type_name("FILE");
    app.add_option("--catalogue", catalogue, "unit catalogue file of convert, only read")
        ->type_name("FILE")
        ->capture_default_str();
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp& e) {
        std::ostringstream help, problems;
        const int status = app.exit(e, help, problems);
        std::fputs(help.str().c_str(), out);
        return status;
    } catch (const CLI::ParseError& e) {
        std::fprintf(err, "vek-calc: book: %s\n", e.what());
        return kRefused;
    }

    if (format == "pdf" && !pdf) {
        // A PDF is laid out with Qt's text engine, which this vek-calc was
        // built without.
        std::fprintf(err,
                     "vek-calc: book: 这个 vek-calc 不带 Qt，不能排版 PDF，请在 vek 中用"
                     "“导出计算书…”导出\n");
        return kRefused;
    }
    if (format == "pdf" && output.empty()) {
        // A terminal is no place for a PDF's bytes.
        std::fprintf(err, "vek-calc: book: PDF 只能写到文件，请用 --output 指定文件\n");
        return kRefused;
    }
    const auto problem = [&](const std::string& text) {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::fprintf(err, "vek-calc: %s: %s\n", project.c_str(), line.c_str());
    };
    const ProjectRead read = ReadProjectFile(project);
    if (!read.project) {
        problem(read.error);
        return kRefused;
    }
    bool skipped = !read.problems.empty();
    for (const std::string& text : read.problems) problem(text);

    std::vector<ProjectEntry> entries = read.project->entries;
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return PageOrder(a.calculator) < PageOrder(b.calculator);
    });
    std::vector<CalcRecord> records;
    Context context{catalogue};
    context.record = true;
    for (const ProjectEntry& entry : entries) {
        const Calculator* calculator = FindCalculator(entry.calculator);
        if (!entry.computed || !calculator)
            continue;
        try {
            Outcome outcome = calculator->compute(EntryInputs(*calculator, entry), context);
            if (outcome.record)
                records.push_back(std::move(*outcome.record));
        } catch (const UsageError& e) {
            problem(e.what());
            skipped = true;
        }
    }
    if (records.empty()) {
        problem("没有可以写进计算书的计算。");
        return kRefused;
    }
    const BookHeading heading{BookTitle(read.project->name), Today(), kVekFileVersion};
    const std::string book = Book(format, heading, records, pdf);
    const int status = skipped ? kRowsRefused : 0;
    if (output.empty())
        return DeliverOutput(book, out, err, status);
    if (const std::string error = vek::units::ReplaceFileContent(output, book); !error.empty()) {
        std::fprintf(err, "vek-calc: %s: %s\n", output.c_str(), error.c_str());
        return kNotWritten;
    }
    return status;
}

}  // namespace vek::cli
