// SPDX-License-Identifier: MIT
// Windows side of platform_file.h: CreateFileW with a share mode that keeps
// every other writer out, LockFileEx, and the GB18030 code page 54936
// through MultiByteToWideChar / WideCharToMultiByte.
#if defined(_WIN32)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cerrno>

#include "units/platform_file.h"
#include "units/utf8.h"

namespace vek::units::platform {
namespace {

constexpr UINT kGb18030CodePage = 54936;

// Where the lock lies: one byte far beyond any catalogue. A lock on the
// data itself would make every read by another handle fail, and reading a
// held catalogue (vek-calc's converter) must still work; the byte marks the
// file as held for every other copy of vek all the same.
constexpr DWORD kLockOffsetHigh = 0x7FFF0000;

FileStatus TooLarge() {
    return {FileFault::kTooLarge, EFBIG};
}

FileStatus During(FileAction action, FileStatus status) {
    status.action = action;
    return status;
}

std::string Utf16ToUtf8(const wchar_t* text, int length) {
    if (length <= 0)
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

// The faults the catalogue tells apart, and for the common errors the errno
// value of the same meaning, so that a message reads the same wherever vek
// runs; any other error keeps its own number.
FileStatus FromError(DWORD error) {
    switch (error) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return {FileFault::kBusy, EWOULDBLOCK};
        case ERROR_ACCESS_DENIED:
            return {FileFault::kNoPermission, EACCES};
        case ERROR_WRITE_PROTECT:
            return {FileFault::kReadOnlyDisk, EROFS};
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return {FileFault::kOther, ENOENT};
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return {FileFault::kOther, ENOSPC};
        case ERROR_INVALID_HANDLE:
            return {FileFault::kOther, EBADF};
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return {FileFault::kOther, ENOMEM};
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_CRC:
            return {FileFault::kOther, EIO};
        case ERROR_FILENAME_EXCED_RANGE:
            return {FileFault::kOther, ENAMETOOLONG};
        case ERROR_INVALID_NAME:
            return {FileFault::kOther, EINVAL};
        case ERROR_TOO_MANY_OPEN_FILES:
            return {FileFault::kOther, EMFILE};
        default:
            return {FileFault::kOther, 0, static_cast<unsigned long>(error)};
    }
}

FileStatus LastError() {
    return FromError(::GetLastError());
}

// Paths reach the core as UTF-8 (the program's own text); a path that is
// not UTF-8 came from a narrow command line and is in the system's code page.
std::wstring WidePath(const std::string& path) {
    for (const UINT codePage : {UINT{CP_UTF8}, UINT{CP_ACP}}) {
        const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        const int length = static_cast<int>(path.size());
        const int size = ::MultiByteToWideChar(codePage, flags, path.data(), length, nullptr, 0);
        if (size <= 0 && !path.empty())
            continue;
        std::wstring wide(static_cast<std::size_t>(size), L'\0');
        if (size > 0)
            ::MultiByteToWideChar(codePage, flags, path.data(), length, wide.data(), size);
        return wide;
    }
    return {};
}

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Refuses what is not a regular file (a device such as NUL or CON, a pipe,
// a folder), and a file too large to read.
FileStatus CheckHandle(HANDLE file) {
    if (::GetFileType(file) != FILE_TYPE_DISK)
        return {FileFault::kOther, kNotRegularFile};
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file, &info))
        return LastError();
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileStatus{FileFault::kOther, EISDIR};
    const std::uint64_t size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    if (size > kMaxCatalogueBytes)
        return TooLarge();
    return {};
}

// Opens and checks the file. Returns INVALID_HANDLE_VALUE with the status
// set on failure.
HANDLE OpenChecked(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                   FileStatus& status) {
    const std::wstring wide = WidePath(path);
    HANDLE file = ::CreateFileW(wide.c_str(), access, share, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        // A folder cannot be opened as a file at all; say what it is rather
        // than that access was denied.
        const DWORD attributes = ::GetFileAttributesW(wide.c_str());
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY))
            status = FileStatus{FileFault::kOther, EISDIR};
        else
            status = FromError(error);
        return INVALID_HANDLE_VALUE;
    }
    status = CheckHandle(file);
    if (!status.Ok()) {
        ::CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return where;
}

// Reads up to size bytes at offset, like pread; false with the error set.
bool ReadAt(HANDLE file, std::uint64_t offset, char* buffer, DWORD size, DWORD& read) {
    OVERLAPPED where = At(offset);
    read = 0;
    if (::ReadFile(file, buffer, size, &read, &where))
        return true;
    return ::GetLastError() == ERROR_HANDLE_EOF;  // reading at the end: nothing
}

bool WriteAt(HANDLE file, std::uint64_t offset, const char* bytes, DWORD size, DWORD& written) {
    OVERLAPPED where = At(offset);
    written = 0;
    return ::WriteFile(file, bytes, size, &written, &where) != 0;
}

FileStatus ReadHandle(HANDLE file, const ChunkSink& sink) {
    char buffer[65536];
    std::uint64_t offset = 0;
    for (;;) {
        DWORD n = 0;
        if (!ReadAt(file, offset, buffer, sizeof buffer, n))
            return LastError();
        if (n == 0)
            return {};
        offset += n;
        if (offset > kMaxCatalogueBytes)  // grown since it was opened
            return TooLarge();
        sink(std::string_view(buffer, n));
    }
}

bool SetSize(HANDLE file, std::uint64_t size) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

// --- GB18030 -------------------------------------------------------------

bool IsLead(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}
bool IsDigitByte(unsigned char c) {
    return c >= 0x30 && c <= 0x39;
}

// The four-byte codes that stand for a character: the rest of the basic
// plane (81 30 81 30 to 84 31 A4 39) and the supplementary planes (90 30 81 30
// to E3 32 9A 35), counted from 81 30 81 30.
constexpr unsigned kLastBmpCode = 39419;
constexpr unsigned kFirstSupplementaryCode = 189000;
constexpr unsigned kLastSupplementaryCode = kFirstSupplementaryCode + 0xFFFFF;

// The number of a four-byte code, counted from 81 30 81 30.
unsigned FourByteCode(std::string_view s) {
    const auto at = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]) + 0u; };
    return (((at(0) - 0x81) * 10 + (at(1) - 0x30)) * 126 + (at(2) - 0x81)) * 10 + (at(3) - 0x30);
}

// Length of the GB18030 sequence that starts at s[i] (1 for ASCII, 2 or 4),
// 0 when none starts there, or -1 when s ends before it is complete.
int SequenceLength(std::string_view s, std::size_t i) {
    const auto at = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = at(i);
    if (c < 0x80)
        return 1;
    if (!IsLead(c))
        return 0;
    if (i + 1 >= s.size())
        return -1;
    const unsigned char second = at(i + 1);
    if ((second >= 0x40 && second <= 0x7E) || (second >= 0x80 && second <= 0xFE))
        return 2;
    if (!IsDigitByte(second))
        return 0;
    if (i + 2 >= s.size())
        return -1;
    if (!IsLead(at(i + 2)))
        return 0;
    if (i + 3 >= s.size())
        return -1;
    if (!IsDigitByte(at(i + 3)))
        return 0;
    const unsigned code = FourByteCode(s.substr(i, 4));
    const bool mapped =
        code <= kLastBmpCode || (code >= kFirstSupplementaryCode && code <= kLastSupplementaryCode);
    return mapped ? 4 : 0;
}

// Every Windows since XP converts GB18030 through code page 54936. A system
// without it (Wine 8) still reads and writes the two-byte codes, GBK,
// through code page 936; the four-byte codes of the supplementary planes and
// of the end of the basic plane (U+FFE6 to U+FFFF, U+FFFD among them) follow
// from their code. Only the other four-byte codes, which only the code
// page's tables know, then read as U+FFFD and are written as "?".
bool HasGb18030CodePage() {
    static const bool has = ::IsValidCodePage(kGb18030CodePage) != 0;
    return has;
}
constexpr UINT kGbkCodePage = 936;

// The character of a four-byte code that follows from the code alone.
constexpr unsigned kBmpTailStart = 0xFFE6;
constexpr unsigned kBmpTailFirstCode = kLastBmpCode - (0xFFFF - kBmpTailStart);

bool FourByteToUtf16(unsigned code, std::wstring& wide) {
    if (code >= kFirstSupplementaryCode) {
        const unsigned offset = code - kFirstSupplementaryCode;  // from U+10000
        wide += static_cast<wchar_t>(0xD800 + (offset >> 10));
        wide += static_cast<wchar_t>(0xDC00 + (offset & 0x3FF));
        return true;
    }
    if (code >= kBmpTailFirstCode && code <= kLastBmpCode) {
        wide += static_cast<wchar_t>(kBmpTailStart + (code - kBmpTailFirstCode));
        return true;
    }
    return false;
}

std::optional<unsigned> FourByteCodeOf(unsigned character) {
    if (character >= 0x10000)
        return kFirstSupplementaryCode + (character - 0x10000);
    if (character >= kBmpTailStart)
        return kBmpTailFirstCode + (character - kBmpTailStart);
    return std::nullopt;
}

std::string_view Piece(std::string_view bytes, std::size_t from, std::size_t to) {
    return bytes.substr(from, to - from);
}

// Appends the UTF-16 of bytes in the code page; false, with wide
// unchanged, when the code page maps some byte sequence to no character.
bool ConvertFrom(UINT codePage, std::string_view bytes, std::wstring& wide) {
    if (bytes.empty())
        return true;
    const int length = static_cast<int>(bytes.size());
    const int size =
        ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return false;
    const std::size_t start = wide.size();
    wide.resize(start + static_cast<std::size_t>(size));
    if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length,
                              wide.data() + start, size) != size) {
        wide.resize(start);
        return false;
    }
    return true;
}

// Decodes bytes made of whole sequences, appending to wide; false, with
// wide unchanged, when the code page maps one of them to no character.
bool DecodeWhole(std::string_view bytes, std::wstring& wide) {
    if (HasGb18030CodePage())
        return ConvertFrom(kGb18030CodePage, bytes, wide);
    const std::size_t start = wide.size();
    std::size_t from = 0;
    for (std::size_t i = 0; i < bytes.size(); i += SequenceLength(bytes, i)) {
        if (SequenceLength(bytes, i) != 4)
            continue;
        if (!ConvertFrom(kGbkCodePage, Piece(bytes, from, i), wide)) {
            wide.resize(start);
            return false;
        }
        if (!FourByteToUtf16(FourByteCode(bytes.substr(i, 4)), wide))
            wide += L'\uFFFD';
        from = i + 4;
    }
    if (!ConvertFrom(kGbkCodePage, Piece(bytes, from, bytes.size()), wide)) {
        wide.resize(start);
        return false;
    }
    return true;
}

// UTF-16 to GB18030 without code page 54936: the four-byte codes that follow
// from the character, GBK where it has a code, "?" for the rest.
std::string EncodeWithoutGb18030(const std::wstring& wide) {
    std::string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const unsigned unit = wide[i];
        unsigned character = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size())  // well-formed: a pair
            character = 0x10000 + (((unit - 0xD800) << 10) | (wide[++i] - 0xDC00u));
        if (const auto code = FourByteCodeOf(character)) {
            char bytes[4];
            unsigned rest = *code;
            for (int k = 3; k >= 0; --k) {  // digit, lead, digit, lead from the end
                const unsigned base = (k % 2) ? 10 : 126;
                bytes[k] = static_cast<char>(rest % base + ((k % 2) ? 0x30 : 0x81));
                rest /= base;
            }
            out.append(bytes, 4);
            continue;
        }
        char bytes[4];
        BOOL missing = FALSE;
        const int n = ::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, &wide[i], 1, bytes,
                                            sizeof bytes, nullptr, &missing);
        // Code page 936 writes the euro sign as the single byte 80, which
        // is no GB18030 code.
        if (n <= 0 || missing || (n == 1 && static_cast<unsigned char>(bytes[0]) >= 0x80))
            out += '?';
        else
            out.append(bytes, static_cast<std::size_t>(n));
    }
    return out;
}

}  // namespace

FileStatus LockedFile::Open(const std::string& path, bool create) {
    Close();
    FileStatus status;
    // Others may open the file to read it, never to write it while it is held.
    HANDLE file = OpenChecked(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                              create ? OPEN_ALWAYS : OPEN_EXISTING, status);
    if (file == INVALID_HANDLE_VALUE)
        return status;
    OVERLAPPED where{};
    where.OffsetHigh = kLockOffsetHigh;
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(file);
        return FromError(error == ERROR_IO_PENDING ? ERROR_LOCK_VIOLATION : error);
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return {};
}

FileStatus LockedFile::ReadChunks(const ChunkSink& sink) const {
    if (!IsOpen())
        return During(FileAction::kRead, FromError(ERROR_INVALID_HANDLE));
    if (FileStatus status = CheckHandle(AsHandle(handle_)); !status.Ok())
        return During(FileAction::kRead, status);
    return During(FileAction::kRead, ReadHandle(AsHandle(handle_), sink));
}

// The file is opened without FILE_SHARE_DELETE, so nobody can rename or
// remove it while it is open: the name always leads to it.
bool LockedFile::IsAt(const std::string&) const {
    return IsOpen();
}

FileStatus LockedFile::Size(std::uint64_t& size) const {
    if (!IsOpen())
        return FromError(ERROR_INVALID_HANDLE);
    LARGE_INTEGER value;
    if (!::GetFileSizeEx(AsHandle(handle_), &value))
        return LastError();
    size = static_cast<std::uint64_t>(value.QuadPart);
    return {};
}

FileStatus LockedFile::Append(std::string_view bytes, std::size_t replaceLast) {
    return During(FileAction::kWrite, Write(bytes, replaceLast));
}

FileStatus LockedFile::Write(std::string_view bytes, std::size_t replaceLast) {
    std::uint64_t size = 0;
    if (FileStatus status = Size(size); !status.Ok())
        return status;
    HANDLE file = AsHandle(handle_);
    if (replaceLast > size)
        replaceLast = static_cast<std::size_t>(size);
    const std::uint64_t offset = size - replaceLast;
    if (offset + bytes.size() > kMaxCatalogueBytes)
        return TooLarge();
    // The bytes to be replaced, to put back should the write fail halfway.
    std::string replaced(replaceLast, '\0');
    DWORD n = 0;
    if (replaceLast > 0) {
        if (!ReadAt(file, offset, replaced.data(), static_cast<DWORD>(replaceLast), n))
            return LastError();
        if (n != replaceLast)
            return FromError(ERROR_READ_FAULT);
    }
    DWORD written = 0;
    const bool ok = WriteAt(file, offset, bytes.data(), static_cast<DWORD>(bytes.size()), written);
    DWORD error = ERROR_SUCCESS;
    if (!ok || written != bytes.size())
        error = ok ? ERROR_DISK_FULL : ::GetLastError();
    else if (!::FlushFileBuffers(file))
        error = ::GetLastError();
    if (error != ERROR_SUCCESS) {
        // Take the line back rather than leave half an entry (or one the
        // disk may not hold) in the file, and put back what it replaced.
        SetSize(file, size);
        if (replaceLast > 0)
            WriteAt(file, offset, replaced.data(), static_cast<DWORD>(replaceLast), n);
        return FromError(error);
    }
    return {};
}

void LockedFile::Close() {
    if (!IsOpen())
        return;
    ::CloseHandle(AsHandle(handle_));  // closing releases the lock
    handle_ = kNoHandle;
}

FileStatus ReadFileChunks(const std::string& path, const ChunkSink& sink) {
    FileStatus status;
    // Reading only: the file may be held (and written) by a running vek.
    HANDLE file =
        OpenChecked(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    OPEN_EXISTING, status);
    if (file == INVALID_HANDLE_VALUE)
        return status;
    status = During(FileAction::kRead, ReadHandle(file, sink));
    ::CloseHandle(file);
    return status;
}

// The code page converts whole, well-formed text; what it does with a bad
// byte is its own affair. So the bytes are first cut into sequences of the
// GB18030 forms here, and each byte that starts none, or starts one the
// code page maps to no character, becomes U+FFFD on its own, decoding going
// on with the next byte: the same text as on every other system.
Gb18030Decoder::Gb18030Decoder() : converter_(nullptr) {}

Gb18030Decoder::~Gb18030Decoder() = default;

void Gb18030Decoder::Run(std::string_view bytes, bool last, std::string& out) {
    std::wstring wide;
    std::size_t i = 0;
    while (i < bytes.size()) {
        // The longest run of whole sequences, in one call.
        std::size_t end = i;
        int length = 0;
        while (end < bytes.size() && (length = SequenceLength(bytes, end)) > 0) end += length;
        if (end > i) {
            if (DecodeWhole(bytes.substr(i, end - i), wide)) {
                i = end;
                continue;
            }
            // A sequence the code page does not know: the ones before it
            // decode, it starts over one byte further on.
            while (i < end && DecodeWhole(bytes.substr(i, SequenceLength(bytes, i)), wide))
                i += SequenceLength(bytes, i);
            if (i < end) {
                wide += L'\uFFFD';
                ++i;
            }
            continue;
        }
        if (length < 0 && !last) {
            pending_.assign(bytes.substr(i));  // completed by the next piece
            break;
        }
        wide += L'\uFFFD';  // starts no sequence, or one cut short at the end
        ++i;
    }
    out += Utf16ToUtf8(wide.data(), static_cast<int>(wide.size()));
}

std::optional<std::string> Utf8ToGb18030(std::string_view utf8) {
    const std::string clean = SanitizeUtf8(utf8);
    if (clean.empty())
        return std::string();
    const int length = static_cast<int>(clean.size());
    const int wideSize = ::MultiByteToWideChar(CP_UTF8, 0, clean.data(), length, nullptr, 0);
    if (wideSize <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, clean.data(), length, wide.data(), wideSize);
    if (!HasGb18030CodePage())
        return EncodeWithoutGb18030(wide);
    // Every character has a GB18030 code; the code page takes no default
    // character of its own.
    const int size = ::WideCharToMultiByte(kGb18030CodePage, 0, wide.data(), wideSize, nullptr, 0,
                                           nullptr, nullptr);
    if (size <= 0)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(kGb18030CodePage, 0, wide.data(), wideSize, out.data(), size, nullptr,
                          nullptr);
    return out;
}

}  // namespace vek::units::platform

#endif  // defined(_WIN32)
