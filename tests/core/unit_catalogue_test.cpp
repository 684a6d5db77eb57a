// SPDX-License-Identifier: MIT
#include "units/unit_catalogue.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>

#include "units/catalogue_format.h"
#include "units/utf8.h"

using namespace vek::units;
namespace fs = std::filesystem;

namespace {

// GBK bytes of the names used below.
const std::string kLengthGbk = "\xB3\xA4\xB6\xC8";  // 长度
const std::string kMetreGbk = "\xC3\xD7";           // 米
const std::string kMuGbk = "\xC4\xB6";              // 亩, also well-formed UTF-8 ("Ķ")
const float kInf = std::numeric_limits<float>::infinity();

UnitEntry Entry(std::string kind, float bq, std::string bu, float q, std::string u) {
    return {std::move(kind), bq, std::move(bu), q, std::move(u)};
}

// A fresh directory per test, removed afterwards.
class CatalogueFile : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const char* scratch = std::getenv("VEK_TEST_TMP");
        const fs::path base = scratch ? fs::path(scratch) : fs::temp_directory_path();
        dir_ = base /
               ("unit_catalogue_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "data.ini").string();
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
    std::string path_;
};

// --- One line, five fields -------------------------------------------------

struct LineCase {
    const char* name;
    const char* line;
    UnitEntry expected;
};

const LineCase kLines[] = {
    {"worked_example", "[长度][1][米]=[100][厘米]", Entry("长度", 1, "米", 100, "厘米")},
    {"blank_line_is_an_empty_entry", "", Entry("", 0, "", 0, "")},
    {"text_without_brackets_is_an_empty_entry", "米 = 100 厘米", Entry("", 0, "", 0, "")},
    {"one_bracketed_name_fills_three_fields", "[X]", Entry("X", 0, "X", 0, "X")},
    {"three_fields_restart_from_the_line_start", "[a][1][m]", Entry("a", 1, "m", 0, "a")},
    {"blanks_between_fields_change_nothing", " [a] [1] [m]  =  [2] [cm] ",
     Entry("a", 1, "m", 2, "cm")},
    {"blank_inside_brackets_belongs_to_the_name", "[a][1][ m]=[2][c m ]",
     Entry("a", 1, " m", 2, "c m ")},
    {"extra_fields_ignored", "[a][1][m]=[2][cm][x][y]", Entry("a", 1, "m", 2, "cm")},
    {"exponent_and_trailing_text", "[a][1e3][m]=[12abc][cm]", Entry("a", 1000, "m", 12, "cm")},
    {"unreadable_and_empty_numbers_are_zero", "[a][abc][m]=[][cm]", Entry("a", 0, "m", 0, "cm")},
    {"closing_bracket_first_shifts_fields", "]a[b]", Entry("", 0, "", 0, "b")},
    {"bracket_inside_a_name_misreads", "[a[b][1][m]=[2][cm]", Entry("a[b", 0, "1][m", 0, "2][cm")},
};

TEST(UnitCatalogueLine, FieldsByBracketPosition) {
    for (const auto& c : kLines) EXPECT_EQ(ParseEntryLine(c.line), c.expected) << c.name;
}

struct NumberCase {
    const char* text;
    double value;
};

const NumberCase kNumbers[] = {
    {"1e3", 1000},   {"12abc", 12},     {"abc", 0},    {"", 0},          {" \t-2.5", -2.5},
    {"+.5", 0.5},    {"5.", 5},         {"1e", 1},     {"1e+", 1},       {"1.5e-1x", 0.15},
    {"0x10", 0},     {"inf", 0},        {"nan", 0},    {"1,5", 1},       {"-", 0},
    {"1e999", kInf}, {"-1e999", -kInf}, {"1e-999", 0}, {"0.001", 0.001},
};

TEST(UnitCatalogueLine, NumbersReadLikeAtofInAnyLocale) {
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    for (const auto& c : kNumbers) EXPECT_EQ(ReadLeadingNumber(c.text), c.value) << c.text;
    std::setlocale(LC_ALL, "C");
    if (!comma)
        GTEST_SKIP() << "read in the C locale only: no decimal-comma locale installed";
}

TEST(UnitCatalogueLine, NumbersAreStoredInSinglePrecision) {
    const UnitEntry e = ParseEntryLine("[a][0.1][m]=[1e40][cm]");
    EXPECT_EQ(e.baseQuantity, 0.1f);
    EXPECT_EQ(e.quantity, kInf);
}

// --- Whole files: lines and encodings --------------------------------------

struct FileCase {
    const char* name;
    std::string bytes;
    FileEncoding encoding;
    std::vector<std::string> kinds;  // the kind of every entry, in order
};

const FileCase kFiles[] = {
    {"empty_file_has_no_entries", "", FileEncoding::kGb18030, {}},
    {"lone_line_break_is_one_blank_line", "\n", FileEncoding::kGb18030, {""}},
    {"last_line_without_break_counts", "[a]\r\n[b]", FileEncoding::kGb18030, {"a", "b"}},
    {"bare_lf_and_blank_lines", "[a]\n\n[b]\n", FileEncoding::kGb18030, {"a", "", "b"}},
    {"gbk_text", "[" + kLengthGbk + "][1][" + kMetreGbk + "]", FileEncoding::kGb18030, {"长度"}},
    {"gb18030_four_byte_character", "[\x95\x32\x82\x36]", FileEncoding::kGb18030, {"𠀀"}},
    {"utf8_without_bom", "[长度][1][米]", FileEncoding::kUtf8, {"长度"}},
    {"utf8_bom_is_not_part_of_the_first_kind",
     "\xEF\xBB\xBF[a]\n[b]",
     FileEncoding::kUtf8,
     {"a", "b"}},
    {"utf8_bom_with_invalid_byte", "\xEF\xBB\xBF[\xC3(]", FileEncoding::kUtf8, {"\uFFFD("}},
    {"utf8_mixed_with_invalid_reads_as_gb18030",
     "[é]\n[\x80]\n[\xFF]\n[c]",
     FileEncoding::kGb18030,
     {"茅", "\uFFFD", "\uFFFD", "c"}},
    {"lead_byte_before_line_break_loses_no_line",
     "[a\x81\n[b]\n[c\xFE",
     FileEncoding::kGb18030,
     {"", "b", ""}},
};

TEST(UnitCatalogueFileText, EncodingLinesAndNames) {
    for (const auto& c : kFiles) {
        EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << c.name;
        std::vector<std::string> kinds;
        for (const auto& e : UnitCatalogue::ParseContent(c.bytes)) kinds.push_back(e.kind);
        EXPECT_EQ(kinds, c.kinds) << c.name;
    }
}

TEST(UnitCatalogueFileText, InvalidBytesReadAsReplacementCharacters) {
    const auto entries = UnitCatalogue::ParseContent("[k][1][a\x80]=[2][b\xFF]\n[k2]");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], Entry("k", 1, "a\uFFFD", 2, "b\uFFFD"));
}

TEST(UnitCatalogueFileText, BracketTrailBytesKeepAllFiveFields) {
    const auto entries =
        UnitCatalogue::ParseContent("[\x81\x5B\x81\x5D][1][m]=[2][\x94\x5B\x93\x5D]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], Entry("乕乚", 1, "m", 2, "擺揮"));
}

// --- Queries ---------------------------------------------------------------

TEST_F(CatalogueFile, WorkedExampleFactorsAndLists) {
    Write(
        "[长度][1][米]=[100][厘米]\r\n[长度][1][米]=[0.001][千米]\r\n[质量][1][千克]=[1000][克]"
        "\r\n");
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    EXPECT_EQ(c.KindsInOrder(), (std::vector<std::string>{"长度", "质量"}));
    const KindUnits length = c.UnitsOfKind("长度");
    EXPECT_EQ(length.baseUnit, "米");
    EXPECT_EQ(length.baseQuantity, 1.0f);
    EXPECT_EQ(length.units, (std::vector<std::string>{"厘米", "千米"}));
    const struct {
        const char* kind;
        const char* name;
        float factor;
    } factors[] = {{"长度", "米", 1},   {"长度", "厘米", 100}, {"长度", "千米", 0.001f},
                   {"质量", "千克", 1}, {"质量", "克", 1000},  {"质量", "米", -7},
                   {"面积", "米", -7}};
    for (const auto& f : factors)
        EXPECT_EQ(c.FactorOf(f.kind, f.name, -7), f.factor) << f.kind << " " << f.name;
    EXPECT_FALSE(c.UnitsOfKind("面积").HasEntries());
    EXPECT_EQ(c.UnitsOfKind("面积").baseQuantity, 0.0f);
}

TEST_F(CatalogueFile, EachKindTakesAUnitsFactorFromItsOwnLines) {
    Write("[质量][1][千克]=[0.001][吨]\n[体积][1][立方米]=[1][吨]\n[质量][1][千克]=[0.002][吨]\n");
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    EXPECT_EQ(c.FactorOf("质量", "吨", 0), 0.002f);  // the last line of the kind wins
    EXPECT_EQ(c.FactorOf("体积", "吨", 0), 1.0f);
}

TEST_F(CatalogueFile, BlankLinesListTheEmptyKindOnceAndBaseQuantityComesFromFirstLine) {
    Write("\n[a][2][m]=[3][cm]\n\n[a][5][x]=[4][dm]");
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    EXPECT_EQ(c.KindsInOrder(), (std::vector<std::string>{"", "a"}));
    EXPECT_EQ(c.UnitsOfKind("a").baseQuantity, 2.0f);
    EXPECT_EQ(c.UnitsOfKind("a").units, (std::vector<std::string>{"cm", "dm"}));
}

// --- The file: creation, appending, encodings, lock, errors ----------------

TEST_F(CatalogueFile, MissingFileIsCreatedEmpty) {
    UnitCatalogue c(path_);
    EXPECT_EQ(c.Load(), "");
    EXPECT_TRUE(c.Entries().empty());
    EXPECT_TRUE(c.KindsInOrder().empty());
    EXPECT_TRUE(fs::exists(path_));
    EXPECT_EQ(fs::file_size(path_), 0u);
}

struct AppendCase {
    const char* name;
    std::string before;
    std::string kind, unit;
    std::string written;  // bytes the append adds
};

const AppendCase kAppends[] = {
    {"new_file_is_gb18030_without_blank_first_line", "", "长度", "米",
     "[" + kLengthGbk + "][1][b]=[2][" + kMetreGbk + "]\r\n"},
    {"gb18030_file_takes_a_name_outside_gbk", "[" + kLengthGbk + "]\r\n", "𠀀", "😀",
     "[\x95\x32\x82\x36][1][b]=[2][\x94\x39\xFC\x36]\r\n"},
    {"missing_final_break_is_added_first", "[a][1][b]=[2][c]", "a", "d",
     "\r\n[a][1][b]=[2][d]\r\n"},
    {"bom_only_file_gets_no_break_and_utf8", "\xEF\xBB\xBF", "长度", "𠀀",
     "[长度][1][b]=[2][𠀀]\r\n"},
    {"utf8_file_without_final_break", "[长度]", "面积", "😀", "\r\n[面积][1][b]=[2][😀]\r\n"},
    {"gbk_that_would_read_as_utf8_goes_in_as_utf8", "[area]\r\n", "area", "亩",
     "[area][1][b]=[2][亩]\r\n"},
    {"gbk_file_keeps_gbk_for_such_names", "[" + kLengthGbk + "]\n", "area", "亩",
     "[area][1][b]=[2][" + kMuGbk + "]\r\n"},
};

TEST_F(CatalogueFile, AppendedNamesComeBackByteExact) {
    for (const auto& a : kAppends) {
        Write(a.before);
        UnitCatalogue c(path_);
        ASSERT_EQ(c.Load(), "") << a.name;
        const std::size_t before = c.Entries().size();
        ASSERT_EQ(c.AppendEntry(a.kind, "1", "b", "2", a.unit), "") << a.name;
        EXPECT_EQ(Read(), a.before + a.written) << a.name;
        ASSERT_EQ(c.Entries().size(), before + 1) << a.name;
        EXPECT_EQ(c.Entries().back(), Entry(a.kind, 1, "b", 2, a.unit)) << a.name;
        c.Close();
        UnitCatalogue again(path_);
        ASSERT_EQ(again.Load(), "");
        EXPECT_EQ(again.Entries().back(), Entry(a.kind, 1, "b", 2, a.unit)) << a.name;
    }
}

TEST_F(CatalogueFile, LockIsHeldFromLoadThroughAppendAndReload) {
    const std::string busy = "data.ini 正被其他程序使用，无法打开。";
    UnitCatalogue first(path_), second(path_);
    ASSERT_EQ(first.Load(), "");
    EXPECT_EQ(second.Load(), busy);
    EXPECT_EQ(second.AppendEntry("k", "1", "b", "2", "u"), busy);
    EXPECT_EQ(Read(), "");
    ASSERT_EQ(first.AppendEntry("k", "1", "b", "2", "u"), "");
    EXPECT_EQ(second.Load(), busy);
    EXPECT_TRUE(second.Entries().empty());
    first.Close();
    // Appending to a closed catalogue opens and locks the file again.
    ASSERT_EQ(first.AppendEntry("k", "1", "b", "3", "v"), "");
    EXPECT_EQ(first.Entries().size(), 2u);
    EXPECT_EQ(second.Load(), busy);
    first.Close();
    ASSERT_EQ(second.Load(), "");
    EXPECT_EQ(second.Entries().size(), 2u);
    // Reading for a converter needs no lock and leaves the file alone.
    std::vector<UnitEntry> entries;
    EXPECT_EQ(UnitCatalogue::ReadOnly(path_, entries), "");
    EXPECT_EQ(entries, second.Entries());
}

// Runs fn where permission bits apply: directly, or as root in a child that
// has given up its privileges. Returns what fn returned, or nullopt when the
// privileges cannot be dropped.
std::optional<std::string> WithoutPrivileges(const std::function<std::string()>& fn) {
    if (::geteuid() != 0)
        return fn();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const std::string result = fn();
        const bool sent = ::write(pipeFds[1], result.data(), result.size()) ==
                          static_cast<ssize_t>(result.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(pipeFds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return result;
}

TEST_F(CatalogueFile, AppendToReadOnlyFileOrFolderWritesNothing) {
    const std::string refused = "没有权限打开 data.ini。";
    const auto tryAppend = [this] {
        UnitCatalogue c(path_);
        const std::string load = c.Load();
        const bool empty = c.Entries().empty();
        return load + "|" + (empty ? "empty" : "entries") + "|" +
               c.AppendEntry("k", "1", "b", "2", "u");
    };
    Write("[a][1][b]=[2][c]");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto result = WithoutPrivileges(tryAppend);
    if (!result)
        GTEST_SKIP() << "running as root and cannot drop privileges";
    EXPECT_EQ(*result, refused + "|empty|" + refused);
    EXPECT_EQ(Read(), "[a][1][b]=[2][c]");

    fs::remove(path_);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    result = WithoutPrivileges(tryAppend);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, refused + "|empty|" + refused);
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(CatalogueFile, OtherErrorsCarryTheSystemReasonInAtMost99Characters) {
    std::string name;  // 120 two-byte characters: the cut falls inside the name
    for (int i = 0; i < 120; ++i) name += "é";
    const std::string path = (dir_ / "missing" / name).string();
    UnitCatalogue c(path);
    const std::string error = c.Load();
    EXPECT_EQ(error, "无法打开 " + name.substr(0, 94 * 2));
    EXPECT_EQ(c.AppendEntry("k", "1", "b", "2", "u"), error);
    std::vector<UnitEntry> entries;
    EXPECT_EQ(UnitCatalogue::ReadOnly(path, entries), error);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));

    UnitCatalogue nested(path_ + "/nested");
    EXPECT_EQ(nested.Load(), "无法打开 nested：No such file or directory");
}

}  // namespace
