// SPDX-License-Identifier: MIT
#pragma once
// A loaded catalogue, held compactly: the file's decoded text once, where
// each line starts, and an index of the distinct kinds. An entry's fields
// are cut from its line when they are asked for, so a catalogue costs about
// its text plus 4 bytes a line and some 20 bytes a distinct kind, and every
// question is answered in one pass over the lines at most.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "units/platform_file.h"
#include "units/unit_entry.h"

namespace vek::units {

class CatalogueText {
public:
    CatalogueText() = default;
    // Takes the decoded (UTF-8) text of a file and indexes its lines and
    // kinds. Every line is one entry, a blank one included; a last line
    // without a line break counts, a line break at the very end adds none.
    explicit CatalogueText(std::string text);
    // The catalogue that the given file content holds.
    static CatalogueText FromBytes(std::string_view fileBytes);

    std::size_t LineCount() const { return lineStarts_.empty() ? 0 : lineStarts_.size() - 1; }
    // Line i without its line break (LF, or CR LF).
    std::string_view Line(std::size_t i) const;
    UnitEntry Entry(std::size_t i) const;

    // Distinct kinds in order of first appearance (the empty kind included).
    std::vector<std::string> KindsInOrder() const;
    // The same without copies: kind k of KindCount(), pointing into the text.
    std::size_t KindCount() const { return kinds_.size(); }
    std::string_view Kind(std::size_t k) const { return KindName(static_cast<std::uint32_t>(k)); }
    bool HasKind(std::string_view kind) const;
    // The base unit and base quantity of the kind's first line, then the
    // unit of each of its lines in file order.
    KindUnits UnitsOfKind(std::string_view kind) const;
    // The factor of the unit name among the lines of the kind: a line whose
    // base unit is the name gives its base quantity, then a line whose unit
    // is the name gives its quantity; the last such line wins. current when
    // no line of the kind names the unit.
    float FactorOf(std::string_view kind, std::string_view name, float current) const;

    // Forgets everything, memory included.
    void Clear() { *this = CatalogueText(); }

private:
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };
    std::string_view KindName(std::uint32_t k) const;
    std::size_t Slot(std::string_view kind) const;
    void AddKind(std::string_view kind);
    void GrowSlots();

    std::string text_;
    std::vector<std::uint32_t> lineStarts_;  // one per line, then the text's size
    std::vector<Span> kinds_;                // in order of first appearance
    std::vector<std::uint32_t> slots_;       // open addressing: kind index + 1, 0 free
};

// Reads a catalogue through read (which hands the file's bytes to a sink
// from the start, and may be called twice): a first pass decides the
// encoding, the second decodes straight into the catalogue's text. On
// failure text is empty.
platform::FileStatus ReadCatalogue(
    const std::function<platform::FileStatus(const platform::ChunkSink&)>& read,
    CatalogueText& text);

}  // namespace vek::units
