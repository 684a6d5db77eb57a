// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <filesystem>
#include <string>
#include <string_view>

#include "units/catalogue_place.h"

namespace {

constexpr const char* kHelp =
    "Usage: vek [OPTION]...\n"
    "vek 环评计算器: the calculations of environmental impact assessment reports in one\n"
    "window (sewage and refuse, flue gas, sanitary protection distance, solvent and odour\n"
    "emission, noise, Leq and Ldn, units).\n"
    "\n"
    "  -h, --help      print this help and exit\n"
    "  -V, --version   print the version and exit\n"
    "Qt's own options, such as -platform NAME, are taken too.\n"
    "\n"
    "The unit converter reads and extends data.ini in the current folder when there is\n"
    "one. Otherwise the installed program uses the user's own catalogue,\n"
    "$XDG_DATA_HOME/vek/data.ini (~/.local/share/vek/data.ini when XDG_DATA_HOME is unset),\n"
    "copied from the shipped default the first time. See vek(1).\n";

std::string CatalogueLine() {
    const vek::units::CataloguePlace place = vek::units::FindCatalogue(vek::units::ThisProcess());
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(place.path, error);
    return "Unit catalogue started here: " + (error ? place.path : path.string()) + "\n";
}

bool Write(const std::string& text, std::FILE* out) {
    return std::fputs(text.c_str(), out) >= 0 && std::fflush(out) == 0;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--help" || arg == "-h")
            return Write(kHelp + CatalogueLine(), out) ? 0 : 1;
        if (arg == "--version" || arg == "-V")
            return Write("vek " VEK_VERSION "\n", out) ? 0 : 1;
    }
    return std::nullopt;
}
