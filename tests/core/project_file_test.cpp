// SPDX-License-Identifier: MIT
// Project files: what reading refuses as a whole (with its reason), what it
// skips and reports, that a saved project reads back the same, and that a
// file is replaced whole or not at all. The calculation book's frame.

#include "calc/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

#include "calc/book.h"
#include "units/whole_file.h"

namespace fs = std::filesystem;

namespace {

struct Refusal {
    const char* name;
    std::string bytes;
    const char* reason;
};

TEST(ProjectFile, RefusesWhatIsNoProjectWithItsReason) {
    const Refusal cases[] = {
        {"cut short", R"({"format": 1, "calculators": {"sewage": )",
         "项目文件不完整（在结尾处中断），可能没有保存完。"},
        {"broken", "{\"format\": 1,\n  x}", "项目文件已损坏：第 2 行第 3 列不是合法的 JSON。"},
        {"not UTF-8", "{\"format\": 1, \"name\": \"\xb9\xa4\"}",
         "项目文件不是 UTF-8 编码的文本，不是 vek 保存的输入。"},
        {"newer", R"({"format": 2})",
         "项目文件是较新的 vek 写的（格式版本 2），这个 vek 只能读格式版本 1，请用新版 vek 打开。"},
        {"no format", R"({"calculators": {}})", "这不是 vek 的项目文件（没有格式版本“format”）。"},
        {"a list", "[1, 2]", "这不是 vek 的项目文件（没有格式版本“format”）。"},
        {"too large", std::string(kMaxProjectBytes + 1, ' '),
         "项目文件太大（超过 4 MB），不是 vek 保存的输入。"},
    };
    for (const Refusal& c : cases) {
        const ProjectRead read = ParseProject(c.bytes);
        EXPECT_FALSE(read.project) << c.name;
        EXPECT_EQ(read.error, c.reason) << c.name;
    }
}

TEST(ProjectFile, SkipsAndReportsWhatItDoesNotKnow) {
    const ProjectRead read = ParseProject(R"({"format": 1, "name": "某厂", "calculators": {
        "boiler": {},
        "flue-gas": {"computed": false, "choices": {"fuel": "coal", "ash": "1"},
                     "inputs": {"use": "12abc", "volume": "5", "sulphur": 2, "x\ny": "1"}},
        "protection-distance": {"choices": {"pollutant": "苯", "stack": 1, "reaction": "7"}}}})");
    ASSERT_TRUE(read.project);
    EXPECT_EQ(read.project->name, "某厂");
    const std::vector<std::string> problems = {
        "没有名为“boiler”的计算，已跳过。",
        "flue-gas：没有输入项“volume”，已跳过。",
        "flue-gas：sulphur 的值应是文字（带引号），已跳过。",
        "flue-gas：没有输入项“x?y”，已跳过。",
        "protection-distance：reaction 没有选项“7”，已跳过。",
    };
    EXPECT_EQ(read.problems, problems);

    ASSERT_EQ(read.project->entries.size(), 2u);
    const ProjectEntry& flue = read.project->entries[0];
    EXPECT_FALSE(flue.computed);
    // A choice and a number field in the other object are still taken for
    // what the field is; a text the page would refuse is kept as it is.
    EXPECT_EQ(flue.choices, (decltype(flue.choices){{"fuel", "coal"}}));
    EXPECT_EQ(flue.inputs, (decltype(flue.inputs){{"use", "12abc"}, {"ash", "1"}}));
    EXPECT_EQ(read.project->entries[1].choices,
              (decltype(flue.choices){{"pollutant", "苯"}, {"stack", "1"}}));
}

TEST(ProjectFile, ReadsBackWhatItWrites) {
    Project project{"锅炉改造",
                    "1.0.0.3",
                    {{"sewage", true, {{"workers", "100"}, {"residents", " 20x"}}, {}},
                     {"leq", false, {{"levels", "70.5,65;60"}}, {{"quantity", "ldn"}}}}};
    const ProjectRead read = ParseProject(ProjectJson(project));
    ASSERT_TRUE(read.project) << read.error;
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.project->name, project.name);
    EXPECT_EQ(read.project->vekVersion, project.vekVersion);
    const auto fields = [](const ProjectEntry& e) {
        return std::tie(e.calculator, e.computed, e.inputs, e.choices);
    };
    ASSERT_EQ(read.project->entries.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_TRUE(fields(read.project->entries[i]) == fields(project.entries[i])) << i;
}

class WholeFile : public ::testing::Test {
protected:
    void SetUp() override {
        const char* scratch = std::getenv("VEK_TEST_TMP");
        dir_ = (scratch ? fs::path(scratch) : fs::temp_directory_path()) /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        // The file name is Chinese: the file system takes it as UTF-8 through
        // PathOf on every system, as the program's own calls do.
        file_ = dir_ / vek::units::PathOf("工程.vek");
        path_ = Utf8(file_);
    }
    static std::string Utf8(const fs::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    }
    void TearDown() override {
        // Windows removes no read-only file.
        std::error_code ignored;
        fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(dir_);
    }
    std::string Content() const {
        std::ifstream in(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
    fs::path file_;
    std::string path_;  // UTF-8
};

TEST_F(WholeFile, ReplacesTheContentAndLeavesNoTemporaryFile) {
    EXPECT_EQ(vek::units::ReplaceFileContent(path_, "old"), "");
    EXPECT_EQ(vek::units::ReplaceFileContent(path_, "new"), "");
    EXPECT_EQ(Content(), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(WholeFile, KeepsTheOldFileWholeWhenItCannotBeReplaced) {
    ASSERT_EQ(vek::units::ReplaceFileContent(path_, "old"), "");
    fs::permissions(file_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(vek::units::ReplaceFileContent(path_, "new"), "无法写入：文件是只读的");
    EXPECT_EQ(Content(), "old");
    EXPECT_EQ(
        vek::units::ReplaceFileContent(Utf8(dir_ / vek::units::PathOf("无此文件夹/a.vek")), "new"),
        "无法写入：文件不存在");
}

#if !defined(_WIN32)
// A disk that fills while the new content is written (a file-size limit
// stands in for it): the old file stays whole and no temporary file is left.
TEST_F(WholeFile, KeepsTheOldFileWholeWhenTheDiskFills) {
    ASSERT_EQ(vek::units::ReplaceFileContent(path_, "old"), "");
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of the signal
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string error = vek::units::ReplaceFileContent(path_, std::string(100000, 'x'));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, "无法写入：文件超过允许的大小");
    EXPECT_EQ(Content(), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// A book written to a pipe or a device (a FIFO here, /dev/stdout for a
// user) goes into it; renaming a file over it would replace the device node.
TEST_F(WholeFile, WritesIntoAPipeInsteadOfReplacingIt) {
    const fs::path fifo = dir_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(vek::units::ReplaceFileContent(fifo.string(), "book"), "");
    char got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 4);
    ::close(reader);
    EXPECT_EQ(std::string(got), "book");
    EXPECT_TRUE(fs::is_fifo(fifo));
}
#endif

TEST_F(WholeFile, RefusesAHugeProjectFileBeforeReadingIt) {
    { std::ofstream out(file_, std::ios::binary); }
    fs::resize_file(file_, 100u * 1024 * 1024);  // sparse: nothing is written
    const ProjectRead read = ReadProjectFile(path_);
    EXPECT_FALSE(read.project);
    EXPECT_EQ(read.error, "项目文件太大（超过 4 MB），不是 vek 保存的输入。");
}

TEST(CalculationBook, FramesTheRecordsUnderTitleDateAndVersion) {
    CalcRecord record;
    record.title = "有机溶剂散发量";
    record.formulas = {"G=1"};
    const CalcRecord records[] = {record, record};
    const BookHeading heading{BookTitle(""), "2026-12-07", "1.0.0.3"};
    EXPECT_EQ(BookPlainText(heading, records),
              "vek 计算书\n日期：2026-12-07\nvek 版本：1.0.0.3\n\n" + RecordPlainText(record) +
                  "\n" + RecordPlainText(record));
    EXPECT_EQ(BookMarkdown(BookHeading{BookTitle("A*厂"), "2026-12-07", "1.0.0.3"}, records)
                  .substr(0, 52),
              "# A\\*厂\n\n日期：2026-12-07\n\nvek 版本：1.0.0.3\n");
    const std::string html = BookHtml({"<厂>", "2026-12-07", "1.0.0.3"}, records);
    EXPECT_NE(html.find("<title>&lt;厂&gt;</title>"), std::string::npos);
    EXPECT_EQ(html.find("<meta charset=\"utf-8\">"), html.rfind("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(html.ends_with("</table>\n</body>\n</html>\n"));
}

}  // namespace
