// SPDX-License-Identifier: MIT
#pragma once
// The only operating-system services of the core: the catalogue file held
// open with an exclusive lock, a plain read of a file, and the GB18030 <->
// UTF-8 conversion. POSIX builds implement them with open/flock/iconv
// (platform_file_posix.cpp); a Windows build supplies its own file with a
// no-share open and the code-page conversions.
//
// Only regular files are opened: a directory, a device such as /dev/zero or
// a pipe without a writer would otherwise never end or block the program.
// A file beyond kMaxCatalogueBytes is refused before anything is read.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vek::units::platform {

// The largest catalogue the program reads: far beyond any hand-made list of
// units, and small enough that reading it cannot exhaust the memory.
inline constexpr std::uint64_t kMaxCatalogueBytes = 256u * 1024 * 1024;

enum class FileFault {
    kNone,
    kBusy,          // another opener holds the lock
    kNoPermission,  // the file or its folder may not be written
    kReadOnlyDisk,  // the file system is mounted read-only
    kTooLarge,      // larger than kMaxCatalogueBytes
    kOther,         // anything else; see reason
};

// What the failing call was doing; the message's verb says it.
enum class FileAction { kOpen, kRead, kWrite };

// Reasons of the file layer's own, beside the system's error numbers.
inline constexpr int kNotRegularFile = -1;  // a device, a pipe, a socket
inline constexpr int kNoConverter = -2;     // the system cannot convert to GB18030

struct FileStatus {
    FileFault fault = FileFault::kNone;
    // The reason: an errno value (<cerrno>; a Windows error is mapped to its
    // equivalent) or one of the codes above; 0 when systemCode says it.
    int error = 0;
    // A system error number with no errno equivalent (Windows), else 0.
    unsigned long systemCode = 0;
    FileAction action = FileAction::kOpen;

    bool Ok() const { return fault == FileFault::kNone; }
};

// Receives a file's content piece by piece, in order.
using ChunkSink = std::function<void(std::string_view)>;

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
    // An existing file keeps its content either way. Anything but a regular
    // file, or one larger than kMaxCatalogueBytes, is refused.
    FileStatus Open(const std::string& path, bool create);
    bool IsOpen() const { return handle_ != kNoHandle; }

    // The whole content from the start, handed to sink in pieces of at most
    // 64 KiB, so that a large file is never held twice.
    FileStatus ReadChunks(const ChunkSink& sink) const;

    // The current size in bytes.
    FileStatus Size(std::uint64_t& size) const;

    // Writes bytes over the last replaceLast bytes of the file (at its end
    // when 0) and flushes them to the system. A write that stores only part
    // of the bytes, or whose flush fails, is undone, the replaced bytes
    // included.
    FileStatus Append(std::string_view bytes, std::size_t replaceLast = 0);

    // Whether path still leads to the open file. An editor saves by writing
    // a new file and renaming it over the old one, and the file may be
    // removed: a lock keeps out another copy of vek, not those. Always true
    // on Windows, where an open file cannot be renamed or removed.
    bool IsAt(const std::string& path) const;

    // Releases the lock and closes the file; harmless when not open.
    void Close();

private:
    FileStatus Write(std::string_view bytes, std::size_t replaceLast);

    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle_ = kNoHandle;  // a descriptor, or a Windows HANDLE
};

// Reads a whole file in pieces without writing, creating or locking
// anything; the same files are refused as by LockedFile::Open.
FileStatus ReadFileChunks(const std::string& path, const ChunkSink& sink);

// GB18030 to UTF-8, fed piece by piece: a character cut between two pieces
// is completed by the next one. A byte that starts no valid GB18030
// sequence becomes U+FFFD and decoding goes on with the next byte; so does
// a sequence cut short at the very end.
class Gb18030Decoder {
public:
    Gb18030Decoder();
    ~Gb18030Decoder();
    Gb18030Decoder(const Gb18030Decoder&) = delete;
    Gb18030Decoder& operator=(const Gb18030Decoder&) = delete;

    void Feed(std::string_view bytes, std::string& out);
    void Finish(std::string& out);

private:
    void Run(std::string_view bytes, bool last, std::string& out);

    void* converter_;      // an iconv_t; null without a converter
    std::string pending_;  // the start of a character cut by a piece's end
};

// The whole of bytes through a Gb18030Decoder.
std::string Gb18030ToUtf8(std::string_view bytes);

// Well-formed UTF-8 to GB18030, which has a code for every character;
// nullopt only when the system offers no converter.
std::optional<std::string> Utf8ToGb18030(std::string_view utf8);

}  // namespace vek::units::platform
