// SPDX-License-Identifier: MIT
#pragma once
// The unit catalogue: every unit the converter knows, read from a plain text
// file (data.ini in the current directory) that the user may also edit by
// hand. One entry per line, in file order:
//
//     [kind][baseQuantity][baseUnit]=[quantity][unit]
//
// "baseQuantity baseUnit make quantity unit" within the kind. A unit's
// factor is how many of it make the base quantity of the base unit: with
// [长度][1][米]=[100][厘米], 米 has the factor 1 and 厘米 100.
//
// The file stays open and exclusively locked from Load to Close, so a second
// copy of the program reports it busy instead of writing over it. Failures
// come back as texts for the user (empty on success), never as exceptions.
// The file's text is held once; entries are cut from their lines on demand.

#include <string>
#include <string_view>
#include <vector>

#include "units/catalogue_text.h"
#include "units/platform_file.h"
#include "units/unit_entry.h"

class UnitCatalogue {
public:
    explicit UnitCatalogue(std::string path = "data.ini");
    ~UnitCatalogue() = default;  // the file closes with it
    UnitCatalogue(const UnitCatalogue&) = delete;
    UnitCatalogue& operator=(const UnitCatalogue&) = delete;

    // Opens and locks the file when it is not open (first as an existing
    // file, then creating it empty when missing) and rebuilds the entries
    // from its whole content. When it cannot be opened or read (not a
    // regular file, larger than 256 MB) the catalogue is empty and the error
    // text is returned.
    std::string Load();

    // Distinct kinds in order of first appearance (the empty kind included).
    std::vector<std::string> KindsInOrder() const;

    // The base unit and base quantity of the kind's first line, then the unit
    // of each of its lines in file order.
    KindUnits UnitsOfKind(std::string_view kind) const;

    // The factor of the unit name among the lines of the kind: a line whose
    // base unit is the name gives its base quantity, then a line whose unit is
    // the name gives its quantity; the last such line wins. current when no
    // line of the kind names the unit. Lines of other kinds are never looked
    // at, so 吨 as a mass and 吨 as a volume of water keep their own factors.
    float FactorOf(std::string_view kind, std::string_view name, float current) const;

    // Writes "[kind][bq][bu]=[q][u]" with CR LF at the end of the file, in
    // the file's encoding, texts verbatim, in one write that is flushed; then
    // reloads from the same, still locked file. Opens and locks the file
    // first when it is not open, or when the path no longer leads to the
    // open file (an editor saved over it, or it was removed: the line then
    // goes to the file the path leads to now, created when missing). On
    // failure returns the error text, leaves
    // the file as it was and does not reload. When the file ends in a UTF-8
    // character cut short, that character's bytes become the U+FFFD they
    // read as, so the file stays UTF-8 and its last line reads as before.
    std::string AppendEntry(std::string_view kind, std::string_view baseQuantityText,
                            std::string_view baseUnit, std::string_view quantityText,
                            std::string_view unit);

    // Releases the lock, closes the file and forgets the entries.
    void Close();

    bool IsOpen() const { return file_.IsOpen(); }
    std::size_t EntryCount() const { return text_.LineCount(); }
    UnitEntry Entry(std::size_t i) const { return text_.Entry(i); }
    const std::string& Path() const { return path_; }

    // Reads a catalogue without creating, locking or writing anything (for
    // tools that only convert). Returns the error text, empty on success;
    // entries is empty on failure.
    static std::string ReadOnly(const std::string& path, std::vector<UnitEntry>& entries);
    // The same into the compact form the program itself holds (about the
    // file's size in memory).
    static std::string ReadOnly(const std::string& path, vek::units::CatalogueText& text);
    // The catalogue's text, for questions without copies.
    const vek::units::CatalogueText& Text() const { return text_; }

    // The entries that the given file content holds (for tests and tools).
    static std::vector<UnitEntry> ParseContent(std::string_view fileBytes);

private:
    std::string OpenFile();
    std::string Reload();
    std::string ErrorText(const vek::units::platform::FileStatus& status) const;

    std::string path_;
    vek::units::platform::LockedFile file_;
    vek::units::CatalogueText text_;
};
