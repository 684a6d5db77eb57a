// SPDX-License-Identifier: MIT
#include "tools/vek-calc/run.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string_view>

#include "tools/vek-calc/book_command.h"
#include "tools/vek-calc/calculator.h"
#include "tools/vek-calc/csv_cases.h"
#include "tools/vek-calc/inputs.h"
#include "tools/vek-calc/record_output.h"
#include "tools/vek-calc/report.h"
#include "units/catalogue_place.h"
#include "units/file_error_text.h"

namespace vek::cli {
namespace {

int Refuse(std::FILE* err, const std::string& message) {
    PrintMessage(err, message);
    return kRefused;
}

// The first argument that is not an option (nor the file after --catalogue)
// names the calculator.
const char* CalculatorArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--catalogue" || std::string_view(argv[i]) == "--csv")
            ++i;
        else if (argv[i][0] != '-')
            return argv[i];
    }
    return nullptr;
}

// Options of vek-calc and of its calculators, so that an unknown one is
// named as such rather than taken for a missing calculator.
bool IsKnownOption(std::string_view arg) {
    const std::string_view name = arg.substr(0, arg.find('='));
    for (const char* known :
         {"-h", "--help", "-V", "--version", "--ids", "--json", "--record", "--csv", "--catalogue"})
        if (name == known)
            return true;
    return false;
}

// The first word that looks like an option ("-" alone is standard input)
// and is none; nullptr when there is none.
const char* UnknownOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--catalogue" || arg == "--csv")
            ++i;
        else if (arg.size() > 1 && arg[0] == '-' && !IsKnownOption(arg))
            return argv[i];
    }
    return nullptr;
}

// The catalogue convert reads when none is named: data.ini here, else the
// installed program's user catalogue, else (before vek has first made that
// one) the shipped default it would be copied from. Nothing is created.
Context CatalogueContext(const std::string& named) {
    if (!named.empty())
        return Context{named};
    const vek::units::CataloguePlace place = vek::units::FindCatalogue(vek::units::ThisProcess());
    std::error_code error;
    const bool userMissing = place.IsUsers() && !std::filesystem::exists(place.userPath, error);
    Context context{userMissing ? place.shippedDefault : place.path};
    context.catalogueHint = " (name a catalogue with --catalogue FILE";
    if (!place.userPath.empty())
        context.catalogueHint += "; yours is " + place.userPath;
    context.catalogueHint += ")";
    return context;
}

constexpr const char* kDescription =
    "vek-calc: the calculators of vek on the command line.\n"
    "Inputs are read as the page reads its fields; results are shown as the page shows them,\n"
    "one name=value line each, in the page's order. A message box of the page is printed\n"
    "first as \"box: CAPTION | TEXT\"; when the page's check stops the computation only the\n"
    "box is printed and the exit status is 1. A refused command line exits with status 2.\n"
    "See vek-calc CALCULATOR --help for the inputs of each calculator, and\n"
    "vek-calc book --help for the calculation book of a project file.";

constexpr const char* kFooterTail =
    "\nWith --json the results form one object of display texts; a box is its first member,"
    "\n\"box\": \"CAPTION | TEXT\"."
    "\nWith --csv FILE (- for standard input) each row is one case: the header names the inputs"
    "\n(names or ids), inputs without a column keep their start-up values, and each row comes back"
    "\nwith a \"box\" column and the results appended (--json: one object per row). A row that"
    "\ncannot be read is reported on stderr with its line and left out (exit status 5).\n";

}  // namespace

int DeliverOutput(const std::string& text, std::FILE* out, std::FILE* err, int status) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (written && std::fflush(out) == 0 && !std::ferror(out))
        return status;
    const int error = errno ? errno : EIO;
    std::fprintf(err, "vek-calc: cannot write the output: %s\n",
                 vek::units::ErrnoReason(error).c_str());
    return kNotWritten;
}

namespace {

// What the command line asks for besides the calculator.
struct Options {
    bool ids = false;
    bool json = false;
    std::string record;     // the form of --record, "" when not asked for
    std::string catalogue;  // --catalogue, empty when not given
    std::string csv;        // many cases from a CSV file, one per row
    std::vector<std::string> assignments;

    Keys keys() const { return ids ? Keys::Ids : Keys::Names; }
    Form form() const { return json ? Form::Json : Form::Lines; }
};

// The options and one subcommand per calculator, each with its inputs' help.
void DefineCommandLine(CLI::App& app, Options& options) {
    app.require_subcommand(1, 1);
    const auto addOutputFlags = [&](CLI::App& to) {
        to.add_flag("--ids", options.ids, "key the results by the page's control ids");
        to.add_flag("--json", options.json, "print one JSON object of display texts");
        to.add_flag("--record{text}", options.record,
                    "print the record of the computation in Chinese instead: formulas, "
                    "the inputs that take part, the values worked out (中间量) and the "
                    "results (--record=markdown or --record=html for a table)");
    };
    addOutputFlags(app);
    app.set_version_flag("-V,--version", "vek-calc " VEK_VERSION, "print the version and exit");
    for (const Calculator& calculator : Calculators()) {
        CLI::App* sub = app.add_subcommand(calculator.name, calculator.summary);
        sub->add_option("inputs", options.assignments, "name=value or id=value, see below");
        addOutputFlags(*sub);
        sub->add_option("--csv", options.csv, "one case per row of FILE (- for standard input)")
            ->type_name("FILE");
        if (calculator.name == std::string_view("convert"))
            sub->add_option("--catalogue", options.catalogue,
                            "unit catalogue file, only read (default: data.ini here, else "
                            "the user's catalogue of an installed vek)")
                ->type_name("FILE");
        sub->footer(InputsHelp(calculator) + kFooterTail);
    }
}

// The rows of a CSV file, each a case of its own.
int ComputeRows(const Calculator& calculator, const Options& options, std::FILE* out,
                std::FILE* err) {
    if (!options.record.empty())
        return Refuse(err, std::string(calculator.name) +
                               ": --record shows one computation, not the rows of --csv");
    if (!options.assignments.empty())
        return Refuse(err, std::string(calculator.name) +
                               ": --csv takes every input from its columns, not '" +
                               options.assignments.front() + "'");
    return RunCsvCases(calculator, options.csv, options.keys(), options.form(),
                       CatalogueContext(options.catalogue), out, err);
}

// One case from the command line's assignments, or the CSV file's rows.
int Compute(const Calculator& calculator, const Options& options, std::FILE* out, std::FILE* err) {
    const auto recordForm = ReadRecordForm(options.record);
    if (!options.record.empty() && !recordForm)
        return Refuse(err, "--record takes text, markdown or html, not '" + options.record + "'");
    try {
        if (!options.csv.empty())
            return ComputeRows(calculator, options, out, err);
        const Inputs inputs = ReadInputs(calculator, options.assignments);
        Context context = CatalogueContext(options.catalogue);
        context.record = !options.record.empty();
        const Outcome outcome = calculator.compute(inputs, context);
        const std::string text = outcome.record
                                     ? RenderRecord(*outcome.record, *recordForm)
                                     : Render(calculator, outcome, options.keys(), options.form());
        return DeliverOutput(text, out, err, outcome.stopped ? kStopped : 0);
    } catch (const UsageError& e) {
        return Refuse(err, e.what());
    } catch (const std::exception& e) {
        std::fprintf(err, "vek-calc: internal error: %s\n", e.what());
        return kInternal;
    }
}

int Run(int argc, char** argv, std::FILE* out, std::FILE* err) {
    CLI::App app{kDescription, "vek-calc"};
    Options options;
    DefineCommandLine(app, options);
    try {
        if (const char* option = UnknownOption(argc, argv))
            return Refuse(err, std::string("unknown option '") + option + "'");
        if (const char* name = CalculatorArgument(argc, argv); name && !FindCalculator(name))
            return Refuse(err,
                          std::string("unknown calculator '") + name + "' (see vek-calc --help)");
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {  // --help or --version
        std::ostringstream help, problems;
        const int status = app.exit(e, help, problems);
        std::fputs(problems.str().c_str(), err);
        return DeliverOutput(help.str(), out, err, status);
    } catch (const CLI::ParseError& e) {
        if (app.get_subcommands().empty())
            return Refuse(err, "name a calculator (see vek-calc --help)");
        return Refuse(err, e.what());
    }
    return Compute(*FindCalculator(app.get_subcommands().front()->get_name()), options, out, err);
}

}  // namespace

int RunVekCalc(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
               BookPdfWriter pdf) {
    if (!args.empty() && args.front() == "book")
        return RunBook(std::vector<std::string>(args.begin() + 1, args.end()), out, err, pdf);
    std::vector<std::string> words{"vek-calc"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return Run(static_cast<int>(words.size()), argv.data(), out, err);
}

}  // namespace vek::cli
