// SPDX-License-Identifier: MIT
#pragma once
// The only operating-system services of the core: the catalogue file held
// open with an exclusive lock, a plain read of a file, and the GB18030 <->
// UTF-8 conversion. POSIX builds implement them with open/flock/iconv
// (platform_file_posix.cpp); a Windows build supplies its own file with a
// no-share open and the code-page conversions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vek::units::platform {

enum class FileFault {
    kNone,
    kBusy,          // another opener holds the lock
    kNoPermission,  // the file or its folder may not be written
    kReadOnlyDisk,  // the file system is mounted read-only
    kOther,         // anything else; see reason
};

struct FileStatus {
    FileFault fault = FileFault::kNone;
    std::string reason;  // the system's description of the failure

    bool Ok() const { return fault == FileFault::kNone; }
};

// A file opened for reading and writing and locked against every other
// opener (another process, or another LockedFile in this one) until Close.
class LockedFile {
public:
    LockedFile() = default;
    ~LockedFile() { Close(); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    // Opens the file and takes the lock without waiting. When create is
    // false the file must exist; when true a missing file is created empty.
    // An existing file keeps its content either way.
    FileStatus Open(const std::string& path, bool create);
    bool IsOpen() const { return handle_ != kNoHandle; }

    // The whole content, read from the start.
    FileStatus ReadAll(std::string& bytes) const;

    // Writes bytes at the end of the file in one call and flushes them to the
    // system. A write that stores only part of the bytes is undone.
    FileStatus Append(std::string_view bytes);

    // Releases the lock and closes the file; harmless when not open.
    void Close();

private:
    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle_ = kNoHandle;  // a descriptor, or a Windows HANDLE
};

// Reads a whole file without writing, creating or locking anything.
FileStatus ReadFileBytes(const std::string& path, std::string& bytes);

// GB18030 to UTF-8; a byte that starts no valid GB18030 sequence becomes
// U+FFFD and decoding goes on with the next byte.
std::string Gb18030ToUtf8(std::string_view bytes);

// Well-formed UTF-8 to GB18030, which has a code for every character;
// nullopt only when the system offers no converter.
std::optional<std::string> Utf8ToGb18030(std::string_view utf8);

}  // namespace vek::units::platform
