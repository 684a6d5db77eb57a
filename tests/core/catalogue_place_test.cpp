// SPDX-License-Identifier: MIT
// Which data.ini a program uses: the current folder's when it holds one; for
// an installed program started elsewhere the user's own, made once from the
// shipped default and never overwritten; for a program of the build tree the
// current folder only.
#include "units/catalogue_place.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#if !defined(_WIN32)

namespace fs = std::filesystem;

namespace {

const char* const kShipped = "[长度][1][米]=[100][厘米]\r\n";

std::string Read(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A scratch installation (prefix/bin beside prefix/share/vek/data.ini,
// read-only as a package leaves it), a home folder and a current folder the
// test runs in.
class CataloguePlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* scratch = std::getenv("VEK_TEST_TMP");
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        root_ = (scratch ? fs::path(scratch) : fs::temp_directory_path()) /
                (std::string("catalogue_place_") + info->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "prefix/bin");
        fs::create_directories(root_ / "prefix/share/vek");
        fs::create_directories(root_ / "home");
        fs::create_directories(root_ / "here");
        shipped_ = root_ / "prefix/share/vek/data.ini";
        Write(shipped_, kShipped);
        fs::permissions(shipped_,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        previous_ = fs::current_path();
        fs::current_path(root_ / "here");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::permissions(shipped_, fs::perms::owner_write, fs::perm_options::add);
        fs::remove_all(root_);
    }

    vek::units::CatalogueSearch Installed(std::string xdg = {}) const {
        return {(root_ / "prefix/bin").string(), (root_ / "home").string(), std::move(xdg)};
    }
    std::string UsersDefault() const { return (root_ / "home/.local/share/vek/data.ini").string(); }

    fs::path root_;
    fs::path shipped_;
    fs::path previous_;
};

TEST_F(CataloguePlaceTest, ChoosesTheFile) {
    const std::string xdg = (root_ / "xdg").string();
    struct Case {
        const char* title;
        vek::units::CatalogueSearch search;
        bool hereHoldsOne;
        std::string path;
    };
    const Case cases[] = {
        {"build tree, nothing here",
         {(root_ / "build").string(), (root_ / "home").string(), {}},
         false,
         "data.ini"},
        {"program folder unknown", {{}, (root_ / "home").string(), {}}, false, "data.ini"},
        {"installed, one here", Installed(), true, "data.ini"},
        {"installed, none here", Installed(), false, UsersDefault()},
        {"absolute XDG_DATA_HOME", Installed(xdg), false, xdg + "/vek/data.ini"},
        {"relative XDG_DATA_HOME ignored", Installed("share"), false, UsersDefault()},
        {"no home folder", {(root_ / "prefix/bin").string(), {}, {}}, false, "data.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        fs::remove("data.ini");
        if (c.hereHoldsOne)
            Write("data.ini", "");
        EXPECT_EQ(vek::units::FindCatalogue(c.search).path, c.path);
    }
    EXPECT_FALSE(fs::exists(UsersDefault()));  // looking creates nothing
}

TEST_F(CataloguePlaceTest, UsersCatalogueIsFilledOnceFromTheShippedDefault) {
    const auto place = vek::units::FindCatalogue(Installed());
    ASSERT_EQ(place.path, UsersDefault());
    ASSERT_TRUE(vek::units::ProvideUserCatalogue(place));
    EXPECT_EQ(Read(UsersDefault()), kShipped);
    // The user's copy takes the units they add; nothing else is left there.
    EXPECT_NE(fs::status(UsersDefault()).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(UsersDefault()).parent_path()),
                            fs::directory_iterator()),
              1);
    EXPECT_FALSE(fs::exists("data.ini"));

    Write(UsersDefault(), "[长度][1][米]=[1][公尺]\n");
    EXPECT_TRUE(vek::units::ProvideUserCatalogue(vek::units::FindCatalogue(Installed())));
    EXPECT_EQ(Read(UsersDefault()), "[长度][1][米]=[1][公尺]\n");
}

TEST_F(CataloguePlaceTest, NothingIsCopiedWhenTheCurrentFolderHoldsOne) {
    Write("data.ini", "");
    EXPECT_FALSE(vek::units::ProvideUserCatalogue(vek::units::FindCatalogue(Installed())));
    EXPECT_FALSE(fs::exists(UsersDefault()));
    EXPECT_EQ(Read("data.ini"), "");
}

}  // namespace

#endif
