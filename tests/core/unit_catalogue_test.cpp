// SPDX-License-Identifier: MIT
// data.ini: its lines and encodings, the file on disk with its lock, its
// errors in Chinese, other programs changing it while vek holds it, and the
// writing process killed at any moment.
#include "units/unit_catalogue.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <process.h>
#else
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "units/catalogue_format.h"
#include "units/file_error_text.h"
#include "units/platform_file.h"
#include "units/utf8.h"

using namespace vek::units;
namespace fs = std::filesystem;

namespace {

// GBK bytes of the names used below.
const std::string kLengthGbk = "\xB3\xA4\xB6\xC8";  // 长度
const std::string kMetreGbk = "\xC3\xD7";           // 米
const std::string kMuGbk = "\xC4\xB6";              // 亩, also well-formed UTF-8 ("Ķ")
const float kInf = std::numeric_limits<float>::infinity();

int ProcessId() {
#if defined(_WIN32)
    return ::_getpid();
#else
    return ::getpid();
#endif
}

UnitEntry Entry(std::string kind, float bq, std::string bu, float q, std::string u) {
    return {std::move(kind), bq, std::move(bu), q, std::move(u)};
}

std::vector<UnitEntry> EntriesOf(const UnitCatalogue& c) {
    std::vector<UnitEntry> entries;
    for (std::size_t i = 0; i < c.EntryCount(); ++i) entries.push_back(c.Entry(i));
    return entries;
}

// The units of every line, in file order ("cm,dm,").
[[maybe_unused]] std::string UnitsOf(const UnitCatalogue& c) {
    std::string units;
    for (std::size_t i = 0; i < c.EntryCount(); ++i) units += c.Entry(i).unit + ",";
    return units;
}

// --- One line, five fields -------------------------------------------------

// Numbers read like atof in the C locale, whatever locale the program runs in.
const struct {
    const char* name;
    const char* line;
    UnitEntry expected;
} kLines[] = {
    {"worked_example", "[长度][1][米]=[100][厘米]", Entry("长度", 1, "米", 100, "厘米")},
    {"blank_line", "", Entry("", 0, "", 0, "")},
    {"one_bracketed_name_fills_three_fields", "[X]", Entry("X", 0, "X", 0, "X")},
    {"three_fields_restart_from_line_start", "[a][1][m]", Entry("a", 1, "m", 0, "a")},
    {"blanks_kept_inside_only", " [a] [1] [ m] = [2] [c m ]", Entry("a", 1, " m", 2, "c m ")},
    {"extra_fields_ignored", "[a][1][m]=[2][cm][x][y]", Entry("a", 1, "m", 2, "cm")},
    {"exponent_and_trailing_text", "[a][1e3][m]=[12abc][cm]", Entry("a", 1000, "m", 12, "cm")},
    {"unreadable_and_empty_numbers_are_0", "[a][abc][m]=[][cm]", Entry("a", 0, "m", 0, "cm")},
    {"sign_and_comma", "[a][ \t-2.5][m]=[1,5][cm]", Entry("a", -2.5f, "m", 1, "cm")},
    {"partial_numbers", "[a][+.5][m]=[1.5e-1x][cm]", Entry("a", 0.5f, "m", 0.15f, "cm")},
    {"no_hex_inf_or_nan", "[a][0x10][inf]=[nan][1e]", Entry("a", 0, "inf", 0, "1e")},
    {"beyond_double_range", "[a][1e999][m]=[1e-999][cm]", Entry("a", kInf, "m", 0, "cm")},
    {"stored_in_single_precision", "[a][0.1][m]=[1e40][cm]", Entry("a", 0.1f, "m", kInf, "cm")},
    {"bracket_inside_a_name_misreads", "[a[b][1][m]=[2][cm]", Entry("a[b", 0, "1][m", 0, "2][cm")},
};

TEST(UnitCatalogueLine, FieldsByBracketPositionInAnyLocale) {
    for (const char* locale : {"C", "de_DE.UTF-8", "German"}) {  // the last: Windows
        if (!std::setlocale(LC_ALL, locale))
            continue;  // no decimal-comma locale installed
        for (const auto& c : kLines)
            EXPECT_EQ(ParseEntryLine(c.line), c.expected) << c.name << " in " << locale;
    }
    std::setlocale(LC_ALL, "C");
}

// --- Whole files: lines and encodings --------------------------------------

TEST(UnitCatalogueFileText, EncodingLinesAndNames) {
    constexpr auto GB = FileEncoding::kGb18030;
    constexpr auto UTF8 = FileEncoding::kUtf8;
    const struct {
        const char* name;
        std::string bytes;
        FileEncoding encoding;
        std::vector<std::string> kinds;  // the kind of every entry, in order
    } files[] = {
        {"empty_file", "", GB, {}},
        {"lone_line_break_is_one_blank_line", "\n", GB, {""}},
        {"last_line_without_break_counts", "[a]\r\n[b]", GB, {"a", "b"}},
        {"bare_lf_and_blank_lines", "[a]\n\n[b]\n", GB, {"a", "", "b"}},
        {"gbk_text", "[" + kLengthGbk + "][1][" + kMetreGbk + "]", GB, {"长度"}},
        {"gb18030_four_byte_character", "[\x95\x32\x82\x36]", GB, {"𠀀"}},
        {"utf8_without_bom", "[长度][1][米]", UTF8, {"长度"}},
        {"utf8_bom_not_part_of_first_kind", "\xEF\xBB\xBF[a]\n[b]", UTF8, {"a", "b"}},
        {"utf8_bom_with_invalid_byte", "\xEF\xBB\xBF[\xC3(]", UTF8, {"\uFFFD("}},
        {"invalid_utf8_is_gb18030", "[é]\n[\x80]\n[\xFF]", GB, {"茅", "\uFFFD", "\uFFFD"}},
        {"lead_byte_before_break_loses_no_line", "[a\x81\n[b]\n[c\xFE", GB, {"", "b", ""}},
        // A save cut in the middle of the last character keeps the file's
        // names; the same cut anywhere else is an invalid sequence.
        {"utf8_cut_in_last_character_stays_utf8",
         "[长度]\n[米]\n[\xE5\x8E",
         UTF8,
         {"长度", "米", ""}},
        {"utf8_cut_in_last_kind", "[长度]\n[米\xE5\x8E", UTF8, {"长度", ""}},
        {"utf8_cut_before_a_break_is_gb18030", "[长度]\n[米\xE5\x8E\n", GB, {"闀垮害", ""}},
        {"ascii_with_cut_sequence_is_gb18030", "[a]\n[b\xE5", GB, {"a", ""}},
    };
    for (const auto& c : files) {
        EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << c.name;
        std::vector<std::string> kinds;
        for (const auto& e : UnitCatalogue::ParseContent(c.bytes)) kinds.push_back(e.kind);
        EXPECT_EQ(kinds, c.kinds) << c.name;
    }
    // A sequence that only looks like UTF-8 (an overlong form, a surrogate, a
    // value beyond U+10FFFF) makes the file GB18030, however much Chinese
    // UTF-8 it holds besides.
    for (const std::string bad : {"\xE0\x9F\xB0", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_EQ(DetectEncoding("[长度][1][米]\r\n[x" + bad + "]\r\n[长度]"), GB) << bad;
}

// A character cut short at the very end reads as one U+FFFD.
TEST(UnitCatalogueFileText, CharacterCutShortAtTheEndIsOneReplacement) {
    for (const std::string cut : {"\xE5", "\xE5\x8E", "\xF0\x9F\x98"}) {
        EXPECT_EQ(DecodeCatalogue("[长度][1][米]=[1][厘" + cut), "[长度][1][米]=[1][厘\uFFFD")
            << cut;
        EXPECT_EQ(DecodeCatalogue("\xEF\xBB\xBF[a\xFF]" + cut), "[a\uFFFD]\uFFFD") << cut;
    }
}

// Invalid bytes become U+FFFD inside their field; a GBK trail byte equal to
// '[' or ']' belongs to its character and does not split the fields.
TEST(UnitCatalogueFileText, InvalidBytesAndBracketTrailBytes) {
    EXPECT_EQ(UnitCatalogue::ParseContent("[k][1][a\x80]=[2][b\xFF]\n[k2]"),
              (std::vector{Entry("k", 1, "a\uFFFD", 2, "b\uFFFD"), Entry("k2", 0, "k2", 0, "k2")}));
    EXPECT_EQ(UnitCatalogue::ParseContent("[\x81\x5B\x81\x5D][1][m]=[2][\x94\x5B\x93\x5D]"),
              std::vector{Entry("乕乚", 1, "m", 2, "擺揮")});
}

TEST(FileErrorText, ReasonsAreChineseAndTheVerbSaysWhatFailed) {
    using platform::FileAction;
    using platform::FileFault;
    const struct {
        platform::FileStatus status;
        const char* message;
    } cases[] = {
        {{FileFault::kOther, EISDIR}, "无法打开 data.ini：是一个文件夹"},
        {{FileFault::kOther, ENOENT}, "无法打开 data.ini：文件不存在"},
        {{FileFault::kOther, ENOSPC, 0, FileAction::kWrite}, "无法写入 data.ini：磁盘空间不足"},
        {{FileFault::kOther, EIO, 0, FileAction::kRead}, "无法读取 data.ini：读写磁盘时出错"},
        {{FileFault::kOther, 4095}, "无法打开 data.ini：错误代码 4095"},
        {{FileFault::kOther, 0, 1784, FileAction::kWrite}, "无法写入 data.ini：错误代码 1784"},
        {{FileFault::kNoPermission, EACCES, 0, FileAction::kWrite}, "没有权限写入 data.ini。"},
        {{FileFault::kBusy, EWOULDBLOCK}, "data.ini 正被其他程序使用，无法打开。"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vek::units::FileErrorMessage(c.status, "data.ini"), c.message) << c.message;
}

// --- The file on disk -------------------------------------------------------

// A fresh directory per test, removed afterwards.
class CatalogueFile : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const char* scratch = std::getenv("VEK_TEST_TMP");
        dir_ = (scratch ? fs::path(scratch) : fs::temp_directory_path()) /
               ("unit_catalogue_" + std::to_string(ProcessId()) + "_" + std::to_string(counter++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "data.ini").string();
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    void Write(const std::string& bytes) { WriteTo(path_, bytes); }
    static void WriteTo(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(CatalogueFile, KindsUnitsAndFactors) {
    Write(
        "\n[长度][1][米]=[100][厘米]\r\n[长度][1][米]=[0.001][千米]\r\n\n"
        "[质量][1][千克]=[1000][克]\r\n[质量][1][千克]=[0.001][吨]\n[体积][1][立方米]=[1][吨]\n"
        "[质量][1][千克]=[0.002][吨]\n[a][2][m]=[3][cm]\n[a][5][x]=[4][dm]");
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    // Blank lines list the empty kind once, in order of first appearance.
    EXPECT_EQ(c.KindsInOrder(), (std::vector<std::string>{"", "长度", "质量", "体积", "a"}));
    const KindUnits length = c.UnitsOfKind("长度");
    EXPECT_EQ(length.baseUnit, "米");
    EXPECT_EQ(length.baseQuantity, 1.0f);
    EXPECT_EQ(length.units, (std::vector<std::string>{"厘米", "千米"}));
    EXPECT_EQ(c.UnitsOfKind("a").baseQuantity, 2.0f);  // from the kind's first line
    EXPECT_EQ(c.UnitsOfKind("a").units, (std::vector<std::string>{"cm", "dm"}));
    EXPECT_FALSE(c.UnitsOfKind("面积").HasEntries());
    EXPECT_EQ(c.UnitsOfKind("面积").baseQuantity, 0.0f);
    // 吨 takes its factor from its own kind's lines, the last one winning;
    // -7 is the current factor kept when the kind has no such unit.
    const struct {
        const char* kind;
        const char* name;
        float factor;
    } factors[] = {{"长度", "米", 1},   {"长度", "厘米", 100}, {"长度", "千米", 0.001f},
                   {"质量", "千克", 1}, {"质量", "克", 1000},  {"质量", "吨", 0.002f},
                   {"体积", "吨", 1},   {"质量", "米", -7},    {"面积", "米", -7}};
    for (const auto& f : factors)
        EXPECT_EQ(c.FactorOf(f.kind, f.name, -7), f.factor) << f.kind << " " << f.name;
}

// Many distinct kinds, each met again later: the index that keeps listing
// the kinds one pass over the file finds every kind, in order of first
// appearance, and the units of each.
TEST_F(CatalogueFile, ManyKindsInOrderOfFirstAppearance) {
    std::string text;
    for (int round = 0; round < 2; ++round)
        for (int k = 0; k < 5000; ++k)
            text += "[种类" + std::to_string(k * 7919 % 5000) + "][1][m]=[2][u" +
                    std::to_string(round) + "]\r\n";
    Write(text);
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    const std::vector<std::string> kinds = c.KindsInOrder();
    ASSERT_EQ(kinds.size(), 5000u);
    for (int k = 0; k < 5000; k += 97) {
        EXPECT_EQ(kinds[k], "种类" + std::to_string(k * 7919 % 5000));
        EXPECT_EQ(c.UnitsOfKind(kinds[k]).units, (std::vector<std::string>{"u0", "u1"}));
    }
}

TEST_F(CatalogueFile, MissingFileIsCreatedEmpty) {
    UnitCatalogue c(path_);
    EXPECT_EQ(c.Load(), "");
    EXPECT_TRUE(EntriesOf(c).empty());
    EXPECT_EQ(fs::file_size(path_), 0u);
}

// Appended names come back byte-exact, from memory and after a reload.
TEST_F(CatalogueFile, AppendedNamesComeBackByteExact) {
    const struct {
        const char* name;
        std::string before, kind, unit;
        std::string written;  // bytes the append adds
    } appends[] = {
        {"new_file_gb18030_no_blank_first_line", "", "长度", "米",
         "[" + kLengthGbk + "][1][b]=[2][" + kMetreGbk + "]\r\n"},
        {"gb18030_takes_a_name_outside_gbk", "[" + kLengthGbk + "]\r\n", "𠀀", "😀",
         "[\x95\x32\x82\x36][1][b]=[2][\x94\x39\xFC\x36]\r\n"},
        {"missing_final_break_added_first", "[a][1][b]=[2][c]", "a", "d",
         "\r\n[a][1][b]=[2][d]\r\n"},
        {"utf8_missing_final_break_added_first", "[长度][1][米]=[100][厘米]", "长度", "毫米",
         "\r\n[长度][1][b]=[2][毫米]\r\n"},
        {"bom_only_file_utf8_no_break", "\xEF\xBB\xBF", "长度", "𠀀", "[长度][1][b]=[2][𠀀]\r\n"},
        {"ascii_file_takes_utf8", "[area]\r\n", "area", "亩", "[area][1][b]=[2][亩]\r\n"},
        {"gbk_file_keeps_gbk", "[" + kLengthGbk + "]\n", "area", "亩",
         "[area][1][b]=[2][" + kMuGbk + "]\r\n"},
    };
    for (const auto& a : appends) {
        Write(a.before);
        UnitCatalogue c(path_);
        ASSERT_EQ(c.Load(), "") << a.name;
        const std::size_t count = EntriesOf(c).size() + 1;
        ASSERT_EQ(c.AppendEntry(a.kind, "1", "b", "2", a.unit), "") << a.name;
        EXPECT_EQ(Read(), a.before + a.written) << a.name;
        const std::vector<UnitEntry> appended = EntriesOf(c);
        ASSERT_EQ(appended.size(), count) << a.name;
        EXPECT_EQ(appended.back(), Entry(a.kind, 1, "b", 2, a.unit)) << a.name;
        c.Close();
        UnitCatalogue again(path_);
        ASSERT_EQ(again.Load(), "");
        EXPECT_EQ(EntriesOf(again), appended) << a.name;
    }
}

// Appending to a UTF-8 file whose last character was cut short first writes
// the U+FFFD that character reads as: otherwise the line break after it would
// make it an invalid sequence in mid-file and every name would turn to
// GB18030 mojibake.
TEST_F(CatalogueFile, AppendAfterACharacterCutShortKeepsEveryName) {
    for (const std::string cut : {"\xE5", "\xE5\x8E", "\xF0\x9F\x98"}) {
        Write("[长度][1][米]=[100][厘米]\r\n[长度][1][米]=[2][尺" + cut);
        UnitCatalogue c(path_);
        ASSERT_EQ(c.Load(), "");
        const std::vector<UnitEntry> before = EntriesOf(c);
        ASSERT_EQ(c.AppendEntry("长度", "1", "米", "1000", "毫米"), "");
        EXPECT_EQ(Read(),
                  "[长度][1][米]=[100][厘米]\r\n[长度][1][米]=[2][尺\uFFFD\r\n"
                  "[长度][1][米]=[1000][毫米]\r\n");
        std::vector<UnitEntry> expected = before;
        expected.push_back(Entry("长度", 1, "米", 1000, "毫米"));
        EXPECT_EQ(EntriesOf(c), expected);
    }
}

TEST_F(CatalogueFile, LockIsHeldFromLoadThroughAppendAndReload) {
    const std::string busy = path_ + " 正被其他程序使用，无法打开。";
    UnitCatalogue first(path_), second(path_);
    ASSERT_EQ(first.Load(), "");
    EXPECT_EQ(second.Load(), busy);
    EXPECT_EQ(second.EntryCount(), 0u);
    EXPECT_EQ(second.AppendEntry("k", "1", "b", "2", "u"), busy);
    EXPECT_EQ(Read(), "");
    ASSERT_EQ(first.AppendEntry("k", "1", "b", "2", "u"), "");
    EXPECT_EQ(second.Load(), busy);  // the append's reload kept the lock
    first.Close();
    // Appending to a closed catalogue opens and locks the file again.
    ASSERT_EQ(first.AppendEntry("k", "1", "b", "3", "v"), "");
    EXPECT_EQ(EntriesOf(first).size(), 2u);
    EXPECT_EQ(second.Load(), busy);
    first.Close();
    ASSERT_EQ(second.Load(), "");
    EXPECT_EQ(EntriesOf(second).size(), 2u);
    // Reading for a converter needs no lock and leaves the file alone.
    std::vector<UnitEntry> entries;
    EXPECT_EQ(UnitCatalogue::ReadOnly(path_, entries), "");
    EXPECT_EQ(entries, EntriesOf(second));
}

// Runs fn where permission bits apply: directly, or as root in a child that
// has given up its privileges. Returns what fn returned, or nullopt when the
// privileges cannot be dropped.
std::optional<std::string> WithoutPrivileges(const std::function<std::string()>& fn) {
#if defined(_WIN32)
    return fn();  // the read-only attribute binds every user
#else
    if (::geteuid() != 0)
        return fn();
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string r = (::setgid(65534) == 0 && ::setuid(65534) == 0) ? fn() : "";
        ::_exit(!r.empty() && ::write(fds[1], r.data(), r.size()) == ssize_t(r.size()) ? 0 : 2);
    }
    ::close(fds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? std::optional(result) : std::nullopt;
#endif
}

// A read-only file, then a read-only folder without the file: Load and
// AppendEntry both report the refusal and nothing is written or created.
TEST_F(CatalogueFile, AppendToReadOnlyFileOrFolderWritesNothing) {
    const std::string refused = "没有权限打开 " + path_ + "。";
    const auto tryAppend = [this] {
        UnitCatalogue c(path_);
        const std::string load = c.Load();
        return load + "|" + (EntriesOf(c).empty() ? "empty" : "entries") + "|" +
               c.AppendEntry("k", "1", "b", "2", "u");
    };
    Write("[a][1][b]=[2][c]");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
#if defined(_WIN32)
    if (std::ofstream(path_, std::ios::app)) {
        fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
        GTEST_SKIP() << "this system lets the user write a read-only file (Wine run by root)";
    }
#endif
    auto result = WithoutPrivileges(tryAppend);
    if (!result)
        GTEST_SKIP() << "running as root and cannot drop privileges";
    EXPECT_EQ(*result, refused + "|empty|" + refused);
    EXPECT_EQ(Read(), "[a][1][b]=[2][c]");

    fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(path_);
#if defined(_WIN32)
    return;  // a folder's read-only attribute does not keep files out of it
#endif
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    result = WithoutPrivileges(tryAppend);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, refused + "|empty|" + refused);
    EXPECT_FALSE(fs::exists(path_));
}

std::uint64_t HashOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211u;
    return hash;
}

// What is not a regular file, or is too large to read, is refused at once
// (never read until memory runs out, never waited on); nothing is written.
TEST_F(CatalogueFile, OnlyRegularFilesOfAReadableSizeAreOpened) {
    const std::string tooLarge = path_ + " 太大，无法打开。";
    const std::string notRegular = "无法打开 " + path_ + "：不是普通文件";
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        std::string error;
    } cases[] = {
        {"directory", [](const std::string& p) { fs::create_directory(p); },
         "无法打开 " + path_ + "：是一个文件夹"},
#if !defined(_WIN32)
        {"fifo_without_writer",
         [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0666), 0); }, notRegular},
#endif
        {"just_over_256_MiB",
         [](const std::string& p) {
             std::ofstream(p, std::ios::binary) << "[a][1][b]=[2][c]\n";
             fs::resize_file(p, 256u * 1024 * 1024 + 1);
         },
         tooLarge},
    };
    for (const auto& c : cases) {
        fs::remove_all(path_);
        c.make(path_);
        const bool regular = fs::is_regular_file(path_);
        const std::uint64_t hash = regular ? HashOf(path_) : 0;
        UnitCatalogue catalogue(path_);
        EXPECT_EQ(catalogue.Load(), c.error) << c.name;
        EXPECT_EQ(catalogue.EntryCount(), 0u) << c.name;
        EXPECT_EQ(catalogue.AppendEntry("k", "1", "b", "2", "u"), c.error) << c.name;
        std::vector<UnitEntry> entries;
        EXPECT_EQ(UnitCatalogue::ReadOnly(path_, entries), c.error) << c.name;
        if (regular) {
            EXPECT_EQ(HashOf(path_), hash) << c.name;
        }
    }
#if defined(_WIN32)
    for (const char* device : {"NUL"}) {
#else
    for (const char* device : {"/dev/zero", "/dev/null"}) {
#endif
        const std::string name = device;
        std::vector<UnitEntry> entries;
        EXPECT_EQ(UnitCatalogue::ReadOnly(device, entries), "无法打开 " + name + "：不是普通文件");
        UnitCatalogue catalogue(device);
        EXPECT_EQ(catalogue.Load(), "无法打开 " + name + "：不是普通文件");
    }
}

// Files with bytes that are not text, or not in their encoding, load what
// they can; loading writes nothing, and an append adds its line without
// touching a byte of what was there.
TEST_F(CatalogueFile, DamagedContentLoadsAndIsNeverRewritten) {
    const struct {
        const char* name;
        std::string bytes;
        std::size_t entries;
        UnitEntry first;
    } cases[] = {
        {"nul_bytes", std::string("[a\0b][1][m]=[2][c\0]\n\0\0\n[k]", 26), 3,
         Entry(std::string("a\0b", 3), 1, "m", 2, std::string("c\0", 2))},
        {"invalid_gb18030", "[\x81\x0D\x80][1][\xFF]=[2][\xC3\xD7]\r\n[\x81\x30]\r\n[b", 3,
         Entry("\uFFFD\r\uFFFD", 1, "\uFFFD", 2, "米")},
        {"invalid_utf8_after_bom", "\xEF\xBB\xBF[\xC0\xAF][1][\xED\xA0\x80]=[2][米]\n[\xF8]\n", 2,
         Entry("\uFFFD\uFFFD", 1, "\uFFFD\uFFFD\uFFFD", 2, "米")},
        {"lone_carriage_returns", "[a]\r[b]\r\r\n[c][1][m]=[2][n]\r", 2, Entry("a", 0, "", 0, "b")},
    };
    for (const auto& c : cases) {
        Write(c.bytes);
        const std::uint64_t hash = HashOf(path_);
        UnitCatalogue catalogue(path_);
        ASSERT_EQ(catalogue.Load(), "") << c.name;
        const std::vector<UnitEntry> before = EntriesOf(catalogue);
        ASSERT_EQ(before.size(), c.entries) << c.name;
        EXPECT_EQ(before.front(), c.first) << c.name;
        (void)catalogue.KindsInOrder();
        catalogue.Close();
        EXPECT_EQ(HashOf(path_), hash) << c.name;

        ASSERT_EQ(catalogue.AppendEntry("k", "1", "b", "2", "u"), "") << c.name;
        EXPECT_EQ(Read().substr(0, c.bytes.size()), c.bytes) << c.name;
        std::vector<UnitEntry> after = EntriesOf(catalogue);
        ASSERT_EQ(after.size(), before.size() + 1) << c.name;
        EXPECT_EQ(after.back(), Entry("k", 1, "b", 2, "u")) << c.name;
        after.pop_back();
        EXPECT_EQ(after, before) << c.name;
        catalogue.Close();
    }
}

// Other failures name the file as it was named, folder included, and the
// reason in Chinese, cut to at most 99 characters without splitting one.
TEST_F(CatalogueFile, OtherErrorsCarryAChineseReasonInAtMost99Characters) {
    std::string name;  // 120 two-byte characters: the cut falls inside the name
    for (int i = 0; i < 120; ++i) name += "é";
    // Joined as bytes: a narrow name in a std::filesystem::path is not UTF-8 on Windows.
    const std::string folder = (dir_ / "missing").string() + "/";
    ASSERT_LT(folder.size(), 90u);
    const std::string path = folder + name;
    UnitCatalogue c(path);
    const std::string error = c.Load();
    EXPECT_EQ(error, "无法打开 " + folder + name.substr(0, (94 - folder.size()) * 2));
    EXPECT_EQ(c.AppendEntry("k", "1", "b", "2", "u"), error);
    std::vector<UnitEntry> entries;
    EXPECT_EQ(UnitCatalogue::ReadOnly(path, entries), error);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

// --- Changed or cut short on disk, and a writer killed ---------------------

#if !defined(_WIN32)

// An editor saves by writing a new file and renaming it over data.ini; a
// user may remove the file. The next add goes to the file the name leads to
// (created when missing), so the hand edit and the new unit are both there.
// A change made in place (appended, cut short) is simply the file as it is.
TEST_F(CatalogueFile, AnAddReachesTheFileTheNameLeadsTo) {
    const std::string first = "[长度][1][米]=[100][厘米]\r\n";
    Write(first);
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");

    // Saved over by an editor.
    WriteTo(path_ + ".tmp", first + "[长度][1][米]=[0.001][千米]\r\n");
    fs::rename(path_ + ".tmp", path_);
    ASSERT_EQ(c.AppendEntry("长度", "1", "米", "1000", "毫米"), "");
    EXPECT_EQ(Read(), first + "[长度][1][米]=[0.001][千米]\r\n[长度][1][米]=[1000][毫米]\r\n");
    EXPECT_EQ(UnitsOf(c), "厘米,千米,毫米,");
    // The file vek now holds is locked against a second copy.
    UnitCatalogue second(path_);
    EXPECT_EQ(second.Load(), path_ + " 正被其他程序使用，无法打开。");

    // Removed: created anew (a new file is GB18030, so ASCII names here).
    fs::remove(path_);
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "10", "dm"), "");
    EXPECT_EQ(Read(), "[L][1][m]=[10][dm]\r\n");
    EXPECT_EQ(UnitsOf(c), "dm,");

    // Changed in place: appended to, then cut short, between two adds.
    std::ofstream(path_, std::ios::binary | std::ios::app) << "[L][1][m]=[1000][mm]\r\n";
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "100", "cm"), "");
    EXPECT_EQ(UnitsOf(c), "dm,mm,cm,");
    fs::resize_file(path_, 0);
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "0.001", "km"), "");
    EXPECT_EQ(Read(), "[L][1][m]=[0.001][km]\r\n");
    EXPECT_EQ(UnitsOf(c), "km,");
}

// When the file the name now leads to cannot be taken (here a folder put in
// its place), the add reports why and nothing is lost: the old entries stay
// and the next add, once the name leads to a file again, goes there.
TEST_F(CatalogueFile, AReplacementThatCannotBeOpenedIsReported) {
    Write("[长度][1][米]=[100][厘米]\r\n");
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    fs::remove(path_);
    fs::create_directory(path_);
    EXPECT_EQ(c.AppendEntry("长度", "1", "米", "1000", "毫米"),
              "无法打开 " + path_ + "：是一个文件夹");
    EXPECT_EQ(UnitsOf(c), "厘米,");
    fs::remove(path_);
    ASSERT_EQ(c.AppendEntry("L", "1", "m", "1000", "mm"), "");
    EXPECT_EQ(Read(), "[L][1][m]=[1000][mm]\r\n");
}

// A soft file-size limit just above the file's size lets the system store
// only part of the line: the part is cut back, bytes the line was to replace
// (a UTF-8 character cut short at the end) are put back, and the message
// says the write failed.
TEST_F(CatalogueFile, AWriteStoppedHalfwayIsTakenBack) {
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"after_a_line_break", "[长度][1][米]=[100][厘米]\r\n"},
        {"over_a_character_cut_short", "[长度][1][米]=[100][厘米]\r\n[长度][1][米]=[3][尺\xE5\xB0"},
    };
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of the signal
    for (const auto& c : cases) {
        Write(c.file);
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

// The unit of the k-th line a writer appends: long enough that a kill can
// fall in the middle of writing it, different for every line.
std::string UnitName(int run, int k) {
    std::string name = std::to_string(run) + "-" + std::to_string(k) + "-";
    for (int i = 0; i < 200; ++i) name += "毫米";
    return name;
}

// Appends lines until killed; after each append that returned success the
// line's number goes down the pipe.
[[noreturn]] void AppendUntilKilled(const std::string& path, int run, int out) {
    UnitCatalogue c(path);
    if (!c.Load().empty())
        ::_exit(3);
    const char ready = 'r';
    if (::write(out, &ready, 1) != 1)
        ::_exit(4);
    for (int k = 0; k < 100000; ++k) {
        if (!c.AppendEntry("长度", "1", "米", std::to_string(k), UnitName(run, k)).empty())
            ::_exit(5);
        if (::write(out, &k, sizeof k) != sizeof k)
            ::_exit(6);
    }
    ::_exit(0);
}

// A writer is killed at random moments, 100 times in a GB18030 file and 100
// times in a UTF-8 one. Every line it reported as appended, and every line
// that was there before, reads back unchanged and the file still loads; the
// one line being written when the kill came may be whole, cut short or
// missing.
TEST_F(CatalogueFile, WriterKilledDuringAppendsNeverDamagesEarlierLines) {
    std::mt19937 random(20261206);  // a fixed start, so a failure repeats
    const struct {
        const char* name;
        std::string start;
    } files[] = {
        {"gb18030", "[\xB3\xA4\xB6\xC8][1][\xC3\xD7]=[100][\xC0\xE5\xC3\xD7]\r\n"},
        {"utf8", "[长度][1][米]=[100][厘米]\r\n"},
    };
    for (const auto& file : files) {
        Write(file.start);
        std::vector<UnitEntry> earlier = {Entry("长度", 1, "米", 100, "厘米")};
        for (int run = 0; run < 100; ++run) {
            SCOPED_TRACE(testing::Message() << file.name << " run " << run);
            int fds[2];
            ASSERT_EQ(::pipe(fds), 0);
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::close(fds[0]);
                AppendUntilKilled(path_, run, fds[1]);
            }
            ::close(fds[1]);
            char ready = 0;
            ASSERT_EQ(::read(fds[0], &ready, 1), 1);
            std::this_thread::sleep_for(
                std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(random)));
            ASSERT_EQ(::kill(child, SIGKILL), 0);
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status));
            std::vector<int> confirmed;
            for (int k; ::read(fds[0], &k, sizeof k) == sizeof k;) confirmed.push_back(k);
            ::close(fds[0]);

            UnitCatalogue c(path_);
            ASSERT_EQ(c.Load(), "");
            const std::vector<UnitEntry> now = EntriesOf(c);
            ASSERT_GE(now.size(), earlier.size() + confirmed.size());
            ASSERT_LE(now.size(), earlier.size() + confirmed.size() + 1);
            for (std::size_t i = 0; i < earlier.size(); ++i)
                ASSERT_EQ(now[i], earlier[i]) << " line " << i;
            for (std::size_t j = 0; j < confirmed.size(); ++j)
                EXPECT_EQ(now[earlier.size() + j],
                          Entry("长度", 1, "米", static_cast<float>(confirmed[j]),
                                UnitName(run, confirmed[j])));
            earlier = now;  // a line cut short is now an earlier line too
        }
    }
}

#endif  // !defined(_WIN32)

}  // namespace
