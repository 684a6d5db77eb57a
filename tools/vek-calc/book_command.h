// SPDX-License-Identifier: MIT
#pragma once
// vek-calc book PROJECT.vek [--format=html|markdown|text] [--output FILE]:
// every calculator of a project file computed as its window computes it,
// and the records gathered into a calculation book.

#include <cstdio>
#include <string>
#include <vector>

namespace vek::cli {

// The arguments after "book". Exit status: 0 when every calculator of the
// file was computed, 5 when some were skipped (one line on err each), 2 when
// the file was refused or nothing could be computed, 4 when the book could
// not be written.
int RunBook(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace vek::cli
