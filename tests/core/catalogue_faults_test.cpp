// SPDX-License-Identifier: MIT
// data.ini when things go wrong around it: the writing process killed at any
// moment, and a second copy of the program wanting the same file.

// Both need a second process made by fork; on Windows the lock against a
// second opener is shown within one process (unit_catalogue_test.cpp).
#if !defined(_WIN32)

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "units/unit_catalogue.h"

namespace fs = std::filesystem;

namespace {

class CatalogueFaults : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const char* scratch = std::getenv("VEK_TEST_TMP");
        dir_ = (scratch ? fs::path(scratch) : fs::temp_directory_path()) /
               ("catalogue_faults_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "data.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    std::string path_;
};

std::vector<UnitEntry> EntriesOf(const UnitCatalogue& c) {
    std::vector<UnitEntry> entries;
    for (std::size_t i = 0; i < c.EntryCount(); ++i) entries.push_back(c.Entry(i));
    return entries;
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
TEST_F(CatalogueFaults, WriterKilledDuringAppendsNeverDamagesEarlierLines) {
    std::mt19937 random(20261206);  // a fixed start, so a failure repeats
    const struct {
        const char* name;
        std::string start;
    } files[] = {
        {"gb18030", "[\xB3\xA4\xB6\xC8][1][\xC3\xD7]=[100][\xC0\xE5\xC3\xD7]\r\n"},
        {"utf8", "[长度][1][米]=[100][厘米]\r\n"},
    };
    for (const auto& file : files) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << file.start;
        std::vector<UnitEntry> earlier;
        {
            UnitCatalogue c(path_);
            ASSERT_EQ(c.Load(), "");
            earlier = EntriesOf(c);
        }
        int kills = 0;
        for (int run = 0; run < 100; ++run) {
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
            ASSERT_EQ(::read(fds[0], &ready, 1), 1) << file.name << " run " << run;
            std::this_thread::sleep_for(
                std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(random)));
            kills += ::kill(child, SIGKILL) == 0;
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << file.name << " run " << run;
            std::vector<int> confirmed;
            for (int k; ::read(fds[0], &k, sizeof k) == sizeof k;) confirmed.push_back(k);
            ::close(fds[0]);

            UnitCatalogue c(path_);
            ASSERT_EQ(c.Load(), "") << file.name << " run " << run;
            const std::vector<UnitEntry> now = EntriesOf(c);
            ASSERT_GE(now.size(), earlier.size() + confirmed.size()) << file.name << " run " << run;
            ASSERT_LE(now.size(), earlier.size() + confirmed.size() + 1);
            for (std::size_t i = 0; i < earlier.size(); ++i)
                ASSERT_EQ(now[i], earlier[i]) << file.name << " run " << run << " line " << i;
            for (std::size_t j = 0; j < confirmed.size(); ++j) {
                const UnitEntry& e = now[earlier.size() + j];
                EXPECT_EQ(e.kind, "长度") << file.name << " run " << run;
                EXPECT_EQ(e.quantity, static_cast<float>(confirmed[j]));
                EXPECT_EQ(e.unit, UnitName(run, confirmed[j])) << file.name << " run " << run;
            }
            earlier = now;  // a line cut short is now an earlier line too
        }
        EXPECT_EQ(kills, 100) << file.name;
    }
}

// A second program is refused the file while the first holds it, writes
// nothing, and the first one's additions before and after stay intact.
TEST_F(CatalogueFaults, SecondProcessIsRefusedAndTheFirstKeepsItsLines) {
    const std::string busy = path_ + " 正被其他程序使用，无法打开。";
    int toParent[2], toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        UnitCatalogue first(path_);
        bool ok = first.Load().empty();
        for (int k = 0; k < 3; ++k)
            ok = ok &&
                 first.AppendEntry("长度", "1", "米", std::to_string(k), "u" + std::to_string(k))
                     .empty();
        char go = ok ? 'r' : 'x';
        if (::write(toParent[1], &go, 1) != 1 || ::read(toChild[0], &go, 1) != 1)
            ::_exit(2);
        for (int k = 3; k < 5; ++k)
            ok = ok &&
                 first.AppendEntry("长度", "1", "米", std::to_string(k), "u" + std::to_string(k))
                     .empty();
        ::_exit(ok ? 0 : 1);
    }
    char ready = 0;
    ASSERT_EQ(::read(toParent[0], &ready, 1), 1);
    ASSERT_EQ(ready, 'r');

    std::ifstream in(path_, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    UnitCatalogue second(path_);
    EXPECT_EQ(second.Load(), busy);
    EXPECT_EQ(second.EntryCount(), 0u);
    EXPECT_EQ(second.AppendEntry("质量", "1", "千克", "1000", "克"), busy);
    std::vector<UnitEntry> readOnly;  // a tool that only reads still may
    EXPECT_EQ(UnitCatalogue::ReadOnly(path_, readOnly), "");
    EXPECT_EQ(readOnly.size(), 3u);
    std::ifstream again(path_, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), bytes);

    ASSERT_EQ(::write(toChild[1], "g", 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_EQ(second.Load(), "");  // the lock went with the first program
    const std::vector<UnitEntry> entries = EntriesOf(second);
    ASSERT_EQ(entries.size(), 5u);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(entries[k],
                  (UnitEntry{"长度", 1, "米", static_cast<float>(k), "u" + std::to_string(k)}));
    for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]}) ::close(fd);
}

std::uint64_t HashOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    std::vector<char> buffer(1 << 20);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211u;
    return hash;
}

// 100 MB of text, GB18030 with a stray invalid byte now and then: it loads
// whole, every line one entry, and loading writes nothing.
TEST_F(CatalogueFaults, HundredMegabytesOfTextLoadAndStayUntouched) {
    const std::string line = "[\xB3\xA4\xB6\xC8][1][\xC3\xD7]=[0.001][\xC7\xA7\xC3\xD7]\r\n";
    const std::string odd = "[\xB3\xA4\xB6\xC8][1][\xC3\xD7]=[2][\x80\xFF]\r\n";
    std::size_t lines = 0;
    {
        std::string block;
        for (int i = 0; i < 1000; ++i) block += i == 500 ? odd : line;
        std::ofstream out(path_, std::ios::binary);
        for (std::size_t size = 0; size < 100u << 20; size += block.size(), lines += 1000)
            out << block;
    }
    const std::uint64_t hash = HashOf(path_);
    UnitCatalogue c(path_);
    ASSERT_EQ(c.Load(), "");
    EXPECT_EQ(c.EntryCount(), lines);
    EXPECT_EQ(c.KindsInOrder(), std::vector<std::string>{"长度"});
    EXPECT_EQ(c.Entry(lines - 1), (UnitEntry{"长度", 1, "米", 0.001f, "千米"}));
    EXPECT_EQ(c.Entry(500), (UnitEntry{"长度", 1, "米", 2, "\uFFFD\uFFFD"}));
    EXPECT_EQ(c.UnitsOfKind("长度").units.size(), lines);
    EXPECT_EQ(c.FactorOf("长度", "\uFFFD\uFFFD", -1), 2.0f);
    c.Close();
    EXPECT_EQ(HashOf(path_), hash);
}

}  // namespace

#endif  // !defined(_WIN32)
