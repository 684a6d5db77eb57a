// SPDX-License-Identifier: MIT
#pragma once
// vek-calc book PROJECT.vek [--format=html|markdown|text|pdf] [--output FILE]:
// every calculator of a project file computed as its window computes it,
// and the records gathered into a calculation book.

#include <cstdio>
#include <string>
#include <vector>

namespace vek::cli {

// Lays out a book's HTML on A4 pages and gives back the PDF file's bytes.
// vek-calc's main() passes one where it is built with Qt; the command-line
// core itself (the Windows cross-build, the fuzzing harness) has none and
// refuses --format=pdf.
using BookPdfWriter = std::string (*)(const std::string& html, const std::string& title);

// The arguments after "book". Exit status: 0 when every calculator of the
// file was computed, 5 when some were skipped (one line on err each), 2 when
// the file was refused or nothing could be computed, 4 when the book could
// not be written.
int RunBook(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
            BookPdfWriter pdf);

}  // namespace vek::cli
