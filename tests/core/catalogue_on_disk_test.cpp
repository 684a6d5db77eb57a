// SPDX-License-Identifier: MIT
// data.ini changed on disk by other programs while vek holds it, a write the
// system refuses halfway, and the Chinese words every file error is given.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "units/file_error_text.h"
#include "units/unit_catalogue.h"

#if !defined(_WIN32)
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
namespace platform = vek::units::platform;

namespace {

TEST(FileErrorText, ReasonsAreChineseAndTheVerbSaysWhatFailed) {
    using platform::FileAction;
    using platform::FileFault;
    const struct {
        const char* name;
        platform::FileStatus status;
        const char* message;
    } cases[] = {
        {"folder", {FileFault::kOther, EISDIR}, "无法打开 data.ini：是一个文件夹"},
        {"missing", {FileFault::kOther, ENOENT}, "无法打开 data.ini：文件不存在"},
        {"full_disk_on_write",
         {FileFault::kOther, ENOSPC, 0, FileAction::kWrite},
         "无法写入 data.ini：磁盘空间不足"},
        {"device_error_on_read",
         {FileFault::kOther, EIO, 0, FileAction::kRead},
         "无法读取 data.ini：读写磁盘时出错"},
        {"unknown_errno", {FileFault::kOther, 4095}, "无法打开 data.ini：错误代码 4095"},
        {"system_code_without_errno",
         {FileFault::kOther, 0, 1784, FileAction::kWrite},
         "无法写入 data.ini：错误代码 1784"},
        {"no_permission_to_write",
         {FileFault::kNoPermission, EACCES, 0, FileAction::kWrite},
         "没有权限写入 data.ini。"},
        {"busy", {FileFault::kBusy, EWOULDBLOCK}, "data.ini 正被其他程序使用，无法打开。"},
        {"none", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vek::units::FileErrorMessage(c.status, "data.ini"), c.message) << c.name;
}

#if !defined(_WIN32)

class CatalogueOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const char* scratch = std::getenv("VEK_TEST_TMP");
        dir_ = (scratch ? fs::path(scratch) : fs::temp_directory_path()) /
               ("catalogue_on_disk_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "data.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::string Units(const UnitCatalogue& c) {
        std::string units;
        for (std::size_t i = 0; i < c.EntryCount(); ++i) units += c.Entry(i).unit + ",";
        return units;
    }

    fs::path dir_;
    std::string path_;
};

// An editor saves by writing a new file and renaming it over data.ini; a
// user may remove the file. The next add goes to the file the name leads to
// (created when missing), so the hand edit and the new unit are both there.
// A change made in place (appended, cut short) is simply the file as it is.
TEST_F(CatalogueOnDisk, AnAddReachesTheFileTheNameLeadsTo) {
    const std::string first = "[长度][1][米]=[100][厘米]\r\n";
    Write(path_, first);
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");

    // Saved over by an editor.
    Write(path_ + ".tmp", first + "[长度][1][米]=[0.001][千米]\r\n");
    fs::rename(path_ + ".tmp", path_);
    ASSERT_EQ(c.AppendEntry("长度", "1", "米", "1000", "毫米"), "");
    EXPECT_EQ(Read(), first + "[长度][1][米]=[0.001][千米]\r\n[长度][1][米]=[1000][毫米]\r\n");
    EXPECT_EQ(Units(c), "厘米,千米,毫米,");
    // The file vek now holds is locked against a second copy.
    UnitCatalogue second(path_);
    EXPECT_EQ(second.Load(), path_ + " 正被其他程序使用，无法打开。");

    // Removed: created anew (a new file is GB18030, so ASCII names here).
    fs::remove(path_);
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "10", "dm"), "");
    EXPECT_EQ(Read(), "[L][1][m]=[10][dm]\r\n");
    EXPECT_EQ(Units(c), "dm,");

    // Changed in place: appended to, then cut short, between two adds.
    std::ofstream(path_, std::ios::binary | std::ios::app) << "[L][1][m]=[1000][mm]\r\n";
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "100", "cm"), "");
    EXPECT_EQ(Units(c), "dm,mm,cm,");
    fs::resize_file(path_, 0);
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "0.001", "km"), "");
    EXPECT_EQ(Read(), "[L][1][m]=[0.001][km]\r\n");
    EXPECT_EQ(Units(c), "km,");
}

// When the file the name now leads to cannot be taken (here a folder put in
// its place), the add reports why and nothing is lost: the old entries stay
// and the next add, once the name leads to a file again, goes there.
TEST_F(CatalogueOnDisk, AReplacementThatCannotBeOpenedIsReported) {
    Write(path_, "[长度][1][米]=[100][厘米]\r\n");
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    fs::remove(path_);
    fs::create_directory(path_);
    EXPECT_EQ(c.AppendEntry("长度", "1", "米", "1000", "毫米"),
              "无法打开 " + path_ + "：是一个文件夹");
    EXPECT_EQ(Units(c), "厘米,");
    fs::remove(path_);
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "1000", "mm"), "");
    EXPECT_EQ(Read(), "[L][1][m]=[1000][mm]\r\n");
}

// A soft file-size limit just above the file's size lets the system store
// only part of the line: the part is cut back, bytes the line was to replace
// (a UTF-8 character cut short at the end) are put back, and the message
// says the write failed.
TEST_F(CatalogueOnDisk, AWriteStoppedHalfwayIsTakenBack) {
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"after_a_line_break", "[长度][1][米]=[100][厘米]\r\n"},
        {"over_a_character_cut_short", "[长度][1][米]=[100][厘米]\r\n[长度][1][米]=[3][尺\xE5\xB0"},
    };
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of the signal
    for (const auto& c : cases) {
        Write(path_, c.file);
        UnitCatalogue catalogue(path_);
        ASSERT_EQ(catalogue.Load(), "") << c.name;
        rlimit old{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit limited = old;
        limited.rlim_cur = c.file.size() + 6;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const std::string error = catalogue.AppendEntry("长度", "1", "米", "1000", "毫米");
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
        EXPECT_EQ(error, "无法写入 " + path_ + "：文件超过允许的大小") << c.name;
        EXPECT_EQ(Read(), c.file) << c.name;
        EXPECT_EQ(catalogue.AppendEntry("长度", "1", "米", "1000", "毫米"), "") << c.name;
        EXPECT_EQ(catalogue.EntryCount(), 2u + (c.file.back() != '\n')) << c.name;
    }
    ::signal(SIGXFSZ, oldHandler);
}

#endif  // !defined(_WIN32)

}  // namespace
