// SPDX-License-Identifier: MIT
#pragma once
// The Chinese words for what went wrong with a file: the reason for each
// error the file layer can report, and the message a box or vek-calc shows
// for a catalogue that could not be opened, read or written. Every reason
// comes from one table, so a message reads the same on every system and
// never falls back to the system's English.

#include <string>

#include "units/platform_file.h"

namespace vek::units {

// The reason for an errno value (or one of the file layer's own codes):
// "文件不存在", "是一个文件夹", "磁盘空间不足", …; "错误代码 N" for a number
// the table does not know.
std::string ErrnoReason(int error);

// The reason of a failed file call (its systemCode when the error has no
// errno equivalent).
std::string FileErrorReason(const platform::FileStatus& status);

// The message for a failed call on the file named name (as the user named
// it, folder included): "无法打开 data.ini：文件不存在", "无法写入 …：磁盘
// 空间不足", "data.ini 正被其他程序使用，无法打开。", …; empty when status
// is Ok.
std::string FileErrorMessage(const platform::FileStatus& status, const std::string& name);

}  // namespace vek::units
