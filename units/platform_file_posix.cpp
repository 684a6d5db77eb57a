// SPDX-License-Identifier: MIT
// POSIX side of platform_file.h: open(2), flock(2) and iconv(3).
#if !defined(_WIN32)

#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

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
    status.reason = std::strerror(error);
    return status;
}

FileStatus ReadDescriptor(int fd, std::string& bytes) {
    bytes.clear();
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = pread(fd, buffer, sizeof buffer, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FromErrno(errno);
        }
        if (n == 0)
            return {};
        bytes.append(buffer, static_cast<std::size_t>(n));
        offset += n;
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
    const int flags = O_RDWR | O_APPEND | O_CLOEXEC | (create ? O_CREAT : 0);
    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return FromErrno(errno);
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

FileStatus LockedFile::ReadAll(std::string& bytes) const {
    if (!IsOpen())
        return FromErrno(EBADF);
    return ReadDescriptor(static_cast<int>(handle_), bytes);
}

FileStatus LockedFile::Append(std::string_view bytes) {
    if (!IsOpen())
        return FromErrno(EBADF);
    const int fd = static_cast<int>(handle_);
    struct stat before;
    if (::fstat(fd, &before) != 0)
        return FromErrno(errno);
    ssize_t written;
    do {
        written = ::write(fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    if (written < 0)
        return FromErrno(errno);
    if (static_cast<std::size_t>(written) != bytes.size()) {
        // Only part of the line fit (a full disk): take it back rather than
        // leave half an entry in the file.
        (void)::ftruncate(fd, before.st_size);
        return FromErrno(ENOSPC);
    }
    if (::fsync(fd) != 0 && errno != EINVAL)
        return FromErrno(errno);
    return {};
}

void LockedFile::Close() {
    if (!IsOpen())
        return;
    ::close(static_cast<int>(handle_));  // closing releases the lock
    handle_ = kNoHandle;
}

FileStatus ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return FromErrno(errno);
    const FileStatus status = ReadDescriptor(fd, bytes);
    ::close(fd);
    return status;
}

std::string Gb18030ToUtf8(std::string_view bytes) {
    std::string out;
    const bool converted =
        Convert("UTF-8", "GB18030", bytes, out, [](std::string& o) { o += kReplacementChar; });
    if (converted)
        return out;
    // Without a converter only ASCII can be read; nothing is dropped.
    out.clear();
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80)
            out += c;
        else
            out += kReplacementChar;
    }
    return out;
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
