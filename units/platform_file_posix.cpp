// SPDX-License-Identifier: MIT
// POSIX side of platform_file.h: open(2), flock(2) and iconv(3).
#if !defined(_WIN32)

#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "units/platform_file.h"
#include "units/utf8.h"

namespace vek::units::platform {
namespace {

FileStatus FromErrno(int error) {
    FileStatus status;
    switch (error) {
        case EWOULDBLOCK:
            status.fault = FileFault::kBusy;
            break;
        case EACCES:
        case EPERM:
            status.fault = FileFault::kNoPermission;
            break;
        case EROFS:
            status.fault = FileFault::kReadOnlyDisk;
            break;
        default:
            status.fault = FileFault::kOther;
            break;
    }
    status.error = error;
    return status;
}

FileStatus TooLarge() {
    return {FileFault::kTooLarge, EFBIG};
}

FileStatus During(FileAction action, FileStatus status) {
    status.action = action;
    return status;
}

// Refuses what is not a regular file, and a file too large to read.
FileStatus CheckDescriptor(int fd) {
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return FromErrno(errno);
    if (S_ISDIR(info.st_mode))
        return FromErrno(EISDIR);
    if (!S_ISREG(info.st_mode))
        return {FileFault::kOther, kNotRegularFile};
    if (static_cast<std::uint64_t>(info.st_size) > kMaxCatalogueBytes)
        return TooLarge();
    return {};
}

// Opens without waiting (a pipe without a writer would block an ordinary
// open for reading), then refuses anything but a regular file of a
// readable size. Returns -1 with the status set on failure.
int OpenChecked(const std::string& path, int flags, FileStatus& status) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        status = FromErrno(errno);
        return -1;
    }
    status = CheckDescriptor(fd);
    if (!status.Ok()) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

FileStatus ReadDescriptor(int fd, const ChunkSink& sink) {
    char buffer[65536];
    std::uint64_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FromErrno(errno);
        }
        if (n == 0)
            return {};
        offset += static_cast<std::uint64_t>(n);
        if (offset > kMaxCatalogueBytes)  // grown since it was opened
            return TooLarge();
        sink(std::string_view(buffer, static_cast<std::size_t>(n)));
    }
}

// Runs iconv over the whole input. On a byte it cannot convert, calls
// onInvalid(output) and skips that one byte; returns false when the
// converter itself is missing.
template <typename OnInvalid>
bool Convert(const char* to, const char* from, std::string_view input, std::string& output,
             OnInvalid onInvalid) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    output.clear();
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1))
            continue;
        if (error == E2BIG)
            continue;
        // EILSEQ (no valid sequence here) or EINVAL (cut short at the end).
        onInvalid(output);
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return true;
}

}  // namespace

FileStatus LockedFile::Open(const std::string& path, bool create) {
    Close();
    FileStatus status;
    const int fd = OpenChecked(path, O_RDWR | (create ? O_CREAT : 0), status);
    if (fd < 0)
        return status;
    // flock locks the open file description, so a second open in this very
    // process is refused as well as another process.
    int locked;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        ::close(fd);
        return FromErrno(error);
    }
    handle_ = fd;
    return {};
}

FileStatus LockedFile::ReadChunks(const ChunkSink& sink) const {
    if (!IsOpen())
        return During(FileAction::kRead, FromErrno(EBADF));
    if (FileStatus status = CheckDescriptor(static_cast<int>(handle_)); !status.Ok())
        return During(FileAction::kRead, status);
    return During(FileAction::kRead, ReadDescriptor(static_cast<int>(handle_), sink));
}

bool LockedFile::IsAt(const std::string& path) const {
    struct stat open;
    struct stat named;
    if (!IsOpen() || ::fstat(static_cast<int>(handle_), &open) != 0)
        return false;
    if (::stat(path.c_str(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

FileStatus LockedFile::Size(std::uint64_t& size) const {
    struct stat info;
    if (!IsOpen())
        return FromErrno(EBADF);
    if (::fstat(static_cast<int>(handle_), &info) != 0)
        return FromErrno(errno);
    size = static_cast<std::uint64_t>(info.st_size);
    return {};
}

FileStatus LockedFile::Append(std::string_view bytes, std::size_t replaceLast) {
    return During(FileAction::kWrite, Write(bytes, replaceLast));
}

FileStatus LockedFile::Write(std::string_view bytes, std::size_t replaceLast) {
    std::uint64_t size = 0;
    if (FileStatus status = Size(size); !status.Ok())
        return status;
    const int fd = static_cast<int>(handle_);
    if (replaceLast > size)
        replaceLast = static_cast<std::size_t>(size);
    const auto offset = static_cast<off_t>(size - replaceLast);
    if (size - replaceLast + bytes.size() > kMaxCatalogueBytes)
        return TooLarge();
    // The bytes to be replaced, to put back should the write fail halfway.
    std::string replaced(replaceLast, '\0');
    if (replaceLast > 0 &&
        ::pread(fd, replaced.data(), replaceLast, offset) != static_cast<ssize_t>(replaceLast))
        return FromErrno(errno ? errno : EIO);
    // A write that stores only part of the bytes is continued, so that the
    // call that stores nothing tells why (a full disk, a file-size limit).
    std::size_t done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                         offset + static_cast<off_t>(done));
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written == 0 || errno != EINTR) {
            error = written == 0 ? ENOSPC : errno;
            break;
        }
    }
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (error != 0) {
        // Take the line back rather than leave half an entry (or one the
        // disk may not hold) in the file, and put back what it replaced.
        // Best effort: the write has failed either way, and that is what is
        // reported.
        if (::ftruncate(fd, static_cast<off_t>(size)) == 0 && replaceLast > 0) {
            [[maybe_unused]] const ssize_t restored =
                ::pwrite(fd, replaced.data(), replaceLast, offset);
        }
        return FromErrno(error);
    }
    return {};
}

void LockedFile::Close() {
    if (!IsOpen())
        return;
    ::close(static_cast<int>(handle_));  // closing releases the lock
    handle_ = kNoHandle;
}

FileStatus ReadFileChunks(const std::string& path, const ChunkSink& sink) {
    FileStatus status;
    const int fd = OpenChecked(path, O_RDONLY, status);
    if (fd < 0)
        return status;
    status = During(FileAction::kRead, ReadDescriptor(fd, sink));
    ::close(fd);
    return status;
}

Gb18030Decoder::Gb18030Decoder() {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    converter_ = cd == reinterpret_cast<iconv_t>(-1) ? nullptr : static_cast<void*>(cd);
}

Gb18030Decoder::~Gb18030Decoder() {
    if (converter_)
        iconv_close(static_cast<iconv_t>(converter_));
}

void Gb18030Decoder::Run(std::string_view bytes, bool last, std::string& out) {
    if (!converter_) {
        // Without a converter only ASCII can be read; nothing is dropped.
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80)
                out += c;
            else
                out += kReplacementChar;
        }
        return;
    }
    const auto cd = static_cast<iconv_t>(converter_);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* o = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &o, &outLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(o - buffer));
        if (result != static_cast<std::size_t>(-1) || error == E2BIG)
            continue;
        if (error == EINVAL && !last) {
            pending_.assign(in, inLeft);  // completed by the next piece
            return;
        }
        // EILSEQ (no valid sequence here) or EINVAL (cut short at the end).
        out += kReplacementChar;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
}

std::optional<std::string> Utf8ToGb18030(std::string_view utf8) {
    const std::string clean = SanitizeUtf8(utf8);
    std::string out;
    // Every character has a GB18030 code, so onInvalid is never expected to
    // run; "?" keeps the line whole if a converter lacks one.
    if (!Convert("GB18030", "UTF-8", clean, out, [](std::string& o) { o += '?'; }))
        return std::nullopt;
    return out;
}

}  // namespace vek::units::platform

#endif  // !defined(_WIN32)
