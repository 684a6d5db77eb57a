// SPDX-License-Identifier: MIT
// data.ini when the writing process is killed at any moment. The lock
// against a second opener is shown within one process (flock locks the open
// file description, so a second open there is refused as in another program:
// unit_catalogue_test.cpp).

// The writer is a second process made by fork.
#if !defined(_WIN32)

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
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

}  // namespace

#endif  // !defined(_WIN32)
