// SPDX-License-Identifier: MIT
#include "units/whole_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "units/file_error_text.h"

namespace vek::units {

namespace fs = std::filesystem;

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The reasons come from the file layer's one table, so a project file's
// messages read like the catalogue's.
std::string FileErrorText(std::error_code error) {
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category())
        return ErrnoReason(condition.value());
    return "错误代码 " + std::to_string(error.value());
}

namespace {

std::error_code LastError() {
    return {errno ? errno : EIO, std::generic_category()};
}

// The file a name leads to: a link is followed, so that the link stays and
// the file it points at gets the new content.
fs::path Target(const std::string& utf8) {
    const fs::path path = PathOf(utf8);
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path resolved = fs::weakly_canonical(path, error);
        if (!error)
            return resolved;
    }
    return path;
}

bool ReadOnly(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status))
        return false;
    constexpr fs::perms writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writable) == fs::perms::none;
}

// Writes the bytes to the file at path in one go; "" or the reason.
std::string WriteAll(const fs::path& path, std::string_view bytes, std::ios::openmode mode) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | mode);
    if (!out)
        return "无法写入：" + FileErrorText(LastError());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const std::error_code failure = LastError();
    const bool written = static_cast<bool>(out);
    out.close();
    if (!written || out.fail())
        return "无法写入：" + FileErrorText(failure);
    return {};
}

}  // namespace

std::string ReplaceFileContent(const std::string& path, std::string_view bytes) {
    const fs::path target = Target(path);
    std::error_code error;
    if (fs::is_directory(target, error))
        return "无法写入：" + FileErrorText(std::make_error_code(std::errc::is_a_directory));
    if (ReadOnly(target))
        return "无法写入：文件是只读的";

    // A device or a pipe (/dev/stdout, a FIFO) takes the bytes as they come:
    // renaming a file over it would put a plain file where the device was.
    const fs::file_status status = fs::status(target, error);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return WriteAll(target, bytes, std::ios::out);

    fs::path temporary = target;
    temporary += ".part";
    if (std::string reason = WriteAll(temporary, bytes, std::ios::out | std::ios::trunc);
        !reason.empty()) {
        fs::remove(temporary, error);
        return reason;
    }
    fs::rename(temporary, target, error);
    if (error) {
        const std::string reason = FileErrorText(error);
        fs::remove(temporary, error);
        return "无法写入：" + reason;
    }
    return {};
}

}  // namespace vek::units
