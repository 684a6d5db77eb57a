// SPDX-License-Identifier: MIT
#pragma once
// Which data.ini a program of vek uses.
//
// A data.ini in the current folder is always the one: that is where the
// program has always looked, and where it is started from its own folder or
// from the build tree. An installed program (one that finds the shipped
// default catalogue at share/vek/data.ini beside its bin folder) started
// anywhere else, from a terminal in the home folder say, uses the user's own
// catalogue instead of creating an empty file there:
// $XDG_DATA_HOME/vek/data.ini, or ~/.local/share/vek/data.ini when
// XDG_DATA_HOME is unset, empty or relative (the XDG rule). The first time,
// the shipped default is copied there; after that the file is the user's
// and is never replaced.

#include <string>

namespace vek::units {

// What the choice depends on, taken from the running process by ThisProcess.
struct CatalogueSearch {
    std::string programFolder;  // where the running program lies; empty when unknown
    std::string home;           // $HOME; empty when unset
    std::string xdgDataHome;    // $XDG_DATA_HOME; empty when unset
};

struct CataloguePlace {
    std::string path;            // the catalogue to use: "data.ini" or the user's
    std::string userPath;        // the user's catalogue of an installed program, else empty
    std::string shippedDefault;  // the default shipped with an installed program, else empty

    bool IsUsers() const { return !userPath.empty() && path == userPath; }
};

// The running program's folder (Linux; empty elsewhere) and its environment.
CatalogueSearch ThisProcess();

// Finds the catalogue to use for a program started in the current folder;
// looks only, creates nothing.
CataloguePlace FindCatalogue(const CatalogueSearch& search);

// When the place is the user's catalogue and that file is missing, creates
// its folder and puts a writable copy of the shipped default there. The copy
// is made under a temporary name and moved in without replacing anything, so
// a second program started at the same moment never reads half a file and a
// user's file is never overwritten. Returns false when no copy could be made
// (the folder cannot be created, say); the catalogue then reports its own
// error when it opens the file.
bool ProvideUserCatalogue(const CataloguePlace& place);

}  // namespace vek::units
