// SPDX-License-Identifier: MIT
#include "units/catalogue_place.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef VEK_BIN_TO_SHIPPED_CATALOGUE
// Relative to the folder of the installed programs (bin/ beside share/).
#define VEK_BIN_TO_SHIPPED_CATALOGUE "../share/vek/data.ini"
#endif

namespace fs = std::filesystem;

namespace vek::units {
namespace {

constexpr const char* kFileName = "data.ini";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Anything named data.ini counts, a broken link or a folder included: the
// catalogue then reports what is wrong with it instead of being passed over.
bool Holds(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The folder of the user's data: an absolute XDG_DATA_HOME, else
// ~/.local/share; empty without a home folder.
std::string UserDataFolder(const CatalogueSearch& search) {
    if (!search.xdgDataHome.empty() && search.xdgDataHome.front() == '/')
        return search.xdgDataHome;
    if (search.home.empty())
        return {};
    return search.home + "/.local/share";
}

}  // namespace

CatalogueSearch ThisProcess() {
    CatalogueSearch search;
#if defined(__linux__)
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        search.programFolder = self.parent_path().string();
#endif
    search.home = Environment("HOME");
    search.xdgDataHome = Environment("XDG_DATA_HOME");
    return search;
}

CataloguePlace FindCatalogue(const CatalogueSearch& search) {
    CataloguePlace place{kFileName, {}, {}};
    if (search.programFolder.empty())
        return place;
    const fs::path shipped = fs::path(search.programFolder) / VEK_BIN_TO_SHIPPED_CATALOGUE;
    const std::string folder = UserDataFolder(search);
    if (!IsRegularFile(shipped) || folder.empty())
        return place;  // not installed, or no home: the current folder
    place.shippedDefault = shipped.lexically_normal().string();
    place.userPath = folder + "/vek/" + kFileName;
    if (!Holds(kFileName))
        place.path = place.userPath;
    return place;
}

bool ProvideUserCatalogue(const CataloguePlace& place) {
    if (!place.IsUsers() || place.shippedDefault.empty())
        return false;
    const fs::path user(place.userPath);
    if (Holds(user))
        return true;
    std::error_code error;
    fs::create_directories(user.parent_path(), error);
    const fs::path temporary =
        user.parent_path() / (".data.ini." + std::to_string(std::random_device{}()));
    if (!fs::copy_file(place.shippedDefault, temporary, fs::copy_options::overwrite_existing,
                       error)) {
        fs::remove(temporary, error);
        return false;
    }
    // The shipped file is read-only; the user's copy takes the units they add.
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, error);
    // A hard link never replaces an existing name; where the file system
    // has none, a rename after a last look.
    fs::create_hard_link(temporary, user, error);
    if (error && !Holds(user))
        fs::rename(temporary, user, error);
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Holds(user);
}

}  // namespace vek::units
