// SPDX-License-Identifier: MIT
#pragma once
// Files written as a whole (a project's inputs, a calculation book): the
// new content goes to a temporary file beside the old one, is flushed and
// closed, and only then takes the old file's name. A crash, a full disk or
// a refused write therefore leaves either the old file whole or the new
// one whole, never half of one.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace vek::units {

// Paths are UTF-8, on every system.

// Replaces the content of the file at path (creating it when missing).
// Returns "" on success, otherwise the reason in Chinese; the old file is
// then unchanged and no temporary file is left. A file marked read-only is
// not replaced.
std::string ReplaceFileContent(const std::string& path, std::string_view bytes);

// A UTF-8 path as the file system takes it (on Windows, wide characters).
std::filesystem::path PathOf(const std::string& utf8);

// The reason for a failed file operation, in Chinese ("错误代码 N" for the
// rare ones).
std::string FileErrorText(std::error_code error);

}  // namespace vek::units
