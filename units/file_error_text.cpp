// SPDX-License-Identifier: MIT
#include "units/file_error_text.h"

#include <cerrno>
#include <iterator>

namespace vek::units {

namespace {

struct Reason {
    int error;
    const char* text;
};

// The errors open, read, write, flush and lock calls return on POSIX and
// what the Windows side maps its own to.
constexpr Reason kReasons[] = {
    {platform::kNotRegularFile, "不是普通文件"},
    {platform::kNoConverter, "系统缺少 GB18030 编码转换"},
    {ENOENT, "文件不存在"},
    {EISDIR, "是一个文件夹"},
    {ENOTDIR, "路径中有一段不是文件夹"},
    {ENOSPC, "磁盘空间不足"},
    {EFBIG, "文件超过允许的大小"},
    {EACCES, "没有权限"},
    {EPERM, "没有权限"},
    {EROFS, "磁盘是只读的"},
    {EIO, "读写磁盘时出错"},
    {ENOMEM, "内存不足"},
    {EBADF, "文件没有打开"},
    {EBUSY, "文件正被使用"},
    {ETXTBSY, "文件正被使用"},
    {EWOULDBLOCK, "文件正被其他程序使用"},
    {EEXIST, "文件已存在"},
    {ENAMETOOLONG, "文件名太长"},
    {ELOOP, "符号链接太多"},
    {EMFILE, "打开的文件太多"},
    {ENFILE, "打开的文件太多"},
    {ENXIO, "设备不存在"},
    {ENODEV, "设备不存在"},
    {EINVAL, "参数无效"},
    {EINTR, "操作被中断"},
    {EPIPE, "读取的一方已关闭"},
    {EOVERFLOW, "文件太大"},
#if defined(EDQUOT)
    {EDQUOT, "超出磁盘配额"},
#endif
};

const char* Verb(platform::FileAction action) {
    switch (action) {
        case platform::FileAction::kRead:
            return "读取";
        case platform::FileAction::kWrite:
            return "写入";
        case platform::FileAction::kOpen:
            break;
    }
    return "打开";
}

}  // namespace

std::string ErrnoReason(int error) {
    for (const Reason& reason : kReasons)
        if (reason.error == error)
            return reason.text;
    return "错误代码 " + std::to_string(error);
}

std::string FileErrorReason(const platform::FileStatus& status) {
    if (status.error == 0 && status.systemCode != 0)
        return "错误代码 " + std::to_string(status.systemCode);
    return ErrnoReason(status.error);
}

std::string FileErrorMessage(const platform::FileStatus& status, const std::string& name) {
    const std::string verb = Verb(status.action);
    switch (status.fault) {
        case platform::FileFault::kNone:
            return {};
        case platform::FileFault::kBusy:
            return name + " 正被其他程序使用，无法打开。";
        case platform::FileFault::kNoPermission:
            return "没有权限" + verb + " " + name + "。";
        case platform::FileFault::kReadOnlyDisk:
            return name + " 所在的磁盘是只读的。";
        case platform::FileFault::kTooLarge:
            return name + " 太大，无法" + verb + "。";
        case platform::FileFault::kOther:
            break;
    }
    return "无法" + verb + " " + name + "：" + FileErrorReason(status);
}

}  // namespace vek::units
