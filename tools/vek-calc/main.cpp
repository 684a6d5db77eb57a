// SPDX-License-Identifier: MIT
// vek-calc <calculator> [name=value ...] [--ids] [--json]
//
// Exit status: 0 with the results (after the page's box when it shows one
// and computes all the same), 1 when the page's check stops the computation
// (only its box is printed), 2 for a command line the program refuses (one
// line on stderr, nothing on stdout).

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vek-calc/calculator.h"
#include "tools/vek-calc/inputs.h"
#include "tools/vek-calc/report.h"

namespace {

using namespace vek::cli;

constexpr int kStopped = 1;
constexpr int kRefused = 2;
constexpr int kInternal = 3;

int Refuse(std::string message) {
    for (char& c : message)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(stderr, "vek-calc: %s\n", message.c_str());
    return kRefused;
}

// The first argument that is not an option (nor the file after --catalogue)
// names the calculator.
const char* CalculatorArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--catalogue")
            ++i;
        else if (argv[i][0] != '-')
            return argv[i];
    }
    return nullptr;
}

constexpr const char* kDescription =
    "vek-calc: the calculators of vek on the command line.\n"
    "Inputs are read as the page reads its fields; results are shown as the page shows them,\n"
    "one name=value line each, in the page's order. A message box of the page is printed\n"
    "first as \"box: CAPTION | TEXT\"; when the page's check stops the computation only the\n"
    "box is printed and the exit status is 1. A refused command line exits with status 2.\n"
    "See vek-calc CALCULATOR --help for the inputs of each calculator.";

constexpr const char* kFooterTail =
    "\nWith --json the results form one object of display texts; a box is its first member,"
    "\n\"box\": \"CAPTION | TEXT\".\n";

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{kDescription, "vek-calc"};
    app.require_subcommand(1, 1);
    bool ids = false;
    bool json = false;
    std::string catalogue = "data.ini";
    std::vector<std::string> assignments;
    const auto addOutputFlags = [&](CLI::App& to) {
        to.add_flag("--ids", ids, "key the results by the page's control ids");
        to.add_flag("--json", json, "print one JSON object of display texts");
    };
    addOutputFlags(app);
    for (const Calculator& calculator : Calculators()) {
        CLI::App* sub = app.add_subcommand(calculator.name, calculator.summary);
        sub->add_option("inputs", assignments, "name=value or id=value, see below");
        addOutputFlags(*sub);
        if (calculator.name == std::string_view("convert"))
            sub->add_option("--catalogue", catalogue, "unit catalogue file, only read")
                ->type_name("FILE")
                ->capture_default_str();
        sub->footer(InputsHelp(calculator) + kFooterTail);
    }

    try {
        if (const char* name = CalculatorArgument(argc, argv); name && !FindCalculator(name))
            return Refuse(std::string("unknown calculator '") + name + "' (see vek-calc --help)");
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        if (app.get_subcommands().empty())
            return Refuse("name a calculator (see vek-calc --help)");
        return Refuse(e.what());
    }

    const Calculator& calculator = *FindCalculator(app.get_subcommands().front()->get_name());
    try {
        const Inputs inputs = ReadInputs(calculator, assignments);
        const Outcome outcome = calculator.compute(inputs, Context{catalogue});
        const std::string text = Render(calculator, outcome, ids ? Keys::Ids : Keys::Names,
                                        json ? Form::Json : Form::Lines);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return outcome.stopped ? kStopped : 0;
    } catch (const UsageError& e) {
        return Refuse(e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vek-calc: internal error: %s\n", e.what());
        return kInternal;
    }
}
