// SPDX-License-Identifier: MIT
// vek-calc <calculator> [name=value ... | --csv FILE] [--ids] [--json]
//
// Exit status: 0 with the results (after the page's box when it shows one
// and computes all the same), 1 when the page's check stops the computation
// (only its box is printed), 2 for a command line the program refuses (one
// line on stderr, nothing on stdout), 4 when the output could not be written
// (a full disk, a closed pipe; a message on stderr). With --csv: 0 when every
// row was computed, 1 when the page's check stopped a row, 5 when a row could
// not be read (reported on stderr with its line, the other rows computed).

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/vek-calc/run.h"

#ifdef VEK_CALC_PDF
#include "tools/vek-calc/offscreen_pdf.h"
constexpr vek::cli::BookPdfWriter kBookPdf = &OffscreenBookPdf;
#else
constexpr vek::cli::BookPdfWriter kBookPdf = nullptr;
#endif

#if defined(_WIN32)
#include <windows.h>
// after windows.h
#include <shellapi.h>

namespace {

// Windows hands main() its arguments in the system's code page (GBK on a
// Chinese desktop), while vek-calc reads and writes UTF-8 like the catalogue
// in memory: the arguments are taken from the wide command line instead.
std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) {
        const int size =
            ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        if (size > 1)
            ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    ::LocalFree(wide);
    return args;
}

// A console shows the UTF-8 output as such while vek-calc runs, and gets its
// own code page back afterwards.
struct Utf8Console {
    UINT previous = ::GetConsoleOutputCP();
    Utf8Console() {
        if (previous != 0)
            ::SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Console() {
        if (previous != 0)
            ::SetConsoleOutputCP(previous);
    }
};

}  // namespace

int main() {
    const Utf8Console console;
    return vek::cli::RunVekCalc(Utf8Arguments(), stdout, stderr, kBookPdf);
}

#else

int main(int argc, char** argv) {
    // A reader that went away must give a write error to report, not end
    // the program silently.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    return vek::cli::RunVekCalc(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr,
                                kBookPdf);
}

#endif
